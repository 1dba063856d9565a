#pragma once

#include "common/DialogQuestions.h"
#include "common/report/ReportLayout.h"
#include "municipal/sampling/SamplePlan.h"

#include <QWidget>

#include <functional>

class BoundLineEdit;
class MoveButtons;
class ReportEngine;
class TDataModule1;
class WorkingValues;

// Page "Plano amostral" of the work window: one stratum's plan at a time.
class PlanoAmostralPage : public QWidget
{
    Q_OBJECT

public:
    PlanoAmostralPage(TDataModule1 &dm, WorkingValues &values, ReportEngine &reports,
                      std::function<ReportParams()> headerParams, QWidget *parent = nullptr);
    // The seed of each random start; the clock unless a test gives another.
    void setSeedSource(SamplePlan::SeedSource seed) { m_seed = std::move(seed); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void DBEditNumImvEstratoExit(bool byKeyboard);
    void DBEditNumQuartEstratoExit(bool byKeyboard);
    void SpBtnPlanAmostralNovoClick();
    void SpBtnPlanAmostralExcluirClick();
    void SpBtnRelatorioClick();

    TDataModule1 &m_dm;
    WorkingValues &m_values;
    ReportEngine &m_reports;
    std::function<ReportParams()> m_headerParams;
    SamplePlan::SeedSource m_seed;
    DialogQuestions m_questions{this};
    BoundLineEdit *m_estrato;
    BoundLineEdit *m_imoveis;
    BoundLineEdit *m_quarteiroes;
    MoveButtons *m_moves;
};
