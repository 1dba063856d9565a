#include "common/StepError.h"
#include "municipal/sampling/BlockSelection.h"
#include "tests/municipal/SamplingFixture.h"

#include <QTest>

namespace {

// A stratum whose plan gives the interval and start of the test; the work
// window's values as the block-plan step leaves them.
QString planSql(const QString &interval, const QString &start, int blocks = 100, int sampled = 40)
{
    return QStringLiteral(
               "insert into PlanoAmostral (CodigoMunicipio, Estrato, NumeroDeImoveisNoEstrato, TamanhoDaAmostra, "
               "NumeroDeQuarteiroesNoEstrato, QuartQueComporaoAmostra, IntervaloDeQuart, QuartInicial) "
               "values (2611606, 1, 10000, 431, %1, %2, %3, %4);")
        .arg(blocks)
        .arg(sampled)
        .arg(interval, start);
}

void announce(SamplingFixture &f, const QString &neighbourhoods)
{
    f.values->BairrosAnunciados = neighbourhoods;
    f.values->BairrosCalculados = QStringLiteral("0");
    f.values->QuartBairrosCalculados = QStringLiteral("0");
}

// "Novo item", the item typed, "Cálculo".
void neighbourhood(SamplingFixture &f, int item, const QString &name, const QString &blocks,
                   const QString &typedStart = QString())
{
    BlockSelection::newItem(*f.dm, f.questions);
    f.items().setInteger(QStringLiteral("Item"), item);
    f.items().setText(QStringLiteral("Bairro"), name);
    f.items().setText(QStringLiteral("Quarteirao"), blocks);
    BlockSelection::blockCountTyped(*f.dm);
    if (!typedStart.isEmpty())
        f.items().setText(QStringLiteral("QuarteiroesATrabalhar"), typedStart);
    BlockSelection::calculate(*f.dm, *f.values, f.questions);
}

} // namespace

class TestBlockSelection : public QObject
{
    Q_OBJECT

private slots:
    void selection_data()
    {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<QString>("typedStart");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("observation");
        QTest::addColumn<QString>("next");
        QTest::newRow("worked example") << "2.5"
                                        << "3"
                                        << "10"
                                        << ""
                                        << "3  -  5  -  8"
                                        << "3"
                                        << "Quarteirões a trabalhar"
                                        << "1";
        QTest::newRow("start beyond the blocks") << "2.5"
                                                 << "7"
                                                 << "5"
                                                 << ""
                                                 << ""
                                                 << "0"
                                                 << "       Não levantar"
                                                 << "7";
        QTest::newRow("one block only") << "4"
                                        << "3"
                                        << "3"
                                        << ""
                                        << "3"
                                        << "1"
                                        << "Quarteirões a trabalhar"
                                        << "4";
        QTest::newRow("pick on the last block") << "4"
                                                << "2"
                                                << "10"
                                                << ""
                                                << "2  -  6  -  10"
                                                << "3"
                                                << "Quarteirões a trabalhar"
                                                << "4";
        QTest::newRow("thirds truncate") << "3.33333"
                                         << "1"
                                         << "11"
                                         << ""
                                         << "1  -  4  -  7  -  10"
                                         << "4"
                                         << "Quarteirões a trabalhar"
                                         << "3";
        // each step adds the extended interval to the double position: the
        // sixth pick falls just below 13
        QTest::newRow("extended interval") << "2.2"
                                           << "2"
                                           << "22"
                                           << ""
                                           << "2  -  4  -  6  -  8  -  10  -  12  -  15  -  17  -  19  -  21"
                                           << "10"
                                           << "Quarteirões a trabalhar"
                                           << "2";
        QTest::newRow("extended interval, typed start")
            << "2.2"
            << "9"
            << "22"
            << "2"
            << "2  -  4  -  6  -  8  -  10  -  12  -  15  -  17  -  19  -  21"
            << "10"
            << "Quarteirões a trabalhar"
            << "9";
        QTest::newRow("typed start") << "2.5"
                                     << "3"
                                     << "12"
                                     << "5"
                                     << "5  -  7  -  10"
                                     << "3"
                                     << "Quarteirões a trabalhar"
                                     << "3";
    }

    void selection()
    {
        QFETCH(QString, interval);
        QFETCH(QString, start);
        QFETCH(QString, blocks);
        QFETCH(QString, typedStart);
        QFETCH(QString, list);
        QFETCH(QString, total);
        QFETCH(QString, observation);
        SamplingFixture f(planSql(interval, start));
        QCOMPARE(f.values->PosicaoProximoBairro, start);
        announce(f, QStringLiteral("5"));
        neighbourhood(f, 1, QStringLiteral("Centro"), blocks, typedStart);
        QCOMPARE(
            f.sql(QStringLiteral("select Estrato, ifnull(QuarteiroesATrabalhar, ''), TotalQuartBairro, \"Observação\" "
                                 "from DefinicaoQuart")),
            QStringLiteral("1|%1|%2|%3").arg(list, total, observation));
        QTEST(f.values->PosicaoProximoBairro, "next");
        QCOMPARE(f.values->TotalQuartEstrato, total);
    }

    void positionCarriesOverNeighbourhoods()
    {
        SamplingFixture f(planSql(QStringLiteral("2.5"), QStringLiteral("3")));
        announce(f, QStringLiteral("5"));
        neighbourhood(f, 1, QStringLiteral("Centro"), QStringLiteral("10")); // 3, 5.5, 8, 10.5: next 0.5 -> 1
        neighbourhood(f, 2, QStringLiteral("Várzea"), QStringLiteral("4"));  // 1, 3.5, 6: next 2
        neighbourhood(f, 3, QStringLiteral("Graças"), QStringLiteral("6"));  // 2, 4.5, 7: next 1
        QCOMPARE(f.sql(QStringLiteral(
                     "select Bairro, QuarteiroesATrabalhar, TotalQuartBairro from DefinicaoQuart order by Item")),
                 QStringLiteral("Centro|3  -  5  -  8|3\nVárzea|1  -  3|2\nGraças|2  -  4|2"));
        QCOMPARE(f.values->TotalQuartEstrato, QStringLiteral("7"));
        QCOMPARE(f.values->PosicaoProximoBairro, QStringLiteral("1"));
        QCOMPARE(f.values->BairrosCalculados, QStringLiteral("3"));
        QCOMPARE(f.values->QuartBairrosCalculados, QStringLiteral("20"));
        // the page shows the stratum's last item
        QCOMPARE(f.items().asText(QStringLiteral("Bairro")), QStringLiteral("Graças"));

        // recomputing an earlier neighbourhood starts from the carried position
        f.items().first();
        f.items().edit();
        f.items().setText(QStringLiteral("Quarteirao"), QStringLiteral("10"));
        BlockSelection::blockCountTyped(*f.dm);
        BlockSelection::calculate(*f.dm, *f.values, f.questions);
        QCOMPARE(f.sql(QStringLiteral("select QuarteiroesATrabalhar from DefinicaoQuart where Item = 1")),
                 QStringLiteral("1  -  3  -  6  -  8"));

        // another stratum brings its own start back
        f.sql(QStringLiteral("insert into PlanoAmostral (CodigoMunicipio, Estrato, IntervaloDeQuart, QuartInicial) "
                             "values (2611606, 2, 3, 2)"));
        f.plan().refresh();
        f.plan().last();
        QCOMPARE(f.values->PosicaoProximoBairro, QStringLiteral("2"));
        QCOMPARE(f.items().recordCount(), 0);
        f.plan().first();
        QCOMPARE(f.values->PosicaoProximoBairro, QStringLiteral("3"));
        QCOMPARE(f.items().recordCount(), 3);
    }

    void announcedNeighbourhoodsAreChecked_data()
    {
        QTest::addColumn<QString>("secondBlocks");
        QTest::addColumn<int>("sampled"); // the plan's blocks to sample
        QTest::addColumn<bool>("message");
        // the plan has 20 blocks; the first neighbourhood 10 (3 picks), the second ...
        QTest::newRow("blocks differ, total over the plan") << "4" << 3 << true;
        QTest::newRow("blocks differ, total within the plan") << "4" << 10 << false;
        QTest::newRow("blocks add up, total over the plan") << "10" << 3 << false;
    }

    void announcedNeighbourhoodsAreChecked()
    {
        QFETCH(QString, secondBlocks);
        QFETCH(int, sampled);
        QFETCH(bool, message);
        SamplingFixture f(planSql(QStringLiteral("2.5"), QStringLiteral("3"), 20, sampled));
        announce(f, QStringLiteral("2"));
        neighbourhood(f, 1, QStringLiteral("Centro"), QStringLiteral("10"));
        QCOMPARE(f.values->BairrosCalculados, QStringLiteral("1"));
        QVERIFY(f.questions.shown().isEmpty()); // fewer than announced: no check yet
        neighbourhood(f, 2, QStringLiteral("Várzea"), secondBlocks);
        const bool shown = f.lastShown().startsWith(QStringLiteral(
            "Total de quarteirões a inspecionar no estrato é diferente do n° de quarteirões que comporão a "
            "amostra. Redigite os bairros"));
        QCOMPARE(shown, message);
        QCOMPARE(f.values->BairrosCalculados,
                 secondBlocks == QLatin1String("10") ? QStringLiteral("2") : QStringLiteral("0"));
        QCOMPARE(f.items().state(), DataSet::State::Browse);
        QCOMPARE(f.sql(QStringLiteral("select count(*) from DefinicaoQuart")), QStringLiteral("2"));
    }

    void browsedItemIsNotCalculated()
    {
        SamplingFixture f(
            planSql(QStringLiteral("2.5"), QStringLiteral("3"))
            + QStringLiteral(
                "insert into DefinicaoQuart (Estrato, Item, Bairro, Quarteirao) values (1, 1, 'Centro', '10');"));
        f.plan().first();
        QCOMPARE(f.items().recordCount(), 1);
        announce(f, QStringLiteral("1"));
        BlockSelection::calculate(*f.dm, *f.values, f.questions);
        QCOMPARE(f.sql(QStringLiteral("select quote(QuarteiroesATrabalhar) from DefinicaoQuart")),
                 QStringLiteral("NULL"));
        QCOMPARE(f.values->BairrosCalculados, QStringLiteral("0"));
    }

    void failuresStopCalculo_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<QString>("announced");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored"); // the item's block list in the file afterwards
        QTest::newRow("no random start") << "NULL"
                                         << "10"
                                         << "1"
                                         << "'' is not a valid floating point value"
                                         << "NULL";
        QTest::newRow("block count not whole") << "3"
                                               << "1a"
                                               << "1"
                                               << "'1a' is not a valid integer value"
                                               << "'3'";
        QTest::newRow("question left empty") << "3"
                                             << "10"
                                             << ""
                                             << "'' is not a valid integer value"
                                             << "'3  -  5  -  8'";
    }

    void failuresStopCalculo()
    {
        QFETCH(QString, start);
        QFETCH(QString, blocks);
        QFETCH(QString, announced);
        QFETCH(QString, message);
        SamplingFixture f(planSql(QStringLiteral("2.5"), start));
        announce(f, announced);
        try {
            neighbourhood(f, 1, QStringLiteral("Centro"), blocks);
            QFAIL("Cálculo went through");
        } catch (const StepError &e) {
            QCOMPARE(e.message(), message);
        }
        // the list computed before the failure stays, saved or pending
        f.items().checkBrowseMode();
        QTEST(f.sql(QStringLiteral("select ifnull(quote(QuarteiroesATrabalhar), 'NULL') from DefinicaoQuart union all "
                                   "select 'NULL' where not exists (select 1 from DefinicaoQuart)")),
              "stored");
    }

    void pageShownRecomputesTheTotal()
    {
        SamplingFixture f(
            planSql(QStringLiteral("2.5"), QStringLiteral("3"))
            + QStringLiteral("insert into DefinicaoQuart (Estrato, Item, Bairro, TotalQuartBairro) values "
                             "(1, 1, 'A', 3), (1, 2, 'B', 4), (2, 1, 'C', 50);"));
        f.plan().first();
        f.items().last();
        BlockSelection::recomputeStratumTotal(*f.dm, *f.values);
        QCOMPARE(f.values->TotalQuartEstrato, QStringLiteral("7"));
        QCOMPARE(f.items().recNo(), 1);
        // not while an item is being edited
        f.items().edit();
        f.items().setInteger(QStringLiteral("TotalQuartBairro"), 10);
        BlockSelection::recomputeStratumTotal(*f.dm, *f.values);
        QCOMPARE(f.values->TotalQuartEstrato, QStringLiteral("7"));
    }

    void workingValuesThrowNothingFromSignals()
    {
        // a data set without the start column: following it raises no error inside its signals
        SamplingFixture f;
        DataSet other(f.dm->ADOConnection1);
        other.setTable(QStringLiteral("Cadastro"));
        other.open();
        try {
            WorkingValues values(other);
            other.first();
            other.refresh();
            QCOMPARE(values.PosicaoProximoBairro, QString());
        } catch (const StepError &e) {
            QFAIL(qPrintable(e.message()));
        }
    }

    void newItemTakesTheStratumAndAsksToSave()
    {
        SamplingFixture f(planSql(QStringLiteral("2.5"), QStringLiteral("3"))
                          + QStringLiteral("insert into DefinicaoQuart (Estrato, Item, Bairro) values (1, 1, 'A');"));
        f.plan().first();
        f.items().edit();
        f.items().setText(QStringLiteral("Bairro"), QStringLiteral("Alterado"));
        f.questions.answerNext(false);
        BlockSelection::newItem(*f.dm, f.questions);
        QCOMPARE(f.questions.shown().last().text, QStringLiteral("Deseja gravar o registro ?"));
        QCOMPARE(f.items().state(), DataSet::State::Insert);
        QCOMPARE(f.items().asInteger(QStringLiteral("Estrato")), 1);
        // "No" saves nothing explicitly, but the move to the new item posts the change
        QCOMPARE(f.sql(QStringLiteral("select Bairro from DefinicaoQuart")), QStringLiteral("Alterado"));
        f.questions.answerNext(true);
        BlockSelection::deleteItem(*f.dm, f.questions);
        QCOMPARE(f.items().recordCount(), 1);
        f.questions.answerNext(true);
        BlockSelection::deleteItem(*f.dm, f.questions);
        QCOMPARE(f.sql(QStringLiteral("select count(*) from DefinicaoQuart")), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestBlockSelection)
#include "tst_blockselection.moc"
