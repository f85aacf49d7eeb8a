// The floor of an import's database stage: the parsed records of a dump
// (one record a line: view, the eleven fields, then type and number pairs,
// then "#D" and the contact's ContactDetail rows (kind, position, label,
// value), then "#A" and its ContactAddress rows (position and eight parts),
// separated by 0x1f) inserted through prepared statements of the SQLite C
// API in one transaction into an existing book. Prints the milliseconds of
// the inserts alone, from BEGIN to COMMIT, the records' count and the
// processor time of the inserts in milliseconds.

#include <sqlite3.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const std::string &line)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = line.find('\x1f', start);
        parts.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

bool ok(sqlite3 *db, int rc, int expected)
{
    if (rc == expected)
        return true;
    std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
    return false;
}

void bindText(sqlite3_stmt *statement, int index, const std::string &value)
{
    if (value.empty())
        sqlite3_bind_null(statement, index);
    else
        sqlite3_bind_text(statement, index, value.data(), int(value.size()), SQLITE_STATIC);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: sqlite_insert_floor BOOK DUMP\n");
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    std::vector<std::vector<std::string>> records;
    for (std::string line; std::getline(in, line);)
        records.push_back(split(line));

    sqlite3 *db = nullptr;
    if (sqlite3_open(argv[1], &db) != SQLITE_OK)
        return 1;
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuMs();
    sqlite3_stmt *contact = nullptr;
    sqlite3_stmt *number = nullptr;
    sqlite3_stmt *type = nullptr;
    sqlite3_stmt *detail = nullptr;
    sqlite3_stmt *address = nullptr;
    if (!ok(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), SQLITE_OK)
        || !ok(db,
               sqlite3_exec(db,
                            "CREATE TABLE IF NOT EXISTS ContactDetail (PersonID INTEGER NOT NULL, Kind TEXT NOT NULL, "
                            "Position INTEGER NOT NULL, Label TEXT, Value TEXT, Data BLOB, PRIMARY KEY (PersonID, "
                            "Kind, Position)); CREATE TABLE IF NOT EXISTS ContactAddress (PersonID INTEGER NOT NULL, "
                            "Position INTEGER NOT NULL, Label TEXT, POBox TEXT, Extended TEXT, Street TEXT, Locality "
                            "TEXT, Region TEXT, PostalCode TEXT, Country TEXT, PRIMARY KEY (PersonID, Position))",
                            nullptr, nullptr, nullptr),
               SQLITE_OK)
        || !ok(db,
               sqlite3_prepare_v2(db,
                                  "INSERT INTO ContactDetail (PersonID, Kind, Position, Label, Value) VALUES (?, ?, "
                                  "?, ?, ?)",
                                  -1, &detail, nullptr),
               SQLITE_OK)
        || !ok(db,
               sqlite3_prepare_v2(db,
                                  "INSERT INTO ContactAddress (PersonID, Position, Label, POBox, Extended, Street, "
                                  "Locality, Region, PostalCode, Country) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                                  -1, &address, nullptr),
               SQLITE_OK)
        || !ok(db,
               sqlite3_prepare_v2(db,
                                  "INSERT INTO Address (IsBusiness, Title, FirstName, LastName, Company, Street, "
                                  "State, City, ZipCode, EMail, Spouse, Children) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                  "?, ?, ?)",
                                  -1, &contact, nullptr),
               SQLITE_OK)
        || !ok(db,
               sqlite3_prepare_v2(db, "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)", -1,
                                  &number, nullptr),
               SQLITE_OK)
        || !ok(db, sqlite3_prepare_v2(db, "INSERT INTO TelephoneType (TelephoneType) VALUES (?)", -1, &type, nullptr),
               SQLITE_OK))
        return 1;
    std::map<std::string, sqlite3_int64> types;
    for (const std::vector<std::string> &r : records) {
        if (r.size() < 12)
            continue;
        sqlite3_bind_int(contact, 1, r[0] == "1");
        for (int i = 1; i < 12; ++i)
            bindText(contact, i + 1, r[size_t(i)]);
        if (!ok(db, sqlite3_step(contact), SQLITE_DONE))
            return 1;
        sqlite3_reset(contact);
        const sqlite3_int64 personId = sqlite3_last_insert_rowid(db);
        size_t i = 12;
        for (; i + 1 < r.size() && r[i] != "#D"; i += 2) {
            auto found = types.find(r[i]);
            if (found == types.end()) {
                bindText(type, 1, r[i]);
                if (!ok(db, sqlite3_step(type), SQLITE_DONE))
                    return 1;
                sqlite3_reset(type);
                found = types.emplace(r[i], sqlite3_last_insert_rowid(db)).first;
            }
            sqlite3_bind_int64(number, 1, personId);
            sqlite3_bind_int64(number, 2, found->second);
            bindText(number, 3, r[i + 1]);
            if (!ok(db, sqlite3_step(number), SQLITE_DONE))
                return 1;
            sqlite3_reset(number);
        }
        for (++i; i + 3 < r.size() && r[i] != "#A"; i += 4) {
            sqlite3_bind_int64(detail, 1, personId);
            bindText(detail, 2, r[i]);
            sqlite3_bind_int(detail, 3, std::stoi(r[i + 1]));
            bindText(detail, 4, r[i + 2]);
            bindText(detail, 5, r[i + 3]);
            if (!ok(db, sqlite3_step(detail), SQLITE_DONE))
                return 1;
            sqlite3_reset(detail);
        }
        for (++i; i + 8 < r.size(); i += 9) {
            sqlite3_bind_int64(address, 1, personId);
            sqlite3_bind_int(address, 2, std::stoi(r[i]));
            for (int part = 1; part < 9; ++part)
                bindText(address, part + 2, r[i + size_t(part)]);
            if (!ok(db, sqlite3_step(address), SQLITE_DONE))
                return 1;
            sqlite3_reset(address);
        }
    }
    sqlite3_finalize(contact);
    sqlite3_finalize(number);
    sqlite3_finalize(type);
    sqlite3_finalize(detail);
    sqlite3_finalize(address);
    if (!ok(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK))
        return 1;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    sqlite3_close(db);
    std::printf("%.1f %zu %.1f\n", ms, records.size(), cpuMs() - cpuStart);
    return 0;
}
