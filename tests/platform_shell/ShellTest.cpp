#include "platform/shell/Shell.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::SplitCommandLine;
using platform::SystemShell;

namespace {

struct SplitCase {
  const char* params;
  std::vector<std::string> args;
};

TEST(SplitCommandLine, FollowsTheWindowsRules) {
  const SplitCase cases[] = {
      {"", {}},
      {" \t ", {}},
      {"/PROG:\"Colorohm\"", {"/PROG:Colorohm"}},
      {"/CONFIG:\"Colorohm\"", {"/CONFIG:Colorohm"}},
      {"  a   b\tc  ", {"a", "b", "c"}},
      {"\"a b c\" d e", {"a b c", "d", "e"}},
      {"\"ab\\\"c\" \"\\\\\" d", {"ab\"c", "\\", "d"}},
      {"a\\\\\\b d\"e f\"g h", {"a\\\\\\b", "de fg", "h"}},
      {"a\\\\\\\"b c d", {"a\\\"b", "c", "d"}},
      {"a\\\\\\\\\"b c\" d e", {"a\\\\b c", "d", "e"}},
      {"C:\\Program Files\\ \"C:\\Program Files\\\\\"", {"C:\\Program", "Files\\", "C:\\Program Files\\"}},
      {"\"\"", {""}},
      {"\"\" x", {"", "x"}},
      {"\"unterminated quote", {"unterminated quote"}},
      {"a\"b\"\" c d", {"ab\"", "c", "d"}},
      {"\"\"\"a\"\"\"", {"\"a\""}},
      {"\\\"", {"\""}},
      {"/repair", {"/repair"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitCommandLine(c.params), c.args) << c.params;
}

class SystemShellTest : public ::testing::Test {
protected:
  void SetUp() override {
    fifo_ = dir_ / "out";
    ASSERT_EQ(mkfifo(fifo_.c_str(), 0600), 0);
    // Prints its folder, then each argument in brackets, into the fifo.
    WriteScript(dir_ / "tool.sh", "pwd\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n");
  }

  void WriteScript(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\nexec > '" << fifo_.string() << "'\n" << body;
    fs::permissions(path, fs::perms::owner_all);
  }

  // What the started program wrote, read until it closes the fifo (or 20 s pass).
  std::string Output() const {
    const int fd = open(fifo_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return "<no fifo>";
    std::string text;
    for (;;) {
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, 20000) <= 0) break;
      char buffer[512];
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n > 0) text.append(buffer, static_cast<size_t>(n));
      else if (n == 0 || errno != EAGAIN) break;
    }
    close(fd);
    return text;
  }

  test_support::TempFolder folder_;
  const fs::path dir_{folder_.Path()};
  fs::path fifo_;
};

TEST_F(SystemShellTest, StartsAnExecutableWithItsParametersSplit) {
  SystemShell shell("/nonexistent/opener");
  const int result = shell.Open((dir_ / "tool.sh").string(), "/PROG:\"Colorohm\" \"two words\" a\\\"b");
  EXPECT_GT(result, 32);
  EXPECT_EQ(Output(), fs::current_path().string() + "\n[/PROG:Colorohm]\n[two words]\n[a\"b]\n");
}

TEST_F(SystemShellTest, RelativeExecutableIsFoundAndStartedInTheGivenFolder) {
  SystemShell shell;
  EXPECT_TRUE(platform::ShellSucceeded(shell.Open("tool.sh", "", dir_.string())));
  EXPECT_EQ(Output(), dir_.string() + "\n");
}

TEST_F(SystemShellTest, DocumentsAndAddressesGoToTheOpenerWithoutParameters) {
  WriteScript(dir_ / "opener.sh", "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n");
  SystemShell shell((dir_ / "opener.sh").string());
  std::ofstream(dir_ / "results.htm") << "<html></html>";

  EXPECT_GT(shell.Open((dir_ / "results.htm").string(), "ignored params"), 32);
  EXPECT_EQ(Output(), "[" + (dir_ / "results.htm").string() + "]\n");

  const std::string link = "http://example.invalid/redirprog.php?url=co_index&ver=2.0.39&prog=Colorohm";
  EXPECT_GT(shell.Open(link), 32);
  EXPECT_EQ(Output(), "[" + link + "]\n");
}

TEST_F(SystemShellTest, FailuresAreReportedAsSmallResults) {
  SystemShell shell("/nonexistent/opener", "/nonexistent/lp");
  std::ofstream(dir_ / "doc.txt") << "text";
  std::ofstream(dir_ / "garbage") << "\x7f" "not a program";
  fs::permissions(dir_ / "garbage", fs::perms::owner_all);

  EXPECT_EQ(shell.Open((dir_ / "missing").string()), platform::kShellFileNotFound);
  EXPECT_EQ(shell.Open("missing", "", dir_.string()), platform::kShellFileNotFound);
  EXPECT_EQ(shell.Open(""), platform::kShellFileNotFound);
  EXPECT_EQ(shell.Open((dir_ / "doc.txt/sub").string()), platform::kShellPathNotFound);
  EXPECT_EQ(shell.Open((dir_ / "doc.txt").string()), platform::kShellNoAssociation);
  EXPECT_EQ(shell.Open("https://example.invalid/"), platform::kShellNoAssociation);
  EXPECT_EQ(shell.Open((dir_ / "garbage").string()), platform::kShellBadFormat);
  EXPECT_EQ(shell.Open((dir_ / "tool.sh").string(), "", (dir_ / "nofolder").string()),
            platform::kShellFileNotFound);
  EXPECT_EQ(shell.Print((dir_ / "doc.txt").string()), platform::kShellNoAssociation);
  EXPECT_EQ(shell.Print((dir_ / "missing.htm").string()), platform::kShellFileNotFound);
}

TEST_F(SystemShellTest, PrintHandsTheFileToThePrintProgram) {
  WriteScript(dir_ / "lp.sh", "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n");
  SystemShell shell("/nonexistent/opener", (dir_ / "lp.sh").string());
  std::ofstream(dir_ / "results.htm") << "<html></html>";
  EXPECT_GT(shell.Print((dir_ / "results.htm").string()), 32);
  EXPECT_EQ(Output(), "[" + (dir_ / "results.htm").string() + "]\n");
}

TEST_F(SystemShellTest, StartedProgramsLeaveNoChildBehind) {
  SystemShell shell;
  ASSERT_GT(shell.Open((dir_ / "tool.sh").string()), 32);
  Output();
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

} // namespace
