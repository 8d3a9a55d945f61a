#include "colorohm/model/OhmsLaw.h"

#include <string>

#include <gtest/gtest.h>

namespace colorohm {
namespace {

std::string Strings(int id) { return id == kStringImpossible ? "Impossible" : "?"; }

using Q = OhmQuantity;

TEST(SolveOhmsLaw, ChoosesTheFormulaByWhatIsGiven) {
  const struct {
    const char* name;
    Q target;
    OhmsLawFields fields;  // r, u, i, p
    const char* expected;
  } cases[] = {
      {"U from R and I", Q::U, {"100", "", "0,5", ""}, "50 (U=RI)"},
      {"P from a computed U", Q::P, {"100", "50 (U=RI)", "0,5", ""}, "25 (P=UI)"},
      {"R from P and I", Q::R, {"", "", "2", "8"}, "2 (R=P/I\xB2)"},
      {"R from U and I", Q::R, {"", "12", "0,5", ""}, "24 (R=U/I)"},
      {"I from P and R", Q::I, {"50", "", "", "2"}, "0,2 (I=sqrt(P/R))"},
      {"I from U and R", Q::I, {"4", "10", "", ""}, "2,5 (I=U/R)"},
      {"U from P and I", Q::U, {"", "", "2", "10"}, "5 (U=P/I)"},
      {"P from R and I", Q::P, {"10", "", "3", ""}, "90 (P=RI\xB2)"},
      {"three decimals, zeros dropped", Q::I, {"3", "1", "", ""}, "0,333 (I=U/R)"},
      {"negative values are given", Q::U, {"-10", "", "2", ""}, "-20 (U=RI)"},
      {"I with U given but R zero", Q::I, {"0", "12", "", "6"}, "Impossible"},
      {"U with R given but I missing", Q::U, {"10", "", "", "5"}, "Impossible"},
      {"R with nothing given", Q::R, {"", "", "", ""}, "Impossible"},
      {"P with only P given", Q::P, {"", "", "", "5"}, "Impossible"},
      {"Impossible reads as not given", Q::U, {"Impossible", "", "2", "10"}, "5 (U=P/I)"},
  };
  for (const auto& c : cases) EXPECT_EQ(SolveOhmsLaw(c.target, c.fields, Strings), c.expected) << c.name;
}

TEST(SolveOhmsLaw, UndefinedResultsAreImpossible) {
  const struct {
    const char* name;
    Q target;
    OhmsLawFields fields;
  } cases[] = {
      {"square root of a negative ratio", Q::I, {"50", "", "", "-2"}},
      {"product beyond a double", Q::U, {"1" + std::string(200, '0'), "", "1" + std::string(200, '0'), ""}},
      {"square of I underflows to zero", Q::R, {"", "", "0," + std::string(200, '0') + "1", "1"}},
      {"R times I squared overflows", Q::P, {"1" + std::string(300, '0'), "", "1" + std::string(10, '0'), ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(SolveOhmsLaw(c.target, c.fields, Strings), "Impossible") << c.name;
}

TEST(ReadOhmsLawField, CommasAndComputedResults) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"1,5", 1.5}, {"1.5", 1.5}, {"1,2,5", 1.2}, {"12 (U=RI)", 12}, {"Impossible", 0},
      {"", 0},      {" -2,5", -2.5}, {"+3", 3},   {"0,2 (I=sqrt(P/R))", 0.2},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadOhmsLawField(c.text), c.value) << c.text;
}

TEST(IsComputedResult, NeedsABlankThenAParenthesis) {
  EXPECT_TRUE(IsComputedResult("0,2 (I=sqrt(P/R))"));
  EXPECT_TRUE(IsComputedResult("12 (U=RI)"));
  EXPECT_FALSE(IsComputedResult("12"));
  EXPECT_FALSE(IsComputedResult("12(U=RI)"));
  EXPECT_FALSE(IsComputedResult("Impossible"));
}

TEST(OhmsLawItems, CommandsFieldsAndNames) {
  EXPECT_EQ(OhmQuantityFromCommand(6569), Q::R);
  EXPECT_EQ(OhmQuantityFromCommand(6570), Q::U);
  EXPECT_EQ(OhmQuantityFromCommand(6571), Q::I);
  EXPECT_EQ(OhmQuantityFromCommand(6572), Q::P);
  EXPECT_EQ(OhmQuantityFromCommand(6573), std::nullopt);
  EXPECT_EQ(OhmsLawItems()[2].fieldId, 6567);
  EXPECT_EQ(OhmsLawItems()[2].nameStringId, 149);
  EXPECT_EQ(OhmsLawItems()[3].fieldId, 6568);
}

} // namespace
} // namespace colorohm
