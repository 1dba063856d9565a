#include "common/report/ReportCanvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <algorithm>

ReportCanvas::ReportCanvas(QPagedPaintDevice &device, std::function<void(int)> onPage)
    : m_device(device), m_onPage(std::move(onPage))
{
    const QSizeF size = device.pageLayout().fullRectPoints().size();
    m_width = size.width() * 25.4 / 72.0;
    m_height = size.height() * 25.4 / 72.0;
}

ReportCanvas::~ReportCanvas()
{
    if (m_painter.isActive())
        m_painter.end();
}

void ReportCanvas::setFooter(Band footer, qreal height)
{
    m_footer = std::move(footer);
    m_footerHeight = height;
}

void ReportCanvas::begin()
{
    m_device.setPageMargins(QMarginsF(0, 0, 0, 0));
    m_painter.begin(&m_device);
    m_scale = m_device.logicalDpiX() / 25.4;
    m_page = 0;
    startPage();
}

void ReportCanvas::startPage()
{
    ++m_page;
    if (m_onPage)
        m_onPage(m_page);
    m_y = m_margin;
    if (m_header) {
        m_inHeader = true;
        m_header(*this);
        m_inHeader = false;
    }
}

void ReportCanvas::newPage()
{
    if (m_footer) {
        const qreal keep = m_y;
        m_footer(*this);
        m_y = keep;
    }
    m_device.newPage();
    startPage();
}

void ReportCanvas::finish()
{
    if (m_footer)
        m_footer(*this);
    m_painter.end();
}

void ReportCanvas::ensureSpace(qreal mm)
{
    if (!m_inHeader && m_y + mm > bodyBottom())
        newPage();
}

QFont ReportCanvas::font(qreal points, bool bold, bool underline)
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

QPointF ReportCanvas::toDevice(qreal x, qreal y) const
{
    return {x * m_scale, y * m_scale};
}

QRectF ReportCanvas::toDevice(const QRectF &r) const
{
    return {r.x() * m_scale, r.y() * m_scale, r.width() * m_scale, r.height() * m_scale};
}

qreal ReportCanvas::text(qreal x, qreal y, const QString &text, const QFont &font)
{
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &m_device);
    m_painter.drawText(toDevice(x, y) + QPointF(0, metrics.ascent()), text);
    return metrics.horizontalAdvance(text) / m_scale;
}

void ReportCanvas::textOnly(qreal x, qreal y, const QString &text, const QFont &font)
{
    if (m_painter.font() != font)
        m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(toDevice(x, y) + QPointF(0, QFontMetricsF(font, &m_device).ascent()), text);
}

void ReportCanvas::text(const QRectF &rectMm, const QString &text, const QFont &font, int flags)
{
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(toDevice(rectMm), flags, text);
}

qreal ReportCanvas::textWidth(const QString &text, const QFont &font)
{
    return QFontMetricsF(font, &m_device).horizontalAdvance(text) / m_scale;
}

qreal ReportCanvas::lineHeight(const QFont &font)
{
    return QFontMetricsF(font, &m_device).height() / m_scale;
}

void ReportCanvas::line(qreal x1, qreal y1, qreal x2, qreal y2, qreal widthMm)
{
    m_painter.setPen(QPen(Qt::black, widthMm * m_scale));
    m_painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void ReportCanvas::frame(const QRectF &rectMm, qreal widthMm)
{
    m_painter.setPen(QPen(Qt::black, widthMm * m_scale));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(toDevice(rectMm));
}

void ReportCanvas::picture(const QRectF &rectMm, const QSizeF &size, const std::function<void(QPainter &)> &paint)
{
    if (size.isEmpty())
        return;
    const QRectF target = toDevice(rectMm);
    const qreal scale = std::min(target.width() / size.width(), target.height() / size.height());
    const QSizeF scaled = size * scale;
    m_painter.save();
    m_painter.translate(target.left() + (target.width() - scaled.width()) / 2,
                        target.top() + (target.height() - scaled.height()) / 2);
    m_painter.scale(scale, scale);
    paint(m_painter);
    m_painter.restore();
}
