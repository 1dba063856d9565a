#include "municipal/results/ConsolidadoCalculation.h"

#include "common/DataSet.h"
#include "common/Transaction.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/results/OneDecimalPercent.h"

#include <QHash>
#include <QStringList>

#include <array>
#include <deque>

namespace ConsolidadoCalculation {

namespace {

const QString okText = QStringLiteral("                 OK !");
const QString checkText = QStringLiteral("              Verifique !");

const std::array<const char *, 7> classes{"A1", "A2", "B", "C", "D1", "D2", "E"};

QString aeg(const char *cls)
{
    return QStringLiteral("DepositoAeg") + QLatin1String(cls);
}

// The stored text of a percentage, or of the 0 that stands for one.
QString percent(long long a, long long b)
{
    return b != 0 ? OneDecimalPercent::text(a, b) : QStringLiteral("0");
}

struct Sums
{
    long long programados = 0;
    long long inspecionados = 0;
    std::array<long long, 7> classes{};
    long long depositos = 0;
};

// Pass 1: each stratum's totals and verdict, summed over the strata.
Sums stratumTotals(DataSet &consolidado, DataSet &totais)
{
    Sums sums;
    const int count = consolidado.recordCount();
    if (count > 0) {
        totais.edit(); // an empty table gets its row here
        totais.setInteger(QStringLiteral("TotalEstratos"), count);
    }
    for (int row = 1; row <= count; ++row) {
        consolidado.moveTo(row);
        consolidado.edit();
        const auto n = [&](const QString &f) { return consolidado.asInteger(f); };
        const long long aegTotal = n(QStringLiteral("ImoveisComAegTB")) + n(QStringLiteral("ImoveisComAegOutros"));
        const long long albTotal = n(QStringLiteral("ImoveisComAlbTB")) + n(QStringLiteral("ImoveisComAlbOutros"));
        long long depositos = 0;
        for (const char *cls : classes)
            depositos += n(aeg(cls));
        consolidado.setInteger(QStringLiteral("ImoveisComAegTotal"), aegTotal);
        consolidado.setInteger(QStringLiteral("ImoveisComAlbTotal"), albTotal);
        consolidado.setInteger(QStringLiteral("DepositoAegTotal"), depositos);
        const bool fewer = depositos + n(QStringLiteral("DepositoAlbTotal")) < aegTotal + albTotal;
        consolidado.setText(QStringLiteral("Critica"), fewer ? checkText : okText);
        consolidado.post();
        sums.programados += n(QStringLiteral("ImoveisProgramados"));
        sums.inspecionados += n(QStringLiteral("ImoveisInspecionados"));
        for (size_t i = 0; i < classes.size(); ++i)
            sums.classes[i] += n(aeg(classes[i]));
        sums.depositos += depositos;
    }
    return sums;
}

// Pass 2: the totals row.
void storeTotals(DataSet &totais, const Sums &sums)
{
    totais.edit();
    totais.setInteger(QStringLiteral("TotalImoveisProgramados"), sums.programados);
    totais.setInteger(QStringLiteral("TotalImoveisInspecionados"), sums.inspecionados);
    for (size_t i = 0; i < classes.size(); ++i)
        totais.setInteger(QStringLiteral("TotalDeposito") + QLatin1String(classes[i]), sums.classes[i]);
    totais.setInteger(QStringLiteral("TotalDepositos"), sums.depositos);
    totais.post();
}

// The rows of `Indices` of each stratum number, in table order.
QHash<long long, std::deque<int>> rowsByStratum(const DataSet &indices)
{
    QHash<long long, std::deque<int>> rows;
    const int estrato = indices.fieldIndex(QStringLiteral("Estrato"));
    for (int row = 0; row < indices.recordCount(); ++row)
        rows[indices.integerAt(row, estrato)].push_back(row + 1);
    return rows;
}

// Pass 3: the indices of each stratum, then the shares row.
void storeIndices(DataSet &consolidado, DataSet &indices, DataSet &totais, DataSet &percentuais)
{
    const int count = consolidado.recordCount();
    QHash<long long, std::deque<int>> paired = rowsByStratum(indices);
    for (int row = 1; row <= count; ++row) {
        consolidado.moveTo(row);
        const auto c = [&](const QString &f) { return consolidado.asInteger(f); };
        const long long estrato = c(QStringLiteral("Estrato"));
        std::deque<int> &own = paired[estrato];
        if (own.empty()) {
            indices.append();
            indices.setInteger(QStringLiteral("Estrato"), estrato);
            indices.setInteger(QStringLiteral("ImoveisProgramados"), c(QStringLiteral("ImoveisProgramados")));
        } else {
            indices.moveTo(own.front());
            own.pop_front();
            indices.edit();
        }
        const long long n = c(QStringLiteral("ImoveisInspecionados"));
        const long long p = c(QStringLiteral("ImoveisProgramados"));
        indices.setInteger(QStringLiteral("ImoveisInspecionados"), n);
        for (const QString f : {QStringLiteral("ImoveisComAegTB"), QStringLiteral("ImoveisComAegOutros"),
                                QStringLiteral("ImoveisComAlbTB"), QStringLiteral("ImoveisComAlbOutros")})
            indices.setText(f, percent(c(f), n));
        indices.setText(QStringLiteral("PerdaNaAmostra"), n < p ? percent(p - n, p) : QStringLiteral("0"));
        indices.setText(QStringLiteral("IIPaeg"), percent(c(QStringLiteral("ImoveisComAegTotal")), n));
        indices.setText(QStringLiteral("IIPalb"), percent(c(QStringLiteral("ImoveisComAlbTotal")), n));
        indices.setText(QStringLiteral("IBaeg"), percent(c(QStringLiteral("DepositoAegTotal")), n));
        indices.setText(QStringLiteral("IBalb"), percent(c(QStringLiteral("DepositoAlbTotal")), n));
        const long long t = c(QStringLiteral("DepositoAegTotal"));
        for (const char *cls : classes)
            indices.setText(QLatin1String(cls), percent(c(aeg(cls)), t));
        indices.post();
    }
    if (count == 0)
        return;
    const long long total = totais.asInteger(QStringLiteral("TotalDepositos"));
    percentuais.edit(); // an empty table gets its row here
    for (const char *cls : classes)
        percentuais.setText(QStringLiteral("PercentDep") + QLatin1String(cls),
                            percent(totais.asInteger(QStringLiteral("TotalDeposito") + QLatin1String(cls)), total));
    percentuais.post();
}

} // namespace

void run(TDataModule1 &dm)
{
    DataSet &consolidado = *dm.ADOTableConsolidado;
    DataSet &totais = *dm.ADOTableTotalConsolidado;
    DataSet &percentuais = *dm.ADOQueryPercCriadouros;
    // Every stratum's row, whatever the stratum query lists.
    DataSet indices(dm.ADOConnection1);
    indices.setStatement(TDataModule1::allIndices);
    consolidado.checkBrowseMode();
    totais.checkBrowseMode();
    percentuais.checkBrowseMode();
    dm.ADOQueryIndices->checkBrowseMode();
    {
        Transaction t(dm.ADOConnection1, {&consolidado, &totais, &percentuais, dm.ADOQueryIndices});
        indices.open();
        const int current = consolidado.recNo();
        const Sums sums = stratumTotals(consolidado, totais);
        storeTotals(totais, sums);
        storeIndices(consolidado, indices, totais, percentuais);
        t.commit();
        if (current > 0)
            consolidado.moveTo(current);
    }
    dm.ADOQueryIndices->refresh();
}

} // namespace ConsolidadoCalculation
