#include "colorohm/model/NumberFormat.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace colorohm {
namespace {

struct FormatCase {
  double value;
  int decimals;
  const char* expected;
};

TEST(FormatNumber, RoundsHalvesAwayFromZeroAndDropsTrailingZeros) {
  const FormatCase cases[] = {
      {4.7, 2, "4,7"},
      {4700, 3, "4700"},
      {0.047, 3, "0,047"},
      {1.0050001, 2, "1,01"},
      {0.0004, 3, "0"},
      {12.5, 0, "13"},      // an exact half goes up, not to even
      {2.5, 0, "3"},
      {0.125, 2, "0,13"},   // exact in binary: a true half
      {-12.5, 0, "-13"},
      {-4.7, 2, "-4,7"},
      {1.0049999, 2, "1"},  // just below the half
      {9.999, 2, "10"},     // the carry reaches the integer part
      {999.999, 2, "1000"},
      {100, 2, "100"},      // integer zeros stay
      {0, 2, "0"},
      {0.1, 3, "0,1"},
      {1e20, 0, "100000000000000000000"},
      {12.5, -3, "13"},     // negative decimal counts act as 0
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(FormatNumber(c.value, c.decimals), c.expected) << c.value << " with " << c.decimals;
}

TEST(FormatNumber, ZeroAfterRoundingHasNoSign) {
  EXPECT_EQ(FormatNumber(-0.0004, 3), "0");
  EXPECT_EQ(FormatNumber(-0.0, 2), "0");
}

TEST(FormatNumber, NonFiniteValuesAreWrittenAsZero) {
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), 3), "0");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), 3), "0");
  EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), 0), "0");
}

TEST(FormatNumber, ManyDecimalsShowTheExactStoredValue) {
  EXPECT_EQ(FormatNumber(0.1, 5000), "0,1000000000000000055511151231257827021181583404541015625");
  EXPECT_EQ(FormatNumber(1e-300, 3), "0");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::denorm_min(), 2000).substr(0, 4), "0,00");
}

TEST(FormatNumber, LargestDoubleIsWrittenInFull) {
  const std::string text = FormatNumber(std::numeric_limits<double>::max(), 3);
  EXPECT_EQ(text.size(), 309u);
  EXPECT_EQ(text.substr(0, 6), "179769");
}

TEST(ReadUnsignedDecimal, ReadsTheLeadingDigitsWithOnePoint) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"1.2.3", 1.2}, {".5", 0.5}, {"5.", 5}, {"12a3", 12}, {"", 0}, {".", 0}, {"abc", 0},
      {"-5", 0},      {" 5", 0},   {"0047", 47}, {"1,5", 1},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadUnsignedDecimal(c.text), c.expected) << c.text;
}

TEST(ReadUnsignedDecimal, NumberBeyondDoubleReadsZero) {
  EXPECT_EQ(ReadUnsignedDecimal(std::string(400, '9')), 0);
  EXPECT_EQ(ReadUnsignedDecimal("0." + std::string(400, '0') + "1"), 0);
}

} // namespace
} // namespace colorohm
