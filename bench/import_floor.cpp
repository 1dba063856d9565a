// The floor of the import: reads every file of a folder as bytes and inserts
// its 28 value lines into Kavel with one prepared statement in one
// transaction, with no conversion rules at all.
// Usage: bench_import_floor DATABASE FOLDER

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(argv[2]))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    sqlite3 *db = nullptr;
    if (sqlite3_open(argv[1], &db) != SQLITE_OK)
        return 1;
    std::string sql = "INSERT INTO Kavel VALUES (?";
    for (int i = 1; i < 28; ++i)
        sql += ",?";
    sql += ")";
    sqlite3_stmt *insert = nullptr;
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &insert, nullptr) != SQLITE_OK)
        return 1;
    for (const auto &file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        size_t pos = 0;
        for (int line = 0; line < 30 && pos < bytes.size(); ++line) {
            size_t end = bytes.find('\n', pos);
            if (end == std::string::npos)
                end = bytes.size();
            const size_t length = end - pos - (end > pos && bytes[end - 1] == '\r' ? 1 : 0);
            if (line >= 2)
                sqlite3_bind_text(insert, line - 1, bytes.data() + pos, int(length), SQLITE_TRANSIENT);
            pos = end + 1;
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    std::printf("%zu\n", files.size());
    return 0;
}
