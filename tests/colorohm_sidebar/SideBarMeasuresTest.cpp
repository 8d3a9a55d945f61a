#include "colorohm/sidebar/SideBarMeasures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace colorohm {
namespace {

struct LightenCase {
  const char* name;
  Rgb colour;
  double f;
  Rgb expected;
};

TEST(LightenColourTest, MovesEachChannelTowardWhiteAndTruncates) {
  const LightenCase cases[] = {
      {"blue at 0.15 truncates 38.25", {0, 0, 255}, 0.15, {38, 38, 255}},
      {"highlight at 0.4", {49, 106, 197}, 0.4, {131, 165, 220}},
      {"highlight at 0.85", {49, 106, 197}, 0.85, {224, 232, 246}},
      {"f = 1 gives white", {10, 20, 30}, 1.0, {255, 255, 255}},
      {"f = 0 leaves it", {10, 20, 30}, 0.0, {10, 20, 30}},
      {"negative f leaves it", {10, 20, 30}, -0.5, {10, 20, 30}},
      {"f above 1 leaves it", {10, 20, 30}, 1.5, {10, 20, 30}},
      {"NaN leaves it", {10, 20, 30}, std::nan(""), {10, 20, 30}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LightenColour(c.colour, c.f), c.expected);
  }
}

TEST(MulDivTest, RoundsHalfAwayFromZeroAndReportsFailure) {
  EXPECT_EQ(MulDiv(19, 9, 8), 21);   // 21.375
  EXPECT_EQ(MulDiv(20, 9, 8), 23);   // 22.5
  EXPECT_EQ(MulDiv(-20, 9, 8), -23);
  EXPECT_EQ(MulDiv(20, 9, -8), -23);
  EXPECT_EQ(MulDiv(std::numeric_limits<int>::max(), 2, 2), std::numeric_limits<int>::max());
  EXPECT_EQ(MulDiv(5, 1, 0), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<int>::max(), 2, 1), -1);
}

TEST(GroupHeightTest, FoldedIsTheHeaderAloneUnfoldedAddsOneRowPerItem) {
  EXPECT_EQ(RowHeight(19), 21);
  EXPECT_EQ(GroupHeight(24, 21, 8, false), 24 + 8 * 21);
  EXPECT_EQ(GroupHeight(24, 21, 8, true), 24);
  EXPECT_EQ(GroupHeight(24, 21, 0, false), 24);
}

} // namespace
} // namespace colorohm
