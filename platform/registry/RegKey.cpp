#include "platform/registry/KeyPath.h"
#include "platform/registry/Registry.h"
#include "platform/registry/Statement.h"
#include "platform/registry/StoreImpl.h"
#include "platform/text/Text.h"

#include <sqlite3.h>

namespace platform {

RegResult RegKey::QueryValue(std::string_view name, std::string& data) const {
  ValueType type = ValueType::String;
  return QueryValue(name, data, type);
}

RegResult RegKey::QueryValue(std::string_view name, std::string& data, ValueType& type) const {
  if (!store_) return RegResult::NotFound;
  if (!IsValidValueName(name)) return RegResult::InvalidName;
  RegistryStore::Impl& impl = *store_->impl_;
  return impl.AtKey(hive_, path_, false, [&](std::int64_t id) {
    Statement query(impl.db, "SELECT type, data FROM vals WHERE key = ?1 AND fold = ?2");
    query.BindInt(1, id);
    query.BindBytes(2, ToUpperCp1252(name));
    const int code = query.Step();
    if (code == SQLITE_DONE) return RegResult::NotFound;
    if (code != SQLITE_ROW) return impl.Fail(code);
    type = static_cast<ValueType>(query.Int(0));
    data = query.Bytes(1);
    return RegResult::Ok;
  });
}

RegResult RegKey::SetValue(std::string_view name, std::string_view data, ValueType type) {
  if (!store_) return RegResult::NotFound;
  if (access_ != KeyAccess::Full) return RegResult::AccessDenied;
  if (!IsValidValueName(name)) return RegResult::InvalidName;
  RegistryStore::Impl& impl = *store_->impl_;
  return impl.AtKey(hive_, path_, true, [&](std::int64_t id) {
    // An update in place keeps the name's first spelling and the value's place in enumeration.
    Statement upsert(impl.db,
                     "INSERT INTO vals(key, name, fold, type, data) VALUES (?1, ?2, ?3, ?4, ?5)"
                     " ON CONFLICT(key, fold) DO UPDATE SET type = excluded.type,"
                     " data = excluded.data");
    upsert.BindInt(1, id);
    upsert.BindBytes(2, name);
    upsert.BindBytes(3, ToUpperCp1252(name));
    upsert.BindInt(4, static_cast<int>(type));
    upsert.BindBytes(5, data);
    const int code = upsert.Step();
    return code == SQLITE_DONE ? RegResult::Ok : impl.Fail(code);
  });
}

RegResult RegKey::DeleteValue(std::string_view name) {
  if (!store_) return RegResult::NotFound;
  if (access_ != KeyAccess::Full) return RegResult::AccessDenied;
  if (!IsValidValueName(name)) return RegResult::InvalidName;
  RegistryStore::Impl& impl = *store_->impl_;
  return impl.AtKey(hive_, path_, true, [&](std::int64_t id) {
    Statement remove(impl.db, "DELETE FROM vals WHERE key = ?1 AND fold = ?2");
    remove.BindInt(1, id);
    remove.BindBytes(2, ToUpperCp1252(name));
    const int code = remove.Step();
    if (code != SQLITE_DONE) return impl.Fail(code);
    return sqlite3_changes(impl.db) > 0 ? RegResult::Ok : RegResult::NotFound;
  });
}

RegResult RegKey::EnumKey(int index, std::string& name) const {
  if (!store_ || index < 0) return RegResult::NotFound;
  RegistryStore::Impl& impl = *store_->impl_;
  return impl.AtKey(hive_, path_, false, [&](std::int64_t id) {
    Statement query(impl.db,
                    "SELECT name FROM keys WHERE parent = ?1 ORDER BY fold LIMIT 1 OFFSET ?2");
    query.BindInt(1, id);
    query.BindInt(2, index);
    const int code = query.Step();
    if (code == SQLITE_DONE) return RegResult::NotFound;
    if (code != SQLITE_ROW) return impl.Fail(code);
    name = query.Bytes(0);
    return RegResult::Ok;
  });
}

RegResult RegKey::EnumValue(int index, std::string& name, std::string& data,
                            ValueType& type) const {
  if (!store_ || index < 0) return RegResult::NotFound;
  RegistryStore::Impl& impl = *store_->impl_;
  return impl.AtKey(hive_, path_, false, [&](std::int64_t id) {
    Statement query(impl.db,
                    "SELECT name, type, data FROM vals WHERE key = ?1"
                    " ORDER BY id LIMIT 1 OFFSET ?2");
    query.BindInt(1, id);
    query.BindInt(2, index);
    const int code = query.Step();
    if (code == SQLITE_DONE) return RegResult::NotFound;
    if (code != SQLITE_ROW) return impl.Fail(code);
    name = query.Bytes(0);
    type = static_cast<ValueType>(query.Int(1));
    data = query.Bytes(2);
    return RegResult::Ok;
  });
}

RegResult RegKey::OpenSubKey(std::string_view subPath, KeyAccess access, RegKey& out) const {
  if (!store_) {
    out = RegKey();
    return RegResult::NotFound;
  }
  const std::string path = JoinKeyPath(path_, subPath);
  return store_->OpenKey(hive_, path, access, out);
}

RegResult RegKey::CreateSubKey(std::string_view subPath, RegKey& out) const {
  RegistryStore* store = store_;
  const std::string path = JoinKeyPath(path_, subPath);
  const bool full = access_ == KeyAccess::Full;
  out = RegKey();
  if (!store) return RegResult::NotFound;
  if (!full) return RegResult::AccessDenied;
  return store->CreateKey(hive_, path, out);
}

RegResult RegKey::DeleteSubKey(std::string_view subPath) const {
  if (!store_) return RegResult::NotFound;
  if (access_ != KeyAccess::Full) return RegResult::AccessDenied;
  return store_->DeleteKey(hive_, JoinKeyPath(path_, subPath));
}

} // namespace platform
