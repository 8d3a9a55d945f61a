#include "platform/registry/Statement.h"

#include <sqlite3.h>

namespace platform {

Statement::Statement(sqlite3* db, const char* sql)
    : prepareCode_(sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr)) {}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::BindInt(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

void Statement::BindBytes(int index, std::string_view bytes) {
  // A null pointer would bind NULL, not an empty blob.
  sqlite3_bind_blob64(stmt_, index, bytes.empty() ? "" : bytes.data(), bytes.size(),
                      SQLITE_TRANSIENT);
}

int Statement::Step() { return stmt_ ? sqlite3_step(stmt_) : prepareCode_; }

void Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

std::int64_t Statement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::Bytes(int column) const {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
  const int size = sqlite3_column_bytes(stmt_, column);
  return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
}

int Execute(sqlite3* db, const char* sql) {
  return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

} // namespace platform
