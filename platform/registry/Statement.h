#pragma once
// A prepared SQLite statement that finalizes itself. Texts travel as blobs so that names and data
// keep every byte and compare bytewise.

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

class Statement {
public:
  Statement(sqlite3* db, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // The SQLite code of preparing, SQLITE_OK when the statement is ready.
  int PrepareCode() const { return prepareCode_; }
  void BindInt(int index, std::int64_t value);
  void BindBytes(int index, std::string_view bytes);
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int Step();
  // Ready to run again with new bindings.
  void Reset();
  std::int64_t Int(int column) const;
  std::string Bytes(int column) const;

private:
  sqlite3_stmt* stmt_ = nullptr;
  int prepareCode_;
};

// Runs one statement without parameters or rows; the SQLite code.
int Execute(sqlite3* db, const char* sql);

} // namespace platform
