// tallyra-cli end to end, on a copy of the sample data file.

#include "tests/support/TempFolder.h"
#include "tests/tallyra_core/DataFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace tallyra {
namespace {

struct CliRun {
  int exitCode = -1;
  std::string out;
};

// Runs tallyra-cli with arguments already quoted for the shell; stderr is dropped.
CliRun Cli(const std::string& arguments) {
  CliRun run;
  const std::string command = std::string("'") + TALLYRA_CLI + "' " + arguments + " 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return run;
  }
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    run.out.append(buffer, n);
  }
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

class CliTest : public ::testing::Test {
protected:
  void SetUp() override { test::WriteFile(data_, test::ReadFile(SAMPLE_DATA)); }

  test_support::TempFolder dir_;
  std::string data_ = dir_.File("mt.dat");
};

TEST_F(CliTest, TreeOfTheSampleFile) {
  const CliRun run = Cli("tree " + Quoted(data_));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out,
            "3 élève(s) - 3 questionnaire(s) effectué(s).\n"
            "Jérôme Dupont\n  Code des couleurs\n  Loi d'Ohm\n"
            "Zoé Lefèvre\n  Loi d'Ohm\n  Code des couleurs\n"
            "François Bœuf\n  Géographie : capitales\n  Code des couleurs\n");
  const CliRun byQuiz = Cli("tree " + Quoted(data_) + " --sort 3 --unit 1");
  EXPECT_TRUE(byQuiz.out.substr(byQuiz.out.find('\n') + 1)
                  .starts_with("Code des couleurs\n  Jérôme Dupont\n  Zoé Lefèvre\n  François Bœuf\n"))
      << byQuiz.out;
}

TEST_F(CliTest, RowsOfANode) {
  EXPECT_EQ(Cli("rows " + Quoted(data_) + " 'JÉRÔME DUPONT' 'loi d'\\''ohm'").out,
            "13/05/2004 10:02:11\t10\n");
  EXPECT_EQ(Cli("rows " + Quoted(data_) + " 'Code des couleurs' 'Zoé Lefèvre' --sort 3 --unit 1").out,
            "14/05/2004 17:20:30\t90\n");
}

TEST_F(CliTest, ImportAndConvert) {
  const std::string copy = dir_.File("copie.dat");
  test::WriteFile(copy, test::ReadFile(SAMPLE_DATA));
  const CliRun import = Cli("import " + Quoted(data_) + " " + Quoted(copy));
  EXPECT_EQ(import.exitCode, 0);
  EXPECT_EQ(import.out, "6 résultat(s) importé(s).\n");
  EXPECT_EQ(Cli("rows " + Quoted(data_) + " 'Zoé Lefèvre' 'Loi d'\\''Ohm'").out,
            "13/05/2004 09:15:42\t20\n13/05/2004 09:15:42\t20\n");

  const std::string old = dir_.File("ancien.dat");
  test::WriteFile(old, "1.0\r\nDupont\r\n 0\r\nCalcul\r\n\r\n 75\r\n12/05/2004 14:30:00\r\n");
  EXPECT_EQ(Cli("convert " + Quoted(old)).exitCode, 0);
  EXPECT_EQ(test::ReadFile(old).substr(0, 13), "1.4\r\nDupont\r\n");
  EXPECT_EQ(Cli("rows " + Quoted(old) + " Dupont Calcul").out, "12/05/2004 14:30:00\t15\n");
}

TEST_F(CliTest, BadUsageAndFailures) {
  for (const char* arguments : {"", "tree", "tree f --sort 12", "tree f --unit 2", "rows f p",
                                "import d", "convert", "frobnicate f"}) {
    EXPECT_EQ(Cli(arguments).exitCode, 2) << arguments;
  }
  EXPECT_EQ(Cli("tree " + Quoted(dir_.File("absent.dat"))).exitCode, 1);
  test::WriteFile(data_, "2.0\r\n");
  EXPECT_EQ(Cli("tree " + Quoted(data_)).exitCode, 1);
}

} // namespace
} // namespace tallyra
