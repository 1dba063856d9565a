#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class DataSet;

// The work window's working values of the block selection, not stored. Each
// holds the text of a whole number, as the boxes do.
class WorkingValues : public QObject
{
    Q_OBJECT

public:
    // Follows the sample plan: the carried position goes back to the
    // stratum's random start whenever another stratum becomes current or the
    // start is drawn again.
    explicit WorkingValues(DataSet &plan, QObject *parent = nullptr);

    QString PosicaoProximoBairro;   // block position where the next neighbourhood starts
    QString BairrosAnunciados;      // neighbourhoods announced for the stratum
    QString BairrosCalculados;      // neighbourhood calculations since the announcement
    QString QuartBairrosCalculados; // blocks of those neighbourhoods
    // "Total de quarteirões a inspecionar no estrato :", shown, not stored.
    QString TotalQuartEstrato = QStringLiteral("0");

    // Tells the windows that show the stratum total to show it again.
    void notify() { emit changed(); }

signals:
    void changed();

private:
    void followStart();

    QPointer<DataSet> m_plan;
};
