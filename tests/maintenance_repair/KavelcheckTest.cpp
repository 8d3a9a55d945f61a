// kavelcheck end to end: applications registered by `kavelreg import` of a .reg file, check files
// in a temporary folder, the real machine's probes.

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/maintenance_common/TestFolder.h"

extern char** environ;

namespace {

using maintenance::testing::TestFolder;

struct ProgramRun {
  int exitCode = -1;
  std::string out;
};

ProgramRun RunProgram(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int pipe[2];
  if (::pipe(pipe) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe[0]);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipe[1]);
  ProgramRun run;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) run.out.append(buffer, n);
  ::close(pipe[0]);
  int status = 0;
  if (spawned == 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
    run.exitCode = WEXITSTATUS(status);
  return run;
}

// The unindented, non-empty lines: the rows and the count.
std::vector<std::string> Rows(const std::string& output) {
  std::vector<std::string> rows;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line[0] != ' ') rows.push_back(line);
  return rows;
}

class KavelcheckTest : public ::testing::Test {
protected:
  TestFolder folder;
  std::string store = folder.File("registry.db");

  void SetUp() override {
    // The offscreen platform gives the child that reads the screen a 32-bit screen.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    folder.MakeFolder("alpha");
    folder.MakeFolder("beta");
    folder.MakeFolder("delta");
    folder.MakeFolder("gamma");
    folder.Write("alpha.chk",
                 "Exigences d'Alpha\r\n"
                 "NEEDVB6RUNTIME\r\nNEEDCOMCTRL\r\nNEEDMFC7RUNTIME\r\nNEEDVC6RUNTIME\r\n"
                 "NEEDHTMLHELP\r\n"
                 "RAMMINI=1\r\nRAMMINI=2000000000\r\nDISQUEMINI=0\r\n"
                 "FREQUENCEMINI=1\r\nFREQUENCEMINI=100000\r\nECRANMINI=16777216\r\n"
                 "WINDOWSNTMINI=NONE\r\nWINDOWSMINI=WIN_98\r\nVERSIONIEMINI=IE_4\r\n"
                 "NEEDEXTRASYSFILE=libstdc++.so.6\r\n"
                 "needextrasysfile=libsolvane-absent.so.1\r\n"
                 "RACCOURCIS=Alpha,alpha,Lance Alpha\r\n");
    std::string junk;
    for (int i = 0; i < 70000; ++i) junk += static_cast<char>((i * 7919) % 251 + 1);
    folder.Write("delta.chk", junk + "\n" + std::string(1 << 20, 'x') + "\n");
    folder.Write("gamma.chk", "NEEDVC7RUNTIME\nRAMMINI=16\nWINDOWSMINI=NONE\n");

    const std::string root = "[HKEY_LOCAL_MACHINE\\Software\\Apps Kavel\\KavelRepair\\";
    const std::string reg =
        "REGEDIT4\r\n\r\n" +
        root + "Alpha]\r\n@=\"Alpha 1.0\"\r\n\"Chemin\"=\"" + folder.File("alpha") +
        "\"\r\n\"FichierConfig\"=\"" + folder.File("alpha.chk") + "\"\r\n\r\n" +
        root + "Beta]\r\n@=\"\xC9l\xE8ve 2.0\"\r\n\"Chemin\"=\"" + folder.File("beta") +
        "\"\r\n\"FichierConfig\"=\"" + folder.File("absent.chk") + "\"\r\n\r\n" +
        root + "Delta]\r\n@=\"Delta 1.1\"\r\n\"Chemin\"=\"" + folder.File("delta") +
        "\"\r\n\"FichierConfig\"=\"" + folder.File("delta.chk") + "\"\r\n\r\n" +
        root + "Gamma]\r\n@=\"Gamma\"\r\n\"Chemin\"=\"" + folder.File("gamma") +
        "\"\r\n\"FichierConfig\"=\"" + folder.File("gamma.chk") + "\"\r\n\r\n" +
        root + "Omega]\r\n@=\"Omega 9.0\"\r\n\"Chemin\"=\"" + folder.File("absent") + "\"\r\n\r\n" +
        "[HKEY_CLASSES_ROOT\\CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32]\r\n"
        "@=\"/usr/lib/libchm.so.1\"\r\n";
    const std::string regFile = folder.Write("apps.reg", reg);
    const ProgramRun import = RunProgram({KAVELREG_PATH, "--store", store, "import", regFile});
    ASSERT_EQ(import.exitCode, 0) << import.out;
  }
};

TEST_F(KavelcheckTest, ListsEveryErrorOfEveryApplicationInOrder) {
  const ProgramRun run = RunProgram({KAVELCHECK_PATH, "--store", store});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(Rows(run.out), (std::vector<std::string>{
                               "[Alpha 1.0] : Quantité de RAM insuffisante",
                               "[Alpha 1.0] : Fréquence du processeur faible",
                               "[Alpha 1.0] : Version de Windows non valide",
                               "[Alpha 1.0] : Version d'Internet Explorer non valide",
                               "[Alpha 1.0] : Version de Windows non valide",
                               "[Élève 2.0] : Fichier de configuration non trouvé",
                               "6 erreur(s) détectée(s).",
                           }))
      << run.out;
  EXPECT_NE(run.out.find("[Élève 2.0] : Fichier de configuration non trouvé\n"
                         "    Le fichier qui contient les éléments à vérifier pour cette "
                         "application n'a pas été trouvé.\n"
                         "    Exécutez le programme d'installation de cette application à "
                         "nouveau.\n"),
            std::string::npos)
      << run.out;
}

TEST_F(KavelcheckTest, OneApplicationWithoutError) {
  const ProgramRun run = RunProgram({KAVELCHECK_PATH, "--store", store, "Gamma"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "Aucune erreur trouvée.\n\n0 erreur(s) détectée(s).\n");
}

TEST_F(KavelcheckTest, UnknownOrUnloadableKeyIsAMissingCheckFileWithoutBrackets) {
  for (const char* key : {"Absent", "Omega"}) {
    const ProgramRun run = RunProgram({KAVELCHECK_PATH, "--store", store, key});
    EXPECT_EQ(run.exitCode, 1) << key;
    EXPECT_EQ(Rows(run.out), (std::vector<std::string>{"Fichier de configuration non trouvé",
                                                       "1 erreur(s) détectée(s)."}))
        << key;
  }
}

TEST_F(KavelcheckTest, WithoutApplicationsSaysSo) {
  const std::string empty = folder.File("empty.db");
  ASSERT_EQ(RunProgram({KAVELREG_PATH, "--store", empty, "add", "HKLM\\Software\\Apps Kavel"})
                .exitCode,
            0);
  const ProgramRun run = RunProgram({KAVELCHECK_PATH, "--store", empty});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out.rfind("Aucune application Solvane compatible n'a été trouvée", 0), 0u)
      << run.out;
}

TEST_F(KavelcheckTest, BadUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {KAVELCHECK_PATH, "--bogus"},
      {KAVELCHECK_PATH, "--store"},
      {KAVELCHECK_PATH, "--store", store, "Alpha", "Beta"},
      {KAVELCHECK_PATH, "--store", store, "--probes", "Alpha"},
      {KAVELCHECK_PATH, "--store", folder.File("missing.db")},
  };
  for (const auto& args : cases) {
    const ProgramRun run = RunProgram(args);
    EXPECT_EQ(run.exitCode, 2) << args.back();
    EXPECT_EQ(run.out, "") << args.back();
  }
  EXPECT_FALSE(std::filesystem::exists(folder.File("missing.db")));
}

TEST_F(KavelcheckTest, ProbesPrintTheMachinesReadings) {
  const ProgramRun run = RunProgram({KAVELCHECK_PATH, "--store", store, "--probes"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("screen: 32 bits, 4294967296 colours\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("HTML help: 1\n"), std::string::npos) << run.out;
  std::cout << run.out;
}

} // namespace
