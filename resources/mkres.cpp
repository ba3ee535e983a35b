// Builds res.dat from SQL scripts, in the order given, into a fresh file.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: lx_mkres OUTPUT SCRIPT...\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string tmp = out + ".tmp";
    std::remove(tmp.c_str());
    sqlite3 *db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "cannot create %s\n", tmp.c_str());
        return 1;
    }
    sqlite3_exec(db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i]);
        std::stringstream text;
        text << in.rdbuf();
        char *msg = nullptr;
        if (!in || sqlite3_exec(db, text.str().c_str(), nullptr, nullptr, &msg) != SQLITE_OK) {
            std::fprintf(stderr, "%s: %s\n", argv[i], msg ? msg : "cannot read");
            sqlite3_close(db);
            std::remove(tmp.c_str());
            return 1;
        }
    }
    char *msg = nullptr;
    if (sqlite3_exec(db, "COMMIT; VACUUM;", nullptr, nullptr, &msg) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", msg ? msg : "commit failed");
        sqlite3_close(db);
        return 1;
    }
    sqlite3_close(db);
    if (std::rename(tmp.c_str(), out.c_str()) != 0) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
