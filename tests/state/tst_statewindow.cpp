#include "common/DataGrid.h"
#include "common/DataSet.h"
#include "state/StateData.h"
#include "state/app/KavelGridDelegate.h"
#include "state/app/TAboutBox.h"
#include "state/app/TFormAjuda.h"
#include "tests/state/StateAppFixture.h"
#include "tests/state/XlsxSheet.h"
#include "tests/support/ReportAnswers.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>

// The state module's window: browsing, labels, shading, classes, queries,
// deleting, export and printing, driven through its controls.
class TestStateWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowShowsEveryControl();
    void positionLabelsFollowTheGridAndNavigator();
    void evenRowsAreLightBlue();
    void classesAndQueriesDriveEveryView();
    void apagarDeletesTheRowsOfTheCurrentResult();
    void exportSavesIntoDocumentsAndOpensIt();
    void printWritesThePdf();
};

void TestStateWindow::windowShowsEveryControl()
{
    StateAppFixture f({QStringLiteral("1")});
    TFormPrincipal *w = f.window();
    QCOMPARE(w->windowTitle(), QStringLiteral("Nubrel Versão 1.2 - Dados consolidados dos Municípios"));
    QVERIFY(w->findChild<QLabel *>() != nullptr);
    for (const char *caption : {"Importar dados", "Ajuda", "Créditos", "Apagar todo o BD", "Sair do Sistema",
                                "Município :", "UF :", "Período :", "Cod.", "I.I.P. Aedes aegypti",
                                "I.B. Aedes albopictus", "Estratos com I.I.P. <= 0,9 N°", "E %", "Próximo registro",
                                "Excluir registro", "Gravar registro", "Cancelar edição", "Atualizar dados"})
        QVERIFY2(f.find(QString::fromUtf8(caption)), caption);
    QVERIFY(!f.find(QStringLiteral("Inserir registro")));
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("Município :"))->text(), QStringLiteral("M1"));
    QCOMPARE(TestSupport::unnamedControls(w), QStringList());

    f.showTab(QStringLiteral("Classificação"));
    for (const char *caption : {"Classificar municípios por faixa de IIP :", "Consultas SQL", "Comando SQL",
                                "Exportar para o Excel", "Imprimir", "Municípios"})
        QVERIFY2(f.find(QString::fromUtf8(caption)), caption);
    auto *combo = f.find<QComboBox>(QStringLiteral("Classificar municípios por faixa de IIP :"));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(3), QStringLiteral("IIP>=4"));
    auto *grid = f.find<DataGrid>(QStringLiteral("Municípios"));
    QCOMPARE(grid->model()->columnCount(), 28);
    QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("E<0,9_N°"));
    QCOMPARE(grid->horizontalHeader()->defaultAlignment(), Qt::AlignCenter);

    // Help beside the window, credits as a dialog.
    click(f, QStringLiteral("Ajuda"));
    QVERIFY(f.app->FormAjuda->isVisible());
    QVERIFY(f.app->FormAjuda->helpText().contains(QStringLiteral("Rio de Janeiro-RJ.nubrel")));
    click(f, QStringLiteral("Créditos"));
    QCOMPARE(Dialogs::shown().last().kind, QStringLiteral("choose"));
    QCOMPARE(Dialogs::shown().last().title, QStringLiteral("Créditos"));
    QVERIFY(f.app->AboutBox->findChild<QPushButton *>()->isDefault());
}

void TestStateWindow::positionLabelsFollowTheGridAndNavigator()
{
    {
        StateAppFixture empty;
        QCOMPARE(empty.window()->recordViewLabel(), QStringLiteral("Registro n°  -1  de  0"));
        QCOMPARE(empty.window()->tableViewLabel(), QStringLiteral("Registro n°  -1  de  0"));
    }
    StateAppFixture f(QStringList(12, QStringLiteral("1")));
    TFormPrincipal *w = f.window();
    QCOMPARE(w->recordViewLabel(), QStringLiteral("Registro n°  1  de  12"));
    click(f, QStringLiteral("Próximo registro"));
    click(f, QStringLiteral("Próximo registro"));
    QCOMPARE(w->recordViewLabel(), QStringLiteral("Registro n°  3  de  12"));
    QCOMPARE(w->tableViewLabel(), QStringLiteral("Registro n°  3  de  12"));

    f.showTab(QStringLiteral("Classificação"));
    auto *grid = f.find<DataGrid>(QStringLiteral("Municípios"));
    const QRect cell = grid->visualRect(grid->model()->index(4, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(w->tableViewLabel(), QStringLiteral("Registro n°  5  de  12"));
    QCOMPARE(w->recordViewLabel(), QStringLiteral("Registro n°  5  de  12"));
    QTest::keyClick(grid, Qt::Key_Down);
    QTRY_COMPARE(w->tableViewLabel(), QStringLiteral("Registro n°  6  de  12"));
    auto *periodo = w->findChild<QLabel *>(QStringLiteral("LabelPeriodo"));
    QCOMPARE(periodo->text(), QStringLiteral("Jan/2012"));
}

void TestStateWindow::evenRowsAreLightBlue()
{
    StateAppFixture f(QStringList(6, QStringLiteral("1")));
    f.showTab(QStringLiteral("Classificação"));
    auto *grid = f.find<DataGrid>(QStringLiteral("Municípios"));
    f.app->Data->ADOQueryKavel->moveTo(2);
    QApplication::processEvents();
    const QImage image = grid->viewport()->grab().toImage();
    const auto colourOf = [&](int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        return QColor(image.pixel(cell.left() + 2, cell.top() + 2));
    };
    QCOMPARE(colourOf(0), QColor(Qt::white));
    QCOMPARE(colourOf(2), QColor(Qt::white));
    QCOMPARE(colourOf(3), KavelGridDelegate::evenRows);
    QCOMPARE(colourOf(5), KavelGridDelegate::evenRows);
    // Row 2 is selected: the selection colour, not light blue.
    QVERIFY(colourOf(1) != KavelGridDelegate::evenRows);
    QVERIFY(colourOf(1) != QColor(Qt::white));
}

void TestStateWindow::classesAndQueriesDriveEveryView()
{
    StateAppFixture f({QStringLiteral("0.9"), QStringLiteral("0.95"), QStringLiteral("1"), QStringLiteral("4")});
    f.showTab(QStringLiteral("Classificação"));
    auto *combo = f.find<QComboBox>(QStringLiteral("Classificar municípios por faixa de IIP :"));
    auto *grid = f.find<DataGrid>(QStringLiteral("Municípios"));
    const DataSet &kavel = *f.app->Data->ADOQueryKavel;
    // Arrow keys walk the classes, each one narrowing the rows.
    const int expected[] = {4, 1, 1, 1};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), i);
        QCOMPARE(grid->model()->rowCount(), expected[i]);
    }
    QCOMPARE(kavel.asText(QStringLiteral("Municipio")), QStringLiteral("M4"));

    // A rejected statement: the engine's words, views empty.
    auto *memo = f.find<QPlainTextEdit>(QStringLiteral("Comando SQL"));
    QTest::keyClicks(memo, QStringLiteral("select * from Nada"));
    click(f, QStringLiteral("Consultas SQL"));
    QCOMPARE(f.errors().size(), 1);
    QVERIFY2(f.errors().first().contains(QStringLiteral("no such table")), qPrintable(f.errors().first()));
    QCOMPARE(grid->model()->rowCount(), 0);
    f.showTab(QStringLiteral("Dados consolidados do município"));
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("Município :"))->text(), QString());
    f.showTab(QStringLiteral("Classificação"));

    // An update is carried out, then reported.
    Dialogs::clearShown();
    memo->setPlainText(QStringLiteral("update Kavel\nset UF = 'SP' where Municipio = 'M2'"));
    click(f, QStringLiteral("Consultas SQL"));
    QCOMPARE(f.errors(), QStringList{QStringLiteral("CommandText does not return a result set")});
    QCOMPARE(f.sql(QStringLiteral("select Municipio from Kavel where UF = 'SP'")), QStringLiteral("M2"));

    // A query for one state.
    Dialogs::clearShown();
    memo->setPlainText(QStringLiteral("Select * from Kavel Where UF = 'SP'"));
    click(f, QStringLiteral("Consultas SQL"));
    QCOMPARE(f.errors(), QStringList());
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(kavel.asText(QStringLiteral("Municipio")), QStringLiteral("M2"));
}

void TestStateWindow::apagarDeletesTheRowsOfTheCurrentResult()
{
    StateAppFixture f({"0.5", "0.6", "1", "1.5", "2", "3.9", "4", "5", "6", "7", "0.1", "0.2"});
    f.showTab(QStringLiteral("Classificação"));
    auto *combo = f.find<QComboBox>(QStringLiteral("Classificar municípios por faixa de IIP :"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("IIP>=4"));

    // "Não" keeps them.
    Dialogs::answerNext(false);
    click(f, QStringLiteral("Apagar todo o BD"));
    QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Apagar os 4 registros da consulta atual?"));
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("12"));

    Dialogs::answerNext(true);
    click(f, QStringLiteral("Apagar todo o BD"));
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("8"));
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel where IIP >= 4")), QStringLiteral("0"));
    QCOMPARE(f.find<DataGrid>(QStringLiteral("Municípios"))->model()->rowCount(), 0);

    // An empty result: nothing asked, nothing deleted.
    Dialogs::clearShown();
    click(f, QStringLiteral("Apagar todo o BD"));
    QCOMPARE(Dialogs::shown().size(), 0);
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("8"));
}

void TestStateWindow::exportSavesIntoDocumentsAndOpensIt()
{
    StateAppFixture f({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5")});
    qputenv("HOME", f.state.folder.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(documents.startsWith(f.state.folder.path()));
    f.showTab(QStringLiteral("Classificação"));
    click(f, QStringLiteral("Exportar para o Excel"));
    QCOMPARE(f.errors(), QStringList());
    const QString name = QStringLiteral("M3-RJ-Consolidado Estados.xlsx");
    const QString path = QDir(documents).filePath(name);
    QVector<Dialogs::Shown> shown = Dialogs::shown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].text, QStringLiteral("O arquivo será salvo como \"%1\"  na pasta Meus Documentos").arg(name));
    QCOMPARE(shown[1].kind, QStringLiteral("desktop"));
    QCOMPARE(shown[1].text, path);
    QCOMPARE(XlsxSheet(path).cells.value(QStringLiteral("B15")).text, QStringLiteral("M3"));
    QCOMPARE(f.app->Data->ADOQueryKavel->recNo(), 3);

    // An existing workbook is replaced only when the user agrees.
    f.sql(QStringLiteral("update Kavel set Municipio = 'M3' where Municipio = 'M1'"));
    f.app->Data->ADOQueryKavel->refresh();
    Dialogs::clearShown();
    Dialogs::answerNext(QVariant()); // the message
    Dialogs::answerNext(false);
    click(f, QStringLiteral("Exportar para o Excel"));
    QCOMPARE(XlsxSheet(path).cells.value(QStringLiteral("B13")).text, QStringLiteral("M1"));
    QCOMPARE(Dialogs::shown().last().kind, QStringLiteral("question"));
    Dialogs::clearShown();
    Dialogs::answerNext(QVariant());
    Dialogs::answerNext(true);
    click(f, QStringLiteral("Exportar para o Excel"));
    QCOMPARE(XlsxSheet(path).cells.value(QStringLiteral("B13")).text, QStringLiteral("M3"));
    QCOMPARE(Dialogs::shown().last().kind, QStringLiteral("desktop"));
    QCOMPARE(QDir(documents).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void TestStateWindow::printWritesThePdf()
{
    StateAppFixture f({QStringLiteral("1"), QStringLiteral("4.5")});
    f.showTab(QStringLiteral("Classificação"));
    auto *combo = f.find<QComboBox>(QStringLiteral("Classificar municípios por faixa de IIP :"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    const QString pdf = f.state.folder.file(QStringLiteral("r.pdf"));
    TestSupport::answerPdfFile(pdf);
    click(f, QStringLiteral("Imprimir"));
    QCOMPARE(f.errors(), QStringList());
    QCOMPARE(Dialogs::shown().first().title, QStringLiteral("Output Options"));
    const QString text = TestSupport::pdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("Módulo do Estado")));
    QVERIFY(text.contains(QStringLiteral("M2")));
    QVERIFY(!text.contains(QStringLiteral("M1")));
}

QTEST_MAIN(TestStateWindow)
#include "tst_statewindow.moc"
