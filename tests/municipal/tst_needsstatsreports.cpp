#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "municipal/reports/Report2.h"
#include "municipal/reports/Report5.h"
#include "tests/municipal/SamplingFixture.h"
#include "tests/support/ReportAnswers.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

ReportEngine *newEngine()
{
    return new ReportEngine(
        {QStringLiteral("Opções de saída"), QStringLiteral("Status do relatório"), QStringLiteral("Visualização")});
}

// Runs a report into a PDF file and returns its pages as text.
QStringList pdfPages(ReportEngine &engine, const QString &report, const QString &pdf)
{
    engine.setParam(QStringLiteral("Municipio"), QStringLiteral("Recife"));
    engine.setParam(QStringLiteral("UF"), QStringLiteral("PE"));
    engine.setParam(QStringLiteral("Periodo"), QStringLiteral("Jan/2026"));
    Dialogs::setScripted(true);
    return TestSupport::printPdfPages(engine, report, pdf);
}

// The blanks between consecutive words of a line of the PDF, counted from
// the words' positions (text extraction shows any run of blanks as one):
// an Arial blank is 0.2487 of the height pdftotext gives a word.
QList<int> blanksBetween(const QString &pdf, const QStringList &words)
{
    QString xml;
    TestSupport::run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")},
                     QDir::currentPath(), &xml);
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    struct Box
    {
        double xMin, yMin, xMax, yMax;
        QString text;
    };
    QList<Box> boxes;
    for (const QRegularExpressionMatch &m : word.globalMatch(xml))
        boxes << Box{m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     m.captured(4).toDouble(), m.captured(5)};
    for (int i = 0; i + words.size() <= boxes.size(); ++i) {
        bool found = true;
        for (int k = 0; k < words.size() && found; ++k)
            found = boxes[i + k].text == words[k];
        if (!found)
            continue;
        QList<int> blanks;
        for (int k = 1; k < words.size(); ++k) {
            const Box &a = boxes[i + k - 1];
            const Box &b = boxes[i + k];
            blanks << qRound((b.xMin - a.xMax) / (0.2487 * (b.yMax - b.yMin)));
        }
        return blanks;
    }
    return {};
}

// The label followed on its line by the value.
bool hasRow(const QString &text, const QString &label, const QString &value)
{
    const QRegularExpression row(QRegularExpression::escape(label) + QStringLiteral(R"([ \t]+)")
                                 + QRegularExpression::escape(value) + QStringLiteral(R"([ \t]*\n)"));
    return row.match(text).hasMatch();
}

} // namespace

class TestNeedsStatsReports : public QObject
{
    Q_OBJECT

private slots:
    void needsReport()
    {
        SamplingFixture f(QStringLiteral(
            "insert into Necessidades values (2611606, 3, 1250, 20, 30, 3, 8, 5, 13, 1, 10, 80, 1, 130, 325.5);"));
        std::unique_ptr<ReportEngine> engine(newEngine());
        engine->addReport(QStringLiteral("Report2"),
                          [&] { return std::make_unique<Report2>(*f.dm->ADOTableNecessidades); });
        const QString pdf = f.folder.file(QStringLiteral("n.pdf"));
        const QStringList pages = pdfPages(*engine, QStringLiteral("Report2"), pdf);
        QCOMPARE(pages.size(), 1);
        const QString page = pages.first();
        static const QRegularExpression header(QStringLiteral(
            R"(Kavel - Pelvane[\s\S]*Nubrel[\s\S]*Recife\s+PE\s+Período :\s+Jan/2026[\s\S]*Planejamento de necessidades)"));
        QVERIFY2(header.match(page).hasMatch(), qPrintable(page));
        QCOMPARE(blanksBetween(pdf, {"Planejamento", "de", "necessidades"}), QList<int>({2, 2}));
        QCOMPARE(blanksBetween(pdf, {"Kavel", "-", "Pelvane"}), QList<int>({2, 2}));
        QCOMPARE(blanksBetween(pdf, {"Soma", "dos", "imóveis", "a", "trabalhar"}), QList<int>({1, 1, 1, 1}));
        const QList<std::pair<const char *, QString>> rows = {
            {"Quantidade de estratos a levantar :", "3"},
            {"Soma dos imóveis a trabalhar :", "1250"},
            {"Rendimento imóveis/homem/dia :", "20"},
            {"Exame larva/hora/técnico :", "30"},
            {"Média larvas/tubito :", "3"},
            {"Horas de trabalho :", "8"},
            {"Dias previstos :", "5"},
            {"Servidores necessários :", "13"},
            {"Supervisores :", "1"},
            {"Rendimento tubitos/hora/técnico :", "10"},
            {"Tubitos dia/técnico :", "80"},
            {"Técnicos necessários :", "1"},
            {"Boletins diários campo/lab :", "130"},
            {"Número de tubitos :", TestSupport::local(QStringLiteral("325.5"))},
        };
        for (const auto &[label, value] : rows)
            QVERIFY2(hasRow(page, QString::fromUtf8(label), value), label);
        // no footer: the office line once, and no page number after the last figure
        QCOMPARE(page.count(QStringLiteral("Kavel")), 1);
        QVERIFY2(page.trimmed().endsWith(TestSupport::local(QStringLiteral("325.5"))), qPrintable(page.right(100)));
    }

    void statisticsReport()
    {
        SamplingFixture f;
        std::unique_ptr<ReportEngine> engine(newEngine());
        engine->addReport(QStringLiteral("Report5"), [] { return std::make_unique<Report5>(); });
        const QList<std::pair<const char *, const char *>> params = {
            {"IIPMun", "2,5"},       {"MediaIIP", "2,3"},
            {"VarianciaIIP", "2,4"}, {"DPIIP", "1,5"},
            {"CVIIP", "65,2"},       {"IBMun", "3,5"},
            {"MediaIB", "4,1"},      {"VarianciaIB", "7,2"},
            {"DPIB", "2,7"},         {"CVIB", "65,9"},
            {"BaixoRisco", "4"},     {"MedioRisco", "5"},
            {"AltoRisco", "6"},      {"SituacaoMun", "Médio Risco"},
            {"IIPalb", "0,7"},       {"IBalb", "0,8"},
        };
        for (const auto &[name, value] : params)
            engine->setParam(QString::fromLatin1(name), QString::fromUtf8(value));
        const QStringList pages = pdfPages(*engine, QStringLiteral("Report5"), f.folder.file(QStringLiteral("e.pdf")));
        QCOMPARE(pages.size(), 1);
        const QString page = pages.first();
        static const QRegularExpression header(
            QStringLiteral(R"(Kavel - Pelvane[\s\S]*Nubrel[\s\S]*Recife\s+PE\s+Jan/2026\s*\n[\s\S]*Estatística)"));
        QVERIFY2(header.match(page).hasMatch(), qPrintable(page));
        QVERIFY(!page.contains(QStringLiteral("Período")));

        // the four sections in order, each with its rows
        static const QRegularExpression sections(QStringLiteral(
            R"(Ìndice de Infestação Predial \(IIP\)[\s\S]*)"
            R"(IIP do município para Aedes aegypti\s+IIP do município para Aedes albopictus\s*\n\s*2,5\s+0,7\s*\n)"
            R"([\s\S]*Média :\s+2,3\s*\n\s*Variância :\s+2,4\s*\n\s*Desvio Padrâo :\s+1,5\s*\n)"
            R"(\s*Coeficiente de Variação :\s+65,2\s*\n)"
            R"([\s\S]*Índice de Breteau \(IB\)[\s\S]*)"
            R"(IB do município para Aedes aegypti:\s+IB do município para Aedes albopictus:\s*\n\s*3,5\s+0,8\s*\n)"
            R"([\s\S]*Média :\s+4,1\s*\n\s*Variância :\s+7,2\s*\n\s*Desvio Padrâo :\s+2,7\s*\n)"
            R"(\s*Coeficiente de Variação :\s+65,9\s*\n)"
            R"([\s\S]*Situação dos estratos\s*\n\s*N° de estratos com baixo risco :\s+4\s*\n)"
            R"(\s*N° de estratos com médio risco :\s+5\s*\n\s*N° de estratos com alto risco :\s+6\s*\n)"
            R"([\s\S]*Situação do Município\s*\n\s*Médio Risco\s*\n)"));
        QVERIFY2(sections.match(page).hasMatch(), qPrintable(page));
        // the footer with the page number
        static const QRegularExpression footer(QStringLiteral(R"(Kavel\s+-\s+Pelvane\s+1\s*$)"));
        QVERIFY2(footer.match(page.trimmed()).hasMatch(), qPrintable(page.right(200)));
    }
};

QTEST_MAIN(TestNeedsStatsReports)
#include "tst_needsstatsreports.moc"
