#include "municipal/reports/MunicipalReport.h"

#include "common/report/ReportCanvas.h"

void MunicipalReport::header(ReportCanvas &c, const ReportParams &params)
{
    const qreal left = c.margin();
    const qreal right = c.pageWidth() - c.margin();
    c.text(left, c.y(), QStringLiteral("Kavel  -  Pelvane "), ReportCanvas::font(10, true));
    c.advance(c.lineHeight(ReportCanvas::font(10, true)) + 1);
    c.line(left, c.y(), right, c.y());
    c.advance(3);

    const QFont title = ReportCanvas::font(18, true);
    c.text(QRectF(left, c.y(), right - left, c.lineHeight(title)), QStringLiteral("Nubrel"), title, Qt::AlignHCenter);
    c.advance(c.lineHeight(title) + 3);

    // The municipality, the state and the period, each in its frame.
    const qreal height = 9;
    const qreal width = right - left;
    const QRectF municipio(left, c.y(), width * 0.45, height);
    const QRectF uf(municipio.right() + 2, c.y(), width * 0.10, height);
    const QRectF periodo(uf.right() + 2, c.y(), right - uf.right() - 2, height);
    const QFont bold = ReportCanvas::font(12, true);
    const QFont regular = ReportCanvas::font(12);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    for (const QRectF &r : {municipio, uf, periodo})
        c.frame(r);
    c.text(municipio.adjusted(2, 0, -1, 0), params.value(QStringLiteral("Municipio")), bold, flags);
    c.text(uf.adjusted(2, 0, -1, 0), params.value(QStringLiteral("UF")), bold, flags);
    qreal periodX = periodo.left() + 2;
    if (m_style.periodLabel) {
        const QString label = QStringLiteral("Período :");
        c.text(QRectF(periodX, periodo.top(), periodo.width() - 3, height), label, bold, flags);
        periodX += c.textWidth(label, bold) + 2;
    }
    c.text(QRectF(periodX, periodo.top(), periodo.right() - periodX - 1, height),
           params.value(QStringLiteral("Periodo")), regular, flags);
    c.advance(height + 4);

    const QFont titleFont = ReportCanvas::font(m_style.titlePoints, true, m_style.titleUnderlined);
    c.text(QRectF(left, c.y(), width, c.lineHeight(titleFont)), m_style.title, titleFont, Qt::AlignHCenter);
    c.advance(c.lineHeight(titleFont) + 5);
}

void MunicipalReport::footer(ReportCanvas &c, const ReportParams &)
{
    const qreal left = c.margin();
    const qreal right = c.pageWidth() - c.margin();
    const qreal top = c.footerTop() + 3;
    if (m_style.footerRule)
        c.line(left, top, right, top);
    const QFont office = ReportCanvas::font(10, m_style.footerBold);
    const QFont number = ReportCanvas::font(10);
    c.text(left, top + 2, QStringLiteral("Kavel  -  Pelvane"), office);
    c.text(QRectF(left, top + 2, right - left, c.lineHeight(number)), QString::number(c.pageNumber()), number,
           Qt::AlignRight | Qt::AlignTop);
}

void MunicipalReport::labelAndValue(ReportCanvas &c, qreal x, qreal valueX, const QString &label, const QString &value,
                                    qreal points)
{
    const QFont bold = ReportCanvas::font(points, true);
    c.text(x, c.y(), label, bold);
    c.text(valueX, c.y(), value, ReportCanvas::font(points));
    c.advance(c.lineHeight(bold) + 1);
}
