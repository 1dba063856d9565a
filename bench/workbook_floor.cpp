// The floor of the export: reads the rows of Kavel and writes their 28 cells
// (code, name, UF and period as texts, the rest as numbers) from row 13 with
// libxlsxwriter alone.
// Usage: bench_workbook_floor DATABASE OUTPUT.xlsx

#include <sqlite3.h>
#include <xlsxwriter.h>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    sqlite3 *db = nullptr;
    if (sqlite3_open(argv[1], &db) != SQLITE_OK)
        return 1;
    sqlite3_stmt *rows = nullptr;
    const char *sql = "SELECT CodMun, Municipio, UF, Periodo, IIP, IB, \"E<0,9_N°\", \"E<0,9_%\", \"1<E<3,9_N°\", "
                      "\"1<E<3,9_%\", \"E>4_N°\", \"E>4_%\", \"A1_N°\", \"A1_%\", \"A2_N°\", \"A2_%\", \"B_N°\", "
                      "\"B_%\", \"C_N°\", \"C_%\", \"D1_N°\", \"D1_%\", \"D2_N°\", \"D2_%\", \"E_N°\", \"E_%\", "
                      "IIPalb, IBalb FROM Kavel";
    if (sqlite3_prepare_v2(db, sql, -1, &rows, nullptr) != SQLITE_OK)
        return 1;
    lxw_workbook *book = workbook_new(argv[2]);
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    lxw_row_t row = 12;
    while (sqlite3_step(rows) == SQLITE_ROW) {
        for (int c = 0; c < 28; ++c) {
            if (c < 4) {
                const unsigned char *text = sqlite3_column_text(rows, c);
                worksheet_write_string(sheet, row, lxw_col_t(c), text ? reinterpret_cast<const char *>(text) : "",
                                       nullptr);
            } else {
                worksheet_write_number(sheet, row, lxw_col_t(c), sqlite3_column_double(rows, c), nullptr);
            }
        }
        ++row;
    }
    sqlite3_finalize(rows);
    sqlite3_close(db);
    return workbook_close(book) == LXW_NO_ERROR ? 0 : 1;
}
