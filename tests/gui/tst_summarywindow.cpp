#include "common/DataSet.h"
#include "municipal/app/TFormDadosGerais.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/summary/TFormKavel.h"
#include "tests/gui/AppFixture.h"
#include "tests/support/ReportAnswers.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// What a calculation stores for three strata of São Gonçalo.
const char *const calculatedSurvey =
    "insert into Cadastro values (3304904, 'São Gonçalo', 'RJ', 300000, 'Jan/2026', '2026');"
    "insert into Consolidado (Estrato, ImoveisComAegTotal, ImoveisComAlbTotal, DepositoAegTotal, DepositoAlbTotal)"
    "  values (1, 1, 0, 2, 0), (2, 3, 1, 4, 1), (3, 0, 0, 0, 0);"
    "insert into TotaisDoConsolidado (TotalImoveisInspecionados, TotalDepositoA1, TotalDepositoA2, TotalDepositoB,"
    "  TotalDepositoC, TotalDepositoD1, TotalDepositoD2, TotalDepositoE) values (200, 1, 0, 2, 0, 3, 0, 0);"
    "insert into Indices (Estrato, IIPaeg) values (1, 0.9), (2, 4), (3, NULL);"
    "insert into PercentuaisCriadouros values (16.7, 0, 33.3, 0, 50, 0, 0);";

// The boxes after generating: the stored numbers in their plain form, written with '.'.
const QStringList storedRecord = {"São Gonçalo", "RJ",   "2", "3", "1",        "33.33",   "0",   "0",  "1", "33.33",
                                  "1",           "16.7", "0", "0", "2",        "33.3",    "0",   "0",  "3", "50",
                                  "0",           "0",    "0", "0", "Jan/2026", "3304904", "0.5", "0.5"};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The summary file expected for these texts, the municipality's name in Windows-1252.
QByteArray expectedFile(const QStringList &texts)
{
    QByteArray bytes = "1\r\n30\r\nS\xE3o Gon\xE7"
                       "alo\r\n";
    for (int row = 1; row < 30; ++row)
        bytes += TestSupport::local(texts.value(row)).toLatin1() + "\r\n";
    return bytes;
}

QLineEdit *boxIn(QWidget *root, const QString &caption)
{
    return qobject_cast<QLineEdit *>(TestSupport::findByCaption(root, caption));
}

} // namespace

class TestSummaryWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<AppFixture>(QString::fromUtf8(calculatedSurvey)); }
    void cleanup() { f.reset(); }

    void generatesAndShowsTheStoredRecord();
    void writesTheShownTextsAndAsksBeforeReplacing();
    void cancellingTheSaveDialogWritesNothing();
    void printsReport6();
    void failedGenerationKeepsTheStoredRecord();

private:
    TFormKavel *generate();
    std::unique_ptr<AppFixture> f;
};

TFormKavel *TestSummaryWindow::generate()
{
    TFormDadosGerais *work = f->app->FormDadosGerais;
    work->show();
    clickCaption(work, QStringLiteral("Gerar dados para Kavel"));
    return f->app->FormKavel;
}

void TestSummaryWindow::generatesAndShowsTheStoredRecord()
{
    // A risk filter chosen on the indices page.
    f->app->DataModule1->ADOQueryIndices->setStatement(QStringLiteral("Select * from Indices where IIPaeg>=4.0"));
    f->app->DataModule1->ADOQueryIndices->open();
    TFormKavel *kavel = generate();
    QVERIFY(kavel->isVisible());
    QCOMPARE(kavel->windowTitle(), QStringLiteral("Geração de dados para Dorsk-Kavel"));
    QCOMPARE(Dialogs::shown().size(), 0);

    QStringList expected;
    for (const QString &text : storedRecord)
        expected << TestSupport::local(text);
    QCOMPARE(kavel->shownTexts(), expected);
    QCOMPARE(f->sql(QStringLiteral("select count(*), IIP, IB, \"E<0,9_%\" from Kavel;")).trimmed(),
             QStringLiteral("1|2.0|3.0|33.33"));
    QCOMPARE(f->app->DataModule1->ADOQueryIndices->statement(), TDataModule1::allIndices);

    // Every box is found by its caption and shows its field.
    const QList<std::pair<const char *, const char *>> captions = {{"Município:", "São Gonçalo"},
                                                                   {"UF:", "RJ"},
                                                                   {"Cod.", "3304904"},
                                                                   {"Período :", "Jan/2026"},
                                                                   {"Estratos <= 0,9", "1"},
                                                                   {"Estratos <= 0,9 %", "33.33"},
                                                                   {"1,0 =< Estratos <= 3,9", "0"},
                                                                   {"Estratos >=4,0 %", "33.33"},
                                                                   {"A1", "1"},
                                                                   {"A1 %", "16.7"},
                                                                   {"D1 %", "50"},
                                                                   {"E %", "0"}};
    for (const auto &[caption, text] : captions) {
        QLineEdit *box = boxIn(kavel, QString::fromUtf8(caption));
        QVERIFY2(box, caption);
        QCOMPARE(box->text(), TestSupport::local(QString::fromUtf8(text)));
    }
    auto *albopictus = qobject_cast<QGroupBox *>(TestSupport::findByCaption(kavel, QStringLiteral("Aedes albopictus")));
    QVERIFY(albopictus);
    QCOMPARE(boxIn(albopictus, QStringLiteral("IB:"))->text(), TestSupport::local(QStringLiteral("0.5")));
    auto *aegypti = qobject_cast<QGroupBox *>(TestSupport::findByCaption(kavel, QStringLiteral("Aedes aegypti")));
    QVERIFY(aegypti);
    QCOMPARE(boxIn(aegypti, QStringLiteral("IIP:"))->text(), QStringLiteral("2"));
    QCOMPARE(TestSupport::unnamedControls(kavel), QStringList());

    // Generating again leaves one row; "Fechar" hides the window, the record stays.
    clickCaption(f->app->FormDadosGerais, QStringLiteral("Gerar dados para Kavel"));
    clickCaption(kavel, QStringLiteral("Fechar"));
    QVERIFY(!kavel->isVisible());
    QCOMPARE(f->sql(QStringLiteral("select count(*), Municipio from Kavel;")).trimmed(),
             QStringLiteral("1|São Gonçalo"));
}

void TestSummaryWindow::writesTheShownTextsAndAsksBeforeReplacing()
{
    TFormKavel *kavel = generate();
    // A value corrected in a box reaches the file as typed.
    QWidget *aegypti = TestSupport::findByCaption(kavel, QStringLiteral("Aedes aegypti"));
    QVERIFY(aegypti);
    QLineEdit *ib = boxIn(aegypti, QStringLiteral("IB:"));
    QVERIFY(ib);
    ib->selectAll();
    QTest::keyClicks(ib, TestSupport::local(QStringLiteral("3.5")));
    QStringList texts = storedRecord;
    texts[3] = QStringLiteral("3.5");

    const QString path = f->folder.file(QStringLiteral("São Gonçalo-RJ"));
    Dialogs::answerNext(path);
    clickCaption(kavel, QStringLiteral("Gerar"));
    QCOMPARE(fileBytes(path), expectedFile(texts));
    const Dialogs::Shown save = Dialogs::shown().value(0);
    QCOMPARE(save.kind, QStringLiteral("save"));
    QVERIFY2(save.text.endsWith(QStringLiteral("/São Gonçalo-RJ.nubrel")), qPrintable(save.text));
    QCOMPARE(Dialogs::shown().size(), 1);
    // Writing leaves the stored record as it was.
    QCOMPARE(f->sql(QStringLiteral("select IB from Kavel;")).trimmed(), QStringLiteral("3.0"));

    // Replacing asks first; "Não" keeps the earlier file.
    ib->selectAll();
    QTest::keyClicks(ib, QStringLiteral("4"));
    Dialogs::clearShown();
    Dialogs::answerNext(path);
    Dialogs::answerNext(false);
    clickCaption(kavel, QStringLiteral("Gerar"));
    QCOMPARE(Dialogs::shown().value(1).kind, QStringLiteral("question"));
    QVERIFY(Dialogs::shown().value(1).text.contains(QStringLiteral("já existe")));
    QCOMPARE(fileBytes(path), expectedFile(texts));
    // "Sim" replaces it.
    Dialogs::answerNext(path);
    Dialogs::answerNext(true);
    clickCaption(kavel, QStringLiteral("Gerar"));
    texts[3] = QStringLiteral("4");
    QCOMPARE(fileBytes(path), expectedFile(texts));

    // A folder that does not exist: the input/output error is shown, nothing is written.
    Dialogs::clearShown();
    Dialogs::answerNext(f->folder.file(QStringLiteral("nada/São Gonçalo-RJ.nubrel")));
    clickCaption(kavel, QStringLiteral("Gerar"));
    QCOMPARE(Dialogs::shown().value(1).kind, QStringLiteral("error"));
    QVERIFY(!QFile::exists(f->folder.file(QStringLiteral("nada"))));

    // "Fechar" keeps the corrected value in the record.
    clickCaption(kavel, QStringLiteral("Fechar"));
    QCOMPARE(f->sql(QStringLiteral("select IB from Kavel;")).trimmed(), QStringLiteral("4.0"));
}

void TestSummaryWindow::cancellingTheSaveDialogWritesNothing()
{
    TFormKavel *kavel = generate();
    Dialogs::answerNext(QVariant());
    clickCaption(kavel, QStringLiteral("Gerar"));
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(QDir(f->folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Nubrel2012Municipios.db")});
}

void TestSummaryWindow::printsReport6()
{
    TFormKavel *kavel = generate();
    const QString pdf = f->folder.file(QStringLiteral("kavel.pdf"));
    TestSupport::answerPdfFile(pdf);
    clickCaption(kavel, QStringLiteral("Imprimir"));
    const QString text = TestSupport::pdfText(pdf);
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 1);
    const QString d = QRegularExpression::escape(TestSupport::decimalPoint());
    const QString pattern =
        QStringLiteral(
            R"(Kavel\s+-\s+Pelvane\s+Nubrel\s+São Gonçalo\s+RJ\s+Jan/2026\s+Consolidado geral do Município\s+)"
            R"(Índices\s+Aedes aegypti\s+Aedes albopictus\s+IIP - 2\s+IIP - 0#5\s+IB - 3\s+IB - 0#5\s+)"
            R"(N° e percentual de estratos em faixas de IIP para Aedes aegypti\s+Numero\s+Percentual\s+)"
            R"(Estratos <= 0,9\s*-\s+1\s+33#33\s+1=< Estratos <=3,9\s*-\s+0\s+0\s+Estratos >= 4,0\s*-\s+1\s+33#33\s+)"
            R"(N° e percentual de criadouros para Aedes aegypti\s+Número\s+Percentual\s+)"
            R"(A1\s*-\s+1\s+16#7\s+A2\s*-\s+0\s+0\s+B\s*-\s+2\s+33#3\s+C\s*-\s+0\s+0\s+D1\s*-\s+3\s+50\s+D2\s*-\s+0\s+0\s+E\s*-\s+0\s+0\s+)"
            R"(Kavel\s+-\s+Pelvane\s+1\s*$)")
            .replace(QLatin1Char('#'), d);
    QVERIFY2(QRegularExpression(pattern).match(pages[0]).hasMatch(), qPrintable(pages[0].right(500)));
}

void TestSummaryWindow::failedGenerationKeepsTheStoredRecord()
{
    TFormKavel *kavel = generate();
    // The registration takes 35 characters, the record's name 32.
    const QString longName = QStringLiteral("Município de nome longo demais xyzw");
    QCOMPARE(longName.size(), 35);
    f->sql(QStringLiteral("update Cadastro set Municipio = '%1';").arg(longName));
    f->app->DataModule1->ADOTableCadastro->refresh();
    Dialogs::clearShown();
    clickCaption(f->app->FormDadosGerais, QStringLiteral("Gerar dados para Kavel"));
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(Dialogs::shown()[0].kind, QStringLiteral("error"));
    QVERIFY2(Dialogs::shown()[0].text.contains(longName), qPrintable(Dialogs::shown()[0].text));
    QCOMPARE(boxIn(kavel, QStringLiteral("Município:"))->text(), QStringLiteral("São Gonçalo"));
    QCOMPARE(f->sql(QStringLiteral("select count(*), Municipio, IIP from Kavel;")).trimmed(),
             QStringLiteral("1|São Gonçalo|2.0"));
}

QTEST_MAIN(TestSummaryWindow)
#include "tst_summarywindow.moc"
