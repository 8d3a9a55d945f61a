#include "maintenance/common/AppRegistry.h"

#include <filesystem>
#include <system_error>

#include "platform/text/Text.h"

namespace maintenance {

bool ReadStringValue(const platform::RegKey& key, std::string_view name, std::string& out) {
  out.clear();
  std::string data;
  if (key.QueryValue(name, data) != platform::RegResult::Ok) return false;
  out = data.substr(0, data.find('\0'));
  return true;
}

platform::RegKey OpenAppKey(platform::RegistryStore& store, std::string_view path) {
  platform::RegKey key;
  if (store.OpenKey(platform::Hive::LocalMachine, path, platform::KeyAccess::Full, key) !=
      platform::RegResult::Ok)
    return platform::RegKey();
  return key;
}

std::string FileSystemPath(std::string_view cp1252Path) {
  return platform::Utf8FromCp1252(cp1252Path);
}

namespace {

bool MakeCurrentDirectory(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code error;
  std::filesystem::current_path(FileSystemPath(folder), error);
  return !error;
}

} // namespace

bool LoadAppRecord(platform::RegistryStore& store, AppTable& table, std::string_view keyPath,
                   bool readCheckFile) {
  if (table.IsFull()) return false;
  platform::RegKey key = OpenAppKey(store, keyPath);
  if (!key.IsOpen()) return false;

  AppRecord record;
  if (!ReadStringValue(key, "", record.displayName)) return false;
  if (readCheckFile) ReadStringValue(key, "FichierConfig", record.checkFile);
  std::string folder;
  ReadStringValue(key, "Chemin", folder);
  ReadStringValue(key, "Version", record.versionText);
  ReadStringValue(key, "Icon", record.iconFile);

  if (!MakeCurrentDirectory(folder)) return false;
  table.records[table.count++] = std::move(record);
  return true;
}

void EnumerateApps(platform::RegistryStore& store, AppTable& table, std::string_view rootPath,
                   bool readCheckFile) {
  platform::RegKey root;
  if (store.OpenKey(platform::Hive::LocalMachine, rootPath, platform::KeyAccess::Read, root) !=
      platform::RegResult::Ok)
    return;
  std::string name;
  for (int index = 0; root.EnumKey(index, name) == platform::RegResult::Ok; ++index) {
    std::string path(rootPath);
    path += '\\';
    path += name;
    LoadAppRecord(store, table, path, readCheckFile);
  }
}

} // namespace maintenance
