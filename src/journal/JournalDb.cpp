#include "journal/JournalDb.h"

namespace rotulano::journal {

Database::~Database() {
    close();
}

int Database::open(const std::string& path, bool readOnly) {
    close();
    const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        close();
        return code;
    }
    sqlite3_extended_result_codes(db_, 0);
    return SQLITE_OK;
}

void Database::close() {
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

int Database::exec(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

int Database::queryInt(const std::string& sql, long long& value) {
    Statement statement(*this, sql);
    if (statement.prepared() != SQLITE_OK) {
        return statement.prepared();
    }
    const int code = statement.step();
    if (code == SQLITE_ROW) {
        value = statement.integer(0);
        return SQLITE_OK;
    }
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

std::string Database::lastError() const {
    return db_ != nullptr ? sqlite3_errmsg(db_) : "sem conexão";
}

Statement::Statement(const Database& db, const std::string& sql) {
    prepared_ =
        sqlite3_prepare_v2(db.handle(), sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::bind(int index, long long value) {
    sqlite3_bind_int64(stmt_, index, value);
}

void Statement::bind(int index, const std::string& text) {
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

int Statement::step() {
    return sqlite3_step(stmt_);
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

long long Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::text(int column) const {
    const auto* bytes = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes != nullptr
               ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size))
               : std::string();
}

bool isCorruption(int code) {
    return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
}

}  // namespace rotulano::journal
