// Runs the built colorcode binary and checks what it prints and how it exits.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class ColorcodeCommand : public ::testing::Test {
protected:
  Outcome Invoke(const std::vector<std::string>& args) {
    const fs::path out = dir_ / "out", err = dir_ / "err";
    std::vector<char*> argv{const_cast<char*>(COLORCODE_PATH)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    Outcome run;
    const pid_t pid = fork();
    if (pid == 0) {
      if (!std::freopen(out.c_str(), "wb", stdout) || !std::freopen(err.c_str(), "wb", stderr)) _exit(126);
      execv(COLORCODE_PATH, argv.data());
      _exit(127);
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
  }

  test_support::TempFolder folder_;
  const fs::path dir_{folder_.Path()};
};

struct Case {
  std::vector<std::string> args;
  std::string out;
};

TEST_F(ColorcodeCommand, PrintsWhatTheModelComputes) {
  const Case cases[] = {
      {{"bands", "jaune", "violet", "rouge", "or"}, "4,7 kOhms \xC3\xA0 5 %\n"},
      {{"bands", "Yellow", "VIOLET", "green", "orange", "brown"}, "475 kOhms \xC3\xA0 1 %\n"},
      {{"bands", "marron", "noir", "noir", "bleu", "marron", "rouge"},
       "100 MOhms \xC3\xA0 1 %, 50 ppm/\xC2\xB0" "C\n"},
      {{"bands", "gray", "white", "black", "gold"}, "89 Ohms \xC3\xA0 5 %\n"},
      {{"bands", "marron", "N\xC3\x94IR", "rouge", "argent"}, "1 kOhms \xC3\xA0 10 %\n"},
      {{"value", "4,7", "kOhms", "--bands", "4"}, "Jaune Violet Rouge\n"},
      {{"value", "0,47", "Ohms", "--bands", "5"}, "Noir Jaune Violet Argent\n"},
      {{"value", "1000", "mohms", "--bands", "4"}, "Marron Noir Bleu\n"},
      {{"value", "12a3", "Ohms"}, "Marron Rouge Orange Noir\n"},
      {{"series", "3", "kOhms", "--tolerance", "1"},
       "  E3 : 2,2 kOhm\n  E6 : 3,3 kOhm\n  E12 : 3,3 kOhm\n* E24 : 3 kOhm\n  E48 : 3,01 kOhm\n"
       "  E96 : 3,01 kOhm\n  E192 : 3,01 kOhm\n"},
      {{"series", "4,7", "kOhms", "--tolerance", "5"},
       "  E3 : 4,7 kOhm\n  E6 : 4,7 kOhm\n  E12 : 4,7 kOhm\n  E24 : 4,7 kOhm\n  E48 : 4,64 kOhm\n"
       "  E96 : 4,75 kOhm\n  E192 : 4,7 kOhm\n"},
      {{"ohm", "--R", "100", "--I", "0,5", "U"}, "50 (U=RI)\n"},
      {{"ohm", "--I", "2", "--P", "8", "r"}, "2 (R=P/I\xC2\xB2)\n"},
      {{"ohm", "--U", "-12", "--R", "4", "I"}, "-3 (I=U/R)\n"},
      {{"ohm", "--R", "50", "--P", "-2", "I"}, "Impossible\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Invoke(c.args);
    EXPECT_EQ(run.exitCode, 0) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(run.out, c.out) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(run.err, "") << c.args[0] << " " << c.args[1];
  }
}

TEST_F(ColorcodeCommand, BadArgumentsExitWithTwoAndSayWhy) {
  const Case cases[] = {
      {{"bands", "marron", "noir", "blanc", "or"}, "band 4 (multiplier)"},
      {{"bands", "marron", "noir", "rouge", "or", "or", "vert"}, "band 6 (temperature coefficient)"},
      {{"bands", "rose", "noir", "rouge", "or"}, "unknown colour \"rose\""},
      {{"bands", "marron", "noir", "rouge"}, "usage: colorcode bands"},
      {{"value", "4,7", "furlongs"}, "usage: colorcode value"},
      {{"value", "4,7", "Ohms", "--bands", "7"}, "usage: colorcode value"},
      {{"value", "4,7", "Ohms", "--bands"}, "usage: colorcode value"},
      {{"series", "4,7", "Ohms", "--tolerance", "8"}, "usage: colorcode series"},
      {{"ohm", "--R", "100"}, "usage: colorcode ohm"},
      {{"ohm", "X"}, "usage: colorcode ohm"},
      {{"ohm", "U", "I"}, "usage: colorcode ohm"},
      {{"resistor"}, "usage: colorcode bands"},
      {{}, "usage: colorcode bands"},
  };
  for (const Case& c : cases) {
    const Outcome run = Invoke(c.args);
    const std::string name = c.args.empty() ? "(none)" : c.args[0] + " " + std::to_string(c.args.size());
    EXPECT_EQ(run.exitCode, 2) << name;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_NE(run.err.find(c.out), std::string::npos) << name << ": " << run.err;
  }
}

TEST_F(ColorcodeCommand, HelpGoesToStandardOutput) {
  const Outcome all = Invoke({"--help"});
  EXPECT_EQ(all.exitCode, 0);
  for (const char* command : {"bands", "value", "series", "ohm"})
    EXPECT_NE(all.out.find(std::string("usage: colorcode ") + command), std::string::npos) << command;

  const Outcome ohm = Invoke({"ohm", "--help"});
  EXPECT_EQ(ohm.exitCode, 0);
  EXPECT_EQ(ohm.out.rfind("usage: colorcode ohm", 0), 0u);
  EXPECT_EQ(ohm.out.find("usage: colorcode bands"), std::string::npos);
}

} // namespace
