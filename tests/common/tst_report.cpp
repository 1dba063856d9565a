#include "common/Dialogs.h"
#include "common/StepError.h"
#include "common/report/ReportCanvas.h"
#include "common/report/ReportEngine.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
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

private slots:
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
        Dialogs::answerNext(ReportEngine::outputName(ReportEngine::Output::PdfFile));
        Dialogs::answerNext(pdf);
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
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
