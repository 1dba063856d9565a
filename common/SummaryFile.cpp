#include "common/SummaryFile.h"

#include "common/StepError.h"
#include "common/Windows1252.h"

#include <QFile>
#include <QSaveFile>

#include <limits>
#include <optional>

namespace {

constexpr char endOfFile = 0x1A;
// The longest run of characters taken as a count.
constexpr qsizetype countRunLimit = 32;

QByteArray cellLine(const QString &text)
{
    QByteArray bytes = Windows1252::encode(text);
    bytes.replace('\r', ' ').replace('\n', ' ').replace(endOfFile, ' ');
    return bytes + "\r\n";
}

// Walks the bytes of a file up to its end or its first Ctrl-Z.
class Cursor
{
public:
    explicit Cursor(const QByteArray &bytes) : m_bytes(bytes), m_end(bytes.indexOf(endOfFile))
    {
        if (m_end < 0)
            m_end = bytes.size();
    }

    // A count: past blanks, control characters and line breaks, a run of at
    // most 32 non-blank characters read as a decimal whole number; the rest of
    // its line is passed over. Nothing left gives 0.
    int count()
    {
        while (m_pos < m_end && isBlank(m_bytes[m_pos]))
            ++m_pos;
        const qsizetype start = m_pos;
        while (m_pos < m_end && !isBlank(m_bytes[m_pos]) && m_pos - start < countRunLimit)
            ++m_pos;
        const QByteArray run = m_bytes.mid(start, m_pos - start);
        skipLine();
        return wholeNumber(run);
    }

    // The next line without its CR LF or LF; nothing at the end.
    std::optional<QByteArray> line()
    {
        if (m_pos >= m_end)
            return std::nullopt;
        const qsizetype start = m_pos;
        qsizetype lineFeed = m_bytes.indexOf('\n', start);
        if (lineFeed < 0 || lineFeed >= m_end) {
            m_pos = m_end;
            return m_bytes.mid(start, m_end - start);
        }
        m_pos = lineFeed + 1;
        const qsizetype length =
            (lineFeed > start && m_bytes[lineFeed - 1] == '\r') ? lineFeed - 1 - start : lineFeed - start;
        return m_bytes.mid(start, length);
    }

private:
    static bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

    void skipLine()
    {
        while (m_pos < m_end && m_bytes[m_pos] != '\n')
            ++m_pos;
        if (m_pos < m_end)
            ++m_pos;
    }

    static int wholeNumber(const QByteArray &run)
    {
        if (run.isEmpty())
            return 0;
        const qsizetype first = run.startsWith('+') ? 1 : 0;
        if (first == run.size())
            throw StepError(QStringLiteral("Invalid numeric input"));
        long long value = 0;
        for (qsizetype i = first; i < run.size(); ++i) {
            const char c = run[i];
            if (c < '0' || c > '9')
                throw StepError(QStringLiteral("Invalid numeric input"));
            value = value * 10 + (c - '0');
            if (value > std::numeric_limits<int>::max())
                throw StepError(QStringLiteral("Invalid numeric input"));
        }
        return static_cast<int>(value);
    }

    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
};

} // namespace

namespace SummaryFile {

QString Table::cell(int column, int row) const
{
    if (column < 0 || column >= cells.size() || row < 0 || row >= cells[column].size())
        return QString();
    return cells[column][row];
}

QByteArray serialize(const Table &table)
{
    QByteArray bytes = QByteArray::number(table.columns) + "\r\n" + QByteArray::number(table.rows) + "\r\n";
    for (int column = 0; column < table.columns && table.rows > 0; ++column) {
        for (int row = 0; row < table.rows; ++row)
            bytes += cellLine(table.cell(column, row));
    }
    return bytes;
}

void write(const QString &path, const Table &table)
{
    const QByteArray bytes = serialize(table);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw StepError(QStringLiteral("Erro de E/S ao gravar o arquivo \"%1\": %2").arg(path, file.errorString()));
}

Table read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StepError(QStringLiteral("Erro de E/S ao ler o arquivo \"%1\": %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StepError(QStringLiteral("Erro de E/S ao ler o arquivo \"%1\": %2").arg(path, file.errorString()));
    return parse(bytes);
}

Table parse(const QByteArray &bytes)
{
    Cursor cursor(bytes);
    Table table;
    table.columns = cursor.count();
    table.rows = cursor.count();
    // Cells are added only as lines come, so the counts never size memory.
    for (int column = 0; column < table.columns && table.rows > 0; ++column) {
        std::optional<QByteArray> first = cursor.line();
        if (!first)
            break;
        QStringList &rows = table.cells.emplace_back();
        rows.append(Windows1252::decode(*first));
        for (int row = 1; row < table.rows; ++row) {
            std::optional<QByteArray> next = cursor.line();
            if (!next)
                return table;
            rows.append(Windows1252::decode(*next));
        }
    }
    return table;
}

} // namespace SummaryFile
