#include "tests/support/ReportAnswers.h"

#include "common/Dialogs.h"
#include "common/report/ReportEngine.h"
#include "tests/support/TestSupport.h"

namespace TestSupport {

void answerPdfFile(const QString &pdf)
{
    Dialogs::answerNext(ReportEngine::outputName(ReportEngine::Output::PdfFile));
    Dialogs::answerNext(pdf);
}

QStringList printPdfPages(ReportEngine &engine, const QString &report, const QString &pdf)
{
    answerPdfFile(pdf);
    engine.executeReport(report);
    return pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

} // namespace TestSupport
