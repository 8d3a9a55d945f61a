#include "platform/registry/Registry.h"

#include "platform/registry/Statement.h"
#include "platform/registry/StoreImpl.h"

#include <cstdlib>
#include <pwd.h>
#include <sqlite3.h>
#include <unistd.h>

namespace platform {
namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return ".";
}

} // namespace

RegistryStore::RegistryStore(std::string path) : impl_(new Impl) {
  impl_->path = std::move(path);
  impl_->Open();
}

RegistryStore::~RegistryStore() {
  impl_->Close();
  delete impl_;
}

std::string RegistryStore::DefaultPath() {
  if (const char* chosen = std::getenv("SOLVANE_REGISTRY"); chosen && *chosen) return chosen;
  std::string data;
  // The XDG rules ignore a relative XDG_DATA_HOME.
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') data = xdg;
  else data = HomeFolder() + "/.local/share";
  return data + "/solvane/registry.db";
}

const std::string& RegistryStore::Path() const { return impl_->path; }
bool RegistryStore::IsUsable() const { return impl_->usable; }
bool RegistryStore::IsReadOnly() const { return impl_->readOnly; }
const std::string& RegistryStore::LastError() const { return impl_->lastError; }

RegResult RegistryStore::OpenKey(Hive hive, std::string_view path, KeyAccess access,
                                 RegKey& out) {
  std::string stored;
  RegResult result = RegResult::AccessDenied;
  if (!impl_->usable) result = RegResult::StoreError;
  else if (access == KeyAccess::Read || !impl_->readOnly) {
    result = impl_->Read([&] {
      std::int64_t id = 0;
      return impl_->Resolve(hive, path, id, &stored);
    });
  }
  out = RegKey();
  if (result != RegResult::Ok) return result;
  out.store_ = this;
  out.hive_ = hive;
  out.path_ = std::move(stored);
  out.access_ = access;
  return RegResult::Ok;
}

RegResult RegistryStore::CreateKey(Hive hive, std::string_view path, RegKey& out) {
  std::string stored;
  const RegResult result = impl_->Write([&] {
    std::int64_t id = 0;
    return impl_->Create(hive, path, id, stored);
  });
  out = RegKey();
  if (result != RegResult::Ok) return result;
  out.store_ = this;
  out.hive_ = hive;
  out.path_ = std::move(stored);
  out.access_ = KeyAccess::Full;
  return RegResult::Ok;
}

RegResult RegistryStore::DeleteKey(Hive hive, std::string_view path) {
  return impl_->AtKey(hive, path, true, [&](std::int64_t id) {
    if (id == HiveRootId(hive)) return RegResult::InvalidName;
    Statement child(impl_->db, "SELECT 1 FROM keys WHERE parent = ?1 LIMIT 1");
    child.BindInt(1, id);
    const int code = child.Step();
    if (code == SQLITE_ROW) return RegResult::HasSubkeys;
    if (code != SQLITE_DONE) return impl_->Fail(code);
    for (const char* sql : {"DELETE FROM vals WHERE key = ?1", "DELETE FROM keys WHERE id = ?1"}) {
      Statement remove(impl_->db, sql);
      remove.BindInt(1, id);
      if (const int removed = remove.Step(); removed != SQLITE_DONE) return impl_->Fail(removed);
    }
    return RegResult::Ok;
  });
}

RegResult RegistryStore::DeleteTree(Hive hive, std::string_view path) {
  return impl_->AtKey(hive, path, true, [&](std::int64_t id) {
    if (id == HiveRootId(hive)) return RegResult::InvalidName;
    // Values first: their keys are found through the tree that the second statement removes.
    for (const char* sql :
         {"WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL"
          " SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id)"
          " DELETE FROM vals WHERE key IN tree",
          "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL"
          " SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id)"
          " DELETE FROM keys WHERE id IN tree"}) {
      Statement remove(impl_->db, sql);
      remove.BindInt(1, id);
      if (const int removed = remove.Step(); removed != SQLITE_DONE) return impl_->Fail(removed);
    }
    return RegResult::Ok;
  });
}

RegResult RegistryStore::InTransaction(const std::function<RegResult()>& changes) {
  return impl_->Write(changes);
}

RegResult RegistryStore::InReadTransaction(const std::function<RegResult()>& reads) {
  return impl_->Read(reads);
}

} // namespace platform
