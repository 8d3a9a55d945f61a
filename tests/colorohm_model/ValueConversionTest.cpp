#include "colorohm/model/ValueConversion.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace colorohm {
namespace {

BandSet MakeBands(NombreBandes count, int b1, int b2, int b3, int b4, int b5 = 1, int b6 = 1) {
  BandSet bands;
  bands.SetCount(count);
  const int positions[] = {b1, b2, b3, b4, b5, b6};
  for (int band = 1; band <= 6; ++band) bands.SetPosition(band, positions[band - 1]);
  return bands;
}

constexpr auto k4 = NombreBandes::Four;
constexpr auto k5 = NombreBandes::Five;
constexpr auto k6 = NombreBandes::Six;

TEST(ValueFromBands, WorkedExamplesAndLimits) {
  const struct {
    const char* name;
    BandSet bands;
    double ohms;
    const char* text;
    UnitIndex unit;
  } cases[] = {
      {"all first positions", MakeBands(k4, 1, 1, 1, 1), 0, "0", UnitIndex::Ohms},
      {"brown-black-silver", MakeBands(k4, 2, 1, 1, 1), 0.1, "0,1", UnitIndex::Ohms},
      {"yellow-violet-red", MakeBands(k4, 5, 8, 1, 5), 4700, "4,7", UnitIndex::KOhms},
      {"band 3 unused with 4 bands", MakeBands(k4, 5, 8, 10, 5), 4700, "4,7", UnitIndex::KOhms},
      {"yellow-violet-green-orange", MakeBands(k5, 5, 8, 6, 6), 475000, "475", UnitIndex::KOhms},
      {"brown-black-black-blue", MakeBands(k6, 2, 1, 1, 9), 1e8, "100", UnitIndex::MOhms},
      {"4 bands largest", MakeBands(k4, 10, 10, 1, 9), 99e6, "99", UnitIndex::MOhms},
      {"5 bands largest", MakeBands(k5, 10, 10, 10, 9), 999e6, "999", UnitIndex::MOhms},
      {"999 ohms", MakeBands(k5, 10, 10, 10, 3), 999, "999", UnitIndex::Ohms},
      {"1000 ohms", MakeBands(k5, 2, 1, 1, 4), 1000, "1", UnitIndex::KOhms},
      {"1 megohm", MakeBands(k5, 2, 1, 1, 7), 1e6, "1", UnitIndex::MOhms},
      {"4.75 ohms", MakeBands(k5, 5, 8, 6, 1), 4.75, "4,75", UnitIndex::Ohms},
      {"smallest step", MakeBands(k6, 1, 1, 2, 1, 8, 7), 0.01, "0,01", UnitIndex::Ohms},
  };
  for (const auto& c : cases) {
    const double ohms = ValueFromBands(c.bands);
    EXPECT_DOUBLE_EQ(ohms, c.ohms) << c.name;
    const ValueText text = ValueToText(ohms);
    EXPECT_EQ(text.text, c.text) << c.name;
    EXPECT_EQ(text.unit, c.unit) << c.name;
  }
}

TEST(ValueToText, OddValuesStayInOhms) {
  EXPECT_EQ(ValueToText(std::numeric_limits<double>::quiet_NaN()).unit, UnitIndex::Ohms);
  EXPECT_EQ(ValueToText(std::numeric_limits<double>::quiet_NaN()).text, "0");
  EXPECT_EQ(ValueToText(-5).text, "-5");
}

TEST(FilterValueText, CutsToTheUnitsLengthBeforeFiltering) {
  const struct {
    const char* text;
    UnitIndex unit;
    const char* kept;
  } cases[] = {
      {"12345678901", UnitIndex::Ohms, "1234567890"},
      {"12a3", UnitIndex::Ohms, "123"},
      {"1,2,3", UnitIndex::Ohms, "1,2,3"},
      {"12345678", UnitIndex::KOhms, "1234567"},
      {"1a2b3c", UnitIndex::MOhms, "12"},  // the cut counts the letters
      {"-4.7 \xCE\xA9", UnitIndex::Ohms, "4.7"},
      {"123456789012", UnitIndex::None, "1234567890"},
      {"", UnitIndex::KOhms, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FilterValueText(c.text, c.unit), c.kept) << c.text;
}

TEST(ParseValueText, ReadsMilliohms) {
  const struct {
    const char* text;
    UnitIndex unit;
    double milliohms;
  } cases[] = {
      {"4,7", UnitIndex::KOhms, 4.7e6},   {"4,7", UnitIndex::Ohms, 4700},
      {"1,2,3", UnitIndex::Ohms, 1200},   {"1.2.3", UnitIndex::Ohms, 1200},
      {",5", UnitIndex::Ohms, 500},       {"", UnitIndex::Ohms, 0},
      {"abc", UnitIndex::MOhms, 0},       {"1,5", UnitIndex::MOhms, 1.5e9},
      {"4,7", UnitIndex::None, 4.7},      {"9999", UnitIndex::MOhms, 9.999e12},
      {"1e3", UnitIndex::Ohms, 1000},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ParseValueText(c.text, c.unit), c.milliohms) << c.text;
}

TEST(ParseValueText, NumbersBeyondADoubleReadZero) {
  EXPECT_EQ(ParseValueText(std::string(400, '9'), UnitIndex::Ohms), 0);
  // Fits as a number but not once scaled to milliohms.
  EXPECT_EQ(ParseValueText("1" + std::string(305, '0'), UnitIndex::MOhms), 0);
}

TEST(BandsFromValue, WorkedExamplesAndEdgeCases) {
  const struct {
    const char* text;
    UnitIndex unit;
    NombreBandes count;
    int b1, b2, b3, b4;  // b3 is expected unchanged (here 4) with 4 bands
  } cases[] = {
      {"4,7", UnitIndex::KOhms, k4, 5, 8, 4, 5},
      {"4,7", UnitIndex::Ohms, k5, 5, 8, 1, 1},
      {"0,47", UnitIndex::Ohms, k5, 1, 5, 8, 1},
      {"0,047", UnitIndex::Ohms, k4, 5, 8, 4, 1},    // multiplier 0 clamped to silver
      {"1000", UnitIndex::MOhms, k4, 2, 1, 4, 9},    // 13 digits, clamped to blue
      {"4,75", UnitIndex::Ohms, k4, 5, 8, 4, 2},     // the 5 is dropped, not rounded
      {"4,75", UnitIndex::Ohms, k5, 5, 8, 6, 1},
      {"100", UnitIndex::MOhms, k5, 2, 1, 1, 9},
      {"10,1", UnitIndex::MOhms, k6, 2, 1, 2, 8},
      {"47", UnitIndex::KOhms, k4, 5, 8, 4, 6},
      {"0", UnitIndex::Ohms, k6, 1, 1, 1, 1},
      {"0,0004", UnitIndex::Ohms, k4, 1, 1, 4, 1},
      {"9999", UnitIndex::MOhms, k5, 10, 10, 10, 9},
      {"999,9999", UnitIndex::Ohms, k5, 2, 1, 1, 4},  // 999 999.9 mΩ rounds up to 1 kΩ
  };
  for (const auto& c : cases) {
    const BandSet start = MakeBands(c.count, 4, 4, 4, 4, 7, 3);
    const BandSet bands = BandsFromValue(ParseValueText(c.text, c.unit), start);
    const std::string name = std::string(c.text) + " unit " + std::to_string(static_cast<int>(c.unit)) +
                             " bands " + std::to_string(BandCountOf(c.count));
    EXPECT_EQ(bands.Position(1), c.b1) << name;
    EXPECT_EQ(bands.Position(2), c.b2) << name;
    EXPECT_EQ(bands.Position(3), c.b3) << name;
    EXPECT_EQ(bands.Position(4), c.b4) << name;
    EXPECT_EQ(bands.Position(5), 7) << name;
    EXPECT_EQ(bands.Position(6), 3) << name;
    EXPECT_EQ(bands.Count(), c.count) << name;
  }
}

TEST(BandsFromValue, ExtremeValuesGiveValidBands) {
  const double values[] = {1e300, std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN(), -4.7e6};
  for (double value : values) {
    for (NombreBandes count : {k4, k5}) {
      const BandSet bands = BandsFromValue(value, MakeBands(count, 1, 1, 1, 1));
      for (int band = 1; band <= 4; ++band) {
        EXPECT_GE(bands.Position(band), 1) << value;
        EXPECT_LE(bands.Position(band), band == 4 ? 9 : 10) << value;
      }
    }
  }
  // The sign is not part of the digits.
  EXPECT_EQ(BandsFromValue(-4.7e6, MakeBands(k4, 1, 1, 1, 1)),
            BandsFromValue(4.7e6, MakeBands(k4, 1, 1, 1, 1)));
}

TEST(BandsFromValue, BandValuesRoundTrip) {
  for (NombreBandes count : {k4, k5, k6}) {
    for (int b1 = 2; b1 <= 10; b1 += 4)
      for (int b4 = 1; b4 <= 9; ++b4) {
        const BandSet bands = MakeBands(count, b1, 6, 9, b4, 3, 2);
        const ValueText text = ValueToText(ValueFromBands(bands));
        EXPECT_EQ(BandsFromValue(ParseValueText(text.text, text.unit), bands), bands)
            << text.text << " " << static_cast<int>(text.unit);
      }
  }
}

TEST(DescribeValue, CoefficientOnlyWithSixBands) {
  const StringLookup strings = [](int id) { return id == kStringAt ? std::string("\xE0") : "?"; };
  const char* coefficient = "100 ppm/\xB0" "C";
  EXPECT_EQ(DescribeValue("4,7", UnitIndex::KOhms, "5 %", coefficient, k4, strings), "4,7 kOhms \xE0 5 %");
  EXPECT_EQ(DescribeValue("4,7", UnitIndex::KOhms, "5 %", coefficient, k5, strings), "4,7 kOhms \xE0 5 %");
  EXPECT_EQ(DescribeValue("4,7", UnitIndex::KOhms, "5 %", coefficient, k6, strings),
            "4,7 kOhms \xE0 5 %, 100 ppm/\xB0" "C");
  EXPECT_EQ(DescribeValue("0", UnitIndex::Ohms, "10 %", "", k4, strings), "0 Ohms \xE0 10 %");
}

} // namespace
} // namespace colorohm
