#include "common/StepError.h"
#include "municipal/sampling/SamplePlan.h"
#include "tests/municipal/SamplingFixture.h"

#include <QTest>

using TestSupport::local;

class TestSamplePlan : public QObject
{
    Q_OBJECT

    static SamplePlan::SeedSource seed(quint32 s)
    {
        return [s] { return s; };
    }

    // A stratum typed as the user does: a new row, the dwellings, then the blocks.
    static void typeStratum(SamplingFixture &f, const QString &dwellings, const QString &blocks, quint32 seedValue,
                            const QString &neighbourhoods = QStringLiteral("3"))
    {
        SamplePlan::newStratum(*f.dm, *f.values, f.questions);
        f.plan().setText(QStringLiteral("NumeroDeImoveisNoEstrato"), dwellings);
        SamplePlan::sampleSize(f.plan());
        f.plan().setText(QStringLiteral("NumeroDeQuarteiroesNoEstrato"), blocks);
        f.questions.answerNext(neighbourhoods);
        SamplePlan::blockPlan(*f.dm, *f.values, seed(seedValue), f.questions);
    }

private slots:
    void sampleSize_data()
    {
        QTest::addColumn<QString>("dwellings");
        QTest::addColumn<QString>("size");
        QTest::newRow("10000") << "10000"
                               << "431";
        QTest::newRow("3000") << "3000"
                              << "231";
        QTest::newRow("8099 takes base 250") << "8099"
                                             << "243";
        QTest::newRow("8100 takes base 450") << "8100"
                                             << "426";
        QTest::newRow("empty computes nothing") << ""
                                                << "";
    }

    void sampleSize()
    {
        QFETCH(QString, dwellings);
        SamplingFixture f;
        SamplePlan::newStratum(*f.dm, *f.values, f.questions);
        f.plan().setText(QStringLiteral("NumeroDeImoveisNoEstrato"), dwellings);
        SamplePlan::sampleSize(f.plan());
        QTEST(f.plan().asText(QStringLiteral("TamanhoDaAmostra")), "size");
    }

    void blockPlan_data()
    {
        QTest::addColumn<QString>("dwellings");
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<quint32>("seed");
        // the texts as the boxes show them, "." for the user's separator
        QTest::addColumn<QStringList>("expected"); // estimate, blocks sampled, share, interval, start
        QTest::newRow("8099: step 2") << "8099"
                                      << "100" << 99999u << QStringList{"81", "6", "6", "16.66667", "16"};
        QTest::newRow("8100: step 5") << "8100"
                                      << "100" << 99999u << QStringList{"81", "26", "26", "3.84615", "3"};
        QTest::newRow("estimate raised to next whole")
            << "10000"
            << "123" << 99999u << QStringList{"82", "26", "21.1", "4.73077", "4"};
        QTest::newRow("another seed") << "3000"
                                      << "77" << 2024u << QStringList{"39", "12", "15.6", "6.41667", "3"};
    }

    void blockPlan()
    {
        QFETCH(QString, dwellings);
        QFETCH(QString, blocks);
        QFETCH(quint32, seed);
        QFETCH(QStringList, expected);
        SamplingFixture f;
        typeStratum(f, dwellings, blocks, seed);
        QCOMPARE(f.plan().state(), DataSet::State::Browse);
        const QStringList fields = {"EstimativaDeImoveisPorQuart", "QuartQueComporaoAmostra",
                                    "PercentualDeQuartAmostrado", "IntervaloDeQuart", "QuartInicial"};
        QStringList stored;
        for (const QString &field : fields)
            stored << f.sql(QStringLiteral("select \"%1\" from PlanoAmostral").arg(field));
        // sqlite3 prints floats with a point and drops trailing zeros
        QStringList wanted;
        for (const QString &e : std::as_const(expected))
            wanted << (e.contains(QLatin1Char('.')) ? QString::number(e.toDouble(), 'g', 15) : e);
        // a whole float column prints as "81.0"
        for (int i : {0, 2})
            if (!wanted[i].contains(QLatin1Char('.')))
                wanted[i] += QStringLiteral(".0");
        QCOMPARE(stored, wanted);
        // the carried position starts at the drawn start
        QCOMPARE(f.values->PosicaoProximoBairro, expected[4]);
        QCOMPARE(f.values->BairrosAnunciados, QStringLiteral("3"));
        QCOMPARE(f.values->BairrosCalculados, QStringLiteral("0"));
        QCOMPARE(f.values->QuartBairrosCalculados, QStringLiteral("0"));
        QCOMPARE(f.questions.shown().last().title, QStringLiteral("Obrigatório"));
        QCOMPARE(f.questions.shown().last().text,
                 QStringLiteral("Informe o número de bairros a serem computados neste estrato"));
    }

    void intervalBelowHalfStartsAtOne()
    {
        // A sample size stored before (431) against few dwellings per block
        // gives the interval 10 / 86 = 0.11628, so R = 0: the start is 0 + a
        // draw below 2, and "0" becomes "1".
        for (quint32 s : {1u, 7u, 12345u, 99999u}) {
            SamplingFixture f(
                QStringLiteral("insert into PlanoAmostral (CodigoMunicipio, Estrato, NumeroDeImoveisNoEstrato, "
                               "TamanhoDaAmostra, NumeroDeQuarteiroesNoEstrato) values (2611606, 1, 100, 431, 10)"));
            f.questions.answerNext(QStringLiteral("1"));
            SamplePlan::blockPlan(*f.dm, *f.values, seed(s), f.questions);
            QCOMPARE(f.plan().asText(QStringLiteral("IntervaloDeQuart")), local(QStringLiteral("0.11628")));
            QCOMPARE(f.sql(QStringLiteral("select QuartInicial from PlanoAmostral")), QStringLiteral("1"));
        }
    }

    void failuresStopTheStep_data()
    {
        QTest::addColumn<QString>("dwellings");
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<QString>("message");
        QTest::newRow("dwellings empty") << ""
                                         << "10"
                                         << "'' is not a valid floating point value";
        QTest::newRow("no blocks") << "1000"
                                   << "0"
                                   << "Floating point division by zero";
        QTest::newRow("no dwellings, no blocks") << "0"
                                                 << "0"
                                                 << "Invalid floating point operation";
    }

    void failuresStopTheStep()
    {
        QFETCH(QString, dwellings);
        QFETCH(QString, blocks);
        QFETCH(QString, message);
        // stratum 1 planned before, with results typed for it
        SamplingFixture f;
        typeStratum(f, QStringLiteral("10000"), QStringLiteral("100"), 1);
        f.sql(QStringLiteral("update Consolidado set ImoveisInspecionados = 400"));
        SamplePlan::newStratum(*f.dm, *f.values, f.questions);
        f.plan().setText(QStringLiteral("NumeroDeImoveisNoEstrato"), dwellings);
        f.plan().setText(QStringLiteral("NumeroDeQuarteiroesNoEstrato"), blocks);
        try {
            SamplePlan::blockPlan(*f.dm, *f.values, seed(1), f.questions);
            QFAIL("the step went through");
        } catch (const StepError &e) {
            QCOMPARE(e.message(), message);
        }
        QVERIFY(f.plan().isEditing());
        QCOMPARE(f.questions.shown().size(), 1); // the question was not asked again
        // what was stored before stays
        QCOMPARE(f.sql(QStringLiteral("select count(*) from PlanoAmostral")), QStringLiteral("1"));
        QCOMPARE(f.sql(QStringLiteral("select ImoveisInspecionados from Consolidado")), QStringLiteral("400"));
    }

    void confirmingRebuildsNeedsResultsAndIndices()
    {
        SamplingFixture f;
        typeStratum(f, QStringLiteral("10000"), QStringLiteral("100"), 1);
        typeStratum(f, QStringLiteral("3000"), QStringLiteral("77"), 1);
        typeStratum(f, QStringLiteral("8100"), QStringLiteral("100"), 1);
        // results, indices and needs rates typed after the plan
        f.sql(QStringLiteral("update Consolidado set ImoveisInspecionados = 200, Critica = 'x';"
                             "update Indices set IIPaeg = 2.5; insert into Indices (Estrato) values (99);"
                             "update Necessidades set RendImoveisHomenDia = 25, HorasDeTrabalho = 8;"));
        f.dm->ADOQueryIndices->setStatement(QStringLiteral("Select * from Indices where IIPaeg>=1 and IIPaeg<=3.9"));
        f.dm->ADOQueryIndices->open();

        // an old stratum's blocks changed and confirmed, the loss of the typed results accepted
        f.plan().first();
        f.plan().next();
        f.plan().edit();
        f.plan().setText(QStringLiteral("NumeroDeQuarteiroesNoEstrato"), QStringLiteral("78"));
        f.questions.answerNext(true);
        f.questions.answerNext(QStringLiteral("2"));
        SamplePlan::blockPlan(*f.dm, *f.values, seed(1), f.questions);
        QCOMPARE(f.questions.shown().at(f.questions.shown().size() - 2).text,
                 QStringLiteral("Os resultados digitados em Consolidado serão apagados. Deseja continuar?"));

        QCOMPARE(f.plan().asInteger(QStringLiteral("Estrato")), 2); // still on the stratum confirmed
        QCOMPARE(f.sql(QStringLiteral("select * from Necessidades")), QStringLiteral("|3.0|1088.0||||||||||||"));
        QCOMPARE(f.sql(QStringLiteral("select * from Consolidado")),
                 QStringLiteral("1|431|||||||||||||||||\n2|231|||||||||||||||||\n3|426|||||||||||||||||"));
        QCOMPARE(f.sql(QStringLiteral("select Estrato, ImoveisProgramados, quote(IIPaeg) from Indices")),
                 QStringLiteral("1|431|NULL\n2|231|NULL\n3|426|NULL"));
        // the stratum query keeps its filter
        QCOMPARE(f.dm->ADOQueryIndices->statement(),
                 QStringLiteral("Select * from Indices where IIPaeg>=1 and IIPaeg<=3.9"));
        QCOMPARE(f.dm->ADOQueryIndices->recordCount(), 0);
    }

    void unchangedBlocksPlanNothing()
    {
        SamplingFixture f;
        typeStratum(f, QStringLiteral("10000"), QStringLiteral("100"), 1);
        f.sql(QStringLiteral("update Consolidado set ImoveisInspecionados = 400"));
        const QString before = f.sql(QStringLiteral("select * from PlanoAmostral"));
        const int asked = f.questions.shown().size();
        // the blocks confirmed again, unchanged: no question, no new start, the results stay
        SamplePlan::blockPlan(*f.dm, *f.values, seed(2), f.questions);
        QCOMPARE(f.questions.shown().size(), asked);
        QCOMPARE(f.sql(QStringLiteral("select * from PlanoAmostral")), before);
        QCOMPARE(f.sql(QStringLiteral("select ImoveisInspecionados from Consolidado")), QStringLiteral("400"));
        // changed, the user declines losing the results: the stored count comes back, nothing else changes
        f.plan().edit();
        f.plan().setText(QStringLiteral("NumeroDeQuarteiroesNoEstrato"), QStringLiteral("120"));
        f.questions.answerNext(false);
        SamplePlan::blockPlan(*f.dm, *f.values, seed(2), f.questions);
        QCOMPARE(f.questions.shown().size(), asked + 1);
        QCOMPARE(f.questions.shown().last().text,
                 QStringLiteral("Os resultados digitados em Consolidado serão apagados. Deseja continuar?"));
        QCOMPARE(f.plan().asText(QStringLiteral("NumeroDeQuarteiroesNoEstrato")), QStringLiteral("100"));
        QCOMPARE(f.sql(QStringLiteral("select * from PlanoAmostral")), before);
        QCOMPARE(f.sql(QStringLiteral("select ImoveisInspecionados from Consolidado")), QStringLiteral("400"));
        // a stored count that no plan was computed from is planned, and without results nothing is asked
        f.plan().post();
        f.sql(QStringLiteral("update Consolidado set ImoveisInspecionados = null"));
        f.dm->ADOTableConsolidado->refresh();
        f.sql(QStringLiteral("update PlanoAmostral set NumeroDeQuarteiroesNoEstrato = 123"));
        f.plan().refresh();
        f.questions.answerNext(QStringLiteral("2"));
        SamplePlan::blockPlan(*f.dm, *f.values, seed(2), f.questions);
        QCOMPARE(f.questions.shown().last().title, QStringLiteral("Obrigatório"));
        QCOMPARE(f.sql(QStringLiteral("select NumeroDeQuarteiroesNoEstrato, EstimativaDeImoveisPorQuart from "
                                      "PlanoAmostral")),
                 QStringLiteral("123|82.0"));
    }

    void failedRebuildLeavesEverythingAsBefore()
    {
        // stratum 1 planned, results typed; the engine then refuses new Indices rows
        SamplingFixture f;
        typeStratum(f, QStringLiteral("10000"), QStringLiteral("100"), 1);
        f.sql(QStringLiteral("update Consolidado set ImoveisInspecionados = 400; update Necessidades set "
                             "HorasDeTrabalho = 8; update Indices set IIPaeg = 2.5;"
                             "create trigger refuse before insert on Indices begin select raise(abort, 'Indices "
                             "recusou'); end;"));
        f.dm->ADOTableConsolidado->refresh();
        const QString tables = QStringLiteral("select * from PlanoAmostral; select * from Necessidades; select * from "
                                              "Consolidado; select * from Indices");
        const QString before = f.sql(tables);
        for (const char *dwellings : {"3000", "12000"}) {
            // a new stratum, and stratum 1 with new blocks
            if (QByteArray(dwellings) == "3000")
                SamplePlan::newStratum(*f.dm, *f.values, f.questions);
            else {
                f.plan().first();
                f.plan().edit();
            }
            f.plan().setText(QStringLiteral("NumeroDeImoveisNoEstrato"), QString::fromLatin1(dwellings));
            SamplePlan::sampleSize(f.plan());
            f.plan().setText(QStringLiteral("NumeroDeQuarteiroesNoEstrato"), QStringLiteral("77"));
            const DataSet::State state = f.plan().state();
            f.questions.answerNext(true);
            f.questions.answerNext(QStringLiteral("2"));
            try {
                SamplePlan::blockPlan(*f.dm, *f.values, seed(1), f.questions);
                QFAIL("the step went through");
            } catch (const StepError &e) {
                QVERIFY2(e.message().contains(QStringLiteral("Indices recusou")), qPrintable(e.message()));
            }
            QCOMPARE(f.sql(tables), before);
            // the row stays in edit with what the step computed, as before the step stored it
            QCOMPARE(f.plan().state(), state);
            QCOMPARE(f.plan().asText(QStringLiteral("NumeroDeImoveisNoEstrato")), QString::fromLatin1(dwellings));
            QCOMPARE(f.plan().asText(QStringLiteral("NumeroDeQuarteiroesNoEstrato")), QStringLiteral("77"));
            QVERIFY(!f.plan().asText(QStringLiteral("QuartInicial")).isEmpty());
            QCOMPARE(f.dm->ADOTableConsolidado->recordCount(), 1);
            QCOMPARE(f.dm->ADOTableConsolidado->asText(QStringLiteral("ImoveisInspecionados")), QStringLiteral("400"));
            QCOMPARE(f.dm->ADOTableNecessidades->asText(QStringLiteral("HorasDeTrabalho")), QStringLiteral("8"));
            QCOMPARE(f.dm->ADOQueryIndices->recordCount(), 1);
            f.plan().cancel();
        }
    }

    void cancelledQuestionStillCompletes()
    {
        SamplingFixture f;
        SamplePlan::newStratum(*f.dm, *f.values, f.questions);
        f.plan().setText(QStringLiteral("NumeroDeImoveisNoEstrato"), QStringLiteral("3000"));
        SamplePlan::sampleSize(f.plan());
        f.plan().setText(QStringLiteral("NumeroDeQuarteiroesNoEstrato"), QStringLiteral("77"));
        f.questions.answerNext(QVariant()); // cancelled
        SamplePlan::blockPlan(*f.dm, *f.values, seed(1), f.questions);
        QCOMPARE(f.values->BairrosAnunciados, QString());
        QCOMPARE(f.sql(QStringLiteral("select Estrato, ImoveisProgramados from Consolidado")), QStringLiteral("1|231"));
    }

    void emptyBlocksBoxSkipsThePlanOnly()
    {
        SamplingFixture f;
        SamplePlan::newStratum(*f.dm, *f.values, f.questions);
        f.plan().setText(QStringLiteral("NumeroDeImoveisNoEstrato"), QStringLiteral("3000"));
        SamplePlan::sampleSize(f.plan());
        f.questions.answerNext(QStringLiteral("1"));
        SamplePlan::blockPlan(*f.dm, *f.values, seed(1), f.questions);
        QCOMPARE(
            f.sql(QStringLiteral("select quote(NumeroDeQuarteiroesNoEstrato), quote(QuartInicial), TamanhoDaAmostra "
                                 "from PlanoAmostral")),
            QStringLiteral("NULL|NULL|231.0"));
        QCOMPARE(f.sql(QStringLiteral("select Estrato, ImoveisProgramados from Consolidado")), QStringLiteral("1|231"));
    }

    void newStrataFollowTheLastNumber()
    {
        SamplingFixture f;
        QCOMPARE(f.plan().recordCount(), 0);
        for (int i = 0; i < 3; ++i) {
            SamplePlan::newStratum(*f.dm, *f.values, f.questions);
            f.plan().setText(QStringLiteral("NumeroDeImoveisNoEstrato"), QStringLiteral("1000"));
        }
        f.plan().first();
        QCOMPARE(
            f.sql(QStringLiteral("select group_concat(Estrato) from PlanoAmostral where CodigoMunicipio = 2611606")),
            QStringLiteral("1,2,3"));
        f.plan().next();
        f.questions.answerNext(true);
        SamplePlan::deleteStratum(*f.dm, f.questions);
        QCOMPARE(f.questions.shown().last().text, QStringLiteral("Deletar este registro?"));
        SamplePlan::newStratum(*f.dm, *f.values, f.questions);
        QCOMPARE(f.plan().asInteger(QStringLiteral("Estrato")), 4);
        QCOMPARE(f.values->QuartBairrosCalculados, QString());
        // the new stratum carries its number, so it is kept; an edited one asks to be saved
        f.plan().first();
        QCOMPARE(f.sql(QStringLiteral("select group_concat(Estrato) from PlanoAmostral")), QStringLiteral("1,3,4"));
        f.plan().edit();
        f.plan().setText(QStringLiteral("NumeroDeImoveisNoEstrato"), QStringLiteral("2000"));
        f.questions.answerNext(true);
        SamplePlan::newStratum(*f.dm, *f.values, f.questions);
        QCOMPARE(f.questions.shown().last().title, QStringLiteral("Atenção!"));
        QCOMPARE(f.questions.shown().last().text, QStringLiteral("Deseja gravar o registro ?"));
        QCOMPARE(f.sql(QStringLiteral("select NumeroDeImoveisNoEstrato from PlanoAmostral where Estrato = 1")),
                 QStringLiteral("2000"));
        // declining deletion keeps the stratum
        f.questions.answerNext(false);
        SamplePlan::deleteStratum(*f.dm, f.questions);
        QCOMPARE(f.plan().recordCount(), 4);
        QCOMPARE(f.plan().state(), DataSet::State::Insert); // stratum 5, not saved yet
        QCOMPARE(f.sql(QStringLiteral("select count(*) from PlanoAmostral")), QStringLiteral("3"));
    }
};

QTEST_GUILESS_MAIN(TestSamplePlan)
#include "tst_sampleplan.moc"
