#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "maintenance/repair/Analysis.h"
#include "tests/maintenance_common/SimulatedMachine.h"
#include "tests/maintenance_common/TestFolder.h"

namespace maintenance {
namespace {

using testing::SimulatedMachine;
using testing::TestFolder;

struct Found {
  int appIndex;
  int titleId;
  bool operator==(const Found&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Found& f) {
  return out << "(" << f.appIndex << ", " << f.titleId << ")";
}

std::vector<Found> Titles(const ErrorList& errors) {
  std::vector<Found> found;
  for (int i = 0; i < errors.count; ++i) {
    const ErrorRecord& e = errors.records[i];
    EXPECT_EQ(e.textId, e.titleId + 100);
    EXPECT_EQ(e.link, "");
    found.push_back({e.appIndex, e.titleId});
  }
  return found;
}

class AnalysisTest : public ::testing::Test {
protected:
  TestFolder folder;
  SimulatedMachine machine;
  AppTable table;

  // Adds a selected application whose check file holds content (none when content is null).
  void AddApp(const char* content) {
    AppRecord& app = table.records[table.count];
    app.displayName = "App " + std::to_string(table.count) + ".0";
    app.checkFile = folder.File("app" + std::to_string(table.count) + ".chk");
    if (content) folder.Write("app" + std::to_string(table.count) + ".chk", content);
    app.selected = true;
    ++table.count;
  }

  std::vector<Found> Analyse(bool singleApplication = false) {
    ErrorList errors;
    AnalyseApplications(table, errors, singleApplication, machine);
    return Titles(errors);
  }
};

struct LineCase {
  const char* label;
  const char* checkFile;
  std::function<void(SimulatedMachine&)> machine;
  std::vector<int> titles;
};

const auto kSoundMachine = [](SimulatedMachine&) {};

TEST_F(AnalysisTest, EachRequirementLineAgainstTheMachine) {
  const auto win98 = [](SimulatedMachine& m) { m.windows = Win98; };
  const auto xp = [](SimulatedMachine& m) { m.windows = WinXp; };
  const LineCase cases[] = {
      {"sound missing", "NEEDSON\n", [](SimulatedMachine& m) { m.soundInputs = 0; }, {512}},
      {"sound present", "NEEDSON\n", kSoundMachine, {}},
      {"lower case with blanks", "  needson \r\n", [](SimulatedMachine& m) { m.soundInputs = 0; },
       {512}},
      {"zero thresholds", "RAMMINI=0\nDISQUEMINI=0\nRAMMINI=\n",
       [](SimulatedMachine& m) { m.memoryBytes = 0; m.freeDiskBytes = 0; }, {}},
      {"megabytes read as atoi", "RAMMINI=64MO\n",
       [](SimulatedMachine& m) { m.memoryBytes = 63ull << 20; }, {511}},
      {"enough memory", "RAMMINI=64MO\n", [](SimulatedMachine& m) { m.memoryBytes = 64ull << 20; },
       {}},
      {"negative reads as a huge threshold", "RAMMINI=-1\n", kSoundMachine, {511}},
      {"disk", "DISQUEMINI=200\n", [](SimulatedMachine& m) { m.freeDiskBytes = 199ull << 20; },
       {503}},
      {"colours", "ECRANMINI=65536\nECRANMINI=65537\n",
       [](SimulatedMachine& m) { m.bitsPerPixel = 16; }, {504}},
      {"frequency", "FREQUENCEMINI=2400\nFREQUENCEMINI=2401\n", kSoundMachine, {505}},
      {"98 passes WIN_98", "WINDOWSMINI=WIN_98\n", win98, {}},
      {"98 fails WIN_98_SE", "WINDOWSMINI=WIN_98_SE\n", win98, {514}},
      {"98 passes NT NONE", "WINDOWSNTMINI=NONE\n", win98, {}},
      {"98 fails NT 4", "WINDOWSNTMINI=WIN_NT_4\n", win98, {514}},
      {"lower-case token", "windowsmini=win_98_se\n", win98, {514}},
      {"blank before the token matches none", "WINDOWSMINI= WIN_98_SE\n", win98, {}},
      {"XP passes NONE and WIN_ME", "WINDOWSMINI=NONE\nWINDOWSMINI=WIN_ME\n", xp, {}},
      {"XP fails NT NONE", "WINDOWSNTMINI=NONE\n", xp, {514}},
      {"Linux fails every Windows token", "WINDOWSMINI=WIN_95\nWINDOWSNTMINI=WIN_NT_351\n",
       kSoundMachine, {514, 514}},
      {"Linux passes NONE", "WINDOWSMINI=NONE\nWINDOWSNTMINI=NONE\n", kSoundMachine, {}},
      {"browser 4.70.1155 passes IE_4", "VERSIONIEMINI=IE_4\n",
       [](SimulatedMachine& m) { m.browser = {4, 70, 1155}; }, {}},
      {"browser 3.2.1000 fails IE_4", "VERSIONIEMINI=IE_4\n",
       [](SimulatedMachine& m) { m.browser = {3, 2, 1000}; }, {513}},
      {"no browser", "VERSIONIEMINI=IE_3\nVERSIONIEMINI=IE_6\nVERSIONIEMINI=IE_7\n",
       kSoundMachine, {513, 513}},
      {"missing extra library", "NEEDEXTRASYSFILE=libsolvane-absent.so.1\n", kSoundMachine, {514}},
      {"extra library in the case written", "needextrasysfile=libMixedCase.so.2\n",
       [](SimulatedMachine& m) { m.libraries.insert("libMixedCase.so.2"); }, {}},
      {"run-time sets", "NEEDVB6RUNTIME\nNEEDMFC6RUNTIME\nNEEDVC7RUNTIME\n",
       [](SimulatedMachine& m) { m.libraries.erase("libQt6PrintSupport.so.6"); }, {501}},
      {"common controls", "NEEDCOMCTRL\n",
       [](SimulatedMachine& m) { m.versions["libQt6Widgets.so.6"] = PackVersion(4, 70); }, {502}},
      {"html help unregistered", "NEEDHTMLHELP\n",
       [](SimulatedMachine& m) { m.htmlHelpRegistered = false; }, {506}},
      {"free text and near misses", "Ceci est un commentaire\nNEED SON\nXNEEDSON\n\n",
       [](SimulatedMachine& m) { m.soundInputs = 0; }, {}},
      {"anything after a plain key", "NEEDSONORE\n", [](SimulatedMachine& m) { m.soundInputs = 0; },
       {512}},
  };
  for (const LineCase& c : cases) {
    table = AppTable();
    machine = SimulatedMachine();
    c.machine(machine);
    AddApp(c.checkFile);
    std::vector<Found> expected;
    for (int title : c.titles) expected.push_back({0, title});
    EXPECT_EQ(Analyse(), expected) << c.label;
  }
}

TEST_F(AnalysisTest, ErrorsFollowTheLinesOfTheFileAndEveryLineProbesAgain) {
  machine = SimulatedMachine();
  machine.soundInputs = 0;
  machine.cpuMHz = 300;
  AddApp("FREQUENCEMINI=500\nNEEDSON\nNEEDVB6RUNTIME\nFREQUENCEMINI=500\n");
  machine.libraries.erase("libQt6Core.so.6");
  EXPECT_EQ(Analyse(), (std::vector<Found>{{0, 505}, {0, 512}, {0, 501}, {0, 505}}));
  EXPECT_EQ(machine.cpuMeasurements, 2);
}

TEST_F(AnalysisTest, EveryKeyFailsOnABareMachineInLineOrder) {
  machine.libraries.clear();
  machine.htmlHelpRegistered = false;
  machine.memoryBytes = machine.freeDiskBytes = 0;
  machine.cpuMHz = machine.bitsPerPixel = machine.soundInputs = 0;
  AddApp("WINDOWSNTMINI=WIN_NT_XP\nNEEDEXTRASYSFILE=libx.so\nWINDOWSMINI=WIN_ME\n"
         "VERSIONIEMINI=IE_55\nNEEDSON\nRAMMINI=1\nFREQUENCEMINI=1\nECRANMINI=2\n"
         "DISQUEMINI=1\nNEEDHTMLHELP\nNEEDVC7RUNTIME\nNEEDVC6RUNTIME\nNEEDMFC7RUNTIME\n"
         "NEEDMFC6RUNTIME\nNEEDCOMCTRL\nNEEDVB6RUNTIME\n");
  const int expected[] = {514, 514, 514, 513, 512, 511, 505, 504,
                          503, 506, 510, 509, 508, 507, 502, 501};
  std::vector<Found> found = Analyse();
  ASSERT_EQ(found.size(), std::size(expected));
  for (size_t i = 0; i < found.size(); ++i) EXPECT_EQ(found[i].titleId, expected[i]) << i;
}

TEST_F(AnalysisTest, UnopenableCheckFileGivesOneErrorAndTheOthersGoOn) {
  machine.soundInputs = 0;
  AddApp("NEEDSON\n");
  AddApp(nullptr);
  AddApp("NEEDSON\n");
  table.records[2].checkFile = folder.Path() + "/";
  AddApp("NEEDSON\n");
  table.records[3].checkFile = "";
  AddApp("NEEDSON\n");
  EXPECT_EQ(Analyse(), (std::vector<Found>{{0, 512}, {1, 500}, {2, 500}, {3, 500}, {4, 512}}));
}

TEST_F(AnalysisTest, OnlySelectedApplicationsUnlessStartedForOne) {
  machine.soundInputs = 0;
  AddApp("NEEDSON\n");
  AddApp("NEEDSON\n");
  table.records[0].selected = false;
  EXPECT_EQ(Analyse(false), (std::vector<Found>{{1, 512}}));
  EXPECT_EQ(Analyse(true), (std::vector<Found>{{0, 512}, {1, 512}}));
  table.records[1].selected = false;
  EXPECT_EQ(Analyse(false), std::vector<Found>{});
}

TEST_F(AnalysisTest, EmptyTableIsAMissingCheckFileOfApplicationZero) {
  EXPECT_EQ(Analyse(true), (std::vector<Found>{{0, 500}}));
  EXPECT_EQ(Analyse(false), (std::vector<Found>{{0, 500}}));
}

TEST_F(AnalysisTest, ListStopsAtTwoHundred) {
  machine.soundInputs = 0;
  std::string lines;
  for (int i = 0; i < 150; ++i) lines += "NEEDSON\n";
  AddApp(lines.c_str());
  AddApp(lines.c_str());
  ErrorList errors;
  AnalyseApplications(table, errors, false, machine);
  EXPECT_EQ(errors.count, kErrorListCapacity);
  EXPECT_EQ(errors.records[149].appIndex, 0);
  EXPECT_EQ(errors.records[199].appIndex, 1);
}

TEST_F(AnalysisTest, BinaryJunkRaisesNothingOfItsOwn) {
  machine.soundInputs = 0;
  std::mt19937 random(1234);
  std::string junk(256 * 1024, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  // A real line after the junk is still read.
  const std::string content = junk + "\nNEEDSON\n" + junk;
  folder.Write("junk.chk", content);
  AddApp(nullptr);
  table.records[0].checkFile = folder.File("junk.chk");
  EXPECT_EQ(Analyse(), (std::vector<Found>{{0, 512}}));
}

TEST_F(AnalysisTest, MegabyteLinesAreReadLikeShortOnes) {
  machine.soundInputs = 0;
  const std::string megabyte(1 << 20, '9');
  const std::string blanks(1 << 20, ' ');
  const std::string content = "RAMMINI=" + megabyte + "\n" +            // saturates: too much
                              "NEEDEXTRASYSFILE=" + megabyte + "\n" +   // no such library
                              blanks + "NEEDSON" + blanks + "\n" +      // found past the blanks
                              "WINDOWSMINI=NONE" + blanks + "\n" +      // trailing blanks trimmed
                              "DISQUEMINI=" + megabyte + "\n";
  folder.Write("long.chk", content);
  AddApp(nullptr);
  table.records[0].checkFile = folder.File("long.chk");
  machine.freeDiskBytes = ~0ull;  // 2^44 megabytes: passes any threshold
  EXPECT_EQ(Analyse(), (std::vector<Found>{{0, 511}, {0, 514}, {0, 512}}));
}

} // namespace
} // namespace maintenance
