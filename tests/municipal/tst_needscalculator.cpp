#include "common/StepError.h"
#include "municipal/needs/NeedsCalculator.h"
#include "tests/municipal/SamplingFixture.h"

#include <QTest>

using NeedsCalculator::Boxes;
using NeedsCalculator::Outcome;
using TestSupport::local;

namespace {

// A needs record as the plan and the user leave it, written with '.'.
QString needsRow(const QString &soma, const QString &rend, const QString &exame = QStringLiteral("NULL"),
                 const QString &media = QStringLiteral("NULL"), const QString &horas = QStringLiteral("NULL"),
                 const QString &dias = QStringLiteral("NULL"), const QString &servidores = QStringLiteral("NULL"))
{
    return QStringLiteral("insert into Necessidades (CodigoMunicipio, QuantEstratosALevantar, "
                          "SomaDosImoveisATrabalhar, RendImoveisHomenDia, ExameLarvaHoraTecnico, MediaLarvasTubito, "
                          "HorasDeTrabalho, DiasPrevistos, ServidoresNecessarios) "
                          "values (2611606, 3, %1, %2, %3, %4, %5, %6, %7);")
        .arg(soma, rend, exame, media, horas, dias, servidores);
}

// A row of a data table whose columns are all texts.
void addRow(const char *tag, const QStringList &values)
{
    QTestData &row = QTest::newRow(tag);
    for (const QString &value : values)
        row << value;
}

} // namespace

class TestNeedsCalculator : public QObject
{
    Q_OBJECT

private slots:
    void serversFromDays_data()
    {
        QTest::addColumn<QString>("soma");
        QTest::addColumn<QString>("rend");
        QTest::addColumn<QString>("dias");
        QTest::addColumn<QString>("servidores");
        QTest::addColumn<QString>("supervisores");
        QTest::addColumn<QString>("stored");
        addRow("1000 over 20 in 5 days", {"1000", "20", "5", "10", "1", "5.0|10.0|1.0"});
        addRow("no minimum of one supervisor", {"1000", "25", "10", "4", "0", "10.0|4.0|0.0"});
        addRow("half a server rounds up", {"1000", "16", "5", "13", "1", "5.0|13.0|1.0"});
        // 14.6 servers show as 15, and 15 / 10 gives 2 supervisors (1.46 would give 1)
        addRow("supervisors from the servers shown", {"1460", "20", "5", "15", "2", "5.0|15.0|2.0"});
    }
    void serversFromDays()
    {
        QFETCH(QString, soma);
        QFETCH(QString, rend);
        QFETCH(QString, dias);
        SamplingFixture f(needsRow(soma, rend));
        Boxes boxes;
        boxes.diasPrevistos = dias;
        QCOMPARE(NeedsCalculator::serversNeeded(*f.dm->ADOTableNecessidades, boxes), Outcome::Done);
        QTEST(boxes.servidoresNecessarios, "servidores");
        QTEST(boxes.supervisores, "supervisores");
        QTEST(f.sql(QStringLiteral("select DiasPrevistos, ServidoresNecessarios, Supervisores from Necessidades;")),
              "stored");
    }

    void daysFromServers()
    {
        SamplingFixture f(needsRow(QStringLiteral("1000"), QStringLiteral("20")));
        Boxes boxes;
        boxes.servidoresExistentes = QStringLiteral("8");
        QCOMPARE(NeedsCalculator::daysNeeded(*f.dm->ADOTableNecessidades, boxes), Outcome::Done);
        QCOMPARE(boxes.diasParaExecucao, QStringLiteral("6")); // 6.25
        QCOMPARE(boxes.supervisores, QStringLiteral("1"));     // 0.8
        QCOMPARE(f.sql(QStringLiteral("select DiasPrevistos, ServidoresNecessarios, Supervisores from Necessidades;")),
                 QStringLiteral("6.0|8.0|1.0"));
    }

    void laboratory_data()
    {
        QTest::addColumn<QString>("soma");
        QTest::addColumn<QString>("dias");
        QTest::addColumn<QString>("servidores");
        QTest::addColumn<QString>("exame");
        QTest::addColumn<QString>("tubitosDia");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("z");
        QTest::addColumn<QString>("tecnicos");
        QTest::addColumn<QString>("stored");
        // more servers than days: X decides, and its 0 becomes 1
        addRow("X of 0.25 becomes 1",
               {"1000", "5", "10", "30", "80", "0.25", "4", "-5.00", "1", "10.0|80.0|1.0|100.0|250.0"});
        addRow("X of 2.50 gives 3",
               {"10000", "5", "10", "30", "80", "2.50", "40", "-5.00", "3", "10.0|80.0|3.0|100.0|250.0"});
        addRow("Y when the days are more",
               {"1000", "10", "5", "30", "80", "0.13", "1", "5.00", "1", "10.0|80.0|1.0|100.0|250.0"});
        addRow("Y of 0 becomes 1",
               {"100", "20", "5", "30", "80", "0.01", "0", "15.00", "1", "10.0|80.0|1.0|200.0|500.0"});
        // 31 / 3 shows as 10, so 80 tubes a day (10.33 x 8 would give 83)
        addRow("tubes a day from the rate shown",
               {"1000", "5", "10", "31", "80", "0.25", "4", "-5.00", "1", "10.0|80.0|1.0|100.0|250.0"});
    }
    void laboratory()
    {
        QFETCH(QString, soma);
        QFETCH(QString, dias);
        QFETCH(QString, servidores);
        QFETCH(QString, exame);
        SamplingFixture f(
            needsRow(soma, QStringLiteral("20"), exame, QStringLiteral("3"), QStringLiteral("8"), dias, servidores));
        Boxes boxes;
        QCOMPARE(NeedsCalculator::laboratory(*f.dm->ADOTableNecessidades, boxes), Outcome::Done);
        QCOMPARE(boxes.rendTubitos, QStringLiteral("10"));
        QTEST(boxes.tubitosDia, "tubitosDia");
        QFETCH(QString, x);
        QFETCH(QString, y);
        QCOMPARE(boxes.x, local(x));
        QCOMPARE(boxes.y, y);
        QFETCH(QString, z);
        QCOMPARE(boxes.z, local(z));
        QTEST(boxes.tecnicos, "tecnicos");
        QTEST(f.sql(QStringLiteral("select RendTubitosHoraTecnico, TubitosDiasTecnicos, TecnicosNecessarios, "
                                   "BolDiarioCampoLab, NumTubitos from Necessidades;")),
              "stored");
    }

    void zeroFigureChangesNothing_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("computation");
        QTest::addColumn<QString>("typed");
        QTest::newRow("servers, rendimento 0") << needsRow("1000", "0") << 0 << "5";
        QTest::newRow("servers, days typed 0") << needsRow("1000", "20") << 0 << "0";
        QTest::newRow("days, rendimento 0") << needsRow("1000", "0") << 1 << "8";
        QTest::newRow("days, servers typed 0") << needsRow("1000", "20") << 1 << "0";
        QTest::newRow("laboratory, média 0") << needsRow("1000", "20", "30", "0", "8", "5", "10") << 2 << "";
        QTest::newRow("laboratory, dias previstos 0") << needsRow("1000", "20", "30", "3", "8", "0", "10") << 2 << "";
    }
    void zeroFigureChangesNothing()
    {
        QFETCH(QString, row);
        QFETCH(int, computation);
        QFETCH(QString, typed);
        SamplingFixture f(row);
        const QString before = f.sql(QStringLiteral("select * from Necessidades;"));
        DataSet &needs = *f.dm->ADOTableNecessidades;
        Boxes boxes;
        boxes.diasPrevistos = typed;
        boxes.servidoresExistentes = typed;
        const Outcome outcome = computation == 0   ? NeedsCalculator::serversNeeded(needs, boxes)
                                : computation == 1 ? NeedsCalculator::daysNeeded(needs, boxes)
                                                   : NeedsCalculator::laboratory(needs, boxes);
        QCOMPARE(outcome, Outcome::MissingData);
        QVERIFY(!needs.isEditing());
        QCOMPARE(boxes.servidoresNecessarios + boxes.supervisores + boxes.diasParaExecucao + boxes.tecnicos, QString());
        QCOMPARE(f.sql(QStringLiteral("select * from Necessidades;")), before);
    }

    void laboratoryBeforeServersStopsOnTheEmptyDays()
    {
        SamplingFixture f(needsRow("1000", "20", "30", "3", "8"));
        Boxes boxes;
        try {
            NeedsCalculator::laboratory(*f.dm->ADOTableNecessidades, boxes);
            QFAIL("an empty figure was taken as a number");
        } catch (const StepError &e) {
            QCOMPARE(e.message(), QStringLiteral("'' is not a valid floating point value"));
        }
        QCOMPARE(f.sql(QStringLiteral("select TecnicosNecessarios is null from Necessidades;")), QStringLiteral("1"));
    }

    void clearingKeepsWhatThePlanAndUserGave()
    {
        SamplingFixture f(needsRow("1000", "20", "30", "3", "8", "5", "10")
                          + QStringLiteral("update Necessidades set NumTubitos = 250, TecnicosNecessarios = 1;"));
        DataSet &needs = *f.dm->ADOTableNecessidades;
        NeedsCalculator::clearCalculated(needs);
        needs.post();
        QCOMPARE(f.sql(QStringLiteral("select * from Necessidades;")),
                 QStringLiteral("2611606|3.0|1000.0|20.0|30.0|3.0|8.0||||||||"));
        NeedsCalculator::clearAll(needs);
        needs.post();
        QCOMPARE(f.sql(QStringLiteral("select * from Necessidades;")), QStringLiteral("2611606||||||||||||||"));
    }
};

QTEST_MAIN(TestNeedsCalculator)
#include "tst_needscalculator.moc"
