#pragma once

#include "common/report/ReportLayout.h"

class DataSet;

// The state's printed table ("Report1"): Letter landscape, a header band
// with the module's titles, the UF of the row it starts with and the column
// headings, then one band of 8 point texts per row of the result.
class KavelReport : public ReportLayout
{
public:
    // Throws StepError "Cannot perform this operation on a closed dataset".
    explicit KavelReport(const DataSet &result);

    QPageSize::PageSizeId pageSize() const override { return QPageSize::Letter; }
    QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }
    void header(ReportCanvas &canvas, const ReportParams &params) override;
    void body(ReportCanvas &canvas, const ReportParams &params) override;

private:
    int fieldIndex(const QString &field) const;
    QString text(int row, const QString &field) const;

    const DataSet &m_result;
    int m_row = 0; // the row the next band prints
};
