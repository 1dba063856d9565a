#pragma once

#include "municipal/results/ChartFilters.h"

#include <QWidget>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QChart;
class QChartView;
class QGroupBox;
class QLabel;
class QPainter;
class QPushButton;
class QRadioButton;
class QValueAxis;
class ReportEngine;
class TDataModule1;

// The charts window: the Ae. aegypti IIP, Breteau index and container-class
// shares of each stratum the stratum query lists, drawn as bars. The risk
// choices here filter that query, and with it the page "Índices".
class TFormGraficos : public QWidget
{
    Q_OBJECT

public:
    TFormGraficos(TDataModule1 &dm, ReportEngine &reports, QWidget *parent = nullptr);

    // The name under which "Imprimir" runs the window's picture through the report engine.
    static QString reportName();

    QChart *DBChart1() const; // IIP
    QChart *DBChart2() const; // container classes
    QChart *DBChart3() const; // Breteau index

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct BarChart
    {
        QChartView *view = nullptr;
        QBarSeries *series = nullptr;
        QBarCategoryAxis *strata = nullptr;
        QValueAxis *values = nullptr;
    };

    BarChart makeChart(const QString &title, const QString &valueTitle);
    QWidget *classLegend();
    void FormShow();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void choose(ChartFilters::Choice choice);
    void paintPicture(QPainter &painter);
    void redraw();

    TDataModule1 &m_dm;
    ReportEngine &m_reports;
    QLabel *m_municipality;
    BarChart m_iip;
    BarChart m_ib;
    BarChart m_classes;
    QBarSet *m_iipBars;
    QBarSet *m_ibBars;
    QVector<QBarSet *> m_classBars;
    QRadioButton *m_low;
    QRadioButton *m_medium;
    QRadioButton *m_high;
    QPushButton *m_close;
    QPushButton *m_print;
    bool m_centred = false;
};
