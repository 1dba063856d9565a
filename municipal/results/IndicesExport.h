#pragma once

#include "municipal/results/IndicesWorkbook.h"

#include <QString>

class DataSet;
class QWidget;

// "Excel" of the page "Índices": the rows the stratum query lists go into
// the workbook "<Municipio>-<UF>.xlsx" in the user's documents folder, which
// is then opened with the desktop's default application.
namespace IndicesExport {

// The message shown before saving.
QString savingMessage(const IndicesWorkbook::Header &header);

// Returns the path saved, or an empty path when the user chose not to
// replace an existing workbook. Throws StepError when it cannot be saved.
QString run(QWidget *parent, const DataSet &indices, const IndicesWorkbook::Header &header);

} // namespace IndicesExport
