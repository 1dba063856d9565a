#include "common/DataGrid.h"
#include "common/DataSet.h"
#include "municipal/app/TFormDadosGerais.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/sampling/DefinicaoQuartPage.h"
#include "municipal/sampling/NeighbourhoodDelegate.h"
#include "municipal/sampling/PlanoAmostralPage.h"
#include "municipal/sampling/TFormVisualizarBairros.h"
#include "municipal/sampling/WorkingValues.h"
#include "tests/gui/AppFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTabWidget>

using TestSupport::findByCaption;

namespace {

const QString registration =
    QStringLiteral("insert into Cadastro values (2611606, 'Recife', 'PE', 520000, 'Jan/2026', '2026');");

QString text(QWidget *root, const QString &caption)
{
    QWidget *w = findByCaption(root, caption);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *p = qobject_cast<QPlainTextEdit *>(w))
        return p->toPlainText();
    return QStringLiteral("<no box '%1'>").arg(caption);
}

void typeInto(QWidget *root, const QString &caption, const QString &typed)
{
    auto *box = qobject_cast<QLineEdit *>(findByCaption(root, caption));
    QVERIFY2(box, qPrintable(caption));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
}

} // namespace

class TestSampling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // documents go into a folder of the test's own
        m_home = TestSupport::ownHome();
    }

    void planAndBlocksThroughThePages()
    {
        AppFixture f(registration);
        TFormDadosGerais *work = f.app->FormDadosGerais;
        work->planPage()->setSeedSource([] { return 99999u; });
        work->show();
        QVERIFY(QTest::qWaitForWindowExposed(work));
        QCOMPARE(TestSupport::unnamedControls(work), QStringList());

        clickCaption(work, QStringLiteral("Novo Estrato"));
        QCOMPARE(text(work, QStringLiteral("Estrato :")), QStringLiteral("1"));
        QCOMPARE(QApplication::focusWidget(), findByCaption(work, QStringLiteral("Número de imóveis no estrato :")));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10000"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(text(work, QStringLiteral("Tamanho da amostra :")), QStringLiteral("431"));
        QCOMPARE(QApplication::focusWidget(),
                 findByCaption(work, QStringLiteral("Número de quarteirões no estrato :")));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("100"));
        Dialogs::answerNext(QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

        // 100 dwellings a block, 431 / (100 / 5) = 21.55 blocks, interval 100 / 22
        QCOMPARE(text(work, QStringLiteral("Estimativa de imóveis por quarteirão :")), QStringLiteral("100"));
        QCOMPARE(text(work, QStringLiteral("Quart. que comporão a amostra :")), QStringLiteral("22"));
        QCOMPARE(text(work, QStringLiteral("Intervalo de quarteirões :")),
                 TestSupport::local(QStringLiteral("4.54545")));
        QCOMPARE(text(work, QStringLiteral("Quarteirão inicial :")), QStringLiteral("4"));
        QCOMPARE(QApplication::focusWidget(), findByCaption(work, QStringLiteral("Estrato :")));
        QCOMPARE(f.sql(QStringLiteral(
                     "select Estrato, NumeroDeImoveisNoEstrato, TamanhoDaAmostra, QuartInicial from PlanoAmostral")),
                 QStringLiteral("1|10000|431.0|4"));
        QCOMPARE(f.sql(QStringLiteral("select Estrato, ImoveisProgramados from Consolidado")), QStringLiteral("1|431"));

        // the neighbourhood page
        work->parametersPages()->setCurrentWidget(work->blocksPage());
        clickCaption(work, QStringLiteral("Novo item"));
        QCOMPARE(text(work, QStringLiteral("Estrato :")), QStringLiteral("1"));
        typeInto(work, QStringLiteral("Item :"), QStringLiteral("1"));
        typeInto(work, QStringLiteral("Bairro :"), QStringLiteral("Centro"));
        typeInto(work, QStringLiteral("Quarteirões :"), QStringLiteral("10"));
        clickCaption(work, QStringLiteral("Cálculo"));
        QCOMPARE(text(work, QStringLiteral("Quarteirões a serem trabalhados :")), QStringLiteral("4  -  8"));
        QCOMPARE(text(work, QStringLiteral("Total de quarteirões a inspecionar do Bairro :")), QStringLiteral("2"));
        QCOMPARE(text(work, QStringLiteral("Total de quarteirões a inspecionar no estrato :")), QStringLiteral("2"));
        QCOMPARE(text(work, QStringLiteral("Total de quarteirões que comporão a amostra :")), QStringLiteral("22"));
        QCOMPARE(text(work, QStringLiteral("Observação")), QStringLiteral("Quarteirões a trabalhar"));
        QCOMPARE(f.sql(QStringLiteral("select Estrato, Item, Bairro, QuarteiroesATrabalhar from DefinicaoQuart")),
                 QStringLiteral("1|1|Centro|4  -  8"));

        // the document of the current neighbourhood
        auto *print = findByCaption(work, QStringLiteral("Imprimir"));
        QVERIFY(!print->isEnabled());
        clickCaption(work, QStringLiteral("Imprimir todos os bairros do estrato atual"));
        clickCaption(work, QStringLiteral("Imprimir o bairro atual"));
        QVERIFY(!qobject_cast<QCheckBox *>(
                     findByCaption(work, QStringLiteral("Imprimir todos os bairros do estrato atual")))
                     ->isChecked());
        Dialogs::clearShown();
        clickCaption(work, QStringLiteral("Imprimir"));
        const auto shown = Dialogs::shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].kind, QStringLiteral("desktop"));
        const QString path = shown[1].text;
        QVERIFY2(shown[0].text.contains(path), qPrintable(shown[0].text));
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(m_home->path()).filePath(QStringLiteral("Documents")));
        QVERIFY(QFileInfo(path).size() > 0);
        QVERIFY(!print->isEnabled());
        QVERIFY(
            !qobject_cast<QCheckBox *>(findByCaption(work, QStringLiteral("Imprimir o bairro atual")))->isChecked());
        // the desktop cannot open the document: the step stops, the ticked box stays
        clickCaption(work, QStringLiteral("Imprimir o bairro atual"));
        Dialogs::clearShown();
        Dialogs::answerNext(QVariant()); // the "written to" message
        Dialogs::answerNext(false);      // no application opens it
        clickCaption(work, QStringLiteral("Imprimir"));
        QCOMPARE(Dialogs::shown().last().kind, QStringLiteral("error"));
        QVERIFY(Dialogs::shown().last().text.contains(QStringLiteral("não pôde ser aberto")));
        QVERIFY(qobject_cast<QCheckBox *>(findByCaption(work, QStringLiteral("Imprimir o bairro atual")))->isChecked());
        QVERIFY(print->isEnabled());
        clickCaption(work, QStringLiteral("Imprimir o bairro atual")); // untick

        // with nothing ticked, no document
        Dialogs::clearShown();
        clickCaption(work, QStringLiteral("Imprimir"));
        QVERIFY(Dialogs::shown().isEmpty());
        QVERIFY(!print->isEnabled());

        // the plan report through its button
        work->parametersPages()->setCurrentIndex(0);
        const QString pdf = f.folder.file(QStringLiteral("plano.pdf"));
        Dialogs::answerNext(QStringLiteral("pdf"));
        Dialogs::answerNext(pdf);
        clickCaption(work, QStringLiteral("Relatório"));
        const QString report = TestSupport::pdfText(pdf);
        QVERIFY2(report.contains(QStringLiteral("Recife")) && report.contains(QStringLiteral("Jan/2026")),
                 qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("4,54545")) || report.contains(QStringLiteral("4.54545")));
    }

    // Stratum 1 planned through the page with the seed 99999 (start 4), then results typed.
    static void planStratumWithResults(AppFixture &f)
    {
        TFormDadosGerais *work = f.app->FormDadosGerais;
        // every new draw takes another seed
        work->planPage()->setSeedSource([seed = 99999u]() mutable { return seed++; });
        work->show();
        QVERIFY(QTest::qWaitForWindowExposed(work));
        clickCaption(work, QStringLiteral("Novo Estrato"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10000"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("100"));
        Dialogs::answerNext(QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(text(work, QStringLiteral("Quarteirão inicial :")), QStringLiteral("4"));
        f.sql(QStringLiteral("update Consolidado set ImoveisInspecionados = 400"));
        Dialogs::clearShown();
    }

    static QString planAndResults(const AppFixture &f)
    {
        return f.sql(QStringLiteral(
            "select Estrato, EstimativaDeImoveisPorQuart, QuartQueComporaoAmostra, IntervaloDeQuart, QuartInicial "
            "from PlanoAmostral; select * from Consolidado; select * from Indices; select * from Necessidades"));
    }

    void buttonsLeaveTheBlockPlanAlone_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Novo Estrato") << "Novo Estrato";
        QTest::newRow("Relatório") << "Relatório";
        QTest::newRow("a move") << "Último estrato";
        QTest::newRow("Excluir") << "Excluir";
    }

    void buttonsLeaveTheBlockPlanAlone()
    {
        QFETCH(QString, button);
        AppFixture f(registration);
        planStratumWithResults(f);
        TFormDadosGerais *work = f.app->FormDadosGerais;
        const QString before = planAndResults(f);
        QWidget *blocks = findByCaption(work, QStringLiteral("Número de quarteirões no estrato :"));
        typeInto(work, QStringLiteral("Número de quarteirões no estrato :"), QStringLiteral("120"));
        // a click on a button leaves the focus in the box: no block plan runs
        clickCaption(work, button);
        QCOMPARE(QApplication::focusWidget() == blocks, button != QLatin1String("Novo Estrato"));
        for (const Dialogs::Shown &shown : Dialogs::shown())
            QVERIFY2(shown.text == QLatin1String("Deseja gravar o registro ?")
                         || shown.text == QLatin1String("Deletar este registro?") || shown.kind == "choose",
                     qPrintable(shown.text));
        QCOMPARE(planAndResults(f), before);
        if (button == QLatin1String("Novo Estrato"))
            QCOMPARE(text(work, QStringLiteral("Estrato :")), QStringLiteral("2"));
    }

    void tabbingThroughUnchangedBlocksKeepsThePlan()
    {
        AppFixture f(registration);
        planStratumWithResults(f);
        TFormDadosGerais *work = f.app->FormDadosGerais;
        const QString before = planAndResults(f);
        QWidget *blocks = findByCaption(work, QStringLiteral("Número de quarteirões no estrato :"));
        // through both boxes without a change: nothing is asked, nothing changes
        findByCaption(work, QStringLiteral("Número de imóveis no estrato :"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), blocks);
        QTest::keyClick(blocks, Qt::Key_Tab);
        QVERIFY2(Dialogs::shown().isEmpty(), qPrintable(Dialogs::shown().value(0).text));
        QCOMPARE(planAndResults(f), before);
        QCOMPARE(text(work, QStringLiteral("Quarteirão inicial :")), QStringLiteral("4"));

        // a changed count asks first; "Não" keeps everything and shows the stored count again
        typeInto(work, QStringLiteral("Número de quarteirões no estrato :"), QStringLiteral("120"));
        Dialogs::answerNext(false);
        QTest::keyClick(blocks, Qt::Key_Tab);
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().last().text,
                 QStringLiteral("Os resultados digitados em Consolidado serão apagados. Deseja continuar?"));
        QCOMPARE(text(work, QStringLiteral("Número de quarteirões no estrato :")), QStringLiteral("100"));
        QCOMPARE(planAndResults(f), before);

        // "Sim" plans the stratum anew
        typeInto(work, QStringLiteral("Número de quarteirões no estrato :"), QStringLiteral("120"));
        Dialogs::answerNext(true);
        Dialogs::answerNext(QStringLiteral("2"));
        QTest::keyClick(blocks, Qt::Key_Tab);
        QCOMPARE(f.sql(QStringLiteral("select NumeroDeQuarteiroesNoEstrato, EstimativaDeImoveisPorQuart from "
                                      "PlanoAmostral; select quote(ImoveisInspecionados) from Consolidado")),
                 QStringLiteral("120|84.0\nNULL"));
    }

    void realNeighbourhoodQuestion()
    {
        AppFixture f(registration);
        TFormDadosGerais *work = f.app->FormDadosGerais;
        work->show();
        QVERIFY(QTest::qWaitForWindowExposed(work));
        clickCaption(work, QStringLiteral("Novo Estrato"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3000"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("77"));
        Dialogs::setScripted(false);
        QString title;
        QString label;
        TestSupport::whenModal([&](QWidget *w) {
            auto *input = qobject_cast<QInputDialog *>(w);
            if (!input)
                return false;
            title = input->windowTitle();
            label = input->labelText();
            QTest::keyClicks(input->findChild<QLineEdit *>(), QStringLiteral("4"));
            QTest::keyClick(input->findChild<QLineEdit *>(), Qt::Key_Return);
            return true;
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Dialogs::setScripted(true);
        QCOMPARE(title, QStringLiteral("Obrigatório"));
        QCOMPARE(label, QStringLiteral("Informe o número de bairros a serem computados neste estrato"));
        QCOMPARE(work->findChild<WorkingValues *>()->BairrosAnunciados, QStringLiteral("4"));
        QCOMPARE(f.sql(QStringLiteral("select Estrato, ImoveisProgramados from Consolidado")), QStringLiteral("1|231"));
    }

    void strataMovesEnableEachOther()
    {
        AppFixture f(registration
                     + QStringLiteral("insert into PlanoAmostral (CodigoMunicipio, Estrato) values "
                                      "(2611606, 1), (2611606, 2), (2611606, 3);"));
        TFormDadosGerais *work = f.app->FormDadosGerais;
        work->show();
        const QStringList hints = {QStringLiteral("Primeiro estrato"), QStringLiteral("Estrato anterior"),
                                   QStringLiteral("Próximo estrato"), QStringLiteral("Último estrato")};
        const auto enabled = [&] {
            QString flags;
            for (const QString &h : hints)
                flags += findByCaption(work, h)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
            return flags;
        };
        clickCaption(work, hints[3]);
        QCOMPARE(enabled(), QStringLiteral("1100"));
        QCOMPARE(text(work, QStringLiteral("Estrato :")), QStringLiteral("3"));
        clickCaption(work, hints[1]);
        QCOMPARE(enabled(), QStringLiteral("1111"));
        clickCaption(work, hints[1]);
        QCOMPARE(enabled(), QStringLiteral("1111")); // on the first row, the beginning not yet hit
        clickCaption(work, hints[1]);
        QCOMPARE(enabled(), QStringLiteral("0011"));
        clickCaption(work, hints[2]);
        QCOMPARE(enabled(), QStringLiteral("1111"));
        QCOMPARE(text(work, QStringLiteral("Estrato :")), QStringLiteral("2"));
        clickCaption(work, hints[0]);
        QCOMPARE(enabled(), QStringLiteral("0011"));
    }

    void neighbourhoodView()
    {
        const QString longList =
            QStringLiteral("1  -  4  -  7  -  10  -  13  -  16  -  19  -  22  -  25  -  28  -  31  -  34  -  "
                           "37  -  40  -  43  -  46  -  49  -  52  -  55  -  58  -  61  -  64");
        AppFixture f(
            registration
            + QStringLiteral("insert into PlanoAmostral (CodigoMunicipio, Estrato) values (2611606, 1), (2611606, 2);"
                             "insert into Consolidado (Estrato) values (1), (2);"
                             "insert into DefinicaoQuart (Estrato, Item, Bairro, QuarteiroesATrabalhar) values "
                             "(1, 1, 'Centro', '1  -  3'), (1, 2, 'Várzea', '%1'), (1, 3, 'Graças', '2'),"
                             "(2, 1, 'Boa Vista', '5  -  9');")
                  .arg(longList));
        TFormDadosGerais *work = f.app->FormDadosGerais;
        work->show();
        work->parametersPages()->setCurrentIndex(1);
        clickCaption(work, QStringLiteral("Visualizar total de bairros"));
        TFormVisualizarBairros *view = f.app->FormVisualizarBairros;
        QVERIFY(view->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QCOMPARE(view->windowTitle(), QStringLiteral("Visualização do total de bairros que compõe os estratos"));
        QCOMPARE(TestSupport::unnamedControls(view), QStringList());
        DataGrid *grid = view->grid();
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Quarteiroes a trabalhar"));

        // the even record is painted light blue; the long list wraps in its cell
        view->resize(500, 400);
        QTest::qWait(20);
        grid->setColumnWidth(0, 120);
        const QImage shot = grid->viewport()->grab().toImage();
        const QRect second = grid->visualRect(grid->model()->index(1, 0));
        QCOMPARE(QColor(shot.pixel(second.left() + 2, second.top() + 2)), NeighbourhoodDelegate::evenRowColour());
        const QRect first = grid->visualRect(grid->model()->index(2, 0));
        QVERIFY(QColor(shot.pixel(first.left() + 2, first.top() + 2)) != NeighbourhoodDelegate::evenRowColour());
        QVERIFY2(grid->rowHeight(1) >= 2 * grid->rowHeight(2), "the long block list did not wrap");

        // choosing another stratum shows its items and leaves the plan where it was
        auto *chooser = qobject_cast<QComboBox *>(findByCaption(view, QStringLiteral("Selecionar um estrato :")));
        QCOMPARE(chooser->count(), 2);
        chooser->setFocus();
        QTest::keyClicks(chooser, QStringLiteral("2"));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("Boa Vista"));
        QCOMPARE(f.app->DataModule1->ADOTablePlanoAmostral->asText(QStringLiteral("Estrato")), QStringLiteral("1"));

        // closing links the items to the current stratum again
        clickCaption(view, QStringLiteral("Fechar"));
        QVERIFY(!view->isVisible());
        QCOMPARE(f.app->DataModule1->ADOTableDefQuart->recordCount(), 3);
        f.app->DataModule1->ADOTablePlanoAmostral->next();
        QCOMPARE(f.app->DataModule1->ADOTableDefQuart->recordCount(), 1);

        // the view's moves go over the plan's strata and the grid follows
        view->show();
        clickCaption(view, QStringLiteral("Primeiro estrato"));
        QCOMPARE(grid->model()->rowCount(), 3);
        clickCaption(view, QStringLiteral("Próximo estrato"));
        QCOMPARE(grid->model()->rowCount(), 1);
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

QTEST_MAIN(TestSampling)
#include "tst_sampling.moc"
