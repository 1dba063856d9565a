#include "state/StateWorkbook.h"

#include "common/DataSet.h"
#include "common/StepError.h"

#include <QFile>
#include <QSet>
#include <QVector>

#include <xlsxwriter.h>

namespace StateWorkbook {

namespace {

constexpr lxw_row_t firstDataRow = 12; // sheet row 13
constexpr int textColumns = 4;         // code, name, UF, period

struct Heading
{
    const char *group; // over a run of columns, or a heading over both heading rows
    int span;
    QStringList titles;
};

// The two heading rows (sheet rows 11 and 12), left to right.
const QVector<Heading> &headings()
{
    static const QVector<Heading> h = {
        {"Código", 1, {}},
        {"Município", 1, {}},
        {"UF", 1, {}},
        {"Período", 1, {}},
        {"Índices - Aedes aegypti", 2, {"IIP", "IB"}},
        {"Classificação dos estratos pelo IIP",
         6,
         {"IIP<=0,9 N°", "IIP<=0,9 %", "1<=IIP<=3,9 N°", "1<=IIP<=3,9 %", "IIP>=4 N°", "IIP>=4 %"}},
        {"Criadouros de Aedes aegypti",
         14,
         {"A1 N°", "A1 %", "A2 N°", "A2 %", "B N°", "B %", "C N°", "C %", "D1 N°", "D1 %", "D2 N°", "D2 %", "E N°",
          "E %"}},
        {"Índices - Aedes albopictus", 2, {"IIP", "IB"}},
    };
    return h;
}

QVector<int> fieldIndexes(const DataSet &result)
{
    check(result);
    QVector<int> fields;
    for (const QString &name : columnFields())
        fields << result.fieldIndex(name);
    return fields;
}

class Writer
{
public:
    explicit Writer(const QString &path) : m_path(QFile::encodeName(path))
    {
        m_book = workbook_new(m_path.constData());
        if (!m_book)
            throw StepError(QStringLiteral("Não foi possível criar a planilha '%1'.").arg(path));
        m_sheet = workbook_add_worksheet(m_book, "Consolidado");
    }
    ~Writer()
    {
        if (m_book)
            workbook_close(m_book);
    }
    lxw_format *format(bool bold, double size, bool boxed, bool centred)
    {
        lxw_format *f = workbook_add_format(m_book);
        if (bold)
            format_set_bold(f);
        format_set_font_size(f, size);
        if (boxed) {
            format_set_border(f, LXW_BORDER_THIN);
            format_set_bg_color(f, 0xDFEFFF);
            format_set_text_wrap(f);
            format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
        }
        if (centred)
            format_set_align(f, LXW_ALIGN_CENTER);
        return f;
    }
    void text(lxw_row_t row, lxw_col_t column, const QString &value, lxw_format *f = nullptr)
    {
        const QByteArray bytes = value.toUtf8();
        checked(worksheet_write_string(m_sheet, row, column, bytes.constData(), f));
    }
    void number(lxw_row_t row, lxw_col_t column, double value)
    {
        checked(worksheet_write_number(m_sheet, row, column, value, nullptr));
    }
    void merge(lxw_row_t r1, lxw_col_t c1, lxw_row_t r2, lxw_col_t c2, const QString &value, lxw_format *f)
    {
        const QByteArray bytes = value.toUtf8();
        checked(worksheet_merge_range(m_sheet, r1, c1, r2, c2, bytes.constData(), f));
    }
    lxw_worksheet *sheet() const { return m_sheet; }
    void close()
    {
        const lxw_error error = workbook_close(m_book);
        m_book = nullptr;
        checked(error);
    }

private:
    void checked(lxw_error error) const
    {
        if (error != LXW_NO_ERROR)
            throw StepError(
                QStringLiteral("Erro ao gravar a planilha: %1").arg(QString::fromUtf8(lxw_strerror(error))));
    }

    QByteArray m_path;
    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
};

// The states of the rows, in order of first appearance.
QString statesOf(const DataSet &result, int ufField)
{
    QStringList states;
    for (int row = 0; row < result.recordCount(); ++row) {
        const QString uf = result.textAt(row, ufField);
        if (!uf.isEmpty() && !states.contains(uf))
            states << uf;
    }
    return states.join(QStringLiteral(", "));
}

void writeHeadings(Writer &w, const DataSet &result, const QVector<int> &fields, const QDate &exported)
{
    lxw_worksheet *sheet = w.sheet();
    w.text(0, 0, QStringLiteral("Nubrel Versão 1.2 - Módulo do Estado"), w.format(true, 16, false, false));
    w.text(1, 0, QStringLiteral("Dados consolidados dos Municípios"), w.format(true, 12, false, false));
    lxw_format *label = w.format(true, 10, false, false);
    w.text(3, 0, QStringLiteral("Estado :"), label);
    w.text(3, 1, statesOf(result, fields[2]));
    w.text(4, 0, QStringLiteral("Exportado em :"), label);
    w.text(4, 1, exported.toString(QStringLiteral("dd/MM/yyyy")));
    w.text(5, 0, QStringLiteral("Municípios :"), label);
    w.number(5, 1, result.recordCount());

    lxw_format *boxed = w.format(true, 9, true, true);
    const lxw_row_t groupRow = firstDataRow - 2;
    lxw_col_t column = 0;
    for (const Heading &h : headings()) {
        const QString group = QString::fromUtf8(h.group);
        if (h.titles.isEmpty()) {
            w.merge(groupRow, column, groupRow + 1, column, group, boxed);
        } else {
            w.merge(groupRow, column, groupRow, column + h.span - 1, group, boxed);
            for (int i = 0; i < h.titles.size(); ++i)
                w.text(groupRow + 1, column + i, h.titles[i], boxed);
        }
        column += h.span;
    }
    worksheet_set_row(sheet, groupRow, 30, nullptr);
    worksheet_set_row(sheet, groupRow + 1, 30, nullptr);
    worksheet_set_column(sheet, 0, 0, 9, nullptr);
    worksheet_set_column(sheet, 1, 1, 28, nullptr);
    worksheet_set_column(sheet, 2, 2, 5, nullptr);
    worksheet_set_column(sheet, 3, 3, 22, nullptr);
    worksheet_set_column(sheet, 4, lxw_col_t(columnFields().size() - 1), 8, nullptr);
    // Printing: landscape Letter, one page wide, the heading rows on every page.
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 1);
    worksheet_set_margins(sheet, 0.3, 0.3, 0.4, 0.4);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_repeat_rows(sheet, groupRow, groupRow + 1);
}

} // namespace

const QStringList &columnFields()
{
    static const QStringList fields = [] {
        QStringList f{QStringLiteral("CodMun"),  QStringLiteral("Municipio"), QStringLiteral("UF"),
                      QStringLiteral("Periodo"), QStringLiteral("IIP"),       QStringLiteral("IB")};
        for (const char *group : {"E<0,9", "1<E<3,9", "E>4", "A1", "A2", "B", "C", "D1", "D2", "E"})
            f << QString::fromUtf8(group) + QStringLiteral("_N°") << QString::fromUtf8(group) + QStringLiteral("_%");
        f << QStringLiteral("IIPalb") << QStringLiteral("IBalb");
        return f;
    }();
    return fields;
}

void check(const DataSet &result)
{
    if (!result.isActive())
        throw StepError(QStringLiteral("Cannot perform this operation on a closed dataset"));
    for (const QString &name : columnFields()) {
        bool found = false;
        for (int i = 0; i < result.fieldCount() && !found; ++i)
            found = result.field(i).name.compare(name, Qt::CaseInsensitive) == 0;
        if (!found)
            throw StepError(QStringLiteral("Field '%1' not found").arg(name));
    }
}

QString fileName(const DataSet &result)
{
    const QVector<int> fields = fieldIndexes(result);
    const int last = result.recordCount() - 1;
    return QStringLiteral("%1-%2-Consolidado Estados.xlsx")
        .arg(result.textAt(last, fields[1]), result.textAt(last, fields[2]));
}

void write(const DataSet &result, const QString &path, const QDate &exported)
{
    const QVector<int> fields = fieldIndexes(result);
    Writer w(path);
    writeHeadings(w, result, fields, exported);
    for (int row = 0; row < result.recordCount(); ++row) {
        const lxw_row_t sheetRow = firstDataRow + lxw_row_t(row);
        for (int column = 0; column < fields.size(); ++column) {
            if (column < textColumns)
                w.text(sheetRow, lxw_col_t(column), result.textAt(row, fields[column]));
            else
                w.number(sheetRow, lxw_col_t(column), double(result.floatAt(row, fields[column])));
        }
    }
    w.close();
}

} // namespace StateWorkbook
