#pragma once

#include "municipal/reports/StratumTableReport.h"

// "Consolidação  de   dados": the field counts of every row of `Consolidado`.
class Report3 : public StratumTableReport
{
public:
    explicit Report3(const DataSet &consolidado);
};
