#include "colorohm/app/LanguageFiles.h"

#include "platform/resources/Pack.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace colorohm {
namespace {

class LanguageFilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("colorohm-langue-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    builtIn_.strings = {{1, "LANGUE"}, {2, "Fran\xE7" "ais (standard)"}, {137, "Calculs"}, {138, "Valeurs"}};
    builtIn_.menus[132].id = 132;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string WritePack(const std::string& name, const std::string& tag, const std::string& display,
                        const std::string& calculs = "Calculations") {
    platform::ResourceSet set;
    set.strings = {{1, tag}, {2, display}, {137, calculs}};
    return Write(name, platform::WriteResourcePack(set));
  }

  std::filesystem::path folder_;
  platform::ResourceSet builtIn_;
};

TEST_F(LanguageFilesTest, ScanKeepsTaggedPacksInNameOrder) {
  WritePack("langueEN.dll", "LANGUE", "English");
  WritePack("LangueDE.DLL", "LANGUE", "Deutsch");
  WritePack("langueXX.dll", "Langue", "wrong tag case");
  WritePack("langue.txt", "LANGUE", "not a dll name");
  WritePack("deutsch.dll", "LANGUE", "not a langue name");
  Write("langueBAD.dll", "SVRP but not really a pack");
  std::filesystem::create_directory(folder_ / "langueDIR.dll");

  const std::vector<LanguageFile> files = ScanLanguageFiles(folder_.string());
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].name, "Deutsch");
  EXPECT_EQ(files[0].path, (folder_ / "LangueDE.DLL").string());
  EXPECT_EQ(files[1].name, "English");
}

TEST_F(LanguageFilesTest, LongDisplayNamesAreCut) {
  WritePack("langue1.dll", "LANGUE", std::string(400, 'x'));
  const std::vector<LanguageFile> files = ScanLanguageFiles(folder_.string());
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].name.size(), kMaxLanguageName);
}

TEST_F(LanguageFilesTest, ChoosingFallsBackToBuiltInPieceByPiece) {
  WritePack("langue1.dll", "LANGUE", "English", "Calculations");
  WritePack("langue2.dll", "LANGUE", "English", "Second file");
  const std::vector<LanguageFile> files = ScanLanguageFiles(folder_.string());
  ProgramResources resources(builtIn_);

  EXPECT_TRUE(resources.Choose("English", files));
  // Two files with one name: the first found wins.
  EXPECT_EQ(resources.String(137), "Calculations");
  // What the language file lacks comes from the program.
  EXPECT_EQ(resources.String(138), "Valeurs");
  EXPECT_NE(resources.FindMenu(132), nullptr);
  EXPECT_EQ(resources.LanguageInUse(), "English");

  for (const std::string& name : {std::string("Fran\xE7" "ais (standard)"), std::string("english"), std::string()}) {
    EXPECT_FALSE(resources.Choose(name, files)) << name;
    EXPECT_EQ(resources.String(137), "Calculs") << name;
    EXPECT_EQ(resources.LanguageInUse(), "");
  }
}

TEST_F(LanguageFilesTest, FileRemovedAfterTheScanKeepsTheBuiltInTexts) {
  const std::string path = WritePack("langue1.dll", "LANGUE", "English");
  const std::vector<LanguageFile> files = ScanLanguageFiles(folder_.string());
  std::filesystem::remove(path);
  ProgramResources resources(builtIn_);
  EXPECT_FALSE(resources.Choose("English", files));
  EXPECT_EQ(resources.String(137), "Calculs");
}

TEST_F(LanguageFilesTest, MissingFolderFindsNothing) {
  EXPECT_TRUE(ScanLanguageFiles((folder_ / "nowhere").string()).empty());
}

}  // namespace
}  // namespace colorohm
