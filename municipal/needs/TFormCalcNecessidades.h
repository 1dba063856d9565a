#pragma once

#include "municipal/needs/NeedsCalculator.h"

#include <QWidget>

#include <functional>

class DataSet;
class QLineEdit;

// "Cálculos necessários": servers, days and laboratory resources of the
// needs record. Its own boxes are not stored; the results go into the record.
class TFormCalcNecessidades : public QWidget
{
    Q_OBJECT

public:
    explicit TFormCalcNecessidades(DataSet &needs, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    // Runs a computation over the texts of the boxes and shows what it wrote,
    // also when it stopped part-way.
    void compute(NeedsCalculator::Outcome (*computation)(DataSet &, NeedsCalculator::Boxes &));
    QList<std::pair<QLineEdit *, QString NeedsCalculator::Boxes::*>> boxes() const;

    DataSet &m_needs;
    QLineEdit *m_dias;
    QLineEdit *m_servidores;
    QLineEdit *m_supervisores;
    QLineEdit *m_existentes;
    QLineEdit *m_diasExecucao;
    QLineEdit *m_rendTubitos;
    QLineEdit *m_tubitosDia;
    QLineEdit *m_tecnicos;
    QLineEdit *m_boletins;
    QLineEdit *m_numTubitos;
    QLineEdit *m_x;
    QLineEdit *m_y;
    QLineEdit *m_z;
};
