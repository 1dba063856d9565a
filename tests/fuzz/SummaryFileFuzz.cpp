#include "common/StepError.h"
#include "common/SummaryFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Reads any bytes as a summary file. Besides running clean under the
// sanitizers, a table whose every cell the input held must read back the same
// after it is written out again, but for a lone CR, which the writer turns
// into a space.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    SummaryFile::Table table;
    try {
        table = SummaryFile::parse(bytes);
    } catch (const StepError &) {
        return 0;
    }
    if (table.columns < 0 || table.rows < 0 || table.cells.size() > table.columns)
        std::abort();
    qsizetype held = 0;
    for (const QStringList &column : table.cells) {
        if (column.size() > table.rows)
            std::abort();
        held += column.size();
    }
    if (held > bytes.size())
        std::abort();
    if (qint64(table.columns) * table.rows == held) {
        const SummaryFile::Table again = SummaryFile::parse(SummaryFile::serialize(table));
        QVector<QStringList> expected = table.cells;
        for (QStringList &column : expected)
            column.replaceInStrings(QStringLiteral("\r"), QStringLiteral(" "));
        if (again.columns != table.columns || again.rows != table.rows || again.cells != expected)
            std::abort();
    }
    return 0;
}
