#include "tests/support/XlsxReader.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QXmlStreamReader>

namespace TestSupport {

namespace {

QByteArray member(const QString &xlsxFile, const QString &name)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsxFile, name});
    unzip.waitForFinished(60000);
    return unzip.readAllStandardOutput();
}

QStringList sharedStrings(const QString &xlsxFile)
{
    QStringList strings;
    QXmlStreamReader xml(member(xlsxFile, QStringLiteral("xl/sharedStrings.xml")));
    QString current;
    bool inItem = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("si")) {
            inItem = true;
            current.clear();
        } else if (inItem && xml.isStartElement() && xml.name() == QLatin1String("t")) {
            current += xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("si")) {
            strings << current;
            inItem = false;
        }
    }
    return strings;
}

// "AB12" → column 28, row 12.
void position(const QString &ref, int &row, int &column)
{
    column = 0;
    int i = 0;
    for (; i < ref.size() && ref[i].isLetter(); ++i)
        column = column * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
    row = ref.mid(i).toInt();
}

} // namespace

QMap<QString, XlsxCell> xlsxCells(const QString &xlsxFile)
{
    const QStringList strings = sharedStrings(xlsxFile);
    QMap<QString, XlsxCell> cells;
    QXmlStreamReader xml(member(xlsxFile, QStringLiteral("xl/worksheets/sheet1.xml")));
    QString ref;
    XlsxCell cell;
    bool hasValue = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("c")) {
            ref = xml.attributes().value(QLatin1String("r")).toString();
            cell = XlsxCell();
            cell.type = xml.attributes().value(QLatin1String("t")).toString();
            if (cell.type.isEmpty())
                cell.type = QStringLiteral("n");
            position(ref, cell.row, cell.column);
            hasValue = false;
        } else if (xml.isStartElement() && (xml.name() == QLatin1String("v") || xml.name() == QLatin1String("t"))) {
            cell.value += xml.readElementText();
            hasValue = true;
        } else if (xml.isEndElement() && xml.name() == QLatin1String("c")) {
            if (hasValue) {
                if (cell.type == QLatin1String("s"))
                    cell.value = strings.value(cell.value.toInt());
                cells.insert(ref, cell);
            }
        }
    }
    return cells;
}

} // namespace TestSupport
