#pragma once

#include "common/NumberText.h"
#include "tests/support/TestSupport.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTest>

// A fresh folder with a fresh state database, written by the program's own --init.
struct StateFolder
{
    StateFolder()
    {
        QString err;
        const int code = TestSupport::run(QStringLiteral(NUBREL_BIN_DIR "/Nubrel2012Estados"),
                                          {QStringLiteral("--init")}, folder.path(), nullptr, &err);
        if (code != 0)
            qFatal("--init failed: %s", qPrintable(err));
    }
    QString db() const { return folder.file(QStringLiteral("Nubrel2012Estados.db")); }
    QString sql(const QString &statement) const { return TestSupport::sqlite(db(), statement); }
    // Rows of municipalities M1..Mn with the given IIP values (empty text: null), UF and code.
    void addRows(const QStringList &iips, const QString &uf = QStringLiteral("RJ")) const
    {
        QStringList statements;
        for (int i = 0; i < iips.size(); ++i)
            statements << QStringLiteral("INSERT INTO Kavel (Municipio, UF, IIP, IB, \"A1_N°\", \"A1_%\", Periodo, "
                                         "CodMun) VALUES ('M%1', '%2', %3, %4, %1, %1.5, 'Jan/2012', %5);")
                              .arg(i + 1)
                              .arg(uf, iips[i].isEmpty() ? QStringLiteral("NULL") : iips[i])
                              .arg(i + 0.25)
                              .arg(3300000 + i + 1);
        sql(statements.join(QLatin1Char(' ')));
    }

    TestSupport::WorkFolder folder;
};

// The 28 texts of a summary record as a municipality writes them, in the
// user's decimal format.
inline QStringList summaryRecord()
{
    QStringList rows = {"Rio de Janeiro",
                        "RJ",
                        "2.5",
                        "3.1",
                        "2",
                        "66.67",
                        "1",
                        "33.33",
                        "0",
                        "0",
                        "4",
                        "10.5",
                        "1",
                        "2.6",
                        "7",
                        "18.4",
                        "3",
                        "7.9",
                        "9",
                        "23.7",
                        "2",
                        "5.3",
                        "12",
                        "31.6",
                        "Jan/2012",
                        "3304557",
                        "1.2",
                        "1.5"};
    for (QString &r : rows)
        if (r.contains(QLatin1Char('.')) && r != QLatin1String("Jan/2012"))
            r = TestSupport::local(r);
    return rows;
}

// What sqlite3 prints for the row stored from summaryRecord().
inline QString storedSummaryRecord()
{
    return QStringLiteral("Rio de Janeiro|RJ|2.5|3.1|2|66.67|1|33.33|0|0.0|4|10.5|1|2.6|7|18.4|3|7.9|9|23.7|2|5.3|12|"
                          "31.6|Jan/2012|3304557|1.2|1.5");
}

// The bytes of a summary file: counts, then one line per row, CR LF after each.
inline QByteArray summaryBytes(const QStringList &rows, const QByteArray &counts = "1\r\n30\r\n")
{
    QByteArray bytes = counts;
    for (int i = 0; i < 30; ++i)
        bytes += (i < rows.size() ? rows[i].toLatin1() : QByteArray()) + "\r\n";
    return bytes;
}

inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
