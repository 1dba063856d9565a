#include "common/Dialogs.h"
#include "common/DocumentsFile.h"
#include "common/StepError.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw StepError(QStringLiteral("falhou"));
}

} // namespace

// Files handed to the user in the documents folder: asked before replacing,
// written whole or not at all, opened through the dialog seam.
class TestDocumentsFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TestSupport::WorkFolder>();
        qputenv("HOME", m_folder->path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        Dialogs::setScripted(true);
        Dialogs::clearShown();
        m_documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(m_documents.startsWith(m_folder->path()));
    }
    void cleanup() { m_folder.reset(); }

    void savesAsksAndReplaces()
    {
        const QString path = DocumentsFile::save(nullptr, QStringLiteral("Tabela São.xlsx"),
                                                 [](const QString &p) { writeBytes(p, "primeiro"); });
        QCOMPARE(path, QDir(m_documents).filePath(QStringLiteral("Tabela São.xlsx")));
        QCOMPARE(contents(path), QByteArray("primeiro"));
        QCOMPARE(Dialogs::shown().last().kind, QStringLiteral("desktop"));
        // "Não" keeps the old file and opens nothing.
        Dialogs::clearShown();
        Dialogs::answerNext(false);
        QCOMPARE(DocumentsFile::save(nullptr, QStringLiteral("Tabela São.xlsx"),
                                     [](const QString &p) { writeBytes(p, "segundo"); }),
                 QString());
        QCOMPARE(contents(path), QByteArray("primeiro"));
        QCOMPARE(Dialogs::shown().size(), 1);
        Dialogs::answerNext(true);
        DocumentsFile::save(nullptr, QStringLiteral("Tabela São.xlsx"),
                            [](const QString &p) { writeBytes(p, "terceiro"); });
        QCOMPARE(contents(path), QByteArray("terceiro"));
    }

    void failedWriteLeavesTheOldFile()
    {
        const QString path =
            DocumentsFile::save(nullptr, QStringLiteral("a.xlsx"), [](const QString &p) { writeBytes(p, "bom"); });
        Dialogs::answerNext(true);
        QVERIFY_THROWS_EXCEPTION(StepError,
                                 DocumentsFile::save(nullptr, QStringLiteral("a.xlsx"), [](const QString &p) {
                                     writeBytes(p, "pela met");
                                     throw StepError(QStringLiteral("disco cheio"));
                                 }));
        QCOMPARE(contents(path), QByteArray("bom"));
        QCOMPARE(QDir(m_documents).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.xlsx")});
    }

    void refusesWhatIsNotAFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("folder") << "../fora.xlsx";
        QTest::newRow("slash in a name") << "Santa Rita/PB-Consolidado Estados.xlsx";
        QTest::newRow("hidden") << ".oculto.xlsx";
    }

    void refusesWhatIsNotAFileName()
    {
        QFETCH(QString, name);
        bool written = false;
        QVERIFY_THROWS_EXCEPTION(StepError,
                                 DocumentsFile::save(nullptr, name, [&](const QString &) { written = true; }));
        QVERIFY(!written);
        QCOMPARE(QDir(m_documents).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("fora.xlsx"))));
    }

private:
    std::unique_ptr<TestSupport::WorkFolder> m_folder;
    QString m_documents;
};

QTEST_MAIN(TestDocumentsFile)
#include "tst_documentsfile.moc"
