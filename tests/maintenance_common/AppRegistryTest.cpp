#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "maintenance/common/AppRegistry.h"
#include "platform/registry/Registry.h"
#include "tests/maintenance_common/TestFolder.h"

namespace maintenance {
namespace {

using platform::Hive;
using platform::RegKey;
using platform::RegResult;
using testing::TestFolder;

class AppRegistryTest : public ::testing::Test {
protected:
  TestFolder folder;
  platform::RegistryStore store{folder.File("registry.db")};

  // An application subkey under the repair wizard's key; an empty folder leaves "Chemin" out.
  void Register(const std::string& key, const std::string& displayName, const std::string& folder,
                const std::string& checkFile = "") {
    RegKey app;
    ASSERT_EQ(store.CreateKey(Hive::LocalMachine, std::string(kRepairRootKey) + "\\" + key, app),
              RegResult::Ok);
    ASSERT_EQ(app.SetValue("", displayName), RegResult::Ok);
    if (!folder.empty()) {
      ASSERT_EQ(app.SetValue("Chemin", folder), RegResult::Ok);
    }
    ASSERT_EQ(app.SetValue("Version", "2.0.0.39"), RegResult::Ok);
    ASSERT_EQ(app.SetValue("FichierConfig", checkFile), RegResult::Ok);
    ASSERT_EQ(app.SetValue("Icon", "icone.png"), RegResult::Ok);
  }
};

TEST_F(AppRegistryTest, ReadStringValueDistinguishesMissingEmptyAndNulTerminated) {
  RegKey key;
  ASSERT_EQ(store.CreateKey(Hive::LocalMachine, "Software\\Apps Kavel\\Essai", key), RegResult::Ok);
  key.SetValue("Vide", "");
  key.SetValue("Chemin", std::string("/opt/outil\0reste", 16));
  key.SetValue("Nombre", "12", platform::ValueType::Dword);

  std::string out = "stale";
  EXPECT_FALSE(ReadStringValue(key, "Absent", out));
  EXPECT_EQ(out, "");
  out = "stale";
  EXPECT_TRUE(ReadStringValue(key, "Vide", out));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(ReadStringValue(key, "chemin", out));
  EXPECT_EQ(out, "/opt/outil");
  EXPECT_TRUE(ReadStringValue(key, "Nombre", out));  // the type is ignored
  EXPECT_EQ(out, "12");
  EXPECT_FALSE(ReadStringValue(key, "", out));  // no default value yet
}

TEST_F(AppRegistryTest, EnumeratesAcceptedApplicationsInOrderAndEndsInTheLastFolder) {
  const std::string first = folder.MakeFolder("Alpha");
  const std::string second = folder.MakeFolder("Beta");
  Register("Beta", "Beta 1.5", second, "/x/beta.chk");
  Register("alpha", "Alpha 2.0", first, "/x/alpha.chk");
  Register("Gamma", "Gamma 1.0", folder.File("absent"));  // folder does not exist
  Register("Delta", "Delta 1.0", "");                     // no "Chemin"
  RegKey noName;
  store.CreateKey(Hive::LocalMachine, std::string(kRepairRootKey) + "\\Epsilon", noName);
  noName.SetValue("Chemin", first);                       // no default value

  AppTable table;
  EnumerateApps(store, table, kRepairRootKey, true);

  ASSERT_EQ(table.count, 2);
  EXPECT_EQ(table.records[0].displayName, "Alpha 2.0");
  EXPECT_EQ(table.records[0].checkFile, "/x/alpha.chk");
  EXPECT_EQ(table.records[0].versionText, "2.0.0.39");
  EXPECT_EQ(table.records[0].iconFile, "icone.png");
  EXPECT_EQ(table.records[1].displayName, "Beta 1.5");
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(second));
}

TEST_F(AppRegistryTest, UpdateWizardDoesNotReadTheCheckFile) {
  Register("Alpha", "Alpha 2.0", folder.MakeFolder("Alpha"), "/x/alpha.chk");
  AppTable table;
  EXPECT_TRUE(LoadAppRecord(store, table, std::string(kRepairRootKey) + "\\Alpha", false));
  EXPECT_EQ(table.records[0].checkFile, "");
  EXPECT_EQ(table.records[0].versionText, "2.0.0.39");
}

TEST_F(AppRegistryTest, EmptyDefaultValueIsAccepted) {
  Register("Alpha", "", folder.MakeFolder("Alpha"));
  AppTable table;
  EXPECT_TRUE(LoadAppRecord(store, table, std::string(kRepairRootKey) + "\\Alpha", true));
  EXPECT_EQ(table.count, 1);
  EXPECT_EQ(table.records[0].displayName, "");
}

TEST_F(AppRegistryTest, MissingRootOrKeyLeavesTheTableEmpty) {
  AppTable table;
  EnumerateApps(store, table, kRepairRootKey, true);
  EXPECT_FALSE(LoadAppRecord(store, table, std::string(kRepairRootKey) + "\\Absent", true));
  EXPECT_EQ(table.count, 0);
  EXPECT_FALSE(OpenAppKey(store, "Software\\Absent").IsOpen());
}

TEST_F(AppRegistryTest, ApplicationsPastFiftyAreIgnored) {
  const std::string appFolder = folder.MakeFolder("App");
  for (int i = 0; i < kAppTableCapacity + 5; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "App%02d", i);
    RegKey app;
    ASSERT_EQ(store.CreateKey(Hive::LocalMachine, std::string(kRepairRootKey) + "\\" + key, app),
              RegResult::Ok);
    app.SetValue("", key);
    app.SetValue("Chemin", appFolder);
  }
  AppTable table;
  EnumerateApps(store, table, kRepairRootKey, true);
  EXPECT_EQ(table.count, kAppTableCapacity);
  EXPECT_EQ(table.records[kAppTableCapacity - 1].displayName, "App49");
}

} // namespace
} // namespace maintenance
