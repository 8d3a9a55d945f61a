#include "tallyra/app/MainLayout.h"

#include <gtest/gtest.h>

namespace tallyra {
namespace {

struct LayoutCase {
  const char* name;
  LayoutInput in;
  MainLayout expected;
};

constexpr int kBig = 100000;  // an area that never limits

TEST(FormResizeTest, PlacesTreeAndListInTwips) {
  const LayoutCase cases[] = {
      {"design size, both bars",
       {9195, 6270, true, 0, 630, true, 285, kBig, kBig},
       {{0, 730, 4575, 4425}, {4680, 730, 4390, 4425}, 2195, 2135}},
      {"toolbar hidden",
       {9195, 6270, false, 0, 630, true, 285, kBig, kBig},
       {{0, 50, 4575, 5245}, {4680, 50, 4390, 5245}, 2195, 2135}},
      {"status bar hidden",
       {9195, 6270, true, 0, 630, false, 285, kBig, kBig},
       {{0, 730, 4575, 4710}, {4680, 730, 4390, 4710}, 2195, 2135}},
      {"both hidden, wide window",
       {15000, 9000, false, 0, 630, false, 285, kBig, kBig},
       {{0, 50, 4575, 8260}, {4680, 50, 10195, 8260}, 5097, 5037}},
      {"window smaller than the layout",
       {3000, 600, true, 0, 630, true, 285, kBig, kBig},
       {{0, 730, 4575, 0}, {4680, 730, 0, 0}, 0, 0}},
      {"frame larger than usual: list kept inside the area",
       {9195, 6270, true, 0, 630, true, 285, 9000, 4800},
       {{0, 730, 4575, 4070}, {4680, 730, 4320, 4070}, 2160, 2100}},
  };
  for (const LayoutCase& c : cases) {
    EXPECT_EQ(FormResize(c.in), c.expected) << c.name;
  }
}

} // namespace
} // namespace tallyra
