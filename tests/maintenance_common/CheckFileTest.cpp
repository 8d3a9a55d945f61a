#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/stat.h>

#include "maintenance/common/CheckFile.h"
#include "maintenance/common/DisplayName.h"
#include "tests/maintenance_common/TestFolder.h"

namespace maintenance {
namespace {

using testing::TestFolder;

std::vector<std::string> ReadAll(const std::string& path) {
  CheckFileReader reader;
  std::vector<std::string> lines;
  if (!reader.Open(path)) return {"<not opened>"};
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  return lines;
}

TEST(CheckFileReaderTest, SplitsLinesAtLfAndDropsTheCrBeforeIt) {
  TestFolder folder;
  const std::string path = folder.Write("app.chk", "NEEDSON\r\n\r\n  RAMMINI=64\nmid\rline\r\nlast");
  EXPECT_EQ(ReadAll(path),
            (std::vector<std::string>{"NEEDSON", "", "RAMMINI=64", "mid\rline", "last"}));
}

TEST(CheckFileReaderTest, KeepsNulBytesAndHighBytes) {
  TestFolder folder;
  const std::string path = folder.Write("app.chk", std::string("a\0b\xE9\n", 5));
  EXPECT_EQ(ReadAll(path), (std::vector<std::string>{std::string("a\0b\xE9", 4)}));
}

TEST(CheckFileReaderTest, CutsAVeryLongLineButKeepsItsStartAndTheNextLine) {
  TestFolder folder;
  const std::string longLine = std::string(300000, ' ') + "RAMMINI=" + std::string(1 << 20, '7');
  const std::vector<std::string> lines = ReadAll(folder.Write("app.chk", longLine + "\nNEEDSON\n"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), CheckFileReader::kMaxLineKept);
  EXPECT_EQ(lines[0].substr(0, 9), "RAMMINI=7");
  EXPECT_EQ(lines[1], "NEEDSON");
}

TEST(CheckFileReaderTest, RefusesWhatIsNotARegularFile) {
  TestFolder folder;
  ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
  CheckFileReader reader;
  EXPECT_FALSE(reader.Open(folder.File("pipe")));  // must not block waiting for a writer
  EXPECT_FALSE(reader.Open(folder.Path()));
  EXPECT_FALSE(reader.Open(folder.File("missing.chk")));
  EXPECT_FALSE(reader.Open(""));
  std::string line;
  EXPECT_FALSE(reader.ReadLine(line));
}

TEST(CheckFileReaderTest, OpensAWindows1252PathAsItsUtf8Name) {
  TestFolder folder;
  folder.Write("Élève.chk", "NEEDSON\n");
  EXPECT_EQ(ReadAll(folder.File("\xC9l\xE8ve.chk")),
            (std::vector<std::string>{"NEEDSON"}));
}

TEST(RequirementLineTest, UpperCasesThenTrims) {
  const struct {
    std::string line, normalised;
  } cases[] = {
      {"  needson \t", "NEEDSON"},
      {"rammini=64mo", "RAMMINI=64MO"},
      {"WindowsMini= win_98", "WINDOWSMINI= WIN_98"},
      {"\xE9t\xE9", "\xC9T\xC9"},  // été -> ÉTÉ in Windows-1252
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseRequirementLine(c.line), c.normalised) << c.line;
}

TEST(ShortcutLineTest, MatchesTheKeyInAnyCaseAndKeepsTheValuesCase) {
  const struct {
    std::string line, key;
    bool matches;
    std::string value;
  } cases[] = {
      {"  raccourcis=Aide,Aide.chm,Manuel  ", "RACCOURCIS=", true, "Aide,Aide.chm,Manuel"},
      {"GroupeProgramme=Mes Outils", "GROUPEPROGRAMME=", true, "Mes Outils"},
      {"BUREAU=", "BUREAU=", true, ""},
      {"BUREAU", "BUREAU=", false, ""},
      {"x QUICK=a,b,c", "QUICK=", false, ""},
  };
  for (const auto& c : cases) {
    std::string value = "stale";
    EXPECT_EQ(MatchShortcutKey(c.line, c.key, value), c.matches) << c.line;
    EXPECT_EQ(value, c.value) << c.line;
  }
}

TEST(ShortcutLineTest, SplitsValuesLikeStrtokOnCommas) {
  const struct {
    std::string value, name, target, description;
  } cases[] = {
      {"Outil,outil.exe,Lance l'outil", "Outil", "outil.exe", "Lance l'outil"},
      {"Aide,,Manuel", "Aide", "Manuel", ""},
      {",,Aide,x", "Aide", "x", ""},
      {"a,b,c,d,e", "a", "b", "c"},
      {"Seul", "Seul", "", ""},
      {",,,", "", "", ""},
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    const ShortcutFields fields = SplitShortcutValue(c.value);
    EXPECT_EQ(fields.name, c.name) << c.value;
    EXPECT_EQ(fields.target, c.target) << c.value;
    EXPECT_EQ(fields.description, c.description) << c.value;
  }
}

TEST(DisplayNameTest, VersionIsTheLastWordWhenItHoldsAPoint) {
  const struct {
    std::string displayName, name, version;
  } cases[] = {
      {"Outil 2.0", "Outil", "2.0"},
      {"Outil 3.1b", "Outil", "3.1b"},
      {"Outil 3.1 beta", "Outil 3.1 beta", "Non disponible."},
      {"Outil", "Outil", "Non disponible."},
      {"Outil deux", "Outil deux", "Non disponible."},
      {"", "", "Non disponible."},
      {"Outil 2.0 ", "Outil 2.0 ", "Non disponible."},
      {" .", "", "."},
  };
  for (const auto& c : cases) {
    const DisplayNameParts parts = SplitDisplayName(c.displayName, "Non disponible.");
    EXPECT_EQ(parts.name, c.name) << c.displayName;
    EXPECT_EQ(parts.version, c.version) << c.displayName;
  }
}

} // namespace
} // namespace maintenance
