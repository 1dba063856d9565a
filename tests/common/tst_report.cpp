#include "common/Dialogs.h"
#include "common/StepError.h"
#include "common/report/ReportCanvas.h"
#include "common/report/ReportEngine.h"
#include "common/report/ReportOutputDialog.h"
#include "tests/support/ReportAnswers.h"
#include "tests/support/TestSupport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

// A layout with a header and a footer on every page and more lines than fit on one.
class LinesReport : public ReportLayout
{
public:
    explicit LinesReport(int lines) : m_lines(lines) {}
    void header(ReportCanvas &c, const ReportParams &params) override
    {
        c.text(c.margin(), c.y(), QStringLiteral("Cabeçalho %1").arg(params.value(QStringLiteral("Municipio"))),
               ReportCanvas::font(12, true));
        c.advance(10);
    }
    qreal footerHeight() const override { return 10; }
    void footer(ReportCanvas &c, const ReportParams &) override
    {
        c.text(c.margin(), c.footerTop() + 2, QStringLiteral("Rodapé página %1").arg(c.pageNumber()),
               ReportCanvas::font(10));
    }
    void body(ReportCanvas &canvas, const ReportParams &) override
    {
        for (int i = 1; i <= m_lines; ++i) {
            canvas.ensureSpace(8);
            canvas.text(canvas.margin(), canvas.y(), QStringLiteral("Linha %1").arg(i), ReportCanvas::font(10));
            canvas.advance(8);
        }
    }

private:
    int m_lines;
};

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

    // The real options dialog: the output with this caption chosen, then OK.
    static void chooseOutput(const QString &caption, QStringList *choices = nullptr)
    {
        TestSupport::whenModal([caption, choices](QWidget *w) {
            auto *options = qobject_cast<ReportOutputDialog *>(w);
            if (!options)
                return false;
            if (choices) {
                *choices << options->windowTitle();
                for (QRadioButton *r : options->findChildren<QRadioButton *>())
                    *choices << r->text();
            }
            QTest::mouseClick(TestSupport::findByCaption(options, caption), Qt::LeftButton);
            options->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            return true;
        });
    }

    // The real file dialog: a name typed and Enter; `replace` answers the
    // question about an existing file, and a refused file dialog is cancelled.
    static void typeFileName(const QString &name, QString *folder, std::optional<bool> replace = std::nullopt,
                             QString *question = nullptr)
    {
        TestSupport::whenModal([=](QWidget *w) {
            auto *files = qobject_cast<QFileDialog *>(w);
            if (!files)
                return false;
            *folder = files->directory().absolutePath();
            if (replace)
                TestSupport::whenModal([=](QWidget *w) {
                    auto *box = qobject_cast<QMessageBox *>(w);
                    if (!box)
                        return false;
                    *question = box->text();
                    box->button(*replace ? QMessageBox::Yes : QMessageBox::No)->click();
                    return true;
                });
            auto *edit = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(edit, name);
            QTest::keyClick(edit, Qt::Key_Return);
            if (files->isVisible())
                files->reject();
            return true;
        });
    }

private slots:
    void initTestCase()
    {
        // the documents folder is one of the test's own
        m_home = TestSupport::ownHome();
        QDir(m_home->path()).mkpath(QStringLiteral("Documents"));
    }

    void cleanup() { Dialogs::setScripted(true); }

    void realDialogsWriteAPdfInTheDocumentsFolder()
    {
        TestSupport::WorkFolder folder; // the program's folder is not where reports go
        Dialogs::setScripted(false);
        const QString documents = QDir(m_home->path()).filePath(QStringLiteral("Documents"));
        const QString pdf = QDir(documents).filePath(QStringLiteral("plano.pdf"));
        QStringList choices;
        QString startFolder;
        chooseOutput(QStringLiteral("Adobe Acrobat (PDF)"), &choices);
        typeFileName(QStringLiteral("plano"), &startFolder);
        m_engine->executeReport(QStringLiteral("Linhas"));
        QCOMPARE(choices, QStringList({QStringLiteral("Opções de saída"), QStringLiteral("Impressora"),
                                       QStringLiteral("Visualizar na tela"), QStringLiteral("Adobe Acrobat (PDF)")}));
        QCOMPARE(startFolder, documents);
        // the name typed without an extension gets ".pdf"
        QVERIFY(!QFileInfo::exists(QDir(documents).filePath(QStringLiteral("plano"))));
        QVERIFY(TestSupport::pdfText(pdf).contains(QStringLiteral("Linha 60")));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());

        // the same name again: the dialog asks; "No" leaves the file as it was
        QFile(pdf).resize(10);
        QString question;
        chooseOutput(QStringLiteral("Adobe Acrobat (PDF)"));
        typeFileName(QStringLiteral("plano"), &startFolder, false, &question);
        m_engine->executeReport(QStringLiteral("Linhas"));
        QVERIFY2(question.contains(QStringLiteral("plano.pdf")), qPrintable(question));
        QCOMPARE(QFileInfo(pdf).size(), 10);
        // "Yes" replaces it
        chooseOutput(QStringLiteral("Adobe Acrobat (PDF)"));
        typeFileName(QStringLiteral("plano"), &startFolder, true, &question);
        m_engine->executeReport(QStringLiteral("Linhas"));
        QVERIFY(TestSupport::pdfText(pdf).contains(QStringLiteral("Linha 60")));
    }

    void realPreview()
    {
        Dialogs::setScripted(false);
        QString title;
        int pages = 0;
        chooseOutput(QStringLiteral("Visualizar na tela"));
        TestSupport::whenModal([&](QWidget *w) {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(w);
            if (!preview)
                return false;
            title = preview->windowTitle();
            QTest::qWait(50);
            if (auto *widget = preview->findChild<QPrintPreviewWidget *>())
                pages = widget->pageCount();
            preview->reject();
            return true;
        });
        m_engine->executeReport(QStringLiteral("Linhas"));
        QCOMPARE(title, QStringLiteral("Visualização"));
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    }

    void pdfNameWithoutExtension()
    {
        // the name as a file dialog may hand it over: the extension is added,
        // and an existing file is replaced only when the user agrees
        TestSupport::WorkFolder folder;
        const QString pdf = folder.file(QStringLiteral("plano.pdf"));
        TestSupport::answerPdfFile(folder.file(QStringLiteral("plano")));
        m_engine->executeReport(QStringLiteral("Linhas"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("plano.pdf")});
        QVERIFY(TestSupport::pdfText(pdf).contains(QStringLiteral("Linha 60")));
        QCOMPARE(Dialogs::shown()[1].text, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));

        QFile(pdf).resize(10);
        Dialogs::clearShown();
        TestSupport::answerPdfFile(folder.file(QStringLiteral("plano")));
        Dialogs::answerNext(false);
        m_engine->executeReport(QStringLiteral("Linhas"));
        QCOMPARE(Dialogs::shown().last().kind, QStringLiteral("question"));
        QCOMPARE(QFileInfo(pdf).size(), 10);
    }

    void init()
    {
        Dialogs::setScripted(true);
        Dialogs::clearShown();
        m_engine = std::make_unique<ReportEngine>(ReportCaptions{
            QStringLiteral("Opções de saída"), QStringLiteral("Status do relatório"), QStringLiteral("Visualização")});
        m_engine->addReport(QStringLiteral("Linhas"), [] { return std::make_unique<LinesReport>(60); });
    }

    void pagesRepeatHeaderAndFooter()
    {
        TestSupport::WorkFolder folder;
        const QString pdf = folder.file(QStringLiteral("linhas.pdf"));
        m_engine->setParam(QStringLiteral("Municipio"), QStringLiteral("São José"));
        TestSupport::answerPdfFile(pdf);
        m_engine->executeReport(QStringLiteral("Linhas"));

        const QVector<Dialogs::Shown> shown = Dialogs::shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].title, QStringLiteral("Opções de saída"));
        QCOMPARE(shown[1].kind, QStringLiteral("save"));

        const QStringList pages = TestSupport::pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, "60 lines of 8 mm need more than one A4 page");
        QList<int> lines;
        static const QRegularExpression line(QStringLiteral("Linha (\\d+)"));
        for (int p = 0; p < pages.size(); ++p) {
            QVERIFY2(pages[p].contains(QStringLiteral("Cabeçalho São José")), qPrintable(pages[p]));
            QVERIFY(pages[p].contains(QStringLiteral("Rodapé página %1").arg(p + 1)));
            for (const QRegularExpressionMatch &m : line.globalMatch(pages[p]))
                lines << m.captured(1).toInt();
        }
        // every line once, in order, continued from page to page
        QList<int> expected;
        for (int i = 1; i <= 60; ++i)
            expected << i;
        QCOMPARE(lines, expected);
    }

    void cancelledOutputWritesNothing()
    {
        TestSupport::WorkFolder folder;
        // no answer queued: the options dialog is cancelled
        m_engine->executeReport(QStringLiteral("Linhas"));
        // the file dialog cancelled
        Dialogs::answerNext(ReportEngine::outputName(ReportEngine::Output::PdfFile));
        Dialogs::answerNext(QString());
        m_engine->executeReport(QStringLiteral("Linhas"));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }

    void unknownReportIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(StepError, m_engine->executeReport(QStringLiteral("Report9")));
        QVERIFY(Dialogs::shown().isEmpty());
    }

private:
    std::unique_ptr<ReportEngine> m_engine;
    std::unique_ptr<QTemporaryDir> m_home;
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
