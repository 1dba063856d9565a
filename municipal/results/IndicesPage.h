#pragma once

#include "common/report/ReportLayout.h"
#include "municipal/results/RiskFilter.h"

#include <QWidget>

#include <functional>

class DataGrid;
class QComboBox;
class QLineEdit;
class QPushButton;
class ReportEngine;
class TDataModule1;

// Sub-page "Índices" of the tab "Consolidado": the indices of the strata the
// stratum query lists, the two risk choosers with their counts, the shares of
// the container classes, and the buttons of the statistics, charts and
// spreadsheet windows, which are enabled once those windows are connected.
class IndicesPage : public QWidget
{
    Q_OBJECT

public:
    IndicesPage(TDataModule1 &dm, ReportEngine &reports, std::function<ReportParams()> headerParams,
                QWidget *parent = nullptr);
    DataGrid *DBGrid2() const { return m_grid; }

    // Whoever answers statisticsRequested() (chartsRequested(), spreadsheetRequested()) enables its button.
    void setStatisticsEnabled(bool enabled);
    void setChartsEnabled(bool enabled);
    void setSpreadsheetEnabled(bool enabled);

signals:
    void statisticsRequested();
    void chartsRequested();
    void spreadsheetRequested();

private:
    void ComboBox1Click();
    void ComboBox2Click();
    void SpeedButton1Click();
    QWidget *chooser(RiskFilter::Index index, const QString &heading, QComboBox *&combo, QLineEdit *&count);

    TDataModule1 &m_dm;
    ReportEngine &m_reports;
    std::function<ReportParams()> m_headerParams;
    DataGrid *m_grid;
    QComboBox *m_comboBox1;
    QComboBox *m_comboBox2;
    QLineEdit *m_edit1;
    QLineEdit *m_edit2;
    QPushButton *m_estatistica;
    QPushButton *m_graficos;
    QPushButton *m_excel;
};
