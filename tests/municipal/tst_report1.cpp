#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "municipal/reports/Report1.h"
#include "tests/municipal/SamplingFixture.h"
#include "tests/support/ReportAnswers.h"

#include <QRegularExpression>
#include <QTest>

class TestReport1 : public QObject
{
    Q_OBJECT

private slots:
    void planOfManyStrataContinuesOnNewPages()
    {
        QString strata;
        for (int e = 1; e <= 9; ++e)
            strata += QStringLiteral(
                          "insert into PlanoAmostral values (2611606, %1, %2, 431, %3, 82, 26, 21.1, 4.73077, %4);")
                          .arg(e)
                          .arg(10000 + e)
                          .arg(120 + e)
                          .arg(e % 4 + 1);
        // a stratum of another municipality is not part of this plan: strataSeen below has no 77
        strata += QStringLiteral("insert into PlanoAmostral (CodigoMunicipio, Estrato) values (3550308, 77);");
        SamplingFixture f(strata);
        ReportEngine engine(
            {QStringLiteral("Opções de saída"), QStringLiteral("Status do relatório"), QStringLiteral("Visualização")});
        engine.addReport(QStringLiteral("Report1"), [&] { return std::make_unique<Report1>(f.plan()); });
        engine.setParam(QStringLiteral("Municipio"), QStringLiteral("Recife"));
        engine.setParam(QStringLiteral("UF"), QStringLiteral("PE"));
        engine.setParam(QStringLiteral("Periodo"), QStringLiteral("Jan/2026"));
        const QString pdf = f.folder.file(QStringLiteral("plano.pdf"));
        Dialogs::setScripted(true);
        Dialogs::clearShown();
        TestSupport::answerPdfFile(pdf);
        engine.executeReport(QStringLiteral("Report1"));

        const QStringList pages = TestSupport::pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, "nine strata do not fit on one A4 page");
        static const QRegularExpression header(QStringLiteral(
            R"(Kavel\s+-\s+Pelvane[\s\S]*Nubrel[\s\S]*Recife\s+PE\s+Período :\s+Jan/2026[\s\S]*Plano\s+Amostral)"));
        static const QRegularExpression footer(QStringLiteral(R"(Kavel\s+-\s+Pelvane\s+(\d+)\s*$)"));
        QList<int> strataSeen;
        static const QRegularExpression stratum(QStringLiteral(R"(Estrato\s+:\s+(\d+))"));
        for (int p = 0; p < pages.size(); ++p) {
            QVERIFY2(header.match(pages[p]).hasMatch(), qPrintable(pages[p]));
            const QRegularExpressionMatch m = footer.match(pages[p].trimmed());
            QVERIFY2(m.hasMatch(), qPrintable(pages[p].right(200)));
            QCOMPARE(m.captured(1).toInt(), p + 1);
            for (const QRegularExpressionMatch &s : stratum.globalMatch(pages[p]))
                strataSeen << s.captured(1).toInt();
        }
        QCOMPARE(strataSeen, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));

        // each block: the eight labels with the stratum's values beside them
        const QString all = pages.join(QLatin1Char('\n'));
        const auto value = [](const char *text) { return TestSupport::local(QString::fromLatin1(text)); };
        for (const auto &[label, v] : std::initializer_list<std::pair<const char *, QString>>{
                 {"N° de imóveis no estrato :", QStringLiteral("10003")},
                 {"Tamanho da amostra :", QStringLiteral("431")},
                 {"N° de quarteirões no estrato :", QStringLiteral("123")},
                 {"Estimativa de imóveis por quarteirão :", QStringLiteral("82")},
                 {"Quarteirões que comporão a amostra :", QStringLiteral("26")},
                 {"Percentual de quarteirões amostrados :", value("21.1")},
                 {"Intervalo de quarteirões :", value("4.73077")},
                 {"Quarteirão inicial :", QStringLiteral("4")}}) {
            const QRegularExpression row(QRegularExpression::escape(QString::fromUtf8(label)) + QStringLiteral(R"(\s+)")
                                         + QRegularExpression::escape(v) + QStringLiteral(R"(\s*\n)"));
            QCOMPARE(all.count(QString::fromUtf8(label)), 9);
            QVERIFY2(row.match(all).hasMatch(), label);
        }
    }
};

QTEST_MAIN(TestReport1)
#include "tst_report1.moc"
