#pragma once

#include "common/report/ReportLayout.h"

#include <QMap>
#include <QWidget>

#include <functional>

class BoundLineEdit;
class QGridLayout;
class QPushButton;
class ReportEngine;
class TDataModule1;

// "Geração de dados para Dorsk-Kavel": the summary record, every field an
// editable box of the current `Kavel` row; it writes the summary file and
// prints the record.
class TFormKavel : public QWidget
{
    Q_OBJECT

public:
    // `headerParams` gives the municipality, state and period shown in the work window's header.
    TFormKavel(TDataModule1 &dm, ReportEngine &reports, std::function<ReportParams()> headerParams,
               QWidget *parent = nullptr);

    // Shows the window and generates the summary record, each value appearing
    // as it is computed; once stored, the boxes show the stored row.
    void generate();

    // The texts the boxes show, in the order of the record's columns.
    QStringList shownTexts() const;

private:
    void SpeedButton1Click(); // "Gerar": writes the summary file
    void SpeedButton2Click(); // "Imprimir": Report6
    void SpBtnFecharClick();

    BoundLineEdit *box(const QString &field);
    void addLabelledBox(QGridLayout *grid, int row, int column, const QString &caption, const QString &field);

    TDataModule1 &m_dm;
    ReportEngine &m_reports;
    std::function<ReportParams()> m_headerParams;
    QMap<QString, BoundLineEdit *> m_boxes;
};
