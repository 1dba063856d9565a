#include "municipal/results/IndicesWorkbook.h"

#include "common/DataSet.h"
#include "common/WorkbookBytes.h"

#include <xlsxwriter.h>

namespace IndicesWorkbook {

namespace {

using WorkbookBytes::check;

constexpr lxw_row_t firstDataRow = 11; // row 12
constexpr int integerColumns = 3;      // Estrato, ImoveisProgramados, ImoveisInspecionados

// The nineteen columns, in their order from column A.
const char *const fields[] = {"Estrato",
                              "ImoveisProgramados",
                              "ImoveisInspecionados",
                              "ImoveisComAegTB",
                              "ImoveisComAegOutros",
                              "ImoveisComAlbTB",
                              "ImoveisComAlbOutros",
                              "PerdaNaAmostra",
                              "IIPaeg",
                              "IIPalb",
                              "IBaeg",
                              "IBalb",
                              "A1",
                              "A2",
                              "B",
                              "C",
                              "D1",
                              "D2",
                              "E"};
constexpr int columnCount = int(std::size(fields));

const char *const headings[columnCount] = {"Estrato",    "Prog.", "Insp.", "TB",  "Outros", "TB", "Outros",
                                           "% de perda", "aeg",   "alb",   "aeg", "alb",    "A1", "A2",
                                           "B",          "C",     "D1",    "D2",  "E"};

struct Formats
{
    lxw_format *title;
    lxw_format *label;
    lxw_format *headerText;
    lxw_format *heading;
    lxw_format *integer;
    lxw_format *percentage;
};

Formats formats(lxw_workbook *workbook)
{
    Formats f{};
    f.title = workbook_add_format(workbook);
    format_set_bold(f.title);
    format_set_font_size(f.title, 14);

    f.label = workbook_add_format(workbook);
    format_set_bold(f.label);
    format_set_align(f.label, LXW_ALIGN_RIGHT);

    f.headerText = workbook_add_format(workbook);
    format_set_align(f.headerText, LXW_ALIGN_LEFT);

    f.heading = workbook_add_format(workbook);
    format_set_bold(f.heading);
    format_set_align(f.heading, LXW_ALIGN_CENTER);
    format_set_align(f.heading, LXW_ALIGN_VERTICAL_CENTER);
    format_set_text_wrap(f.heading);
    format_set_border(f.heading, LXW_BORDER_THIN);
    format_set_bg_color(f.heading, 0xD9D9D9);

    f.integer = workbook_add_format(workbook);
    format_set_num_format(f.integer, "0");
    format_set_border(f.integer, LXW_BORDER_THIN);

    f.percentage = workbook_add_format(workbook);
    format_set_num_format(f.percentage, "0.0");
    format_set_border(f.percentage, LXW_BORDER_THIN);
    return f;
}

void text(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, const QString &value, lxw_format *format)
{
    check(worksheet_write_string(sheet, row, column, value.toUtf8().constData(), format));
}

void merged(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t first, lxw_col_t last, const char *value, lxw_format *format)
{
    check(worksheet_merge_range(sheet, row, first, row, last, value, format));
}

// Rows 1 to 11: title, labels beside D6 to D8, headings of the table.
void heading(lxw_worksheet *sheet, const Formats &f)
{
    text(sheet, 0, 0, QStringLiteral("Nubrel - Resultados e índices por estrato"), f.title);
    text(sheet, 5, 2, QStringLiteral("Município :"), f.label);
    text(sheet, 6, 2, QStringLiteral("UF :"), f.label);
    text(sheet, 7, 2, QStringLiteral("Período :"), f.label);

    merged(sheet, 8, 1, 6, "Imóveis", f.heading);
    merged(sheet, 8, 7, 18, "Indicadores", f.heading);
    merged(sheet, 9, 3, 4, "Ae. aeg (%)", f.heading);
    merged(sheet, 9, 5, 6, "Ae. alb (%)", f.heading);
    merged(sheet, 9, 8, 9, "IIP (%)", f.heading);
    merged(sheet, 9, 10, 11, "IB (%)", f.heading);
    merged(sheet, 9, 12, 18, "ITR ( Ae.aegypti [%] )", f.heading);
    check(worksheet_write_blank(sheet, 8, 0, f.heading));
    for (const lxw_col_t c : {0, 1, 2, 7})
        check(worksheet_write_blank(sheet, 9, c, f.heading));
    for (lxw_col_t c = 0; c < columnCount; ++c)
        text(sheet, 10, c, QString::fromUtf8(headings[c]), f.heading);

    check(worksheet_set_column(sheet, 0, 2, 9, nullptr));
    check(worksheet_set_column(sheet, 3, 18, 8, nullptr));
    check(worksheet_set_column(sheet, 7, 7, 11, nullptr));
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 9); // A4
    worksheet_fit_to_pages(sheet, 1, 0);
    check(worksheet_repeat_rows(sheet, 8, 10));
}

} // namespace

QString baseName(const Header &header)
{
    return header.municipio + QLatin1Char('-') + header.uf;
}

QByteArray build(const DataSet &query, const Header &header)
{
    return WorkbookBytes::build([&](lxw_workbook *workbook) {
        lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
        if (!sheet)
            check(LXW_ERROR_MEMORY_MALLOC_FAILED);
        const Formats f = formats(workbook);
        heading(sheet, f);
        text(sheet, 5, 3, header.municipio, f.headerText);
        text(sheet, 6, 3, header.uf, f.headerText);
        text(sheet, 7, 3, header.periodo, f.headerText);

        if (!query.isActive())
            return;
        int columns[columnCount];
        for (int c = 0; c < columnCount; ++c)
            columns[c] = query.fieldIndex(QString::fromLatin1(fields[c]));
        const int rows = query.recordCount();
        for (int k = 0; k < rows; ++k) {
            const lxw_row_t row = firstDataRow + lxw_row_t(k);
            for (int c = 0; c < columnCount; ++c) {
                if (c < integerColumns)
                    check(worksheet_write_number(sheet, row, lxw_col_t(c), double(query.integerAt(k, columns[c])),
                                                 f.integer));
                else
                    check(worksheet_write_number(sheet, row, lxw_col_t(c), double(query.floatAt(k, columns[c])),
                                                 f.percentage));
            }
        }
    });
}

} // namespace IndicesWorkbook
