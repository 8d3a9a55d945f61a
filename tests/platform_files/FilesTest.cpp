#include "platform/files/Files.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using platform::CreateScratchFile;
using platform::WindowsFolder;
using platform::WriteFileAtomically;

namespace {

class FilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    SaveEnv("HOME");
    SaveEnv("XDG_STATE_HOME");
  }
  void TearDown() override {
    for (const auto& [name, value] : savedEnv_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }
  void SaveEnv(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    savedEnv_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  test_support::TempFolder folder_;
  const fs::path dir_{folder_.Path()};
  std::vector<std::pair<std::string, std::optional<std::string>>> savedEnv_;
};

TEST_F(FilesTest, WindowsFolderFollowsXdgStateHomeAndCreatesIt) {
  setenv("XDG_STATE_HOME", (dir_ / "state/deep/").c_str(), 1);
  const std::string folder = WindowsFolder();
  EXPECT_EQ(folder, (dir_ / "state/deep/solvane").string());
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(FilesTest, WindowsFolderFallsBackToHomeWhenXdgStateHomeIsUnsetOrRelative) {
  setenv("HOME", dir_.c_str(), 1);
  for (const char* state : {static_cast<const char*>(nullptr), "relative/state"}) {
    if (state) setenv("XDG_STATE_HOME", state, 1);
    else unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(WindowsFolder(), (dir_ / ".local/state/solvane").string());
  }
}

TEST_F(FilesTest, WindowsFolderIsEmptyWhenAFileIsInTheWay) {
  std::ofstream(dir_ / "solvane") << "not a folder";
  setenv("XDG_STATE_HOME", dir_.c_str(), 1);
  EXPECT_EQ(WindowsFolder(), "");
}

TEST_F(FilesTest, ScratchFilesAreNewEmptyAndUnique) {
  const std::string a = CreateScratchFile(dir_.string(), "mt");
  const std::string b = CreateScratchFile(dir_.string(), "mt");
  ASSERT_FALSE(a.empty());
  ASSERT_FALSE(b.empty());
  EXPECT_NE(a, b);
  for (const fs::path p : {a, b}) {
    EXPECT_EQ(p.parent_path(), fs::canonical(dir_));
    EXPECT_EQ(p.filename().string().rfind("mt", 0), 0u);
    EXPECT_EQ(fs::file_size(p), 0u);
  }
}

TEST_F(FilesTest, ScratchFilesAreRefusedAtTheRootAndInMissingFolders) {
  for (const std::string& folder :
       std::vector<std::string>{"/", "//", "/tmp/..", "", (dir_ / "missing").string()}) {
    std::string error;
    EXPECT_EQ(CreateScratchFile(folder, "x", &error), "") << folder;
    EXPECT_FALSE(error.empty()) << folder;
  }
}

TEST_F(FilesTest, AtomicWriteCreatesAndReplacesWithExactBytes) {
  const fs::path target = dir_ / "results.htm";
  const std::string first("first\r\n\0\xe9", 9);
  ASSERT_TRUE(WriteFileAtomically(target, first));
  EXPECT_EQ(Read(target), first);
  const std::string second(100000, 'x');
  ASSERT_TRUE(WriteFileAtomically(target, second));
  EXPECT_EQ(Read(target), second);
  ASSERT_TRUE(WriteFileAtomically(target, ""));
  EXPECT_EQ(fs::file_size(target), 0u);
  EXPECT_EQ(Entries(), std::vector<std::string>{"results.htm"});
}

TEST_F(FilesTest, AtomicWriteKeepsThePermissionsOfTheReplacedFile) {
  const fs::path target = dir_ / "data.txt";
  std::ofstream(target) << "old";
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteFileAtomically(target, "new"));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FilesTest, FailedAtomicWriteLeavesTheTargetAndNoTemporaryFile) {
  // A folder in the place of the file cannot be replaced by a file.
  fs::create_directory(dir_ / "busy");
  std::ofstream(dir_ / "busy/keep") << "kept";
  std::string error;
  EXPECT_FALSE(WriteFileAtomically((dir_ / "busy").string(), "data", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(Read(dir_ / "busy/keep"), "kept");
  EXPECT_EQ(Entries(), std::vector<std::string>{"busy"});

  EXPECT_FALSE(WriteFileAtomically((dir_ / "missing/file").string(), "data", &error));
  EXPECT_FALSE(WriteFileAtomically("", "data", &error));
  EXPECT_FALSE(WriteFileAtomically((dir_ / "folder/").string(), "data", &error));
  EXPECT_EQ(Entries(), std::vector<std::string>{"busy"});
}

TEST_F(FilesTest, RunningExecutablePathNamesThisTest) {
  EXPECT_EQ(fs::path(platform::RunningExecutablePath()).filename(), "platform_files_test");
}

} // namespace
