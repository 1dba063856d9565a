#pragma once

#include "municipal/reports/MunicipalReport.h"

// "Estatística": the statistics window's figures, from the report's parameters alone.
class Report5 : public MunicipalReport
{
public:
    Report5();
    void body(ReportCanvas &canvas, const ReportParams &params) override;
};
