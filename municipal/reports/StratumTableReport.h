#pragma once

#include "municipal/reports/MunicipalReport.h"

#include <QVector>

class DataSet;

// A landscape report of one line per row of a data set: two rows of column
// headings (group headings underlined over their columns) under the report
// header of every page, then the rows' field texts in columns.
class StratumTableReport : public MunicipalReport
{
public:
    struct Column
    {
        QString group; // empty for a column without a group heading
        QString heading;
        QString field;
        qreal width; // mm
    };

    StratumTableReport(Style style, const DataSet &rows, QVector<Column> columns);
    QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }
    void header(ReportCanvas &canvas, const ReportParams &params) override;
    void body(ReportCanvas &canvas, const ReportParams &params) override;

private:
    const DataSet &m_rows;
    QVector<Column> m_columns;
};
