#include "municipal/needs/NeedsCalculator.h"

#include "common/DataSet.h"
#include "common/NumberText.h"

#include <optional>

using NumberText::divide;
using NumberText::fixed;
using NumberText::toFloat;

namespace NeedsCalculator {

const QStringList fields = {
    QStringLiteral("QuantEstratosALevantar"), QStringLiteral("SomaDosImoveisATrabalhar"),
    QStringLiteral("RendImoveisHomenDia"),    QStringLiteral("ExameLarvaHoraTecnico"),
    QStringLiteral("MediaLarvasTubito"),      QStringLiteral("HorasDeTrabalho"),
    QStringLiteral("DiasPrevistos"),          QStringLiteral("ServidoresNecessarios"),
    QStringLiteral("Supervisores"),           QStringLiteral("RendTubitosHoraTecnico"),
    QStringLiteral("TubitosDiasTecnicos"),    QStringLiteral("TecnicosNecessarios"),
    QStringLiteral("BolDiarioCampoLab"),      QStringLiteral("NumTubitos"),
};

const QStringList calculatedFields = fields.mid(6);

const QString missingData = QStringLiteral("Alguns dados necessários para o cálculo não foram informados no "
                                           "planejamento de necessidades. Verifique!");

namespace {

// The number a field of the record shows, as the page's box shows it.
long double number(DataSet &needs, const QString &field)
{
    return toFloat(needs.asText(field));
}

// What the page's boxes hold reaches the record before it is read.
void readPage(DataSet &needs)
{
    needs.updateRecord();
}

// The properties to work over the daily yield per man, shared out by the
// number a box holds (days or servers), as a whole number. Nothing when the
// yield or that number is missing; otherwise the record is left in editing.
std::optional<QString> workShare(DataSet &needs, const QString &divisorText)
{
    readPage(needs);
    const long double r = number(needs, QStringLiteral("RendImoveisHomenDia"));
    if (r == 0)
        return std::nullopt;
    const long double divisor = toFloat(divisorText);
    if (divisor == 0)
        return std::nullopt;
    needs.edit();
    const long double s = number(needs, QStringLiteral("SomaDosImoveisATrabalhar"));
    return fixed(divide(divide(s, r), divisor), 0);
}

// One supervisor for every ten servers, as a whole number.
QString supervisorsFor(const QString &servers)
{
    return fixed(divide(toFloat(servers), 10), 0);
}

} // namespace

Outcome serversNeeded(DataSet &needs, Boxes &boxes)
{
    const std::optional<QString> servers = workShare(needs, boxes.diasPrevistos);
    if (!servers)
        return Outcome::MissingData;
    boxes.servidoresNecessarios = *servers;
    boxes.supervisores = supervisorsFor(boxes.servidoresNecessarios);
    needs.setText(QStringLiteral("ServidoresNecessarios"), boxes.servidoresNecessarios);
    needs.setText(QStringLiteral("DiasPrevistos"), boxes.diasPrevistos);
    needs.setText(QStringLiteral("Supervisores"), boxes.supervisores);
    needs.post();
    return Outcome::Done;
}

Outcome daysNeeded(DataSet &needs, Boxes &boxes)
{
    const std::optional<QString> days = workShare(needs, boxes.servidoresExistentes);
    if (!days)
        return Outcome::MissingData;
    boxes.diasParaExecucao = *days;
    boxes.supervisores = supervisorsFor(boxes.servidoresExistentes);
    needs.setText(QStringLiteral("DiasPrevistos"), boxes.diasParaExecucao);
    needs.setText(QStringLiteral("ServidoresNecessarios"), boxes.servidoresExistentes);
    needs.setText(QStringLiteral("Supervisores"), boxes.supervisores);
    needs.post();
    return Outcome::Done;
}

Outcome laboratory(DataSet &needs, Boxes &boxes)
{
    readPage(needs);
    const long double larvasPorTubito = number(needs, QStringLiteral("MediaLarvasTubito"));
    if (larvasPorTubito == 0)
        return Outcome::MissingData;
    const long double dp = number(needs, QStringLiteral("DiasPrevistos"));
    if (dp == 0)
        return Outcome::MissingData;
    needs.edit();
    const long double s = number(needs, QStringLiteral("SomaDosImoveisATrabalhar"));
    const long double sv = number(needs, QStringLiteral("ServidoresNecessarios"));

    boxes.rendTubitos = fixed(divide(number(needs, QStringLiteral("ExameLarvaHoraTecnico")), larvasPorTubito), 0);
    boxes.tubitosDia = fixed(toFloat(boxes.rendTubitos) * number(needs, QStringLiteral("HorasDeTrabalho")), 0);
    boxes.x = fixed(divide(divide(divide(s, 10), toFloat(boxes.tubitosDia)), dp), 2);
    // The days divide twice; the tubes per day do not enter Y.
    boxes.y = fixed(divide(divide(divide(s, 10), dp), dp), 0);
    boxes.z = fixed(dp - sv, 2);
    boxes.tecnicos = toFloat(boxes.z) >= 0 ? boxes.y : fixed(toFloat(boxes.x), 0);
    boxes.boletins = fixed(dp * sv * 2, 0);
    boxes.numTubitos = fixed(dp * 5 * sv, 0);
    if (boxes.tecnicos == QLatin1String("0"))
        boxes.tecnicos = QStringLiteral("1");

    needs.setText(QStringLiteral("RendTubitosHoraTecnico"), boxes.rendTubitos);
    needs.setText(QStringLiteral("TubitosDiasTecnicos"), boxes.tubitosDia);
    needs.setText(QStringLiteral("TecnicosNecessarios"), boxes.tecnicos);
    needs.setText(QStringLiteral("BolDiarioCampoLab"), boxes.boletins);
    needs.setText(QStringLiteral("NumTubitos"), boxes.numTubitos);
    needs.post();
    return Outcome::Done;
}

void clearCalculated(DataSet &needs)
{
    needs.edit();
    for (const QString &field : calculatedFields)
        needs.clear(field);
}

void clearAll(DataSet &needs)
{
    needs.edit();
    for (const QString &field : fields)
        needs.clear(field);
}

} // namespace NeedsCalculator
