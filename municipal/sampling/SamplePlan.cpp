#include "municipal/sampling/SamplePlan.h"

#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/NumberText.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/sampling/PlanFields.h"
#include "municipal/sampling/RandomStart.h"
#include "municipal/sampling/WorkingValues.h"

using namespace PlanFields;
using NumberText::divide;
using NumberText::fixed;
using NumberText::toFloat;

namespace SamplePlan {

namespace {

// One new row per stratum, in the plan's order, with the stratum and its sample size.
void addStratumRows(DataSet &target, const DataSet &plan)
{
    const int estrato = plan.fieldIndex(Estrato);
    const int tamanho = plan.fieldIndex(TamanhoDaAmostra);
    for (int row = 0; row < plan.recordCount(); ++row) {
        target.append();
        target.setInteger(QStringLiteral("Estrato"), plan.integerAt(row, estrato));
        target.setInteger(QStringLiteral("ImoveisProgramados"), plan.integerAt(row, tamanho));
        target.post();
    }
}

void rebuildNeeds(TDataModule1 &dm)
{
    DataSet &plan = *dm.ADOTablePlanoAmostral;
    DataSet &needs = *dm.ADOTableNecessidades;
    needs.deleteAll();
    long long sum = 0;
    const int tamanho = plan.fieldIndex(TamanhoDaAmostra);
    for (int row = 0; row < plan.recordCount(); ++row)
        sum += plan.integerAt(row, tamanho);
    needs.append();
    needs.setInteger(QStringLiteral("QuantEstratosALevantar"), plan.recordCount());
    needs.setInteger(QStringLiteral("SomaDosImoveisATrabalhar"), sum);
    needs.post();
    needs.close();
    needs.open();
}

void rebuildResults(TDataModule1 &dm)
{
    DataSet &plan = *dm.ADOTablePlanoAmostral;
    DataSet &consolidado = *dm.ADOTableConsolidado;
    consolidado.deleteAll();
    addStratumRows(consolidado, plan);
    consolidado.close();
    consolidado.open();

    // Every row of Indices goes, also those a filter of the stratum query
    // hides at this moment; the query keeps its statement.
    DataSet indices(dm.ADOConnection1);
    indices.setTable(QStringLiteral("Indices"));
    indices.deleteAll();
    addStratumRows(indices, plan);
    dm.ADOQueryIndices->close();
    dm.ADOQueryIndices->open();
}

} // namespace

void sampleSize(DataSet &plan)
{
    plan.updateRecord();
    const QString dwellings = plan.asText(NumeroDeImoveisNoEstrato);
    if (dwellings.trimmed().isEmpty())
        return;
    const long double n = toFloat(dwellings);
    const long double k = n >= 8100 ? 450 : 250;
    const long double size = k / (divide(k, n) + 1);
    if (!plan.isEditing())
        plan.edit();
    plan.setText(TamanhoDaAmostra, fixed(size, 0));
}

void blockPlan(TDataModule1 &dm, WorkingValues &values, const SeedSource &seed, QWidget *parent)
{
    DataSet &plan = *dm.ADOTablePlanoAmostral;
    if (plan.isEmpty())
        return; // no stratum to plan
    plan.updateRecord();
    plan.edit();

    if (!plan.asText(NumeroDeQuarteiroesNoEstrato).trimmed().isEmpty()) {
        const long double dwellings = toFloat(plan.asText(NumeroDeImoveisNoEstrato));
        const long double step = dwellings >= 8100 ? 5 : 2;
        const long double blocks = toFloat(plan.asText(NumeroDeQuarteiroesNoEstrato));

        // Dwellings per block at two decimals, raised to the next whole number when it has a fraction.
        const long double perBlock = divide(dwellings, blocks);
        const QString a = fixed(perBlock, 2);
        const QString b = fixed(perBlock, 0);
        const QString d = fixed(toFloat(b) - toFloat(a), 2);
        const QString estimate = toFloat(d) >= 0 ? b : fixed(toFloat(a) + 1, 0);
        plan.setText(EstimativaDeImoveisPorQuart, estimate);

        const long double sample = toFloat(plan.asText(TamanhoDaAmostra));
        const long double e = toFloat(plan.asText(EstimativaDeImoveisPorQuart));
        plan.setText(QuartQueComporaoAmostra, fixed(divide(sample, divide(e, step)), 0));

        const long double m = toFloat(plan.asText(QuartQueComporaoAmostra));
        plan.setText(PercentualDeQuartAmostrado, fixed(divide(m * 100, blocks), 1));
        plan.setText(IntervaloDeQuart, fixed(divide(blocks, m), 5));

        const quint32 r = quint32(NumberText::toInteger(fixed(toFloat(plan.asText(IntervaloDeQuart)), 0)));
        RandomStart random(seed());
        const quint32 first = random.below(r);
        const quint32 second = random.below(2);
        const quint32 start = first + second;
        plan.setText(QuartInicial, start == 0 ? QStringLiteral("1") : QString::number(start));
    }

    const std::optional<QString> answer =
        Dialogs::inputText(parent, QStringLiteral("Obrigatório"),
                           QStringLiteral("Informe o número de bairros a serem computados neste estrato"));
    values.BairrosAnunciados = answer.value_or(QString());
    values.QuartBairrosCalculados = QStringLiteral("0");
    values.BairrosCalculados = QStringLiteral("0");

    plan.post();
    rebuildNeeds(dm);
    rebuildResults(dm);
}

void newStratum(TDataModule1 &dm, WorkingValues &values, QWidget *parent)
{
    DataSet &plan = *dm.ADOTablePlanoAmostral;
    plan.updateRecord();
    if (plan.state() == DataSet::State::Edit
        && Dialogs::question(parent, QStringLiteral("Atenção!"), QStringLiteral("Deseja gravar o registro ?")))
        plan.post();
    plan.last();
    const long long number = plan.isEmpty() ? 1 : plan.asInteger(Estrato) + 1;
    plan.append();
    plan.setInteger(Estrato, number);
    values.QuartBairrosCalculados.clear();
}

void deleteStratum(TDataModule1 &dm, QWidget *parent)
{
    DataSet &plan = *dm.ADOTablePlanoAmostral;
    if (plan.recNo() == 0)
        return;
    if (!Dialogs::question(parent, QStringLiteral("Confirmação"), QStringLiteral("Deletar este registro?")))
        return;
    plan.remove();
    plan.refresh();
}

} // namespace SamplePlan
