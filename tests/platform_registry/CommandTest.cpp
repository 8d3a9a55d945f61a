#include "tools/kavelreg/Command.h"

#include "platform/registry/Registry.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

using platform::Hive;
using platform::KeyAccess;
using platform::RegistryStore;
using platform::RegKey;
using platform::RegResult;
using test_support::TempFolder;

namespace {

struct Outcome {
  int code;
  std::string out, err;
};

class CommandTest : public ::testing::Test {
protected:
  Outcome Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--store", store_});
    std::ostringstream out, err;
    const int code = kavelreg::RunCommand(args, out, err);
    return {code, out.str(), err.str()};
  }

  TempFolder folder_;
  std::string store_ = folder_.File("registry.db");
};

TEST_F(CommandTest, BadUsageExitsTwoWithUsageOnStandardError) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate", "HKLM\\Software"},
      {"query"},
      {"query", "HKLM\\Software", "extra"},
      {"query", "HKCU\\Software"},
      {"add", "HKLM\\Software", "--recursive"},
      {"delete", "HKLM\\Software", "--value", "a", "--recursive"},
      {"import", "a.reg", "--value", "x"},
      {"export", "HKLM\\Software"},
      {"query", "HKLM\\Software", "--value"},
      {"query", "HKLM\\Software", "--value", "a", "--value", "b"},
      {"query", "HKLM\\Software", "--verbose"},
  };
  for (const auto& args : cases) {
    const Outcome outcome = Run(args);
    std::string joined;
    for (const auto& arg : args) joined += arg + " ";
    EXPECT_EQ(outcome.code, 2) << joined;
    EXPECT_NE(outcome.err.find("usage: kavelreg"), std::string::npos) << joined;
    EXPECT_TRUE(outcome.out.empty()) << joined;
  }
  const Outcome help = Run({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("usage: kavelreg"), std::string::npos);
}

TEST_F(CommandTest, AddStoresWindows1252AndQueryPrintsUtf8) {
  EXPECT_EQ(Run({"add", "HKLM\\Software\\Apps Kavel\\Élève", "--data", "Colorohm 2.0"}).code, 0);
  EXPECT_EQ(Run({"add", "HKEY_LOCAL_MACHINE\\Software\\Apps Kavel\\élève", "--value",
                 "Désinstallation", "--data", "C:\\été.exe"})
                .code,
            0);
  {
    RegistryStore store(store_);
    RegKey key;
    ASSERT_EQ(store.OpenKey(Hive::LocalMachine, "Software\\Apps Kavel\\\xC9l\xE8ve",
                            KeyAccess::Read, key),
              RegResult::Ok);
    std::string data;
    ASSERT_EQ(key.QueryValue("D\xE9sinstallation", data), RegResult::Ok);
    EXPECT_EQ(data, "C:\\\xE9t\xE9.exe");
    ASSERT_EQ(key.QueryValue("", data), RegResult::Ok);
    EXPECT_EQ(data, "Colorohm 2.0");
  }
  Outcome query =
      Run({"query", "hklm\\software\\apps kavel\\ÉLÈVE", "--value", "DÉSINSTALLATION"});
  EXPECT_EQ(query.code, 0);
  EXPECT_EQ(query.out, "C:\\été.exe\n");
  query = Run({"query", "HKLM\\Software\\Apps Kavel\\Élève"});
  EXPECT_EQ(query.out,
            "HKEY_LOCAL_MACHINE\\Software\\Apps Kavel\\Élève\n"
            "    (default)    REG_SZ    Colorohm 2.0\n"
            "    Désinstallation    REG_SZ    C:\\été.exe\n");
  // A key alone gets no default value.
  EXPECT_EQ(Run({"add", "HKCR\\.txt"}).code, 0);
  EXPECT_EQ(Run({"query", "HKCR\\.txt", "--value", ""}).code, 1);
}

TEST_F(CommandTest, MissingKeysAndValuesFailWithAMessage) {
  ASSERT_EQ(Run({"add", "HKLM\\Software\\X", "--value", "a", "--data", "1"}).code, 0);
  const std::vector<std::vector<std::string>> cases = {
      {"query", "HKLM\\Software\\Y"},
      {"query", "HKLM\\Software\\X", "--value", "b"},
      {"delete", "HKLM\\Software\\Y"},
      {"delete", "HKLM\\Software\\X", "--value", "b"},
      {"export", "HKLM\\Software\\Y", folder_.File("y.reg")},
      {"import", folder_.File("absent.reg")},
      {"add", "HKLM\\Software\\\\Z"},
  };
  for (const auto& args : cases) {
    const Outcome outcome = Run(args);
    EXPECT_EQ(outcome.code, 1) << args[0] << " " << args[1];
    EXPECT_NE(outcome.err.find("kavelreg: "), std::string::npos) << args[0] << " " << args[1];
  }
  EXPECT_FALSE(std::ifstream(folder_.File("y.reg")).good()) << "no file for a failed export";
}

TEST_F(CommandTest, DeleteRefusesSubkeysUnlessRecursive) {
  ASSERT_EQ(Run({"add", "HKLM\\Software\\A\\B", "--value", "v", "--data", "1"}).code, 0);
  Outcome outcome = Run({"delete", "HKLM\\Software\\A"});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_NE(outcome.err.find("--recursive"), std::string::npos);
  EXPECT_EQ(Run({"query", "HKLM\\Software\\A\\B", "--value", "v"}).code, 0);
  EXPECT_EQ(Run({"delete", "HKLM\\Software\\A\\B", "--value", "v"}).code, 0);
  EXPECT_EQ(Run({"query", "HKLM\\Software\\A\\B", "--value", "v"}).code, 1);
  EXPECT_EQ(Run({"delete", "HKLM\\Software\\A", "--recursive"}).code, 0);
  EXPECT_EQ(Run({"query", "HKLM\\Software\\A"}).code, 1);
  EXPECT_EQ(Run({"delete", "HKLM", "--recursive"}).code, 1);
  EXPECT_EQ(Run({"query", "HKLM\\Software"}).code, 0) << "the hive is left alone";
}

TEST_F(CommandTest, UnusableStoreIsNamedAndExitsOne) {
  const std::string garbage = folder_.File("garbage.db");
  std::ofstream(garbage) << std::string(4096, 'x');
  for (const std::string& path : {garbage, folder_.Path()}) {
    std::ostringstream out, err;
    EXPECT_EQ(kavelreg::RunCommand({"--store", path, "query", "HKLM"}, out, err), 1) << path;
    EXPECT_NE(err.str().find(path), std::string::npos) << err.str();
  }
}

TEST_F(CommandTest, ExportThenImportRestoresAKey) {
  ASSERT_EQ(Run({"add", "HKLM\\Software\\Apps Kavel\\Tallyra", "--value", "Fichier",
                 "--data", "C:\\Données\\mt.dat"})
                .code,
            0);
  const std::string file = folder_.File("tallyra.reg");
  ASSERT_EQ(Run({"export", "HKLM\\Software\\Apps Kavel", file}).code, 0);
  ASSERT_EQ(Run({"delete", "HKLM\\Software\\Apps Kavel", "--recursive"}).code, 0);
  ASSERT_EQ(Run({"import", file}).code, 0);
  EXPECT_EQ(Run({"query", "HKLM\\Software\\Apps Kavel\\Tallyra", "--value", "fichier"}).out,
            "C:\\Données\\mt.dat\n");

  std::ofstream(folder_.File("bad.reg"))
      << "REGEDIT4\r\n\r\n[HKLM\\Software\\New]\r\n\"a\"=oops\r\n";
  const Outcome bad = Run({"import", folder_.File("bad.reg")});
  EXPECT_EQ(bad.code, 1);
  EXPECT_NE(bad.err.find("bad.reg:4:"), std::string::npos) << bad.err;
  EXPECT_EQ(Run({"query", "HKLM\\Software\\New"}).code, 1);
}

// The installed program, not only its core: exit codes reach the shell.
TEST_F(CommandTest, ProgramReportsExitCodes) {
  const std::string program = KAVELREG_PROGRAM;
  const std::string store = " --store '" + store_ + "'";
  const auto status = [](const std::string& command) {
    const int raw = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  EXPECT_EQ(status(program + store + " add 'HKLM\\Software\\P' --data x"), 0);
  EXPECT_EQ(status(program + store + " query 'HKLM\\Software\\P' --value ''"), 0);
  EXPECT_EQ(status(program + store + " query 'HKLM\\Software\\Q'"), 1);
  EXPECT_EQ(status(program + store + " nonsense"), 2);
}

} // namespace
