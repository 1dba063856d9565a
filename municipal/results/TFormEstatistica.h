#pragma once

#include "common/report/ReportLayout.h"

#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class ReportEngine;
class TDataModule1;

// "Dados estatísticos": the municipality's indices, the spread of the
// strata's indices, strata per risk class and the risk situation, with
// their report. The boxes can be typed over; what they show is printed.
class TFormEstatistica : public QWidget
{
    Q_OBJECT

public:
    // `headerParams` gives the work window's municipality, state and period.
    TFormEstatistica(TDataModule1 &dm, ReportEngine &reports, std::function<ReportParams()> headerParams,
                     QWidget *parent = nullptr);

    // "Estatística" on the page "Índices": shows the window, then fills it.
    // Throws StepError when a figure cannot be read: the button runs it as a
    // user action (Dialogs::runStep).
    void showStatistics();

    QLabel *riskPanel() const { return m_panel; }

private:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void showMunicipality();

    TDataModule1 &m_dm;
    ReportEngine &m_reports;
    std::function<ReportParams()> m_headerParams;
    QLabel *m_municipio;
    QLabel *m_uf;
    QLabel *m_ano;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8;
    QLineEdit *Edit9, *Edit10, *Edit11, *Edit12, *Edit13, *Edit14, *Edit15;
    QLabel *m_panel;
};
