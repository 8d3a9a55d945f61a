#include "tallyra/core/SettingsStore.h"

#include "platform/registry/Registry.h"
#include "platform/text/Text.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tallyra {
namespace {

std::string Cp(std::string_view utf8) { return platform::Cp1252FromUtf8(utf8); }

class SettingsStoreTest : public ::testing::Test {
protected:
  void SetUp() override {
    store_ = std::make_unique<platform::RegistryStore>(folder_.File("registry.db"));
  }
  void TearDown() override { store_.reset(); }

  // The raw data of a value of the settings key; "<missing>" when there is none.
  std::string Raw(std::string_view utf8Name) {
    platform::RegKey key;
    std::string data;
    if (store_->OpenKey(platform::Hive::LocalMachine, kSettingsKey, platform::KeyAccess::Read,
                        key) != platform::RegResult::Ok ||
        key.QueryValue(Cp(utf8Name), data) != platform::RegResult::Ok) {
      return "<missing>";
    }
    return data;
  }
  void Put(std::string_view utf8Name, std::string_view data) {
    platform::RegKey key;
    ASSERT_EQ(store_->CreateKey(platform::Hive::LocalMachine, kSettingsKey, key),
              platform::RegResult::Ok);
    ASSERT_EQ(key.SetValue(Cp(utf8Name), data), platform::RegResult::Ok);
  }

  test_support::TempFolder folder_;
  std::unique_ptr<platform::RegistryStore> store_;
};

TEST_F(SettingsStoreTest, FirstStartTakesTheDefaultsButReadsThePath) {
  Put("Chemin", " /data/mt.dat ");
  Put("Affichage", " 7");  // ignored without "Premier démarrage"
  const Settings settings = ReadSettings(*store_);
  EXPECT_EQ(settings.dataPath, "/data/mt.dat");
  EXPECT_EQ(settings.sortOrder, 0);
  EXPECT_EQ(settings.scoreUnit, ScoreUnit::OutOf20);
  EXPECT_EQ(settings.showToolbar, 1);
  EXPECT_EQ(settings.showStatusBar, 1);
  EXPECT_EQ(settings.flatToolbar, 1);
  EXPECT_EQ(settings.toolbarCaptions, 1);
  EXPECT_EQ(settings.windowState, 0);
}

TEST_F(SettingsStoreTest, FirstQuitWritesEveryValueInNumberForm) {
  SaveSettings(*store_, Settings{}, "/opt/solvane/Tallyra");
  EXPECT_EQ(Raw("Premier démarrage"), "non");
  EXPECT_EQ(Raw("Chemin"), " ");  // an empty text is written as one blank
  EXPECT_EQ(Raw("Type note"), " 0");
  EXPECT_EQ(Raw("Affichage"), " 0");
  EXPECT_EQ(Raw("Afficher barre outils"), " 1");
  EXPECT_EQ(Raw("Afficher barre état"), " 1");
  EXPECT_EQ(Raw("Barre outils aplatie"), " 1");
  EXPECT_EQ(Raw("Textes barre outils"), " 1");
  EXPECT_EQ(Raw("Plein écran"), " 0");
  EXPECT_EQ(Raw("Chemin EXE"), "/opt/solvane/Tallyra");
  EXPECT_EQ(ReadSettings(*store_).dataPath, "");
}

TEST_F(SettingsStoreTest, SettingsComeBackAsSaved) {
  Settings settings;
  settings.dataPath = "/srv/résultats/élèves.dat";
  settings.scoreUnit = ScoreUnit::Percent;
  settings.sortOrder = 11;
  settings.showToolbar = -1;
  settings.showStatusBar = 0;
  settings.flatToolbar = 0;
  settings.toolbarCaptions = 0;
  settings.windowState = 2;
  SaveSettings(*store_, settings, "/opt/Tallyra");
  EXPECT_EQ(Raw("Afficher barre outils"), "-1");
  EXPECT_EQ(Raw("Afficher barre état"), " 0");
  EXPECT_EQ(Raw("Affichage"), " 11");
  EXPECT_EQ(Raw("Chemin"), Cp("/srv/résultats/élèves.dat"));

  const Settings back = ReadSettings(*store_);
  EXPECT_EQ(back.dataPath, settings.dataPath);
  EXPECT_EQ(back.scoreUnit, ScoreUnit::Percent);
  EXPECT_EQ(back.sortOrder, 11);
  EXPECT_EQ(back.showToolbar, -1);
  EXPECT_EQ(back.showStatusBar, 0);
  EXPECT_EQ(back.flatToolbar, 0);
  EXPECT_EQ(back.toolbarCaptions, 0);
  EXPECT_EQ(back.windowState, 2);
}

TEST_F(SettingsStoreTest, ValuesThatAreNotNumbersReadAsZero) {
  Put("Premier démarrage", "non");
  Put("Type note", "pourcentage");
  Put("Afficher barre outils", "oui");
  Put("Afficher barre état", " 5");  // any value but 0 shows the bar
  Put("Affichage", " 42");           // no such arrangement
  Put("Plein écran", std::string(" 1\0", 3));  // a terminating NUL kept in the data
  const Settings settings = ReadSettings(*store_);
  EXPECT_EQ(settings.scoreUnit, ScoreUnit::OutOf20);
  EXPECT_EQ(settings.showToolbar, 0);
  EXPECT_EQ(settings.showStatusBar, 5);
  EXPECT_EQ(settings.sortOrder, 0);
  EXPECT_EQ(settings.flatToolbar, 0);  // missing once settings were written
  EXPECT_EQ(settings.windowState, 1);
}

TEST_F(SettingsStoreTest, ReadDropsTheTerminatingNulAndBlanks) {
  Put("Chemin", std::string("  /data/mt.dat\0junk", 19));
  EXPECT_EQ(RegReadString(*store_, "Chemin"), "/data/mt.dat");
  EXPECT_EQ(RegReadString(*store_, "Absent"), "");
}

TEST_F(SettingsStoreTest, PathsOutsideWindows1252SurviveTheStore) {
  Settings settings;
  settings.dataPath = "/home/Юлия/mt.dat";
  SaveSettings(*store_, settings, "/opt/Tallyra");
  EXPECT_EQ(ReadSettings(*store_).dataPath, "/home/Юлия/mt.dat");
  EXPECT_EQ(StoredPath("/home/Zoé"), "/home/Zo\xE9");
  EXPECT_EQ(PathFromStore("/home/Zo\xE9"), "/home/Zoé");
}

TEST_F(SettingsStoreTest, UnusableStoreGivesDefaultsAndSavesNothing) {
  platform::RegistryStore broken(folder_.Path());  // a folder is no store
  SaveSettings(broken, Settings{}, "/opt/Tallyra");
  EXPECT_EQ(ReadSettings(broken).sortOrder, 0);
  EXPECT_EQ(ReadSettings(broken).dataPath, "");
}

TEST(InstallCommandTest, OnlyTheInstallSwitchInAnyCase) {
  for (const char* line : {"/INSTALL", "/install", "\\INSTALL", "\\Install"}) {
    EXPECT_TRUE(IsInstallCommand(line)) << line;
  }
  for (const char* line : {"", "INSTALL", "/INSTALL x", "/INSTALL ", " /INSTALL", "/INSTAL", "-install"}) {
    EXPECT_FALSE(IsInstallCommand(line)) << line;
  }
}

TEST_F(SettingsStoreTest, InstallStepSetsTheDataFileBesideTheProgram) {
  RunInstallStep(*store_, "/opt/solvane/Tallyra");
  EXPECT_EQ(Raw("Chemin EXE"), "/opt/solvane/Tallyra");
  EXPECT_EQ(Raw("Chemin"), "/opt/solvane/mt.dat");
  EXPECT_EQ(Raw("Premier démarrage"), "<missing>");
}

TEST_F(SettingsStoreTest, InstallStepNeverReplacesAPath) {
  Put("Chemin", "/home/prof/mt.dat");
  RunInstallStep(*store_, "/opt/solvane/Tallyra");
  EXPECT_EQ(Raw("Chemin"), "/home/prof/mt.dat");

  Put("Chemin", "   ");  // blanks hold no path
  RunInstallStep(*store_, "/opt/solvane/Tallyra");
  EXPECT_EQ(Raw("Chemin"), "/opt/solvane/mt.dat");
}

} // namespace
} // namespace tallyra
