#include "common/Dialogs.h"
#include "common/report/PictureReport.h"
#include "common/report/ReportEngine.h"
#include "tests/support/ReportAnswers.h"
#include "tests/support/TestSupport.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString pdfInfo(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    return QString::fromUtf8(info.readAllStandardOutput());
}

// Where pdftotext finds a word: its box in points.
QRectF wordBox(const QString &pdf, const QString &word)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    text.waitForFinished();
    const QString html = QString::fromUtf8(text.readAllStandardOutput());
    const QRegularExpression box(
        QStringLiteral(R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">%1<)re").arg(word));
    const QRegularExpressionMatch m = box.match(html);
    if (!m.hasMatch())
        return {};
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

} // namespace

class TestPictureReport : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Dialogs::setScripted(true);
        Dialogs::clearShown();
    }

    void pictureScaledToOnePage_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QString>("pageSize");
        QTest::newRow("wide") << QSizeF(400, 200) << QStringLiteral("842 x 595 pts");
        QTest::newRow("tall") << QSizeF(200, 400) << QStringLiteral("595 x 842 pts");
    }

    // A word drawn at the picture's right edge lands near the page's right
    // margin: the picture is scaled up to the page, keeping its proportions.
    void pictureScaledToOnePage()
    {
        QFETCH(QSizeF, size);
        QFETCH(QString, pageSize);
        TestSupport::WorkFolder folder;
        ReportEngine engine(
            {QStringLiteral("Opções de saída"), QStringLiteral("Status do relatório"), QStringLiteral("Visualização")});
        engine.addReport(QStringLiteral("Quadro"), [size] {
            return std::make_unique<PictureReport>(size, [size](QPainter &p) {
                p.setFont(QFont(QStringLiteral("Liberation Sans"), 4));
                p.drawRect(QRectF(QPointF(0, 0), size));
                p.drawText(QRectF(QPointF(0, 0), size), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Direita"));
            });
        });
        const QString pdf = folder.file(QStringLiteral("quadro.pdf"));
        TestSupport::answerPdfFile(pdf);
        engine.executeReport(QStringLiteral("Quadro"));

        const QString info = pdfInfo(pdf);
        QVERIFY2(info.contains(QStringLiteral("Pages:           1")), qPrintable(info));
        QVERIFY2(info.contains(pageSize), qPrintable(info));
        const QRectF word = wordBox(pdf, QStringLiteral("Direita"));
        QVERIFY(!word.isNull());
        const qreal pageWidth = pageSize.startsWith(QLatin1String("842")) ? 842 : 595;
        const qreal margin = 10 * 72 / 25.4;
        if (size.width() > size.height()) // fills the width: ends at the right margin
            QVERIFY2(qAbs(word.right() - (pageWidth - margin)) < 6, qPrintable(QString::number(word.right())));
        else // fills the height, centred across
            QVERIFY2(word.right() < pageWidth - margin - 50, qPrintable(QString::number(word.right())));
    }
};

QTEST_MAIN(TestPictureReport)
#include "tst_picturereport.moc"
