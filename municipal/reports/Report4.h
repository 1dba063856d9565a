#pragma once

#include "municipal/reports/StratumTableReport.h"

// "Índices": the indices of the strata the stratum query lists.
class Report4 : public StratumTableReport
{
public:
    explicit Report4(const DataSet &strata);
};
