#pragma once

#include "municipal/reports/MunicipalReport.h"

#include <array>
#include <initializer_list>

class DataSet;

// "Consolidado geral do Município": the summary record on one page.
class Report6 : public MunicipalReport
{
public:
    explicit Report6(const DataSet &kavel);
    void body(ReportCanvas &canvas, const ReportParams &params) override;

private:
    QString value(const char *field) const;
    void section(ReportCanvas &canvas, const QString &heading);
    // Rows of a label and two values under the column headings `number` and "Percentual".
    void numberAndShareRows(ReportCanvas &canvas, const QString &number,
                            std::initializer_list<std::array<const char *, 3>> rows);

    const DataSet &m_kavel;
};
