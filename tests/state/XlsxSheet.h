#pragma once

#include "tests/support/TestSupport.h"

#include <QHash>
#include <QProcess>
#include <QXmlStreamReader>

// The cells of the first sheet of a workbook, read from its XML with unzip:
// each cell's reference ("A13") with its type ("s" shared text, "n" number,
// "str"/"inlineStr" text) and its text.
struct XlsxSheet
{
    struct Cell
    {
        QString type;
        QString text;
    };

    explicit XlsxSheet(const QString &path)
    {
        QStringList shared;
        QXmlStreamReader strings(unzip(path, QStringLiteral("xl/sharedStrings.xml")));
        QString current;
        while (!strings.atEnd()) {
            strings.readNext();
            if (strings.isStartElement() && strings.name() == QLatin1String("si"))
                current.clear();
            else if (strings.isStartElement() && strings.name() == QLatin1String("t"))
                current += strings.readElementText();
            else if (strings.isEndElement() && strings.name() == QLatin1String("si"))
                shared << current;
        }
        QXmlStreamReader sheet(unzip(path, QStringLiteral("xl/worksheets/sheet1.xml")));
        QString ref, type;
        while (!sheet.atEnd()) {
            sheet.readNext();
            if (sheet.isStartElement() && sheet.name() == QLatin1String("c")) {
                ref = sheet.attributes().value(QLatin1String("r")).toString();
                type = sheet.attributes().value(QLatin1String("t")).toString();
                if (type.isEmpty())
                    type = QStringLiteral("n");
                cells.insert(ref, {type, QString()});
            } else if (sheet.isStartElement()
                       && (sheet.name() == QLatin1String("v") || sheet.name() == QLatin1String("t"))) {
                const QString value = sheet.readElementText();
                cells[ref].text = type == QLatin1String("s") ? shared.value(value.toInt()) : value;
            }
        }
    }

    static QByteArray unzip(const QString &path, const QString &member)
    {
        QProcess process;
        process.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, member});
        process.waitForFinished(30000);
        return process.readAllStandardOutput();
    }

    // "A", "B" ... "AB" for column 1, 2 ... 28.
    static QString column(int number)
    {
        QString name;
        for (; number > 0; number = (number - 1) / 26)
            name.prepend(QChar(u'A' + (number - 1) % 26));
        return name;
    }

    QHash<QString, Cell> cells;
};
