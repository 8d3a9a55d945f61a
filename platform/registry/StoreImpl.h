#pragma once
// The inside of RegistryStore, shared by the store's and the key handles' code.

#include "platform/registry/Registry.h"

#include <cstdint>
#include <functional>
#include <string>

struct sqlite3;

namespace platform {

struct RegistryStore::Impl {
  std::string path;
  sqlite3* db = nullptr;
  bool usable = false;
  bool readOnly = false;
  std::string lastError;
  int depth = 0;  // > 0 while a transaction is open
  bool writing = false;  // the open transaction may write

  void Open();
  void Close();

  // Records SQLite's message for `code` and maps it to a result.
  RegResult Fail(int code);
  // Run `body` in a read or a write transaction, or inside the one already open.
  RegResult Read(const std::function<RegResult()>& body);
  RegResult Write(const std::function<RegResult()>& body);

  // The id of the key at `path`; `storedPath` (when given) receives it in stored case.
  RegResult Resolve(Hive hive, std::string_view path, std::int64_t& id,
                    std::string* storedPath = nullptr);
  // Runs body with the id of the key at `path`, in a read or a write transaction; a key that
  // does not resolve answers as Resolve does, without running body.
  RegResult AtKey(Hive hive, std::string_view path, bool write,
                  const std::function<RegResult(std::int64_t)>& body);
  // As Resolve, creating what is missing; inside a write transaction.
  RegResult Create(Hive hive, std::string_view path, std::int64_t& id, std::string& storedPath);

private:
  RegResult CheckSchema();
  RegResult ReadSchema(bool& empty, std::int64_t& version);
  RegResult CreateSchema();
};

// The fixed ids of the hives' root keys.
std::int64_t HiveRootId(Hive hive);

} // namespace platform
