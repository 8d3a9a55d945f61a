#pragma once
// The settings store that stands in for the Windows registry: a tree of keys holding named
// values, kept in one SQLite file that several processes may use at once.
//
// Rules kept from the registry: two hives; key and value names are case-insensitive (under the
// Windows-1252 case mapping) and keep the case they were created with; the unnamed default value
// is the value whose name is empty; data are bytes (REG_SZ texts are stored exactly as given, so a
// text that carries its NUL terminator keeps it); subkeys enumerate by index in case-insensitive
// name order; a key that has subkeys cannot be deleted; full access fails on a read-only store.
//
// RegistryStore owns the database connection; RegKey is a light handle (store, hive, path,
// access) that resolves its path on every call, so a key deleted behind an open handle simply
// reads as missing; the store must outlive its handles, and every call on the null key answers
// NotFound. Each call is one SQLite transaction of its own unless it runs inside InTransaction.
// Nothing here throws.

#include <functional>
#include <string>
#include <string_view>

namespace platform {

enum class Hive { LocalMachine, ClassesRoot };
enum class KeyAccess { Read, Full };

// Value types kept for faithful export; readers ignore them, as the programs do.
enum class ValueType { String = 1, ExpandString = 2, Binary = 3, Dword = 4, MultiString = 7 };

enum class RegResult {
  Ok,
  NotFound,      // key or value missing, or an index past the end of an enumeration
  AccessDenied,  // write through a read handle, or full access on a read-only store
  HasSubkeys,    // delete of a key that still has subkeys
  InvalidName,   // empty path component, or a name the registry would refuse
  StoreError,    // store file missing, unreadable, not a database, or an SQLite failure
};

class RegKey;

class RegistryStore {
public:
  // Opens the store file, creating it (and its folder) when missing. A file that cannot be
  // opened or is not a store leaves the object unusable: every call then answers StoreError,
  // which the programs read as empty keys.
  explicit RegistryStore(std::string path);
  ~RegistryStore();
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  // $SOLVANE_REGISTRY when set, else registry.db in the per-user XDG data folder
  // ($XDG_DATA_HOME or ~/.local/share) under "solvane".
  static std::string DefaultPath();

  const std::string& Path() const;
  bool IsUsable() const;
  bool IsReadOnly() const;
  // Human-readable reason of the last StoreError (for kavelreg's messages).
  const std::string& LastError() const;

  // Path components are separated by '\'; leading and trailing separators are ignored.
  RegResult OpenKey(Hive hive, std::string_view path, KeyAccess access, RegKey& out);
  // Opens with full access, creating every missing component (RegCreateKeyEx).
  RegResult CreateKey(Hive hive, std::string_view path, RegKey& out);
  RegResult DeleteKey(Hive hive, std::string_view path);
  // Deletes a key with all its subkeys and values (RegDeleteTree); the hive itself is refused.
  RegResult DeleteTree(Hive hive, std::string_view path);

  // Runs `changes` as one write transaction: everything it did is kept when it answers Ok and
  // nothing otherwise. Calls made inside join this transaction.
  RegResult InTransaction(const std::function<RegResult()>& changes);
  // Runs `reads` as one read transaction, so that they all see the same state of the store;
  // writes inside it answer AccessDenied.
  RegResult InReadTransaction(const std::function<RegResult()>& reads);

private:
  friend class RegKey;
  struct Impl;
  Impl* impl_;
};

class RegKey {
public:
  RegKey() = default;  // the null key

  bool IsOpen() const { return store_ != nullptr; }
  void Close() { store_ = nullptr; }
  Hive GetHive() const { return hive_; }
  // Full path with each component in its stored case.
  const std::string& Path() const { return path_; }

  // An empty name is the default value.
  RegResult QueryValue(std::string_view name, std::string& data) const;
  RegResult QueryValue(std::string_view name, std::string& data, ValueType& type) const;
  RegResult SetValue(std::string_view name, std::string_view data,
                     ValueType type = ValueType::String);
  RegResult DeleteValue(std::string_view name);

  // NotFound once index passes the last subkey or value.
  RegResult EnumKey(int index, std::string& name) const;
  RegResult EnumValue(int index, std::string& name, std::string& data, ValueType& type) const;

  RegResult OpenSubKey(std::string_view subPath, KeyAccess access, RegKey& out) const;
  RegResult CreateSubKey(std::string_view subPath, RegKey& out) const;
  RegResult DeleteSubKey(std::string_view subPath) const;

private:
  friend class RegistryStore;
  RegistryStore* store_ = nullptr;
  Hive hive_ = Hive::LocalMachine;
  std::string path_;
  KeyAccess access_ = KeyAccess::Read;
};

} // namespace platform
