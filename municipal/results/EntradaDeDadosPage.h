#pragma once

#include "common/report/ReportLayout.h"

#include <QWidget>

#include <functional>

class DataGrid;
class ReportEngine;
class TDataModule1;

// Sub-page "Entrada de dados" of the tab "Consolidado": the counts of each
// stratum typed into the entry grid, the totals of all strata, and "Cálculo".
class EntradaDeDadosPage : public QWidget
{
    Q_OBJECT

public:
    EntradaDeDadosPage(TDataModule1 &dm, ReportEngine &reports, std::function<ReportParams()> headerParams,
                       QWidget *parent = nullptr);
    DataGrid *DBGrid1() const { return m_grid; }

signals:
    void neighbourhoodViewRequested();

private:
    void SpBtnCalculoConsolidadoClick();
    void SpBtnRelatorioConsolidadoClick();

    TDataModule1 &m_dm;
    ReportEngine &m_reports;
    std::function<ReportParams()> m_headerParams;
    DataGrid *m_grid;
};
