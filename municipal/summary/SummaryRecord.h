#pragma once

#include "common/SummaryFile.h"

#include <QString>
#include <QStringList>

#include <functional>

class TDataModule1;

// The summary record: one row of table `Kavel` that condenses the survey for
// the state, built from what the index calculation stored.
namespace SummaryRecord {

// The 28 columns of `Kavel`, in the table's order, which is also the summary file's row order.
const QStringList &fields();

// Told each text of the record as soon as it is computed: its column's index in fields() and the text.
using Shown = std::function<void(int field, const QString &text)>;

// The record's 28 texts, in the order of fields(): the registration, the four
// pooled indices ("%.1f"), the strata per risk class and their shares ("%1f",
// two decimals) and the container figures of the last calculation as they are
// shown. The class counts run through the stratum query, which is left on
// all strata. Throws StepError when the total of inspected dwellings is not a whole number.
QStringList compute(TDataModule1 &dm, const Shown &shown = {});

// Replaces every row of `Kavel` by one row of `texts` (each converted to its
// column's type) in one transaction, then reads the query again. Throws
// StepError when a text does not fit its column; `Kavel` is then left as it was.
void store(TDataModule1 &dm, const QStringList &texts);

// compute() then store().
void generate(TDataModule1 &dm, const Shown &shown = {});

// The summary file's table: one column of 30 rows, the 28 texts then two empty rows.
SummaryFile::Table fileTable(const QStringList &texts);

// The proposed file name from the registration: "<Municipio>-<UF>.nubrel".
QString proposedFileName(TDataModule1 &dm);

} // namespace SummaryRecord
