#include "municipal/app/TFormDadosGerais.h"
#include "municipal/needs/NecessidadesPage.h"
#include "municipal/needs/TFormCalcNecessidades.h"
#include "municipal/results/TFormEstatistica.h"
#include "tests/gui/AppFixture.h"
#include "tests/support/ReportAnswers.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using TestSupport::findByCaption;
using TestSupport::local;

namespace {

const QString registration =
    QStringLiteral("insert into Cadastro values (2611606, 'Recife', 'PE', 520000, 'Jan/2026', '2026');");

QLineEdit *box(QWidget *root, const QString &caption)
{
    return qobject_cast<QLineEdit *>(findByCaption(root, caption));
}

QString text(QWidget *root, const QString &caption)
{
    QLineEdit *b = box(root, caption);
    return b ? b->text() : QStringLiteral("<no box '%1'>").arg(caption);
}

void typeInto(QWidget *root, const QString &caption, const QString &typed)
{
    QLineEdit *b = box(root, caption);
    QVERIFY2(b, qPrintable(caption));
    b->setFocus();
    b->selectAll();
    QTest::keyClicks(b, typed);
}

// The box a label with this text names; for a box that shares its caption
// with the group around it.
QLineEdit *labelled(QWidget *root, const QString &caption)
{
    for (QLabel *label : root->findChildren<QLabel *>())
        if (label->text() == caption)
            if (auto *box = qobject_cast<QLineEdit *>(label->buddy()))
                return box;
    return nullptr;
}

QGroupBox *group(QWidget *root, const QString &title)
{
    for (QGroupBox *g : root->findChildren<QGroupBox *>())
        if (g->title() == title)
            return g;
    return nullptr;
}

QString lastShown()
{
    const auto shown = Dialogs::shown();
    return shown.isEmpty() ? QString() : shown.last().text;
}

const QStringList calculated = {
    "Dias previstos",      "Servidores necessários", "Supervisores necessários", "Rendimento tubito/hora/técnico",
    "Tubitos dia/técnico", "Técnicos necessários",   "Boletin diário campo/Lab", "Número de tubitos"};

} // namespace

class TestNeedsStats : public QObject
{
    Q_OBJECT

private slots:
    void needsPageWithItsCalculator()
    {
        AppFixture f(registration
                     + QStringLiteral("insert into Necessidades (CodigoMunicipio, QuantEstratosALevantar, "
                                      "SomaDosImoveisATrabalhar) values (2611606, 3, 1000);"));
        TFormDadosGerais *work = f.app->FormDadosGerais;
        work->show();
        QVERIFY(QTest::qWaitForWindowExposed(work));
        NecessidadesPage *page = work->needsPage();
        auto *tabs = qobject_cast<QTabWidget *>(page->parentWidget()->parentWidget());
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(tabs->indexOf(page)), QStringLiteral("Planejamento de necessidades"));
        tabs->setCurrentWidget(page);
        QVERIFY(group(page, QStringLiteral("Recursos para execução das atividades")));
        QCOMPARE(TestSupport::unnamedControls(work), QStringList());
        QCOMPARE(QApplication::focusWidget(), findByCaption(page, QStringLiteral("Quantidade de estratos a levantar")));
        QCOMPARE(text(page, QStringLiteral("Soma dos imóveis a trabalhar")), QStringLiteral("1000"));

        // only the four inputs take the Tab key, in the order of the table
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (const auto &[caption, typed] :
             {std::pair{"Rendimento imóveis/homem/dia", "20"}, std::pair{"Exame larva/hora/técnico", "30"},
              std::pair{"Média larvas/tubito", "3"}, std::pair{"Horas de trabalho", "8"}}) {
            QCOMPARE(QApplication::focusWidget(), findByCaption(page, QString::fromUtf8(caption)));
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const QString &caption : calculated)
            QVERIFY2(box(page, caption)->isReadOnly() && box(page, caption)->focusPolicy() == Qt::ClickFocus,
                     qPrintable(caption));
        // plan figures light green, inputs white, computed figures grey
        for (const auto &[caption, colour] : {std::pair{"Quantidade de estratos a levantar", QColor(0xc8, 0xf0, 0xc8)},
                                              std::pair{"Média larvas/tubito", QColor(Qt::white)},
                                              std::pair{"Número de tubitos", QColor(0xc0, 0xc0, 0xc0)}}) {
            QLineEdit *b = box(page, QString::fromUtf8(caption));
            QCOMPARE(b->grab().toImage().pixelColor(b->width() - 4, b->height() / 2), colour);
        }

        clickCaption(page, QStringLiteral("Cálculos necessários"));
        TFormCalcNecessidades *calc = page->calculator();
        QVERIFY(calc->isVisible());
        QCOMPARE(calc->windowTitle(), QStringLiteral("Cálculos necessários"));

        // days typed 0: the message, nothing computed
        typeInto(calc, QStringLiteral("Entre com os dias previstos"), QStringLiteral("0"));
        clickCaption(group(calc, QStringLiteral("Servidores necessários")), QStringLiteral("Calcular"));
        QCOMPARE(lastShown(), QStringLiteral("Alguns dados necessários para o cálculo não foram informados no "
                                             "planejamento de necessidades. Verifique!"));
        QCOMPARE(labelled(calc, QStringLiteral("Servidores necessários"))->text(), QString());

        typeInto(calc, QStringLiteral("Entre com os dias previstos"), QStringLiteral("5"));
        clickCaption(group(calc, QStringLiteral("Servidores necessários")), QStringLiteral("Calcular"));
        QCOMPARE(labelled(calc, QStringLiteral("Servidores necessários"))->text(), QStringLiteral("10"));
        QCOMPARE(text(calc, QStringLiteral("Supervisores necessários")), QStringLiteral("1"));
        QCOMPARE(text(page, QStringLiteral("Dias previstos")), QStringLiteral("5"));
        QCOMPARE(text(page, QStringLiteral("Servidores necessários")), QStringLiteral("10"));
        QCOMPARE(f.sql(QStringLiteral("select RendImoveisHomenDia, ExameLarvaHoraTecnico, MediaLarvasTubito, "
                                      "HorasDeTrabalho, DiasPrevistos, ServidoresNecessarios, Supervisores "
                                      "from Necessidades;")),
                 QStringLiteral("20.0|30.0|3.0|8.0|5.0|10.0|1.0"));

        clickCaption(group(calc, QStringLiteral("Recursos de laboratório")), QStringLiteral("Calcular"));
        QCOMPARE(text(calc, QStringLiteral("Técnicos necessários")), QStringLiteral("1"));
        QCOMPARE(text(calc, QStringLiteral("N° de tubitos")), QStringLiteral("250"));
        QCOMPARE(findByCaption(calc, QStringLiteral("Z")), nullptr); // hidden
        const QStringList expected = {"5", "10", "1", "10", "80", "1", "100", "250"};
        for (int i = 0; i < calculated.size(); ++i)
            QCOMPARE(text(page, calculated[i]), expected[i]);

        // "Fechar" empties every box, the hidden ones too
        clickCaption(calc, QStringLiteral("Fechar"));
        QVERIFY(!calc->isVisible());
        for (QLineEdit *e : calc->findChildren<QLineEdit *>())
            QVERIFY2(e->text().isEmpty(), qPrintable(e->accessibleName()));
        QCOMPARE(text(page, QStringLiteral("Número de tubitos")), QStringLiteral("250"));

        // a key in a computed box
        QLineEdit *tecnicos = box(page, QStringLiteral("Técnicos necessários"));
        QTest::mouseClick(tecnicos, Qt::LeftButton);
        Dialogs::clearShown();
        QTest::keyClicks(tecnicos, QStringLiteral("7"));
        QCOMPARE(lastShown(), QStringLiteral("Utilize o botão Cálculos necessários"));
        QCOMPARE(tecnicos->text(), QStringLiteral("1"));

        // a new total of dwellings empties the eight computed figures, stored when the page is left
        typeInto(page, QStringLiteral("Soma dos imóveis a trabalhar"), QStringLiteral("2000"));
        for (const QString &caption : calculated)
            QCOMPARE(text(page, caption), QString());
        tabs->setCurrentIndex(tabs->indexOf(page) + 1);
        QCOMPARE(f.sql(QStringLiteral("select * from Necessidades;")),
                 QStringLiteral("2611606|3.0|2000.0|20.0|30.0|3.0|8.0||||||||"));

        // the report of the page
        tabs->setCurrentWidget(page);
        const QString pdf = f.folder.file(QStringLiteral("necessidades.pdf"));
        TestSupport::answerPdfFile(pdf);
        clickCaption(page, QStringLiteral("Imprimir"));
        const QString report = TestSupport::pdfText(pdf);
        QVERIFY2(report.contains(QStringLiteral("Planejamento de necessidades")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("Recife")), qPrintable(report));
        QVERIFY2(QRegularExpression(QStringLiteral(R"(Soma dos imóveis a trabalhar :\s+2000\s*\n)"))
                     .match(report)
                     .hasMatch(),
                 qPrintable(report));

        // "Limpar" empties the fourteen boxes; leaving the page stores them
        clickCaption(page, QStringLiteral("Limpar"));
        QCOMPARE(text(page, QStringLiteral("Quantidade de estratos a levantar")), QString());
        QCOMPARE(text(page, QStringLiteral("Horas de trabalho")), QString());
        tabs->setCurrentIndex(0);
        QCOMPARE(f.sql(QStringLiteral("select * from Necessidades;")), QStringLiteral("2611606||||||||||||||"));
    }

    void calculatorWithoutNeedsRecordCreatesNone()
    {
        AppFixture f(registration);
        TFormDadosGerais *work = f.app->FormDadosGerais;
        work->show();
        QVERIFY(QTest::qWaitForWindowExposed(work));
        NecessidadesPage *page = work->needsPage();
        auto *tabs = qobject_cast<QTabWidget *>(page->parentWidget()->parentWidget());
        tabs->setCurrentWidget(page);
        clickCaption(page, QStringLiteral("Cálculos necessários"));
        clickCaption(page->calculator(), QStringLiteral("Fechar"));
        tabs->setCurrentIndex(0);
        QCOMPARE(f.sql(QStringLiteral("select count(*) from Necessidades;")), QStringLiteral("0"));
    }

    void statisticsWindow()
    {
        AppFixture f(registration
                     + QStringLiteral(
                         "insert into Consolidado (Estrato, ImoveisComAegTotal, ImoveisComAlbTotal, DepositoAegTotal, "
                         "DepositoAlbTotal) values (1, 1, 0, 2, 0), (2, 2, 1, 3, 1), (3, 2, 0, 4, 0);"
                         "insert into TotaisDoConsolidado (TotalImoveisInspecionados) values (200);"
                         "insert into Indices (Estrato, IIPaeg, IBaeg) values (1, 1.0, 2.0), (2, 2.0, 3.0), "
                         "(3, 4.0, 7.0);"));
        TFormEstatistica *stats = f.app->FormEstatistica;
        QCOMPARE(stats->windowTitle(), QStringLiteral("Dados estatísticos"));
        QVERIFY(!stats->isVisible());
        QVERIFY(stats->riskPanel()->text().isEmpty());
        stats->showStatistics();
        QVERIFY(QTest::qWaitForWindowExposed(stats));
        QCOMPARE(TestSupport::unnamedControls(stats), QStringList());
        QStringList top;
        for (QLabel *label : stats->findChildren<QLabel *>())
            top << label->text();
        for (const QString &shown : {QStringLiteral("Recife"), QStringLiteral("PE"), QStringLiteral("2026")})
            QVERIFY2(top.contains(shown), qPrintable(shown));

        QCOMPARE(text(stats, QStringLiteral("IIP do município: Aedes aegypti")), local("2.5"));
        QCOMPARE(text(stats, QStringLiteral("IIP do município: Aedes albopictus")), local("0.5"));
        QCOMPARE(text(stats, QStringLiteral("IB do município : Aedes aegypti")), local("4.5"));
        QCOMPARE(text(stats, QStringLiteral("IB do município: Aedes albopictus")), local("0.5"));
        QGroupBox *iip = group(stats, QStringLiteral("Índice de infestação predial (IIP)"));
        QGroupBox *ib = group(stats, QStringLiteral("Índice de Breteau (IB)"));
        QVERIFY(iip && ib);
        QCOMPARE(text(iip, QStringLiteral("Média :")), local("2.3"));
        QCOMPARE(text(iip, QStringLiteral("Variância :")), local("2.3"));
        QCOMPARE(text(iip, QStringLiteral("Desvio padrão :")), local("1.5"));
        QCOMPARE(text(iip, QStringLiteral("Coeficiente de variação (%) :")), local("65.2"));
        QCOMPARE(text(ib, QStringLiteral("Média :")), local("4.0"));
        QCOMPARE(text(ib, QStringLiteral("Coeficiente de variação (%) :")), local("65.0"));
        QCOMPARE(text(iip, QStringLiteral("N° de estratos com baixo risco :")), QStringLiteral("0"));
        QCOMPARE(text(iip, QStringLiteral("N° de estratos com médio risco :")), QStringLiteral("2"));
        QCOMPARE(text(iip, QStringLiteral("N° de estratos com alto risco :")), QStringLiteral("1"));
        QCOMPARE(stats->riskPanel()->text(), QStringLiteral("Médio Risco"));
        const QImage panel = stats->riskPanel()->grab().toImage();
        QCOMPARE(panel.pixelColor(3, 3), QColor(255, 255, 0));

        // what the boxes show is printed, a figure typed over included
        typeInto(ib, QStringLiteral("Variância :"), QStringLiteral("99"));
        const QString pdf = f.folder.file(QStringLiteral("estatistica.pdf"));
        TestSupport::answerPdfFile(pdf);
        clickCaption(stats, QStringLiteral("Imprimir"));
        const QString report = TestSupport::pdfText(pdf);
        QVERIFY2(QRegularExpression(QStringLiteral(R"(Recife\s+PE\s+Jan/2026)")).match(report).hasMatch(),
                 qPrintable(report));
        for (const QString &row :
             {QStringLiteral(R"(Média :\s+%1\s*\n\s*Variância :\s+%2\s*\n)")
                  .arg(QRegularExpression::escape(local("2.3")), QRegularExpression::escape(local("2.3"))),
              QStringLiteral(R"(Média :\s+%1\s*\n\s*Variância :\s+99\s*\n)")
                  .arg(QRegularExpression::escape(local("4.0"))),
              QStringLiteral(R"(N° de estratos com médio risco :\s+2\s*\n)"),
              QStringLiteral(R"(Situação do Município\s*\n\s*Médio Risco)")})
            QVERIFY2(QRegularExpression(row).match(report).hasMatch(), qPrintable(row + QLatin1Char('\n') + report));

        // "Fechar" hides the window; its figures stay
        clickCaption(stats, QStringLiteral("Fechar"));
        QVERIFY(!stats->isVisible());
        QCOMPARE(text(ib, QStringLiteral("Variância :")), QStringLiteral("99"));
        QCOMPARE(stats->riskPanel()->text(), QStringLiteral("Médio Risco"));
    }
};

QTEST_MAIN(TestNeedsStats)
#include "tst_needsstats.moc"
