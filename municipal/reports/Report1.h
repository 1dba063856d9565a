#pragma once

#include "municipal/reports/MunicipalReport.h"

class DataSet;

// "Plano  Amostral": one block per stratum of the registered municipality.
class Report1 : public MunicipalReport
{
public:
    explicit Report1(const DataSet &plan);
    void body(ReportCanvas &canvas, const ReportParams &params) override;

private:
    const DataSet &m_plan;
};
