#include "municipal/sampling/SamplePlan.h"

#include "common/DataSet.h"
#include "common/NumberText.h"
#include "common/PendingRow.h"
#include "common/StepError.h"
#include "common/Transaction.h"
#include "common/UserQuestions.h"
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

QString sampleSizeText(const QString &dwellings)
{
    const long double n = toFloat(dwellings);
    const long double k = n >= 8100 ? 450 : 250;
    return fixed(k / (divide(k, n) + 1), 0);
}

bool sameNumber(const QString &a, const QString &b)
{
    return toFloat(a) == toFloat(b);
}

// The stratum's stored plan follows from its dwellings and blocks: the
// sample size, the four computed values, a random start, and a results row
// made from this stratum's sample size.
bool planIsCurrent(const TDataModule1 &dm, const DataSet &consolidado)
{
    const DataSet &plan = *dm.ADOTablePlanoAmostral;
    if (plan.state() == DataSet::State::Insert || plan.asText(QuartInicial).trimmed().isEmpty())
        return false;
    try {
        const QString dwellings = plan.asText(NumeroDeImoveisNoEstrato);
        const QString size = plan.asText(TamanhoDaAmostra);
        const BlockPlanTexts texts = blockPlanTexts(dwellings, plan.asText(NumeroDeQuarteiroesNoEstrato), size);
        if (!sameNumber(sampleSizeText(dwellings), size)
            || !sameNumber(texts.estimate, plan.asText(EstimativaDeImoveisPorQuart))
            || !sameNumber(texts.sampled, plan.asText(QuartQueComporaoAmostra))
            || !sameNumber(texts.share, plan.asText(PercentualDeQuartAmostrado))
            || !sameNumber(texts.interval, plan.asText(IntervaloDeQuart)))
            return false;
    } catch (const StepError &) {
        return false; // a plan that cannot be computed is no current plan
    }
    const int estrato = consolidado.fieldIndex(QStringLiteral("Estrato"));
    const int programados = consolidado.fieldIndex(QStringLiteral("ImoveisProgramados"));
    for (int row = 0; row < consolidado.recordCount(); ++row)
        if (!consolidado.valueAt(row, estrato).isNull()
            && consolidado.integerAt(row, estrato) == plan.asInteger(Estrato)
            && consolidado.integerAt(row, programados) == plan.asInteger(TamanhoDaAmostra))
            return true;
    return false;
}

// Consolidado holds counts typed after the plan, beyond the stratum and its sample size.
bool resultsTyped(const DataSet &consolidado)
{
    const int first = consolidado.fieldIndex(QStringLiteral("ImoveisProgramados")) + 1;
    for (int row = 0; row < consolidado.recordCount(); ++row)
        for (int f = first; f < consolidado.fieldCount(); ++f)
            if (!consolidado.textAt(row, f).trimmed().isEmpty())
                return true;
    return false;
}

void restoreStoredValue(DataSet &plan, const QString &name)
{
    const int index = plan.fieldIndex(name);
    const QVariant stored = plan.storedValue(index);
    if (stored.isNull())
        plan.clear(index);
    else
        plan.setFloat(index, stored.toDouble());
}

} // namespace

BlockPlanTexts blockPlanTexts(const QString &dwellingsText, const QString &blocksText, const QString &sampleSize)
{
    const long double dwellings = toFloat(dwellingsText);
    const long double step = dwellings >= 8100 ? 5 : 2;
    const long double blocks = toFloat(blocksText);
    BlockPlanTexts texts;

    // Dwellings per block at two decimals, raised to the next whole number when it has a fraction.
    const long double perBlock = divide(dwellings, blocks);
    const QString a = fixed(perBlock, 2);
    const QString b = fixed(perBlock, 0);
    const QString d = fixed(toFloat(b) - toFloat(a), 2);
    texts.estimate = toFloat(d) >= 0 ? b : fixed(toFloat(a) + 1, 0);

    const long double e = toFloat(texts.estimate);
    texts.sampled = fixed(divide(toFloat(sampleSize), divide(e, step)), 0);
    const long double m = toFloat(texts.sampled);
    texts.share = fixed(divide(m * 100, blocks), 1);
    texts.interval = fixed(divide(blocks, m), 5);
    return texts;
}

void sampleSize(DataSet &plan)
{
    plan.updateRecord();
    const QString dwellings = plan.asText(NumeroDeImoveisNoEstrato);
    if (dwellings.trimmed().isEmpty())
        return;
    const QString size = sampleSizeText(dwellings);
    if (!plan.isEditing())
        plan.edit();
    plan.setText(TamanhoDaAmostra, size);
}

void blockPlan(TDataModule1 &dm, WorkingValues &values, const SeedSource &seed, UserQuestions &ask)
{
    DataSet &plan = *dm.ADOTablePlanoAmostral;
    if (plan.isEmpty())
        return; // no stratum to plan
    plan.updateRecord();
    // What is stored in Consolidado, whatever the data set shows at this moment.
    DataSet consolidado(dm.ADOConnection1);
    consolidado.setTable(QStringLiteral("Consolidado"));
    consolidado.open();
    if (planIsCurrent(dm, consolidado))
        return; // nothing changed: the blocks handed out and the typed results stay
    plan.edit();

    const bool hasBlocks = !plan.asText(NumeroDeQuarteiroesNoEstrato).trimmed().isEmpty();
    BlockPlanTexts texts;
    if (hasBlocks)
        texts = blockPlanTexts(plan.asText(NumeroDeImoveisNoEstrato), plan.asText(NumeroDeQuarteiroesNoEstrato),
                               plan.asText(TamanhoDaAmostra));

    if (resultsTyped(consolidado)
        && !ask.question(QStringLiteral("Atenção!"),
                         QStringLiteral("Os resultados digitados em Consolidado serão apagados. Deseja continuar?"),
                         true)) {
        restoreStoredValue(plan, NumeroDeQuarteiroesNoEstrato);
        return;
    }

    if (hasBlocks) {
        plan.setText(EstimativaDeImoveisPorQuart, texts.estimate);
        plan.setText(QuartQueComporaoAmostra, texts.sampled);
        plan.setText(PercentualDeQuartAmostrado, texts.share);
        plan.setText(IntervaloDeQuart, texts.interval);

        const quint32 r = quint32(NumberText::toInteger(fixed(toFloat(plan.asText(IntervaloDeQuart)), 0)));
        RandomStart random(seed());
        const quint32 first = random.below(r);
        const quint32 second = random.below(2);
        const quint32 start = first + second;
        plan.setText(QuartInicial, start == 0 ? QStringLiteral("1") : QString::number(start));
    }

    const std::optional<QString> answer = ask.inputText(
        QStringLiteral("Obrigatório"), QStringLiteral("Informe o número de bairros a serem computados neste estrato"));
    values.BairrosAnunciados = answer.value_or(QString());
    values.QuartBairrosCalculados = QStringLiteral("0");
    values.BairrosCalculados = QStringLiteral("0");

    // The plan row, the needs record and the results rows are stored together or not at all.
    storeTogether(dm.ADOConnection1, plan, {dm.ADOTableNecessidades, dm.ADOTableConsolidado, dm.ADOQueryIndices}, [&] {
        plan.post();
        rebuildNeeds(dm);
        rebuildResults(dm);
    });
}

void newStratum(TDataModule1 &dm, WorkingValues &values, UserQuestions &ask)
{
    DataSet &plan = *dm.ADOTablePlanoAmostral;
    plan.updateRecord();
    storeTogether(dm.ADOConnection1, plan, {}, [&] {
        if (plan.state() == DataSet::State::Edit
            && ask.question(QStringLiteral("Atenção!"), QStringLiteral("Deseja gravar o registro ?")))
            plan.post();
        plan.last();
        const long long number = plan.isEmpty() ? 1 : plan.asInteger(Estrato) + 1;
        plan.append();
        plan.setInteger(Estrato, number);
    });
    values.QuartBairrosCalculados.clear();
}

void deleteStratum(TDataModule1 &dm, UserQuestions &ask)
{
    DataSet &plan = *dm.ADOTablePlanoAmostral;
    if (plan.recNo() == 0)
        return;
    if (!ask.question(QStringLiteral("Confirmação"), QStringLiteral("Deletar este registro?")))
        return;
    Transaction transaction(dm.ADOConnection1, {&plan});
    plan.remove();
    plan.refresh();
    transaction.commit();
}

} // namespace SamplePlan
