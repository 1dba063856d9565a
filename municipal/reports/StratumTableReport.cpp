#include "municipal/reports/StratumTableReport.h"

#include "common/DataSet.h"
#include "common/report/ReportCanvas.h"

StratumTableReport::StratumTableReport(Style style, const DataSet &rows, QVector<Column> columns)
    : MunicipalReport(std::move(style)), m_rows(rows), m_columns(std::move(columns))
{}

void StratumTableReport::header(ReportCanvas &c, const ReportParams &params)
{
    MunicipalReport::header(c, params);
    const QFont plain = ReportCanvas::font(10);
    const QFont underlined = ReportCanvas::font(10, false, true);
    const qreal line = c.lineHeight(plain) + 1;
    qreal x = c.margin();
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column &col = m_columns[i];
        // A group heading stands over the first of its columns.
        if (!col.group.isEmpty() && (i == 0 || m_columns[i - 1].group != col.group))
            c.text(x, c.y(), col.group, underlined);
        c.text(x, c.y() + line, col.heading, plain);
        x += col.width;
    }
    c.advance(2 * line + 1);
    c.line(c.margin(), c.y(), c.pageWidth() - c.margin(), c.y());
    c.advance(2);
}

void StratumTableReport::body(ReportCanvas &c, const ReportParams &)
{
    const QFont plain = ReportCanvas::font(10);
    const qreal line = c.lineHeight(plain) + 1;
    QVector<int> fields;
    for (const Column &col : std::as_const(m_columns))
        fields << m_rows.fieldIndex(col.field);
    for (int row = 0; row < m_rows.recordCount(); ++row) {
        c.ensureSpace(line);
        qreal x = c.margin();
        for (int i = 0; i < m_columns.size(); ++i) {
            c.text(x, c.y(), m_rows.textAt(row, fields[i]), plain);
            x += m_columns[i].width;
        }
        c.advance(line);
    }
}
