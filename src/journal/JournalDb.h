#pragma once

#include <sqlite3.h>

#include <string>

namespace rotulano::journal {

// One connection to an SQLite database file, closed with its object.
class Database {
  public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens `path` (UTF-8 for SQLite; the file system's bytes on Linux) read-write or
    // read-only; never creates through a missing folder. The result code of SQLite.
    int open(const std::string& path, bool readOnly);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_; }

    // Runs statements without results; the result code of the first that failed.
    int exec(const std::string& sql);
    // The first column of the first row of `sql` as a number; `value` unchanged if none.
    int queryInt(const std::string& sql, long long& value);
    // SQLite's text for the last failure of this connection.
    std::string lastError() const;

  private:
    sqlite3* db_ = nullptr;
};

// One prepared statement of a connection, finalized with its object.
class Statement {
  public:
    Statement(const Database& db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int prepared() const { return prepared_; }
    void bind(int index, long long value);
    void bind(int index, const std::string& text);
    // SQLITE_ROW, SQLITE_DONE or a failure.
    int step();
    void reset();
    long long integer(int column) const;
    std::string text(int column) const;

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int prepared_ = SQLITE_ERROR;
};

// True for the result codes that mean the file is no SQLite database or is damaged.
bool isCorruption(int code);

}  // namespace rotulano::journal
