#pragma once

#include <QString>
#include <QStringList>

class DataSet;

// The needs record's fields and the three computations of the needs
// calculator. Every number is read from the text of a box or of a field in
// the user's number format; every result is written as its formatted text
// and read back from that text by the next step. A text that is not a number
// throws StepError with the conversion message.
namespace NeedsCalculator {

// The fourteen fields of the needs record in the order of the page.
extern const QStringList fields;
// The eight of them the calculator fills.
extern const QStringList calculatedFields;

// Shown instead of a computation when a figure it needs is 0.
extern const QString missingData;

// The calculator's own boxes; none is stored.
struct Boxes
{
    // group "Servidores necessários"
    QString diasPrevistos;
    QString servidoresNecessarios;
    QString supervisores;
    // group "Dias previstos"
    QString servidoresExistentes;
    QString diasParaExecucao;
    // group "Recursos de laboratório", with its three hidden intermediate results
    QString rendTubitos;
    QString tubitosDia;
    QString tecnicos;
    QString boletins;
    QString numTubitos;
    QString x;
    QString y;
    QString z;
};

enum class Outcome { Done, MissingData };

// Servers needed from the days typed; stores the needs record.
Outcome serversNeeded(DataSet &needs, Boxes &boxes);
// Days needed from the servers there are; stores the needs record.
Outcome daysNeeded(DataSet &needs, Boxes &boxes);
// Laboratory resources from the days and servers of the needs record; stores it.
Outcome laboratory(DataSet &needs, Boxes &boxes);

// "Soma dos imóveis a trabalhar" changed: the calculated figures no longer hold.
void clearCalculated(DataSet &needs);
// "Limpar": every figure of the record becomes empty; stored with the next store.
void clearAll(DataSet &needs);

} // namespace NeedsCalculator
