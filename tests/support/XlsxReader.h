#pragma once

#include <QMap>
#include <QString>

namespace TestSupport {

// One cell of a worksheet as its XML stores it.
struct XlsxCell
{
    QString type;   // "n" for a number, "s" for a shared text, "str"/"inlineStr" for a text in place
    QString value;  // the number as written, or the text itself
    int row = 0;    // from 1
    int column = 0; // from 1 (A = 1)
};

// The cells of the first worksheet of an .xlsx file, by reference ("D6"),
// read back through the unzip program and the sheet's XML. A cell without
// a value (only a format) is left out.
QMap<QString, XlsxCell> xlsxCells(const QString &xlsxFile);

} // namespace TestSupport
