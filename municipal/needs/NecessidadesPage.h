#pragma once

#include "common/report/ReportLayout.h"

#include <QList>
#include <QWidget>

#include <functional>

class BoundLineEdit;
class ReportEngine;
class TDataModule1;
class TFormCalcNecessidades;

// Page "Planejamento de necessidades" of the work window: the needs record,
// the calculator that fills it, its report.
class NecessidadesPage : public QWidget
{
    Q_OBJECT

public:
    NecessidadesPage(TDataModule1 &dm, ReportEngine &reports, std::function<ReportParams()> headerParams,
                     QWidget *parent = nullptr);
    ~NecessidadesPage() override;
    // A window of its own, made with the page and shown by "Cálculos necessários".
    TFormCalcNecessidades *calculator() const { return m_calculator; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SpBtnCalcNecClick();
    void SpBtnNecImprimirClick();
    void SpBtnLimparNecClick();
    void DBEdit2Change();
    void DBEdit7KeyPress();
    void TabSheetNecessidadesExit();

    TDataModule1 &m_dm;
    ReportEngine &m_reports;
    std::function<ReportParams()> m_headerParams;
    QList<BoundLineEdit *> m_boxes;
    TFormCalcNecessidades *m_calculator;
};
