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

        // confirming an old stratum's blocks again
        f.plan().first();
        f.plan().next();
        f.questions.answerNext(QStringLiteral("2"));
        SamplePlan::blockPlan(*f.dm, *f.values, seed(1), f.questions);

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
