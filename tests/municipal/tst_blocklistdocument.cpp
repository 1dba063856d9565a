#include "municipal/sampling/BlockListPrinting.h"
#include "municipal/sampling/CommandDocument.h"
#include "tests/municipal/SamplingFixture.h"
#include "tests/support/OdtReader.h"

#include <QFileInfo>
#include <QTest>

namespace {

struct Expected
{
    QString text;
    double size = 0; // 0: an empty paragraph, whose format is not read
    bool bold = false;
};

QList<Expected> heading(int firstRule, int secondRule)
{
    return {
        {QStringLiteral("Kavel - Pelvane"), 12, true},
        {QString(firstRule, QLatin1Char('_')), 6, true},
        {},
        {QString(45, QLatin1Char(' ')) + QStringLiteral("Nubrel  "), 18, true},
        {},
        {QStringLiteral("Recife (PE)"), 14, false},
        {QString(secondRule, QLatin1Char('_')), 6, false},
        {},
        {},
        {},
        {QString(63, QLatin1Char(' ')) + QStringLiteral("Estrato 1"), 13, true},
    };
}

QList<Expected> neighbourhood(const QString &name, const QString &blocks, const QString &total, const QString &list)
{
    return {
        {}, {QStringLiteral("Bairro :   %1            N° de quarteirões : %2").arg(name, blocks), 13, true},
        {}, {QStringLiteral("Quarteirões a trabalhar : %1").arg(total), 13, true},
        {}, {list, 13, true},
    };
}

void compare(const QList<OdtReader::Paragraph> &read, const QList<Expected> &expected)
{
    QStringList got, want;
    for (const auto &p : read) {
        QString line = p.text();
        if (!line.isEmpty()) {
            for (const auto &r : p.runs)
                line += QStringLiteral(" [%1%2]").arg(r.size).arg(r.bold ? QStringLiteral(" bold") : QString());
        }
        got << line;
    }
    for (const auto &e : expected)
        want << (e.text.isEmpty()
                     ? QString()
                     : e.text
                           + QStringLiteral(" [%1%2]").arg(e.size).arg(e.bold ? QStringLiteral(" bold") : QString()));
    QCOMPARE(got, want);
}

const QString setup = QStringLiteral(
    "insert into PlanoAmostral (CodigoMunicipio, Estrato, IntervaloDeQuart, QuartInicial) values (2611606, 1, 2.5, 3);"
    "insert into DefinicaoQuart values (1, 1, 'Centro', '10', 'Quarteirões a trabalhar', 3, '3  -  5  -  8'),"
    "                                  (1, 2, 'Várzea', '4', 'Quarteirões a trabalhar', 2, '1  -  3');");

const BlockListPrinting::Header recife{QStringLiteral("Recife"), QStringLiteral("PE")};

} // namespace

class TestBlockListDocument : public QObject
{
    Q_OBJECT

private slots:
    void currentNeighbourhood()
    {
        SamplingFixture f(setup);
        f.plan().first();
        QCOMPARE(f.items().recordCount(), 2);
        const QString path =
            BlockListPrinting::currentNeighbourhood(*f.dm, recife)->saveNew(f.folder.path(), QStringLiteral("um"));
        compare(OdtReader::read(path), heading(96, 72) + neighbourhood("Centro", "10", "3", "3  -  5  -  8"));
    }

    void wholeStratum()
    {
        SamplingFixture f(setup);
        f.plan().first();
        f.items().last();
        const QString path =
            BlockListPrinting::wholeStratum(*f.dm, recife)->saveNew(f.folder.path(), QStringLiteral("todos"));
        QList<Expected> expected = heading(101, 79);
        expected += neighbourhood("Centro", "10", "3", "3  -  5  -  8");
        // CR CR CR after each neighbourhood: three paragraphs, the last one still open
        expected += {Expected(), Expected(), Expected()};
        expected += neighbourhood("Várzea", "4", "2", "1  -  3");
        expected += {Expected(), Expected(), Expected()};
        compare(OdtReader::read(path), expected);
    }

    void strataWithoutItemsGetHeadingOnly()
    {
        SamplingFixture f(QStringLiteral("insert into PlanoAmostral (CodigoMunicipio, Estrato) values (2611606, 1);"));
        f.plan().first();
        const QString path =
            BlockListPrinting::wholeStratum(*f.dm, recife)->saveNew(f.folder.path(), QStringLiteral("vazio"));
        compare(OdtReader::read(path), heading(101, 79));
    }

    void savingNeverOverwrites()
    {
        SamplingFixture f(setup);
        f.plan().first();
        QFile mine(f.folder.file(QStringLiteral("lista.odt")));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("documento do usuário");
        mine.close();
        const auto doc = BlockListPrinting::currentNeighbourhood(*f.dm, recife);
        const QString second = doc->saveNew(f.folder.path(), QStringLiteral("lista"));
        const QString third = doc->saveNew(f.folder.path(), QStringLiteral("lista"));
        QCOMPARE(QFileInfo(second).fileName(), QStringLiteral("lista (2).odt"));
        QCOMPARE(QFileInfo(third).fileName(), QStringLiteral("lista (3).odt"));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("documento do usuário"));
        // names that are no file names are made safe
        QCOMPARE(QFileInfo(doc->saveNew(f.folder.path(), QStringLiteral("a/b"))).fileName(), QStringLiteral("a_b.odt"));
    }
};

QTEST_GUILESS_MAIN(TestBlockListDocument)
#include "tst_blocklistdocument.moc"
