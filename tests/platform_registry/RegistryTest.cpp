#include "platform/registry/Registry.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sqlite3.h>
#include <sys/stat.h>
#include <vector>

using platform::Hive;
using platform::KeyAccess;
using platform::RegistryStore;
using platform::RegKey;
using platform::RegResult;
using platform::ValueType;
using test_support::TempFolder;

namespace {

class RegistryTest : public ::testing::Test {
protected:
  TempFolder folder_;
  std::string storePath_ = folder_.File("store/registry.db");
};

std::vector<std::string> SubkeyNames(const RegKey& key) {
  std::vector<std::string> names;
  std::string name;
  for (int i = 0; key.EnumKey(i, name) == RegResult::Ok; ++i) names.push_back(name);
  return names;
}

TEST_F(RegistryTest, CreatesStoreAndFolderAndKeepsValuesAcrossOpenings) {
  {
    RegistryStore store(storePath_);
    ASSERT_TRUE(store.IsUsable()) << store.LastError();
    RegKey key;
    ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\Apps Kavel\\Tallyra", key),
              RegResult::Ok);
    EXPECT_EQ(key.SetValue("Chemin", "C:\\mt.dat"), RegResult::Ok);
  }
  RegistryStore store(storePath_);
  RegKey key;
  ASSERT_EQ(store.OpenKey(Hive::LocalMachine, "Software\\Apps Kavel\\Tallyra", KeyAccess::Read,
                          key),
            RegResult::Ok);
  std::string data;
  EXPECT_EQ(key.QueryValue("Chemin", data), RegResult::Ok);
  EXPECT_EQ(data, "C:\\mt.dat");
}

TEST_F(RegistryTest, NamesAreCaseInsensitiveUnderCp1252AndKeepTheirFirstCase) {
  RegistryStore store(storePath_);
  RegKey key;
  // "Désinstallation" in Windows-1252, looked up as "DÉSINSTALLATION".
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\\xC9t\xE9", key), RegResult::Ok);
  ASSERT_EQ(key.SetValue("D\xE9sinstallation", "a"), RegResult::Ok);
  ASSERT_EQ(key.SetValue("D\xC9SINSTALLATION", "b"), RegResult::Ok);

  RegKey again;
  ASSERT_EQ(store.OpenKey(Hive::LocalMachine, "SOFTWARE\\\xE9T\xC9", KeyAccess::Full, again),
            RegResult::Ok);
  EXPECT_EQ(again.Path(), "Software\\\xC9t\xE9");
  std::string name, data;
  ValueType type{};
  ASSERT_EQ(again.EnumValue(0, name, data, type), RegResult::Ok);
  EXPECT_EQ(name, "D\xE9sinstallation");
  EXPECT_EQ(data, "b");
  EXPECT_EQ(again.EnumValue(1, name, data, type), RegResult::NotFound);
}

TEST_F(RegistryTest, HivesAreSeparate) {
  RegistryStore store(storePath_);
  RegKey key;
  ASSERT_EQ(store.CreateKey(Hive::ClassesRoot, ".txt", key), RegResult::Ok);
  EXPECT_EQ(store.OpenKey(Hive::LocalMachine, ".txt", KeyAccess::Read, key), RegResult::NotFound);
  EXPECT_FALSE(key.IsOpen());
  EXPECT_EQ(store.OpenKey(Hive::ClassesRoot, ".TXT", KeyAccess::Read, key), RegResult::Ok);
}

TEST_F(RegistryTest, DefaultValueIsTheEmptyNameAndMissingUntilSet) {
  RegistryStore store(storePath_);
  RegKey key;
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\App", key), RegResult::Ok);
  std::string data;
  EXPECT_EQ(key.QueryValue("", data), RegResult::NotFound);
  ASSERT_EQ(key.SetValue("", "Colorohm 2.0"), RegResult::Ok);
  EXPECT_EQ(key.QueryValue("", data), RegResult::Ok);
  EXPECT_EQ(data, "Colorohm 2.0");
  EXPECT_EQ(key.DeleteValue(""), RegResult::Ok);
  EXPECT_EQ(key.QueryValue("", data), RegResult::NotFound);
  EXPECT_EQ(key.DeleteValue(""), RegResult::NotFound);
}

TEST_F(RegistryTest, DataAreKeptByteForByteWithTheirType) {
  RegistryStore store(storePath_);
  RegKey key;
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\App", key), RegResult::Ok);
  const struct {
    const char* name;
    std::string data;
    ValueType type;
  } cases[] = {
      {"empty", std::string(), ValueType::String},
      {"trailing NUL", std::string("C:\\App\0", 7), ValueType::String},
      {"padded buffer", std::string("/opt/x") + std::string(254, '\0'), ValueType::String},
      {"embedded NUL", std::string("a\0b", 3), ValueType::MultiString},
      {"binary", std::string("\xFF\x00\x80\x01", 4), ValueType::Binary},
      {"dword", std::string("\x0A\0\0\0", 4), ValueType::Dword},
  };
  for (const auto& c : cases) ASSERT_EQ(key.SetValue(c.name, c.data, c.type), RegResult::Ok);
  for (const auto& c : cases) {
    std::string data = "stale";
    ValueType type{};
    ASSERT_EQ(key.QueryValue(c.name, data, type), RegResult::Ok) << c.name;
    EXPECT_EQ(data, c.data) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
  }
}

TEST_F(RegistryTest, SubkeysEnumerateInCaseInsensitiveOrder) {
  RegistryStore store(storePath_);
  RegKey root;
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\Apps Kavel\\KavelRepair", root),
            RegResult::Ok);
  RegKey sub;
  for (const char* name : {"zeta", "Beta", "alpha", "\xC9lan", "Echo", "delta"})
    ASSERT_EQ(root.CreateSubKey(name, sub), RegResult::Ok);
  // É (0xC9) sorts after every ASCII letter, as the upper-cased bytes compare.
  EXPECT_EQ(SubkeyNames(root),
            (std::vector<std::string>{"alpha", "Beta", "delta", "Echo", "zeta", "\xC9lan"}));
  std::string name;
  EXPECT_EQ(root.EnumKey(-1, name), RegResult::NotFound);
  EXPECT_EQ(root.EnumKey(6, name), RegResult::NotFound);
}

TEST_F(RegistryTest, KeyWithSubkeysIsNotDeletedButTreeDeleteRemovesAll) {
  RegistryStore store(storePath_);
  RegKey key;
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\A\\B\\C", key), RegResult::Ok);
  ASSERT_EQ(key.SetValue("v", "1"), RegResult::Ok);
  EXPECT_EQ(store.DeleteKey(Hive::LocalMachine, "Software\\A"), RegResult::HasSubkeys);
  EXPECT_EQ(store.DeleteKey(Hive::LocalMachine, "Software\\a\\b\\c"), RegResult::Ok);
  EXPECT_EQ(store.DeleteKey(Hive::LocalMachine, "Software\\A\\B\\C"), RegResult::NotFound);
  std::string data;
  EXPECT_EQ(key.QueryValue("v", data), RegResult::NotFound) << "handle of a deleted key";
  // A key recreated under the same name starts without the old values.
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\A\\B\\C", key), RegResult::Ok);
  EXPECT_EQ(key.QueryValue("v", data), RegResult::NotFound);

  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\A\\B2", key), RegResult::Ok);
  ASSERT_EQ(key.SetValue("w", "2"), RegResult::Ok);
  EXPECT_EQ(store.DeleteTree(Hive::LocalMachine, "software\\a"), RegResult::Ok);
  EXPECT_EQ(store.OpenKey(Hive::LocalMachine, "Software\\A", KeyAccess::Read, key),
            RegResult::NotFound);
  ASSERT_EQ(store.OpenKey(Hive::LocalMachine, "Software", KeyAccess::Read, key), RegResult::Ok);
  EXPECT_TRUE(SubkeyNames(key).empty());
  EXPECT_EQ(store.DeleteKey(Hive::LocalMachine, ""), RegResult::InvalidName);
  EXPECT_EQ(store.DeleteTree(Hive::LocalMachine, "\\"), RegResult::InvalidName);
}

TEST_F(RegistryTest, PathsAreCheckedBeforeUse) {
  RegistryStore store(storePath_);
  RegKey key;
  const struct {
    const char* path;
    RegResult expected;
  } cases[] = {
      {"\\Software\\X\\", RegResult::Ok},
      {"Software\\\\X", RegResult::InvalidName},
      {"", RegResult::Ok},  // the hive itself
  };
  for (const auto& c : cases)
    EXPECT_EQ(store.CreateKey(Hive::LocalMachine, c.path, key), c.expected) << c.path;
  EXPECT_EQ(store.CreateKey(Hive::LocalMachine, std::string(256, 'k'), key),
            RegResult::InvalidName);
  EXPECT_EQ(store.CreateKey(Hive::LocalMachine, std::string(255, 'k'), key), RegResult::Ok);
  EXPECT_EQ(store.CreateKey(Hive::LocalMachine, std::string("a\0b", 3), key),
            RegResult::InvalidName);
  ASSERT_EQ(store.OpenKey(Hive::LocalMachine, "software\\x", KeyAccess::Read, key), RegResult::Ok);
  EXPECT_EQ(key.Path(), "Software\\X");
}

TEST_F(RegistryTest, ReadHandleRefusesEveryWrite) {
  RegistryStore store(storePath_);
  RegKey key;
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\X\\Y", key), RegResult::Ok);
  ASSERT_EQ(store.OpenKey(Hive::LocalMachine, "Software\\X", KeyAccess::Read, key), RegResult::Ok);
  RegKey sub;
  EXPECT_EQ(key.SetValue("a", "b"), RegResult::AccessDenied);
  EXPECT_EQ(key.DeleteValue("a"), RegResult::AccessDenied);
  EXPECT_EQ(key.CreateSubKey("Z", sub), RegResult::AccessDenied);
  EXPECT_EQ(key.DeleteSubKey("Y"), RegResult::AccessDenied);
  EXPECT_EQ(key.OpenSubKey("y", KeyAccess::Full, sub), RegResult::Ok);
  EXPECT_EQ(sub.Path(), "Software\\X\\Y");
}

TEST_F(RegistryTest, NullKeyAnswersNotFound) {
  RegKey key;
  std::string data;
  EXPECT_EQ(key.QueryValue("a", data), RegResult::NotFound);
  EXPECT_EQ(key.SetValue("a", "b"), RegResult::NotFound);
  EXPECT_EQ(key.EnumKey(0, data), RegResult::NotFound);
  RegKey sub;
  EXPECT_EQ(key.OpenSubKey("x", KeyAccess::Read, sub), RegResult::NotFound);
}

TEST_F(RegistryTest, ReadOnlyStoreReadsButRefusesFullAccess) {
  {
    RegistryStore store(storePath_);
    RegKey key;
    ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\X", key), RegResult::Ok);
    ASSERT_EQ(key.SetValue("v", "1"), RegResult::Ok);
  }
  ASSERT_EQ(chmod(storePath_.c_str(), 0444), 0);
  RegistryStore store(storePath_);
  ASSERT_TRUE(store.IsUsable()) << store.LastError();
  EXPECT_TRUE(store.IsReadOnly());
  RegKey key;
  EXPECT_EQ(store.OpenKey(Hive::LocalMachine, "Software\\X", KeyAccess::Full, key),
            RegResult::AccessDenied);
  EXPECT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\Y", key), RegResult::AccessDenied);
  EXPECT_EQ(store.DeleteKey(Hive::LocalMachine, "Software\\X"), RegResult::AccessDenied);
  ASSERT_EQ(store.OpenKey(Hive::LocalMachine, "Software\\X", KeyAccess::Read, key), RegResult::Ok);
  std::string data;
  EXPECT_EQ(key.QueryValue("v", data), RegResult::Ok);
  EXPECT_EQ(data, "1");
}

TEST_F(RegistryTest, UnusableStoreAnswersStoreErrorEverywhere) {
  const std::string garbage = folder_.File("garbage.db");
  std::ofstream(garbage) << "this is not a database, only some text long enough to matter\n"
                         << std::string(200, 'x');
  const std::string foreign = folder_.File("foreign.db");
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(foreign.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE other(x)", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  for (const std::string& path : {garbage, foreign, folder_.Path(), std::string()}) {
    RegistryStore store(path);
    EXPECT_FALSE(store.IsUsable()) << path;
    EXPECT_FALSE(store.LastError().empty()) << path;
    RegKey key;
    EXPECT_EQ(store.OpenKey(Hive::LocalMachine, "Software", KeyAccess::Read, key),
              RegResult::StoreError);
    EXPECT_EQ(store.CreateKey(Hive::LocalMachine, "Software", key), RegResult::StoreError);
    EXPECT_EQ(store.DeleteKey(Hive::LocalMachine, "Software"), RegResult::StoreError);
    EXPECT_FALSE(key.IsOpen());
  }
  std::ifstream check(garbage);
  std::string first;
  std::getline(check, first);
  EXPECT_EQ(first, "this is not a database, only some text long enough to matter")
      << "the file must be left as it was";
}

TEST_F(RegistryTest, TransactionKeepsAllOrNothing) {
  RegistryStore store(storePath_);
  RegKey key;
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\T", key), RegResult::Ok);
  EXPECT_EQ(store.InTransaction([&] {
    key.SetValue("a", "1");
    RegKey sub;
    key.CreateSubKey("Sub", sub);
    return RegResult::InvalidName;
  }),
            RegResult::InvalidName);
  std::string data;
  EXPECT_EQ(key.QueryValue("a", data), RegResult::NotFound);
  EXPECT_TRUE(SubkeyNames(key).empty());
  EXPECT_EQ(store.InTransaction([&] { return key.SetValue("a", "2"); }), RegResult::Ok);
  EXPECT_EQ(key.QueryValue("a", data), RegResult::Ok);
  EXPECT_EQ(data, "2");
}

TEST(RegistryPathTest, DefaultPathFollowsEnvironment) {
  const char* oldStore = std::getenv("SOLVANE_REGISTRY");
  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  const std::string savedStore = oldStore ? oldStore : "";
  const std::string savedXdg = oldXdg ? oldXdg : "";
  setenv("SOLVANE_REGISTRY", "/x/y.db", 1);
  EXPECT_EQ(RegistryStore::DefaultPath(), "/x/y.db");
  unsetenv("SOLVANE_REGISTRY");
  setenv("XDG_DATA_HOME", "/data", 1);
  EXPECT_EQ(RegistryStore::DefaultPath(), "/data/solvane/registry.db");
  setenv("XDG_DATA_HOME", "relative", 1);
  setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
  EXPECT_EQ(RegistryStore::DefaultPath(),
            std::string(std::getenv("HOME")) + "/.local/share/solvane/registry.db");
  if (oldStore) setenv("SOLVANE_REGISTRY", savedStore.c_str(), 1);
  if (oldXdg) setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
  else unsetenv("XDG_DATA_HOME");
}

} // namespace
