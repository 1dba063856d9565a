#include "common/DataGrid.h"
#include "common/DataSet.h"
#include "municipal/app/TFormDadosGerais.h"
#include "municipal/app/TFormPrincipal.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/results/ConsolidadoDelegate.h"
#include "municipal/results/EntradaDeDadosPage.h"
#include "municipal/results/IndicesPage.h"
#include "municipal/results/TFormEstatistica.h"
#include "municipal/sampling/TFormVisualizarBairros.h"
#include "tests/gui/AppFixture.h"
#include "tests/support/ReportAnswers.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>

using TestSupport::findByCaption;
using TestSupport::local;

// The tab "Consolidado" of the work window, typed into and clicked as a user does.
class TestConsolidado : public QObject
{
    Q_OBJECT

private slots:
    void typedCountsGiveTheIndices();
    void refusedCountIsReported();
    void choosersFilterAndCount();
    void statisticsButtonOpensTheStatistics();
    void reportOfTheTypedCounts();

private:
    std::unique_ptr<AppFixture> open();
    static void type(const QString &keys);
    static QString lineText(QWidget *root, const QString &caption);

    TFormDadosGerais *m_work = nullptr;
};

std::unique_ptr<AppFixture> TestConsolidado::open()
{
    auto f = std::make_unique<AppFixture>(
        QStringLiteral("insert into Cadastro values (2611606, 'Recife', 'PE', 520000, 'Jan/2026', '2026');"
                       "insert into Consolidado (Estrato, ImoveisProgramados) values (1, 200), (2, 220);"
                       "insert into Indices (Estrato, ImoveisProgramados) values (1, 200), (2, 220);"));
    f->app->FormPrincipal->show();
    clickCaption(f->app->FormPrincipal, QStringLiteral("Entrar"));
    m_work = f->app->FormDadosGerais;
    auto *outer = m_work->findChild<QTabWidget *>();
    for (int i = 0; i < outer->count(); ++i)
        if (outer->tabText(i) == QLatin1String("Consolidado"))
            outer->setCurrentIndex(i);
    if (!QTest::qWaitForWindowExposed(m_work))
        return nullptr;
    return f;
}

void TestConsolidado::type(const QString &keys)
{
    for (const QChar c : keys) {
        if (c == QLatin1Char('\t'))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        else if (c == QLatin1Char('\n')) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCoreApplication::processEvents(); // the editor stores its text once the key is handled
        } else
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
}

QString TestConsolidado::lineText(QWidget *root, const QString &caption)
{
    auto *box = qobject_cast<QLineEdit *>(findByCaption(root, caption));
    return box ? box->text() : QStringLiteral("<no box '%1'>").arg(caption);
}

void TestConsolidado::typedCountsGiveTheIndices()
{
    auto f = open();
    QVERIFY(f);
    EntradaDeDadosPage *entry = m_work->entryPage();
    DataGrid *grid = entry->DBGrid1();
    QVERIFY(grid->isVisible());
    QCOMPARE(TestSupport::unnamedControls(m_work), QStringList());
    QStringList headings;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        headings << grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    QCOMPARE(headings, QStringList({"Estrato", "Prog.", "Insp.", "TB", "Outros", "Total", "TB", "Outros", "Total", "A1",
                                    "A2", "B", "C", "D1", "D2", "E", "Total", "Critica", "Total"}));
    QStringList groups;
    for (QLabel *label : entry->findChildren<QLabel *>()) {
        groups << label->text();
        // "Ae. aegypti" stands over its three columns.
        if (label->text() == QLatin1String("Ae. aegypti")) {
            const QRect first = grid->visualRect(grid->model()->index(0, 3));
            const QRect last = grid->visualRect(grid->model()->index(0, 5));
            const QPoint left = grid->viewport()->mapTo(entry, first.topLeft());
            const QPoint right = grid->viewport()->mapTo(entry, last.topRight());
            const QRect span(label->mapTo(entry, QPoint(0, 0)), label->size());
            QVERIFY2(qAbs(span.left() - left.x()) <= 1 && qAbs(span.right() - right.x()) <= 1,
                     qPrintable(QStringLiteral("%1..%2 over %3..%4")
                                    .arg(span.left())
                                    .arg(span.right())
                                    .arg(left.x())
                                    .arg(right.x())));
            QVERIFY(span.bottom() < left.y());
        }
    }
    for (const char *g :
         {"Imóveis", "Ae. aegypti", "Ae. albopictus", "Tipos de recipientes para Ae. aegypti", "A", "D", "Recipientes",
          "Ae. alb.", "Frequência numérica de  criadouros de Ae. aegypti em todos os estratos"})
        QVERIFY2(groups.contains(QString::fromUtf8(g)) || findByCaption(entry, QString::fromUtf8(g)), g);

    // Qt's own checks of both grid models while the user types and calculates.
    QAbstractItemModelTester entryModel(grid->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester indicesModel(m_work->indicesPage()->DBGrid2()->model(),
                                          QAbstractItemModelTester::FailureReportingMode::Fatal);

    // Stratum 1 from "Insp.": 200 inspected, 3 TB and 2 others, containers A1 1, B 3, E 2.
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 2));
    type(QStringLiteral("200\t3\t2\t\t\t\t\t1\t\t3\t\t\t\t2\t"));
    // Stratum 2, typed with Enter: the same dwellings with only 4 containers.
    grid->setCurrentIndex(grid->model()->index(1, 2));
    QCOMPARE(f->sql(QStringLiteral("select ImoveisInspecionados, DepositoAegE from Consolidado where Estrato = 1")),
             QStringLiteral("200|2"));
    type(QStringLiteral("200\n3\n2\n\n\n\n\n1\n\n3\n"));
    clickCaption(entry, QStringLiteral("Cálculo"));
    QCOMPARE(Dialogs::shown().size(), 0);

    QCOMPARE(f->sql(QStringLiteral("select Estrato, ImoveisInspecionados, ImoveisComAegTB, ImoveisComAegOutros, "
                                   "DepositoAegA1, DepositoAegB, DepositoAegE, DepositoAegTotal, trim(Critica) "
                                   "from Consolidado")),
             QStringLiteral("1|200|3|2|1|3|2|6|OK !\n2|200|3|2|1|3||4|Verifique !"));
    QCOMPARE(f->sql(QStringLiteral("select Estrato, IIPaeg, IBaeg, PerdaNaAmostra, A1, B, E from Indices")),
             QStringLiteral("1|2.5|3.0|0.0|16.7|50.0|33.3\n2|2.5|2.0|9.1|25.0|75.0|0.0"));
    QCOMPARE(lineText(entry, QStringLiteral("Total de estratos :")), QStringLiteral("2"));
    QCOMPARE(lineText(entry, QStringLiteral("Total de imóveis programados :")), QStringLiteral("420"));
    QCOMPARE(lineText(entry, QStringLiteral("Total de imóveis inspecionados :")), QStringLiteral("400"));
    QCOMPARE(lineText(entry, QStringLiteral("B")), QStringLiteral("6"));
    QCOMPARE(lineText(entry, QStringLiteral("Total")), QStringLiteral("10"));

    // The cells as drawn: totals on teal, the verdict of stratum 2 in bold red.
    auto *delegate = qobject_cast<ConsolidadoDelegate *>(grid->itemDelegate());
    QVERIFY(delegate);
    QStyleOptionViewItem option;
    option.font = grid->font();
    delegate->DBGrid1DrawColumnCell(option, grid->model()->index(1, 17));
    QVERIFY(option.font.bold());
    QCOMPARE(option.palette.color(QPalette::Text), QColor(255, 0, 0));
    QStyleOptionViewItem okOption;
    okOption.font = grid->font();
    delegate->DBGrid1DrawColumnCell(okOption, grid->model()->index(0, 17));
    QVERIFY(!okOption.font.bold());
    grid->setCurrentIndex(grid->model()->index(0, 0));
    const QImage image = grid->viewport()->grab().toImage();
    const QRect total = grid->visualRect(grid->model()->index(1, 5));
    QCOMPARE(QColor(image.pixel(total.left() + 2, total.center().y())), QColor(0, 128, 128));
    const QRect plain = grid->visualRect(grid->model()->index(1, 3));
    QCOMPARE(QColor(image.pixel(plain.left() + 2, plain.center().y())), QColor(192, 220, 192));

    // The page "Índices" shows what was stored, under the shares of the classes.
    auto *inner = qobject_cast<QTabWidget *>(entry->parentWidget()->parentWidget());
    QVERIFY(inner);
    inner->setCurrentWidget(m_work->indicesPage());
    IndicesPage *indices = m_work->indicesPage();
    QCOMPARE(indices->DBGrid2()->model()->rowCount(), 2);
    QCOMPARE(indices->DBGrid2()->model()->index(1, 7).data().toString(), local(QStringLiteral("9.1")));
    QCOMPARE(indices->DBGrid2()->model()->index(0, 8).data().toString(), local(QStringLiteral("2.5")));
    QCOMPARE(lineText(indices, QStringLiteral("B")), local(QStringLiteral("60")));
    QCOMPARE(lineText(indices, QStringLiteral("A1")), local(QStringLiteral("20")));
}

void TestConsolidado::refusedCountIsReported()
{
    auto f = open();
    QVERIFY(f);
    DataGrid *grid = m_work->entryPage()->DBGrid1();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 2));
    type(QStringLiteral("2,5\t"));
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(Dialogs::shown().first().text,
             QStringLiteral("'2,5' is not a valid integer value for field 'ImoveisInspecionados'"));
    QCOMPARE(grid->currentIndex().column(), 2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("2,5"));
    // "Cálculo" with the refused text still in its cell: nothing computed, and
    // the message is not shown twice for one click.
    Dialogs::clearShown();
    clickCaption(m_work->entryPage(), QStringLiteral("Cálculo"));
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(f->sql(QStringLiteral("select count(*) from TotaisDoConsolidado")), QStringLiteral("0"));
    editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("2,5"));
    editor->selectAll();
    type(QStringLiteral("25\t"));
    QCOMPARE(grid->currentIndex().column(), 3);
    clickCaption(m_work->entryPage(), QStringLiteral("Cálculo"));
    QCOMPARE(f->sql(QStringLiteral("select ImoveisInspecionados from Consolidado where Estrato = 1")),
             QStringLiteral("25"));
}

void TestConsolidado::choosersFilterAndCount()
{
    auto f = open();
    QVERIFY(f);
    f->sql(QStringLiteral("delete from Indices; insert into Indices (Estrato, IIPaeg, IBaeg) values (1, 0.0, 5), "
                          "(2, 0.9, 0), (3, 1.0, 2), (4, 3.9, 101), (5, 4.0, 4), (6, 12.5, 9);"));
    f->app->DataModule1->ADOQueryIndices->refresh();
    auto *inner = qobject_cast<QTabWidget *>(m_work->indicesPage()->parentWidget()->parentWidget());
    inner->setCurrentWidget(m_work->indicesPage());
    IndicesPage *page = m_work->indicesPage();
    auto *iip =
        qobject_cast<QComboBox *>(findByCaption(page, QStringLiteral("N° de estratos para cada faixa de IIP :")));
    auto *ib = qobject_cast<QComboBox *>(findByCaption(page, QStringLiteral("N° de estratos para cada faixa de IB :")));
    QVERIFY(iip && ib);
    QCOMPARE(iip->currentText(), QStringLiteral("Selecionar uma consulta"));
    QCOMPARE(ib->currentText(), QStringLiteral("Selecionar uma consulta"));
    const auto choose = [](QComboBox *combo, const QString &text) {
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), text);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    };
    const auto count = [&](QComboBox *combo) {
        return lineText(combo->parentWidget(), QStringLiteral("N° de estratos"));
    };
    const auto listed = [&] {
        QStringList strata;
        QAbstractItemModel *model = page->DBGrid2()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            strata << model->index(r, 0).data().toString();
        return strata.join(QLatin1Char(' '));
    };
    choose(iip, QStringLiteral("1% =< IIP <= 3,9%"));
    QCOMPARE(count(iip), QStringLiteral("2"));
    QCOMPARE(listed(), QStringLiteral("3 4"));
    choose(iip, QStringLiteral("IIP >= 4%"));
    QCOMPARE(count(iip), QStringLiteral("2"));
    QCOMPARE(listed(), QStringLiteral("5 6"));
    choose(ib, QStringLiteral("IB >= 4%"));
    QCOMPARE(count(ib), QStringLiteral("4"));
    QCOMPARE(listed(), QStringLiteral("1 4 5 6"));
    QCOMPARE(count(iip), QStringLiteral("2")); // the other chooser keeps its number
    choose(ib, QStringLiteral("1% =< IB <= 3,9%"));
    QCOMPARE(count(ib), QStringLiteral("1"));
    choose(ib, QStringLiteral("0% =< IB <= 0,9%"));
    QCOMPARE(listed(), QStringLiteral("2"));
    iip->setCurrentIndex(iip->findText(QStringLiteral("Todos os registros")));
    emit iip->activated(iip->currentIndex());
    QCOMPARE(count(iip), QStringLiteral("6"));
    QCOMPARE(Dialogs::shown().size(), 0);
}

void TestConsolidado::statisticsButtonOpensTheStatistics()
{
    auto f = open();
    QVERIFY(f);
    clickCaption(m_work->entryPage(), QStringLiteral("Visualizar Bairros"));
    QVERIFY(f->app->FormVisualizarBairros->isVisible());
    IndicesPage *page = m_work->indicesPage();
    auto *inner = qobject_cast<QTabWidget *>(page->parentWidget()->parentWidget());
    inner->setCurrentWidget(page);
    QVERIFY(findByCaption(page, QStringLiteral("Relatório"))->isEnabled());
    QVERIFY(!f->app->FormEstatistica->isVisible());
    clickCaption(page, QStringLiteral("Estatística"));
    QVERIFY(f->app->FormEstatistica->isVisible());
    QCOMPARE(Dialogs::shown().size(), 0);
}

void TestConsolidado::reportOfTheTypedCounts()
{
    auto f = open();
    QVERIFY(f);
    DataGrid *grid = m_work->entryPage()->DBGrid1();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 2));
    type(QStringLiteral("187\t"));
    const QString pdf = f->folder.file(QStringLiteral("consolidado.pdf"));
    TestSupport::answerPdfFile(pdf);
    clickCaption(m_work->entryPage(), QStringLiteral("Relatório"));
    const QString text = TestSupport::pdfText(pdf);
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral(R"(Recife\s+PE\s+Jan/2026\s+Consolidação\s+de\s+dados)"))),
             qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral(R"(\n\s*2\s+220\s+187\s*\n)"))), qPrintable(text));
}

QTEST_MAIN(TestConsolidado)
#include "tst_consolidado.moc"
