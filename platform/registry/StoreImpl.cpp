#include "platform/registry/StoreImpl.h"

#include "platform/registry/KeyPath.h"
#include "platform/registry/Statement.h"
#include "platform/text/Text.h"

#include <filesystem>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

constexpr std::int64_t kSchemaVersion = 1;
// Writers hold the lock for one short transaction; a long wait only means a busy machine.
constexpr int kBusyTimeoutMs = 30000;

constexpr const char* kSchema = R"sql(
CREATE TABLE meta(name TEXT PRIMARY KEY, value INTEGER NOT NULL);
CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER, name BLOB NOT NULL, fold BLOB NOT NULL,
                  UNIQUE(parent, fold));
CREATE TABLE vals(id INTEGER PRIMARY KEY, key INTEGER NOT NULL, name BLOB NOT NULL,
                  fold BLOB NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL,
                  UNIQUE(key, fold));
INSERT INTO keys(id, parent, name, fold) VALUES (1, NULL, X'', X''), (2, NULL, X'', X'');
INSERT INTO meta(name, value) VALUES ('schema_version', 1);
)sql";

} // namespace

std::int64_t HiveRootId(Hive hive) { return hive == Hive::LocalMachine ? 1 : 2; }

void RegistryStore::Impl::Open() {
  if (path.empty()) {
    lastError = "no store file given";
    return;
  }
  struct stat info {};
  if (stat(path.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) {
      lastError = "is a folder, not a store file";
      return;
    }
    // A file without any write permission bit counts as read-only even for root, as the
    // read-only attribute does on Windows.
    readOnly = access(path.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0;
  } else {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error) {
      lastError = "cannot create folder " + folder.string() + ": " + error.message();
      return;
    }
  }
  const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  const int code = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (code != SQLITE_OK) {
    lastError = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    Close();
    return;
  }
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  usable = true;
  if (CheckSchema() != RegResult::Ok) {
    usable = false;
    Close();
  }
}

void RegistryStore::Impl::Close() {
  sqlite3_close(db);
  db = nullptr;
}

RegResult RegistryStore::Impl::CheckSchema() {
  bool empty = false;
  std::int64_t version = 0;
  RegResult result = Read([&] { return ReadSchema(empty, version); });
  if (result == RegResult::Ok && empty && !readOnly) {
    // The rollback journal (not WAL) keeps a read-only store file readable: WAL readers need to
    // write the shared-memory file beside it.
    Execute(db, "PRAGMA journal_mode=DELETE");
    result = Write([&] {
      const RegResult read = ReadSchema(empty, version);
      if (read != RegResult::Ok || !empty) return read;
      empty = false;
      version = kSchemaVersion;
      return CreateSchema();
    });
  }
  if (result != RegResult::Ok) return result;
  if (empty) {
    lastError = "empty read-only file, not a settings store";
    return RegResult::StoreError;
  }
  if (version != kSchemaVersion) {
    lastError = version == 0 ? "not a settings store"
                             : "settings store of unknown version " + std::to_string(version);
    return RegResult::StoreError;
  }
  return RegResult::Ok;
}

RegResult RegistryStore::Impl::ReadSchema(bool& empty, std::int64_t& version) {
  Statement tables(db, "SELECT count(*), sum(name = 'meta') FROM sqlite_master"
                       " WHERE type = 'table'");
  const int code = tables.Step();
  if (code != SQLITE_ROW) return Fail(code);
  empty = tables.Int(0) == 0;
  version = 0;
  if (tables.Int(1) == 0) return RegResult::Ok;
  Statement meta(db, "SELECT value FROM meta WHERE name = 'schema_version'");
  const int metaCode = meta.Step();
  if (metaCode == SQLITE_ROW) version = meta.Int(0);
  else if (metaCode != SQLITE_DONE) return Fail(metaCode);
  return RegResult::Ok;
}

RegResult RegistryStore::Impl::CreateSchema() {
  const int code = Execute(db, kSchema);
  return code == SQLITE_OK ? RegResult::Ok : Fail(code);
}

RegResult RegistryStore::Impl::Fail(int code) {
  lastError = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  return (code & 0xff) == SQLITE_READONLY ? RegResult::AccessDenied : RegResult::StoreError;
}

RegResult RegistryStore::Impl::AtKey(Hive hive, std::string_view path, bool write,
                                     const std::function<RegResult(std::int64_t)>& body) {
  auto run = [&] {
    std::int64_t id = 0;
    const RegResult found = Resolve(hive, path, id);
    return found == RegResult::Ok ? body(id) : found;
  };
  return write ? Write(run) : Read(run);
}

RegResult RegistryStore::Impl::Read(const std::function<RegResult()>& body) {
  if (!usable) return RegResult::StoreError;
  if (depth > 0) return body();
  const int code = Execute(db, "BEGIN");
  if (code != SQLITE_OK) return Fail(code);
  ++depth;
  const RegResult result = body();
  --depth;
  Execute(db, "ROLLBACK");
  return result;
}

RegResult RegistryStore::Impl::Write(const std::function<RegResult()>& body) {
  if (!usable) return RegResult::StoreError;
  if (readOnly) return RegResult::AccessDenied;
  // A write inside a read transaction would have to upgrade its lock.
  if (depth > 0) return writing ? body() : RegResult::AccessDenied;
  // Taking the write lock up front means a transaction never has to upgrade a read lock, the
  // case where SQLite gives up at once instead of waiting.
  int code = Execute(db, "BEGIN IMMEDIATE");
  if (code != SQLITE_OK) return Fail(code);
  ++depth;
  writing = true;
  RegResult result = body();
  writing = false;
  --depth;
  if (result == RegResult::Ok) {
    code = Execute(db, "COMMIT");
    if (code == SQLITE_OK) return RegResult::Ok;
    result = Fail(code);
  }
  if (!sqlite3_get_autocommit(db)) Execute(db, "ROLLBACK");
  return result;
}

RegResult RegistryStore::Impl::Resolve(Hive hive, std::string_view keyPath, std::int64_t& id,
                                       std::string* storedPath) {
  std::vector<std::string_view> parts;
  if (!SplitKeyPath(keyPath, parts)) return RegResult::InvalidName;
  id = HiveRootId(hive);
  std::string stored;
  Statement find(db, "SELECT id, name FROM keys WHERE parent = ?1 AND fold = ?2");
  if (find.PrepareCode() != SQLITE_OK) return Fail(find.PrepareCode());
  for (std::string_view part : parts) {
    find.Reset();
    find.BindInt(1, id);
    find.BindBytes(2, ToUpperCp1252(part));
    const int code = find.Step();
    if (code == SQLITE_DONE) return RegResult::NotFound;
    if (code != SQLITE_ROW) return Fail(code);
    id = find.Int(0);
    if (!stored.empty()) stored += '\\';
    stored += find.Bytes(1);
  }
  if (storedPath) *storedPath = std::move(stored);
  return RegResult::Ok;
}

RegResult RegistryStore::Impl::Create(Hive hive, std::string_view keyPath, std::int64_t& id,
                                      std::string& storedPath) {
  std::vector<std::string_view> parts;
  if (!SplitKeyPath(keyPath, parts)) return RegResult::InvalidName;
  id = HiveRootId(hive);
  storedPath.clear();
  Statement find(db, "SELECT id, name FROM keys WHERE parent = ?1 AND fold = ?2");
  Statement insert(db, "INSERT INTO keys(parent, name, fold) VALUES (?1, ?2, ?3)");
  if (find.PrepareCode() != SQLITE_OK) return Fail(find.PrepareCode());
  if (insert.PrepareCode() != SQLITE_OK) return Fail(insert.PrepareCode());
  for (std::string_view part : parts) {
    const std::string fold = ToUpperCp1252(part);
    find.Reset();
    find.BindInt(1, id);
    find.BindBytes(2, fold);
    int code = find.Step();
    if (!storedPath.empty()) storedPath += '\\';
    if (code == SQLITE_ROW) {
      id = find.Int(0);
      storedPath += find.Bytes(1);
      continue;
    }
    if (code != SQLITE_DONE) return Fail(code);
    insert.Reset();
    insert.BindInt(1, id);
    insert.BindBytes(2, part);
    insert.BindBytes(3, fold);
    code = insert.Step();
    if (code != SQLITE_DONE) return Fail(code);
    id = sqlite3_last_insert_rowid(db);
    storedPath += part;
  }
  return RegResult::Ok;
}

} // namespace platform
