#include "common/NumberText.h"
#include "common/StepError.h"
#include "tests/support/TestSupport.h"

#include <QTest>

Q_DECLARE_METATYPE(long double)

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void fixed_data();
    void fixed();
    void toFloat_data();
    void toFloat();
    void toInteger_data();
    void toInteger();
    void divide_data();
    void divide();
    void roundHalfEven_data();
    void roundHalfEven();
};

// Expected texts are written with '.', replaced by the user's separator.
void TestNumberText::fixed_data()
{
    QTest::addColumn<long double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sample size 10000") << 450.0L / (450.0L / 10000 + 1) << 0 << "431";
    QTest::newRow("sample size 3000") << 250.0L / (250.0L / 3000 + 1) << 0 << "231";
    QTest::newRow("half up") << 2.5L << 0 << "3";
    QTest::newRow("half away from zero, negative") << -2.5L << 0 << "-3";
    QTest::newRow("below half") << 2.4999L << 0 << "2";
    QTest::newRow("negative zero drops its sign") << -0.4L << 0 << "0";
    QTest::newRow("carry into a new digit") << 99.5L << 0 << "100";
    QTest::newRow("carry through decimals") << 9.995L << 2 << "10.00";
    QTest::newRow("typed 2.675 keeps its half") << 2.675L << 2 << "2.68";
    QTest::newRow("double 2.675 is below half") << static_cast<long double>(2.675) << 2 << "2.67";
    // 18 significant digits first: 0.4999999999999999999 becomes 0.5, then 1.
    QTest::newRow("18 digits before rounding") << (0.5L - 1e-19L) << 0 << "1";
    QTest::newRow("five decimals padded") << 2.5L << 5 << "2.50000";
    QTest::newRow("interval thirds") << 10.0L / 3 << 5 << "3.33333";
    QTest::newRow("one decimal") << 12.25L << 1 << "12.3";
    QTest::newRow("large with decimals") << 123456789.125L << 2 << "123456789.13";
    QTest::newRow("small fraction") << 0.004L << 2 << "0.00";
    QTest::newRow("zero") << 0.0L << 2 << "0.00";
}

void TestNumberText::fixed()
{
    QFETCH(long double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(NumberText::fixed(value, decimals),
             QString(expected).replace(QLatin1Char('.'), TestSupport::decimalPoint()));
}

void TestNumberText::toFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("user's separator") << TestSupport::local(QStringLiteral("2.5")) << true << 2.5;
    QTest::newRow("whole") << QStringLiteral("431") << true << 431.0;
    QTest::newRow("blanks around") << QStringLiteral(" 7 ") << true << 7.0;
    QTest::newRow("negative") << TestSupport::local(QStringLiteral("-0.25")) << true << -0.25;
    QTest::newRow("the other separator") << TestSupport::foreign(QStringLiteral("2.5")) << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("letters") << QStringLiteral("abc") << false << 0.0;
}

void TestNumberText::toFloat()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    try {
        const long double v = NumberText::toFloat(text);
        QVERIFY2(valid, "accepted a text that is no number");
        QCOMPARE(double(v), value);
    } catch (const StepError &e) {
        QVERIFY2(!valid, qPrintable(e.message()));
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void TestNumberText::toInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qlonglong>("value");
    QTest::newRow("whole") << QStringLiteral("12") << true << 12LL;
    QTest::newRow("negative") << QStringLiteral("-3") << true << -3LL;
    QTest::newRow("decimal") << TestSupport::local(QStringLiteral("1.5")) << false << 0LL;
    QTest::newRow("empty") << QString() << false << 0LL;
}

void TestNumberText::toInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qlonglong, value);
    try {
        QCOMPARE(qlonglong(NumberText::toInteger(text)), value);
        QVERIFY(valid);
    } catch (const StepError &e) {
        QVERIFY2(!valid, qPrintable(e.message()));
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestNumberText::divide_data()
{
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<QString>("error");
    QTest::newRow("ordinary") << 6.0 << 3.0 << QString();
    QTest::newRow("by zero") << 1.0 << 0.0 << QStringLiteral("Floating point division by zero");
    QTest::newRow("zero by zero") << 0.0 << 0.0 << QStringLiteral("Invalid floating point operation");
}

void TestNumberText::divide()
{
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(QString, error);
    try {
        QCOMPARE(double(NumberText::divide(numerator, denominator)), numerator / denominator);
        QVERIFY(error.isEmpty());
    } catch (const StepError &e) {
        QCOMPARE(e.message(), error);
    }
}

void TestNumberText::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qlonglong>("expected");
    QTest::newRow("2.5") << 2.5 << 2LL;
    QTest::newRow("3.5") << 3.5 << 4LL;
    QTest::newRow("-2.5") << -2.5 << -2LL;
    QTest::newRow("2.6") << 2.6 << 3LL;
    QTest::newRow("-2.6") << -2.6 << -3LL;
}

void TestNumberText::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(qlonglong, expected);
    QCOMPARE(qlonglong(NumberText::roundHalfEven(value)), expected);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
