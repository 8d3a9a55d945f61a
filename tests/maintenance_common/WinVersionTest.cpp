#include <gtest/gtest.h>

#include <string>

#include "maintenance/common/WinVersion.h"

namespace maintenance {
namespace {

struct VersionCase {
  const char* label;
  unsigned platformId, major, minor, build;
  WinVersionCode code;
};

constexpr VersionCase kVersions[] = {
    {"95 build 950", 1, 4, 0, 950, Win95},
    {"95 build 949", 1, 4, 0, 949, WinUnknown},
    {"95 build 951", 1, 4, 0, 951, Win95Sp1},
    {"95 build 1080", 1, 4, 0, 1080, Win95Sp1},
    {"95 build 1081", 1, 4, 0, 1081, Win95Osr2},
    {"95 minor 9 build 1111", 1, 4, 9, 1111, Win95Osr2},
    {"95 build in high word", 1, 4, 0, 0x04000000u | 950u, Win95},
    {"98 build 1998", 1, 4, 10, 1998, Win98},
    {"98 build 1997", 1, 4, 10, 1997, WinUnknown},
    {"98 build 1999", 1, 4, 10, 1999, Win98Sp1},
    {"98 build 2182", 1, 4, 10, 2182, Win98Sp1},
    {"98 build 2183", 1, 4, 10, 2183, Win98Se},
    {"98 SE with high word", 1, 4, 10, 0x040A0000u | 2222u, Win98Se},
    {"ME", 1, 4, 90, 3000, WinMe},
    {"ME build 0", 1, 4, 90, 0, WinMe},
    {"95 family minor 50", 1, 4, 50, 2000, WinUnknown},
    {"95 family major 5", 1, 5, 0, 2000, WinUnknown},
    {"NT 3.51", 2, 3, 51, 1057, WinNt351},
    {"NT 3.5", 2, 3, 50, 807, WinUnknown},
    {"NT 4", 2, 4, 0, 1381, WinNt4},
    {"2000", 2, 5, 0, 2195, Win2000},
    {"XP", 2, 5, 1, 2600, WinXp},
    {"NT 5.2", 2, 5, 2, 3790, WinUnknown},
    {"NT 6.0", 2, 6, 0, 6000, WinUnknown},
    {"CE", 3, 4, 20, 1, WinCe},
    {"platform 0", 0, 4, 0, 950, WinUnknown},
    {"platform 4", 4, 5, 1, 2600, WinUnknown},
};

TEST(WinVersionTest, DecodesEveryRowOfTheTable) {
  for (const VersionCase& c : kVersions)
    EXPECT_EQ(DecodeWindowsVersion(c.platformId, c.major, c.minor, c.build), c.code) << c.label;
}

TEST(WinVersionTest, TextsNameTheCodes) {
  EXPECT_STREQ(WinVersionText(Win98Se), "Windows 98 SE");
  EXPECT_STREQ(WinVersionText(WinNt351), "Windows NT 3.51");
  EXPECT_STREQ(WinVersionText(WinCe), "Windows CE");
  EXPECT_STREQ(WinVersionText(static_cast<WinVersionCode>(8)), "unknown Windows version");
}

TEST(WinVersionTest, LinuxReadsAsAnUnknownWindows) {
  std::string text = "old";
  WinVersionCode code = WinXp;
  EXPECT_TRUE(GetWindowsVersion(text, code));
  EXPECT_EQ(code, WinUnknown);
  EXPECT_EQ(text, "unknown Windows version");
}

} // namespace
} // namespace maintenance
