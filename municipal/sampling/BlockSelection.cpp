#include "municipal/sampling/BlockSelection.h"

#include "common/DataSet.h"
#include "common/NumberText.h"
#include "common/UserQuestions.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/sampling/PlanFields.h"
#include "municipal/sampling/WorkingValues.h"

#include <cmath>

using namespace PlanFields;
using NumberText::fixed;
using NumberText::toFloat;
using NumberText::toInteger;

namespace BlockSelection {

namespace {

const QString separator = QStringLiteral("  -  ");

// Counts on from q, one pick every interval, while the neighbourhood has
// blocks left; appends each pick to the list. Returns the number of steps.
// The position is held as a double; each step adds the interval in extended
// precision and stores the sum back into the double.
int pickBlocks(double &q, long double interval, long double blocks, QString &list)
{
    int k = 0;
    while (blocks >= q) {
        q = double(static_cast<long double>(q) + interval);
        if (blocks >= q)
            list += separator + QString::number(static_cast<long long>(std::trunc(q)));
        ++k;
    }
    return k;
}

long double planInterval(const DataSet &plan)
{
    return toFloat(fixed(toFloat(plan.asText(IntervaloDeQuart)), 5));
}

void freshSelection(DataSet &plan, DataSet &items, WorkingValues &values)
{
    const QString start = toFloat(plan.asText(QuartInicial)) >= 1 ? values.PosicaoProximoBairro : QStringLiteral("1");
    items.setText(QuarteiroesATrabalhar, start);
    const long long s = toInteger(start);
    const long long b = toInteger(items.asText(Quarteirao));
    if (s > b) {
        items.setText(Observacao, QString::fromUtf8(notSurveyed));
        items.clear(QuarteiroesATrabalhar);
        items.setInteger(TotalQuartBairro, 0);
        return;
    }
    items.setText(Observacao, QString::fromUtf8(toWork));
    const long double interval = planInterval(plan);
    double q = double(s);
    QString list = start;
    const int k = pickBlocks(q, interval, b, list);
    items.setText(QuarteiroesATrabalhar, list);
    items.setInteger(TotalQuartBairro, k);
    const QString next = fixed(q - b, 0);
    values.PosicaoProximoBairro = next == QLatin1String("0") ? QStringLiteral("1") : next;
}

void manualStart(DataSet &plan, DataSet &items)
{
    items.setText(Observacao, QString::fromUtf8(toWork));
    const long double interval = planInterval(plan);
    QString list = items.asText(QuarteiroesATrabalhar);
    double q = double(toFloat(list));
    const long double b = toFloat(items.asText(Quarteirao));
    const int k = pickBlocks(q, interval, b, list);
    items.setText(QuarteiroesATrabalhar, list);
    items.setInteger(TotalQuartBairro, k);
}

// The sum of the neighbourhood totals of the stratum's items.
long long stratumTotal(const DataSet &items)
{
    long long total = 0;
    for (int row = 0; row < items.recordCount(); ++row)
        total += items.integerAt(row, TotalQuartBairroPosition);
    return total;
}

} // namespace

void blockCountTyped(TDataModule1 &dm)
{
    DataSet &items = *dm.ADOTableDefQuart;
    if (items.isEmpty() && !items.isEditing())
        return;
    if (!items.isEditing())
        items.edit();
    items.clear(QuarteiroesATrabalhar);
}

void calculate(TDataModule1 &dm, WorkingValues &values, UserQuestions &ask)
{
    DataSet &plan = *dm.ADOTablePlanoAmostral;
    DataSet &items = *dm.ADOTableDefQuart;
    if (items.recNo() == 0 || !items.isEditing())
        return;
    items.updateRecord();
    const QString itemBlocks = items.asText(Quarteirao);

    if (items.asText(QuarteiroesATrabalhar).isEmpty())
        freshSelection(plan, items, values);
    else
        manualStart(plan, items);

    // Moving to the first item saves the one just computed.
    items.first();
    values.TotalQuartEstrato = QString::number(stratumTotal(items));
    items.last();
    values.notify();

    // The announced neighbourhoods, and their blocks against the plan.
    if (toInteger(values.BairrosCalculados) < toInteger(values.BairrosAnunciados))
        values.BairrosCalculados = QString::number(toInteger(values.BairrosCalculados) + 1);
    values.QuartBairrosCalculados = QString::number(toInteger(values.QuartBairrosCalculados) + toInteger(itemBlocks));
    if (toInteger(values.BairrosCalculados) >= toInteger(values.BairrosAnunciados)
        && toInteger(values.QuartBairrosCalculados) != toInteger(plan.asText(NumeroDeQuarteiroesNoEstrato))) {
        if (toInteger(values.TotalQuartEstrato) > toInteger(plan.asText(QuartQueComporaoAmostra))) {
            ask.message(QStringLiteral("Atenção!"),
                        QStringLiteral("Total de quarteirões a inspecionar no estrato é diferente do n° de quarteirões "
                                       "que comporão a amostra. Redigite os bairros com os respectivos números "
                                       "corretos de quarteirões"));
            items.edit();
        }
        values.BairrosCalculados = QStringLiteral("0");
        if (items.recNo() > 0 && items.isEditing())
            items.post();
    }
}

void recomputeStratumTotal(TDataModule1 &dm, WorkingValues &values)
{
    DataSet &items = *dm.ADOTableDefQuart;
    if (items.isEditing())
        return;
    values.TotalQuartEstrato = QString::number(stratumTotal(items));
    items.first();
    values.notify();
}

void newItem(TDataModule1 &dm, UserQuestions &ask)
{
    DataSet &items = *dm.ADOTableDefQuart;
    if (dm.ADOTablePlanoAmostral->recNo() == 0 || dm.ADOTablePlanoAmostral->isNull(Estrato)) {
        ask.message(QStringLiteral("Atenção!"),
                    QStringLiteral("Crie um estrato no plano amostral antes de definir os seus bairros."));
        return;
    }
    items.updateRecord();
    if (items.state() == DataSet::State::Edit
        && ask.question(QStringLiteral("Atenção!"), QStringLiteral("Deseja gravar o registro ?")))
        items.post();
    // A new item goes after the others, as the stored rows are read back.
    items.append();
}

void deleteItem(TDataModule1 &dm, UserQuestions &ask)
{
    DataSet &items = *dm.ADOTableDefQuart;
    if (items.recNo() == 0)
        return;
    if (ask.question(QStringLiteral("Confirmação"), QStringLiteral("Deletar este registro?")))
        items.remove();
}

} // namespace BlockSelection
