#include "colorohm/model/StandardSeries.h"

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace colorohm {
namespace {

std::vector<int> Values(int series) {
  const auto values = AllStandardSeries()[series].values;
  return {values.begin(), values.end()};
}

TEST(StandardSeries, NamesSizesItemsAndDefaults) {
  const struct {
    const char* name;
    std::size_t size;
    bool shown;
  } expected[] = {{"E3", 3, false},   {"E6", 6, true},   {"E12", 12, true},   {"E24", 24, true},
                  {"E48", 48, false}, {"E96", 96, false}, {"E192", 192, false}};
  for (int i = 0; i < kSeriesCount; ++i) {
    const StandardSeries& series = AllStandardSeries()[i];
    EXPECT_EQ(series.name, expected[i].name);
    EXPECT_EQ(series.values.size(), expected[i].size) << series.name;
    EXPECT_EQ(series.itemId, 1017 + i);
    EXPECT_EQ(series.shownByDefault, expected[i].shown) << series.name;
    for (std::size_t k = 0; k < series.values.size(); ++k) {
      EXPECT_GE(series.values[k], 100);
      EXPECT_LE(series.values[k], 999);
      if (k > 0) {
        EXPECT_LT(series.values[k - 1], series.values[k]) << series.name;
      }
    }
  }
}

TEST(StandardSeries, TwoFigureSeriesAreTheStandardsLists) {
  EXPECT_EQ(Values(0), (std::vector<int>{100, 220, 470}));
  EXPECT_EQ(Values(1), (std::vector<int>{100, 150, 220, 330, 470, 680}));
  EXPECT_EQ(Values(2), (std::vector<int>{100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820}));
  EXPECT_EQ(Values(3), (std::vector<int>{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                         330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910}));
}

// IEC 60063 builds the three-figure series as 10^(i/N) rounded to three figures, with one listed
// exception: 920 in E192 where the rule gives 919.
TEST(StandardSeries, ThreeFigureSeriesFollowTheRuleAndItsException) {
  const std::map<int, std::map<int, int>> exceptions{{192, {{185, 920}}}};
  for (int series : {4, 5, 6}) {
    const int n = static_cast<int>(AllStandardSeries()[series].values.size());
    std::vector<int> expected;
    for (int i = 0; i < n; ++i) expected.push_back(static_cast<int>(std::lround(std::pow(10.0, i / double(n)) * 100)));
    if (const auto it = exceptions.find(n); it != exceptions.end()) {
      for (const auto& [index, value] : it->second) {
        EXPECT_EQ(expected[index], 919);
        expected[index] = value;
      }
    }
    EXPECT_EQ(Values(series), expected) << AllStandardSeries()[series].name;
  }
}

TEST(StandardSeries, EachThreeFigureSeriesIsEverySecondEntryOfTheNext) {
  for (int series : {4, 5}) {
    const std::vector<int> coarse = Values(series);
    const std::vector<int> fine = Values(series + 1);
    ASSERT_EQ(fine.size(), 2 * coarse.size());
    for (std::size_t k = 0; k < coarse.size(); ++k) EXPECT_EQ(coarse[k], fine[2 * k]) << k;
  }
}

TEST(StandardSeries, SampleEntries) {
  const std::vector<int> e48 = Values(4), e96 = Values(5), e192 = Values(6);
  EXPECT_EQ((std::vector<int>(e48.begin(), e48.begin() + 5)), (std::vector<int>{100, 105, 110, 115, 121}));
  EXPECT_EQ((std::vector<int>(e48.end() - 2, e48.end())), (std::vector<int>{909, 953}));
  EXPECT_EQ((std::vector<int>(e96.begin(), e96.begin() + 3)), (std::vector<int>{100, 102, 105}));
  EXPECT_EQ((std::vector<int>(e96.end() - 2, e96.end())), (std::vector<int>{953, 976}));
  EXPECT_EQ((std::vector<int>(e192.begin(), e192.begin() + 4)), (std::vector<int>{100, 101, 102, 104}));
  EXPECT_EQ((std::vector<int>(e192.end() - 2, e192.end())), (std::vector<int>{976, 988}));
  EXPECT_NE(std::find(e192.begin(), e192.end(), 920), e192.end());
  EXPECT_EQ(std::find(e192.begin(), e192.end(), 919), e192.end());
}

TEST(NearestStandardValue, SearchesOnlyTheValuesDecade) {
  const auto e12 = AllStandardSeries()[2].values;
  EXPECT_DOUBLE_EQ(NearestStandardValue(4.7e6, e12, 4), 4.7e6);
  EXPECT_DOUBLE_EQ(NearestStandardValue(9.95e6, e12, 4), 8.2e6);
  // 2.7 kΩ and 3.3 kΩ are equally far from 3 kΩ: the larger wins.
  EXPECT_DOUBLE_EQ(NearestStandardValue(3e6, e12, 4), 3.3e6);
  EXPECT_DOUBLE_EQ(NearestStandardValue(47, e12, -1), 47);
  // Below 0.1 Ω the entries are compared in their own tenths of a milliohm.
  EXPECT_DOUBLE_EQ(NearestStandardValue(47, AllStandardSeries()[6].values, -1), 47);
  EXPECT_DOUBLE_EQ(NearestStandardValue(0, e12, -2), 1);
  EXPECT_DOUBLE_EQ(NearestStandardValue(1e11, e12, 9), 1e11);
  EXPECT_DOUBLE_EQ(NearestStandardValue(5, {}, 0), 0);
}

TEST(NearestStandardValue, TopOfTheDoubleRangeStaysFinite) {
  const double huge = 1.79e308;
  const int exponent = 306;  // 309 digits
  for (const StandardSeries& series : AllStandardSeries()) {
    const double nearest = NearestStandardValue(huge, series.values, exponent);
    EXPECT_TRUE(std::isfinite(nearest)) << series.name;
    EXPECT_GT(nearest, 0) << series.name;
  }
}

TEST(HighlightedSeries, FollowsTheTolerance) {
  const std::optional<int> expected[] = {2, 3, 5, 4, 6, std::nullopt, std::nullopt, std::nullopt};
  for (int entry = 0; entry < 8; ++entry) EXPECT_EQ(HighlightedSeries(entry), expected[entry]) << entry;
  EXPECT_EQ(HighlightedSeries(-1), std::nullopt);
}

struct ListCase {
  const char* text;
  UnitIndex unit;
  std::vector<std::string> lines;  // E3 .. E192
};

TEST(UpdateStandardValues, LinesForTheWorkedExamples) {
  const ListCase cases[] = {
      {"4,7", UnitIndex::KOhms,
       {"E3 : 4,7 kOhm", "E6 : 4,7 kOhm", "E12 : 4,7 kOhm", "E24 : 4,7 kOhm", "E48 : 4,64 kOhm",
        "E96 : 4,75 kOhm", "E192 : 4,7 kOhm"}},
      {"475", UnitIndex::Ohms,
       {"E3 : 470 Ohm", "E6 : 470 Ohm", "E12 : 470 Ohm", "E24 : 470 Ohm", "E48 : 464 Ohm",
        "E96 : 475 Ohm", "E192 : 475 Ohm"}},
      {"2,2", UnitIndex::MOhms,
       {"E3 : 2,2 MOhm", "E6 : 2,2 MOhm", "E12 : 2,2 MOhm", "E24 : 2,2 MOhm", "E48 : 2,15 MOhm",
        "E96 : 2,21 MOhm", "E192 : 2,21 MOhm"}},
      {"9,95", UnitIndex::KOhms,
       {"E3 : 4,7 kOhm", "E6 : 6,8 kOhm", "E12 : 8,2 kOhm", "E24 : 9,1 kOhm", "E48 : 9,53 kOhm",
        "E96 : 9,76 kOhm", "E192 : 9,88 kOhm"}},
      {"100", UnitIndex::MOhms,
       {"E3 : 100 MOhm", "E6 : 100 MOhm", "E12 : 100 MOhm", "E24 : 100 MOhm", "E48 : 100 MOhm",
        "E96 : 100 MOhm", "E192 : 100 MOhm"}},
      // Below 0.1 Ω the lines are in milliohms.
      {"0,047", UnitIndex::Ohms,
       {"E3 : 47 mOhm", "E6 : 47 mOhm", "E12 : 47 mOhm", "E24 : 47 mOhm", "E48 : 46,4 mOhm",
        "E96 : 47,5 mOhm", "E192 : 47 mOhm"}},
      // Zero, typed or left empty, has no nearest value.
      {"", UnitIndex::Ohms,
       {"E3 : 0 Ohm", "E6 : 0 Ohm", "E12 : 0 Ohm", "E24 : 0 Ohm", "E48 : 0 Ohm", "E96 : 0 Ohm",
        "E192 : 0 Ohm"}},
      {"0,0004", UnitIndex::Ohms,
       {"E3 : 0 Ohm", "E6 : 0 Ohm", "E12 : 0 Ohm", "E24 : 0 Ohm", "E48 : 0 Ohm", "E96 : 0 Ohm",
        "E192 : 0 Ohm"}},
      {"0,001", UnitIndex::Ohms,
       {"E3 : 1 mOhm", "E6 : 1 mOhm", "E12 : 1 mOhm", "E24 : 1 mOhm", "E48 : 1 mOhm", "E96 : 1 mOhm",
        "E192 : 1 mOhm"}},
  };
  for (const ListCase& c : cases) {
    const StandardValues values = UpdateStandardValues(c.text, c.unit, -1);
    for (int i = 0; i < kSeriesCount; ++i) EXPECT_EQ(values.texts[i], c.lines[i]) << c.text;
    EXPECT_EQ(values.highlighted, std::nullopt);
  }
}

TEST(UpdateStandardValues, ResultsAreInOhmsAndTieGoesToTheLarger) {
  const StandardValues values = UpdateStandardValues("3", UnitIndex::KOhms, 1);
  EXPECT_DOUBLE_EQ(values.ohms[3], 3000);  // E24 has 300
  EXPECT_DOUBLE_EQ(values.ohms[2], 3300);  // E12: 2,7 and 3,3 kΩ tie
  EXPECT_EQ(values.texts[2], "E12 : 3,3 kOhm");
  EXPECT_EQ(values.highlighted, 3);
  EXPECT_DOUBLE_EQ(UpdateStandardValues("0,047", UnitIndex::Ohms, 0).ohms[2], 0.047);
}

TEST(UpdateStandardValues, PrefixFollowsTheValuesDecade) {
  EXPECT_EQ(UpdateStandardValues("999", UnitIndex::Ohms, -1).texts[0], "E3 : 470 Ohm");
  EXPECT_EQ(UpdateStandardValues("999", UnitIndex::Ohms, -1).texts[2], "E12 : 820 Ohm");
  EXPECT_EQ(UpdateStandardValues("1", UnitIndex::KOhms, -1).texts[2], "E12 : 1 kOhm");
  EXPECT_EQ(UpdateStandardValues("1000", UnitIndex::Ohms, -1).texts[2], "E12 : 1 kOhm");
  EXPECT_EQ(UpdateStandardValues("0,1", UnitIndex::Ohms, -1).texts[2], "E12 : 0,1 Ohm");
}

TEST(UpdateStandardValues, HugeValuesStayReadable) {
  // 9999 MΩ is the largest the field takes; a far longer text can only come from elsewhere.
  EXPECT_EQ(UpdateStandardValues("9999", UnitIndex::MOhms, -1).texts[2], "E12 : 8200 MOhm");
  const StandardValues huge = UpdateStandardValues(std::string(300, '9'), UnitIndex::Ohms, -1);
  for (int i = 0; i < kSeriesCount; ++i) {
    EXPECT_TRUE(std::isfinite(huge.ohms[i]));
    EXPECT_EQ(huge.texts[i].find("nan"), std::string::npos);
    EXPECT_EQ(huge.texts[i].find("inf"), std::string::npos);
  }
}

} // namespace
} // namespace colorohm
