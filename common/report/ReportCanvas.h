#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>

class QPagedPaintDevice;

// Paints a report on pages, in millimetres from the top-left corner of the
// page. A header is painted at the top of every page and a footer at the
// bottom; the body flows onto a new page when it does not fit.
class ReportCanvas
{
public:
    using Band = std::function<void(ReportCanvas &)>;

    // `onPage` is told the number of each page as it starts.
    ReportCanvas(QPagedPaintDevice &device, std::function<void(int)> onPage = {});
    ~ReportCanvas();

    void setHeader(Band header) { m_header = std::move(header); }
    // The footer is painted in the band `height` millimetres above the bottom margin.
    void setFooter(Band footer, qreal height);
    // Starts the first page and paints its header.
    void begin();
    // Paints the last footer and ends the document.
    void finish();

    qreal pageWidth() const { return m_width; }
    qreal margin() const { return m_margin; }
    qreal bodyBottom() const { return m_height - m_margin - m_footerHeight; }
    qreal footerTop() const { return bodyBottom(); }
    int pageNumber() const { return m_page; }

    qreal y() const { return m_y; }
    void setY(qreal y) { m_y = y; }
    void advance(qreal mm) { m_y += mm; }
    // Starts a new page when `mm` more do not fit on this one.
    void ensureSpace(qreal mm);
    void newPage();

    static QFont font(qreal points, bool bold = false, bool underline = false);
    // Text with its top-left corner at (x, y); returns the text's width in mm.
    qreal text(qreal x, qreal y, const QString &text, const QFont &font);
    // The same without measuring the text, for the many texts of long tables.
    void textOnly(qreal x, qreal y, const QString &text, const QFont &font);
    // Text inside a rectangle with Qt alignment flags.
    void text(const QRectF &rectMm, const QString &text, const QFont &font, int flags);
    qreal textWidth(const QString &text, const QFont &font);
    qreal lineHeight(const QFont &font);
    void line(qreal x1, qreal y1, qreal x2, qreal y2, qreal widthMm = 0.3);
    void frame(const QRectF &rectMm, qreal widthMm = 0.3);
    // A picture of `size` (in its own units) scaled proportionally to fit
    // `rectMm` and centred in it; `paint` draws it from its top-left corner.
    void picture(const QRectF &rectMm, const QSizeF &size, const std::function<void(QPainter &)> &paint);

private:
    QPointF toDevice(qreal x, qreal y) const;
    QRectF toDevice(const QRectF &rectMm) const;
    void startPage();

    QPagedPaintDevice &m_device;
    QPainter m_painter;
    std::function<void(int)> m_onPage;
    Band m_header;
    Band m_footer;
    qreal m_footerHeight = 0;
    qreal m_scale = 1; // device pixels per mm
    qreal m_width = 0;
    qreal m_height = 0;
    qreal m_margin = 10;
    qreal m_y = 0;
    int m_page = 0;
    bool m_inHeader = false;
};
