// Settings in a store of their own, and the path helpers.

#include "tallyra/core/SettingsStore.h"
#include "platform/text/Text.h"
#include "tests/support/TempFolder.h"
#include "tests/tallyra_core/DataFiles.h"

#include <gtest/gtest.h>

namespace tallyra {
namespace {

class SettingsTest : public ::testing::Test {
protected:
  std::string Value(const std::string& utf8Name) {
    platform::RegKey key;
    std::string data;
    store_.OpenKey(platform::Hive::LocalMachine, kSettingsKey, platform::KeyAccess::Read, key);
    key.QueryValue(platform::Cp1252FromUtf8(utf8Name), data);
    return data;
  }
  void Set(const std::string& utf8Name, const std::string& data) {
    platform::RegKey key;
    store_.CreateKey(platform::Hive::LocalMachine, kSettingsKey, key);
    key.SetValue(platform::Cp1252FromUtf8(utf8Name), data);
  }

  test_support::TempFolder dir_;
  platform::RegistryStore store_{dir_.File("registry.db")};
};

TEST_F(SettingsTest, FirstStartTakesTheDefaultsEvenOverStoredValues) {
  Set("Affichage", " 5");
  const Settings settings = ReadSettings(store_);
  EXPECT_EQ(settings.sortOrder, 0);
  EXPECT_EQ(settings.scoreUnit, ScoreUnit::OutOf20);
  EXPECT_EQ(settings.showToolbar, 1);
  EXPECT_EQ(settings.showStatusBar, 1);
  EXPECT_EQ(settings.flatToolbar, 1);
  EXPECT_EQ(settings.toolbarCaptions, 1);
  EXPECT_EQ(settings.windowState, 0);
  EXPECT_TRUE(settings.dataPath.empty());
}

TEST_F(SettingsTest, SavedValuesReadBack) {
  Settings settings;
  settings.dataPath = "/home/prof/résultats/mt.dat";  // a file-system path, UTF-8
  settings.scoreUnit = ScoreUnit::Percent;
  settings.sortOrder = 11;
  settings.showToolbar = -1;
  settings.showStatusBar = 0;
  settings.windowState = 2;
  SaveSettings(store_, settings, "/opt/tallyra/Tallyra");
  EXPECT_EQ(Value("Premier démarrage"), "non");
  EXPECT_EQ(Value("Affichage"), " 11");
  EXPECT_EQ(Value("Afficher barre outils"), "-1");
  EXPECT_EQ(Value("Afficher barre état"), " 0");
  EXPECT_EQ(Value("Barre outils aplatie"), " 1");
  EXPECT_EQ(Value("Chemin EXE"), "/opt/tallyra/Tallyra");
  const Settings back = ReadSettings(store_);
  EXPECT_EQ(back.dataPath, settings.dataPath);
  EXPECT_EQ(back.scoreUnit, ScoreUnit::Percent);
  EXPECT_EQ(back.sortOrder, 11);
  EXPECT_EQ(back.showToolbar, -1);
  EXPECT_EQ(back.showStatusBar, 0);
  EXPECT_EQ(back.windowState, 2);

  Set("Affichage", " 12");
  Set("Type note", "abc");
  Set("Plein écran", std::string(" 1\0", 3));  // a terminating NUL kept in the data
  const Settings odd = ReadSettings(store_);
  EXPECT_EQ(odd.sortOrder, 0);
  EXPECT_EQ(odd.scoreUnit, ScoreUnit::OutOf20);
  EXPECT_EQ(odd.windowState, 1);
}

TEST_F(SettingsTest, InstallStepNeverOverwritesADataPath) {
  EXPECT_TRUE(IsInstallCommand("/install"));
  EXPECT_TRUE(IsInstallCommand("\\INSTALL"));
  EXPECT_FALSE(IsInstallCommand("/INSTALL "));
  RunInstallStep(store_, "/opt/tallyra/Tallyra");
  EXPECT_EQ(Value("Chemin"), "/opt/tallyra/mt.dat");
  Set("Chemin", "/home/prof/mt.dat");
  RunInstallStep(store_, "/usr/bin/Tallyra");
  EXPECT_EQ(Value("Chemin"), "/home/prof/mt.dat");
  EXPECT_EQ(Value("Chemin EXE"), "/usr/bin/Tallyra");
}

TEST(PathHelpers, SplitAtTheLastSlash) {
  EXPECT_EQ(FolderOf("/home/prof/mt.dat"), "/home/prof");
  EXPECT_EQ(FileNameOf("/home/prof/mt.dat"), "mt.dat");
  EXPECT_EQ(FolderOf("mt.dat"), "");
  EXPECT_EQ(FileNameOf("mt.dat"), "mt.dat");
  EXPECT_EQ(FolderOf("/mt.dat"), "");
}

} // namespace
} // namespace tallyra
