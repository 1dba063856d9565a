#pragma once

#include "municipal/reports/MunicipalReport.h"

class DataSet;

// "Planejamento  de  necessidades": the fourteen figures of each needs record.
class Report2 : public MunicipalReport
{
public:
    explicit Report2(const DataSet &needs);
    void body(ReportCanvas &canvas, const ReportParams &params) override;

private:
    const DataSet &m_needs;
};
