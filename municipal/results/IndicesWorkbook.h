#pragma once

#include <QByteArray>
#include <QString>

class DataSet;

// The workbook of the indices that the page "Índices" lists: a printable
// heading on rows 1 to 11, the municipality, state and period in D6, D7 and
// D8, and one row per stratum of the stratum query from row 12.
namespace IndicesWorkbook {

struct Header
{
    QString municipio;
    QString uf;
    QString periodo;
};

// "<Municipio>-<UF>", blanks and accents kept.
QString baseName(const Header &header);

// The workbook's bytes for the rows the query lists, in its order (none
// when it is closed). An empty value is written as 0. Throws StepError.
QByteArray build(const DataSet &query, const Header &header);

} // namespace IndicesWorkbook
