// Runs "Cálculo" over 1,000 strata on a database file, and in the same run a
// floor that performs the same reads and writes with prepared statements in
// one transaction. Prints the median of each and their ratio; also the same
// comparison for 1,000 appends and 1,000 edits through one data set.

#include "common/DataSet.h"
#include "common/Database.h"
#include "common/NumberText.h"
#include "common/Transaction.h"
#include "municipal/data/MunicipalSchema.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/results/ConsolidadoCalculation.h"
#include "municipal/results/OneDecimalPercent.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int strata = 1000;
constexpr int rounds = 7;

void check(QSqlQuery &q, bool ok)
{
    if (!ok) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        std::exit(1);
    }
}

void fill(QSqlDatabase &db)
{
    Transaction t(db);
    QSqlQuery c(db);
    check(c, c.prepare(QStringLiteral("insert into Consolidado (Estrato, ImoveisProgramados, ImoveisInspecionados, "
                                      "ImoveisComAegTB, ImoveisComAegOutros, ImoveisComAlbTB, ImoveisComAlbOutros, "
                                      "DepositoAegA1, DepositoAegA2, DepositoAegB, DepositoAegC, DepositoAegD1, "
                                      "DepositoAegD2, DepositoAegE, DepositoAlbTotal) "
                                      "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")));
    QSqlQuery i(db);
    check(i, i.prepare(QStringLiteral("insert into Indices (Estrato, ImoveisProgramados) values (?, ?)")));
    for (int e = 1; e <= strata; ++e) {
        const int values[] = {e,     400 + e % 50, 380 + e % 40, e % 9, e % 7, e % 3, e % 2, e % 5,
                              e % 4, e % 11,       e % 13,       e % 3, e % 6, e % 8, e % 4};
        for (int k = 0; k < 15; ++k)
            c.bindValue(k, values[k]);
        check(c, c.exec());
        i.bindValue(0, e);
        i.bindValue(1, 400 + e % 50);
        check(i, i.exec());
    }
    t.commit();
}

double q(long long a, long long b)
{
    return b != 0 ? double(NumberText::toFloat(OneDecimalPercent::text(a, b))) : 0.0;
}

// The same reads and writes as "Cálculo", with prepared statements in one transaction.
void floorCalculation(QSqlDatabase &db)
{
    Transaction t(db);
    QSqlQuery read(db);
    read.setForwardOnly(true);
    check(read, read.exec(QStringLiteral("select rowid, * from Consolidado")));
    struct Row
    {
        qint64 rowid;
        std::array<long long, 19> v;
        QString critica;
    };
    std::vector<Row> rows;
    while (read.next()) {
        Row r{read.value(0).toLongLong(), {}, {}};
        for (int k = 0; k < 19; ++k)
            r.v[k] = k == 17 ? 0 : read.value(k + 1).toLongLong();
        rows.push_back(r);
    }
    QSqlQuery update(db);
    QStringList sets;
    for (const char *c :
         {"Estrato", "ImoveisProgramados", "ImoveisInspecionados", "ImoveisComAegTB", "ImoveisComAegOutros",
          "ImoveisComAegTotal", "ImoveisComAlbTB", "ImoveisComAlbOutros", "ImoveisComAlbTotal", "DepositoAegA1",
          "DepositoAegA2", "DepositoAegB", "DepositoAegC", "DepositoAegD1", "DepositoAegD2", "DepositoAegE",
          "DepositoAegTotal", "Critica", "DepositoAlbTotal"})
        sets << QStringLiteral("\"%1\" = ?").arg(QLatin1String(c));
    check(update, update.prepare(QStringLiteral("update Consolidado set %1 where rowid = ?").arg(sets.join(", "))));
    long long sums[11] = {};
    for (Row &r : rows) {
        auto &v = r.v;
        v[5] = v[3] + v[4];
        v[8] = v[6] + v[7];
        v[16] = v[9] + v[10] + v[11] + v[12] + v[13] + v[14] + v[15];
        r.critica = v[16] + v[18] < v[5] + v[8] ? QStringLiteral("              Verifique !")
                                                : QStringLiteral("                 OK !");
        for (int k = 0; k < 19; ++k)
            update.bindValue(k, k == 17 ? QVariant(r.critica) : QVariant(v[k]));
        update.bindValue(19, r.rowid);
        check(update, update.exec());
        sums[0] += v[1];
        sums[1] += v[2];
        for (int k = 0; k < 7; ++k)
            sums[2 + k] += v[9 + k];
        sums[9] += v[16];
    }
    QSqlQuery totals(db);
    check(totals, totals.prepare(QStringLiteral(
                      "update TotaisDoConsolidado set TotalEstratos = ?, TotalImoveisProgramados = ?, "
                      "TotalImoveisInspecionados = ?, TotalDepositoA1 = ?, TotalDepositoA2 = ?, TotalDepositoB = ?, "
                      "TotalDepositoC = ?, TotalDepositoD1 = ?, TotalDepositoD2 = ?, TotalDepositoE = ?, "
                      "TotalDepositos = ?")));
    totals.bindValue(0, qlonglong(rows.size()));
    for (int k = 0; k < 10; ++k)
        totals.bindValue(k + 1, sums[k]);
    check(totals, totals.exec());

    QSqlQuery indices(db);
    indices.setForwardOnly(true);
    check(indices, indices.exec(QStringLiteral("select rowid, Estrato from Indices")));
    QHash<long long, qint64> own;
    while (indices.next())
        own.insert(indices.value(1).toLongLong(), indices.value(0).toLongLong());
    QSqlQuery write(db);
    check(write, write.prepare(QStringLiteral(
                     "update Indices set ImoveisInspecionados = ?, ImoveisComAegTB = ?, ImoveisComAegOutros = ?, "
                     "ImoveisComAlbTB = ?, ImoveisComAlbOutros = ?, PerdaNaAmostra = ?, IIPaeg = ?, IIPalb = ?, "
                     "IBaeg = ?, IBalb = ?, A1 = ?, A2 = ?, B = ?, C = ?, D1 = ?, D2 = ?, E = ? where rowid = ?")));
    for (const Row &r : rows) {
        const auto &v = r.v;
        const long long n = v[2];
        const long long p = v[1];
        const double values[] = {
            double(n),       q(v[3], n),      q(v[4], n),      q(v[6], n),      q(v[7], n),     n < p ? q(p - n, p) : 0,
            q(v[5], n),      q(v[8], n),      q(v[16], n),     q(v[18], n),     q(v[9], v[16]), q(v[10], v[16]),
            q(v[11], v[16]), q(v[12], v[16]), q(v[13], v[16]), q(v[14], v[16]), q(v[15], v[16])};
        for (int k = 0; k < 17; ++k)
            write.bindValue(k, values[k]);
        write.bindValue(17, own.value(v[0]));
        check(write, write.exec());
    }
    QSqlQuery shares(db);
    check(shares, shares.prepare(QStringLiteral("update PercentuaisCriadouros set PercentDepA1 = ?, PercentDepA2 = ?, "
                                                "PercentDepB = ?, PercentDepC = ?, PercentDepD1 = ?, "
                                                "PercentDepD2 = ?, PercentDepE = ?")));
    for (int k = 0; k < 7; ++k)
        shares.bindValue(k, q(sums[2 + k], sums[9]));
    check(shares, shares.exec());
    t.commit();
    // The stratum query is read again, as after "Cálculo".
    QSqlQuery again(db);
    again.setForwardOnly(true);
    check(again, again.exec(QStringLiteral("select rowid, * from Indices")));
    while (again.next())
        again.value(0);
}

// 1,000 appends then 1,000 edits of one data set, in one transaction.
void dataSetPosts(QSqlDatabase &db)
{
    DataSet ds(db);
    ds.setTable(QStringLiteral("Posts"));
    ds.open();
    Transaction t(db, {&ds});
    for (int k = 0; k < strata; ++k) {
        ds.append();
        ds.setInteger(0, k);
        ds.setText(1, QStringLiteral("linha"));
        ds.post();
    }
    for (int k = 1; k <= strata; ++k) {
        ds.moveTo(k);
        ds.edit();
        ds.setInteger(0, k + 1);
        ds.post();
    }
    t.commit();
}

void floorPosts(QSqlDatabase &db)
{
    Transaction t(db);
    QSqlQuery insert(db);
    check(insert, insert.prepare(QStringLiteral("insert into Posts (N, T) values (?, ?)")));
    std::vector<qint64> ids;
    for (int k = 0; k < strata; ++k) {
        insert.bindValue(0, k);
        insert.bindValue(1, QStringLiteral("linha"));
        check(insert, insert.exec());
        ids.push_back(insert.lastInsertId().toLongLong());
    }
    QSqlQuery update(db);
    check(update, update.prepare(QStringLiteral("update Posts set N = ?, T = ? where rowid = ?")));
    for (int k = 0; k < strata; ++k) {
        update.bindValue(0, k + 2);
        update.bindValue(1, QStringLiteral("linha"));
        update.bindValue(2, ids[size_t(k)]);
        check(update, update.exec());
    }
    t.commit();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timed(const std::function<void()> &f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return double(timer.nsecsElapsed()) / 1e6;
}

void report(const char *name, const std::vector<double> &measured, const std::vector<double> &floor)
{
    const double m = median(measured);
    const double f = median(floor);
    std::printf("%-28s median %9.1f ms   floor %9.1f ms   ratio %5.2f\n", name, m, f, m / f);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    MunicipalSchema::create(MunicipalSchema::fileName);
    TDataModule1 dm;
    QSqlDatabase &db = dm.ADOConnection1;
    fill(db);
    Database::exec(db, QStringLiteral("create table Posts (N INTEGER, T TEXT(10))"));
    dm.ADOTableConsolidado->refresh();
    dm.ADOQueryIndices->refresh();

    std::vector<double> calculation, calculationFloor, posts, postsFloor;
    for (int r = 0; r < rounds; ++r) {
        calculationFloor.push_back(timed([&] { floorCalculation(db); }));
        calculation.push_back(timed([&] { ConsolidadoCalculation::run(dm); }));
        Database::exec(db, QStringLiteral("delete from Posts"));
        postsFloor.push_back(timed([&] { floorPosts(db); }));
        Database::exec(db, QStringLiteral("delete from Posts"));
        posts.push_back(timed([&] { dataSetPosts(db); }));
    }
    std::printf("%d strata, %d rounds\n", strata, rounds);
    report("Cálculo", calculation, calculationFloor);
    report("1000 appends + 1000 edits", posts, postsFloor);
    return 0;
}
