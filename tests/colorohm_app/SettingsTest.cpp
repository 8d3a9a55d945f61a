#include "colorohm/app/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace colorohm {
namespace {

class SettingsTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("colorohm-settings-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    store_ = std::make_unique<platform::RegistryStore>((folder_ / "reg.db").string());
  }
  void TearDown() override {
    store_.reset();
    std::filesystem::remove_all(folder_);
  }

  // Writes one value under a section, names given in Windows-1252.
  void Put(const std::string& section, const std::string& name, const std::string& data) {
    platform::RegKey key;
    ASSERT_EQ(store_->CreateKey(platform::Hive::LocalMachine, std::string(kSettingsKey) + "\\" + section, key),
              platform::RegResult::Ok);
    ASSERT_EQ(key.SetValue(name, data), platform::RegResult::Ok);
  }
  std::string Get(const std::string& section, const std::string& name) {
    platform::RegKey key;
    std::string data = "<missing>";
    if (store_->OpenKey(platform::Hive::LocalMachine, std::string(kSettingsKey) + "\\" + section,
                        platform::KeyAccess::Read, key) == platform::RegResult::Ok)
      key.QueryValue(name, data);
    return data;
  }
  SettingsRecord Load() {
    SettingsRecord record = DefaultSettings(0);
    ExchangeSettings(*store_, record, Exchange::Load);
    ValidateSettings(record);
    return record;
  }

  std::filesystem::path folder_;
  std::unique_ptr<platform::RegistryStore> store_;
};

TEST_F(SettingsTest, EmptyStoreGivesTheDefaults) {
  const SettingsRecord record = Load();
  EXPECT_EQ(record, DefaultSettings(0));
  EXPECT_EQ(record.nombreBandes, 2);
  EXPECT_EQ(record.sensAffichage, 1);
  EXPECT_EQ(record.afficherBarreLaterale, 1);
  EXPECT_EQ(record.utiliserDegrade, 1);
  EXPECT_EQ(record.utiliserSerie, (std::array<int, 7>{0, 1, 1, 1, 0, 0, 0}));
  EXPECT_EQ(record.imageFond, "D\xE9" "faut");
  EXPECT_EQ(record.posX, kNeverPlaced);
}

TEST_F(SettingsTest, SaveWritesWindows1252NamesAndDecimalTextsThatLoadBack) {
  SettingsRecord saved = DefaultSettings(1);
  saved.premierDemarrage = 0;
  saved.nombreBandes = 0;
  saved.utiliserSerie = {1, 0, 0, 1, 1, 0, 1};
  saved.styleAffichage = 0;
  saved.sensAffichage = 0;
  saved.imageFond = "/tmp/fond \xE9t\xE9.bmp";
  saved.langue = "English";
  saved.posX = -20;
  saved.posY = 310;
  saved.bande = {5, 8, 1, 4, 3, 2};
  saved.groupe = {1, 0, 1};
  ExchangeSettings(*store_, saved, Exchange::Save);

  EXPECT_EQ(Get("G\xE9n\xE9ral", "Utiliser s\xE9rie n\xB0" "6"), "1");
  EXPECT_EQ(Get("Interface", "Utiliser d\xE9grad\xE9"), "1");
  EXPECT_EQ(Get("Interface", "Afficher barre lat\xE9rale"), "1");
  EXPECT_EQ(Get("Dernier \xE9tat", "PosX"), "-20");
  EXPECT_EQ(Get("Dernier \xE9tat", "Bande 2"), "8");
  EXPECT_EQ(Get("Interface", "Image fond"), "/tmp/fond \xE9t\xE9.bmp");
  EXPECT_EQ(Load(), saved);
}

TEST_F(SettingsTest, MissingValuesKeepTheirDefaultsAndEmptyTextsAreTaken) {
  Put("Dernier \xE9tat", "PosX", "120");
  Put("Interface", "Image fond", "");
  Put("Interface", "Premier plan", "");
  const SettingsRecord record = Load();
  EXPECT_EQ(record.posX, 120);
  EXPECT_EQ(record.posY, kNeverPlaced);
  EXPECT_EQ(record.imageFond, "");
  EXPECT_EQ(record.premierPlan, 0);
  EXPECT_EQ(record.groupe, (std::array<int, 3>{1, 1, 1}));
}

TEST_F(SettingsTest, BandCountIsReadByItsLeadingIntegerAndValidated) {
  const struct {
    const char* stored;
    int expected;
  } cases[] = {{"7", 2}, {"-1", 2}, {"1", 1}, {"0 bandes", 0}, {"abc", 0}, {" 1", 1}, {"99999999999", 2}};
  for (const auto& c : cases) {
    Put("G\xE9n\xE9ral", "Nombre bandes", c.stored);
    EXPECT_EQ(Load().nombreBandes, c.expected) << c.stored;
  }
}

TEST_F(SettingsTest, ReadOnlyStoreKeepsDefaultsAndSavesNothing) {
  SettingsRecord saved = DefaultSettings(0);
  saved.nombreBandes = 1;
  ExchangeSettings(*store_, saved, Exchange::Save);
  store_.reset();
  const std::string path = (folder_ / "reg.db").string();
  ::chmod(path.c_str(), 0444);
  if (::access(path.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore file modes";
  store_ = std::make_unique<platform::RegistryStore>(path);

  // The settings key is opened for writing, as the program always does: a store that refuses
  // that leaves the defaults in force.
  EXPECT_EQ(Load().nombreBandes, 2);
  SettingsRecord changed = DefaultSettings(0);
  changed.nombreBandes = 0;
  ExchangeSettings(*store_, changed, Exchange::Save);
  EXPECT_EQ(Get("G\xE9n\xE9ral", "Nombre bandes"), "1");
}

TEST(DefaultStyleAffichageTest, ClassicBeforeXpElseByTheme) {
  using maintenance::WinVersionCode;
  EXPECT_EQ(DefaultStyleAffichage(maintenance::Win98Se, true), 1);
  EXPECT_EQ(DefaultStyleAffichage(maintenance::Win2000, true), 1);
  EXPECT_EQ(DefaultStyleAffichage(maintenance::WinXp, true), 0);
  EXPECT_EQ(DefaultStyleAffichage(maintenance::WinXp, false), 1);
  // An unknown version is a later one, not an older one.
  EXPECT_EQ(DefaultStyleAffichage(maintenance::WinUnknown, true), 0);
}

}  // namespace
}  // namespace colorohm
