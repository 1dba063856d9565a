#pragma once

#include "common/DialogQuestions.h"
#include "municipal/sampling/BlockListPrinting.h"

#include <QWidget>

#include <functional>

class BoundLineEdit;
class BoundTextEdit;
class MoveButtons;
class QCheckBox;
class QLineEdit;
class QPushButton;
class TDataModule1;
class WorkingValues;

// Page "Definição de quarteirões": the neighbourhoods of the current stratum
// and the blocks to work in each, with the documents for the field teams.
class DefinicaoQuartPage : public QWidget
{
    Q_OBJECT

public:
    DefinicaoQuartPage(TDataModule1 &dm, WorkingValues &values, std::function<BlockListPrinting::Header()> header,
                       QWidget *parent = nullptr);

signals:
    void neighbourhoodViewRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void TabSheetDefQuartShow();
    void DBEditQuarteiraoChange();
    void SpBtnCalculoQuartClick();
    void SpBtnNovoItemClick();
    void SpBtnExcluirItemClick();
    void CheckBoxClick(QCheckBox *clicked);
    void BtnImprimirClick();
    void showValues();

    TDataModule1 &m_dm;
    WorkingValues &m_values;
    std::function<BlockListPrinting::Header()> m_header;
    DialogQuestions m_questions{this};
    QLineEdit *m_stratumTotal;
    QCheckBox *m_allNeighbourhoods;
    QCheckBox *m_currentNeighbourhood;
    QPushButton *m_print;
};
