#include <gtest/gtest.h>

#include "maintenance/repair/VersionTokens.h"

namespace maintenance {
namespace {

struct WindowsCase {
  const char* token;
  WinVersionCode code;
  bool fails;
};

TEST(VersionTokensTest, WindowsMini) {
  const WindowsCase cases[] = {
      {"WIN_95", Win95, false},       {"WIN_95", WinUnknown, true},
      {"WIN_98", Win98, false},       {"WIN_98", Win95Osr2, true},
      {"WIN_98_SE", Win98, true},     {"WIN_98_SE", Win98Se, false},
      {"WIN_ME", Win98Se, true},      {"WIN_ME", WinXp, false},
      {"NONE", Win98, true},          {"NONE", Win95, true},
      {"NONE", WinXp, false},         {"NONE", WinUnknown, false},
      {"WIN_ME", WinUnknown, true},   {"WIN_95", WinCe, false},
      {" WIN_98", WinUnknown, false}, {"WIN_2000", WinUnknown, false},
      {"", WinUnknown, false},
  };
  for (const WindowsCase& c : cases)
    EXPECT_EQ(WindowsMiniFails(c.token, c.code), c.fails) << c.token << " on " << c.code;
}

TEST(VersionTokensTest, WindowsNtMini) {
  const WindowsCase cases[] = {
      {"WIN_NT_351", WinNt351, false}, {"WIN_NT_351", WinMe, true},
      {"WIN_NT_4", Win98, true},       {"WIN_NT_4", WinNt351, true},
      {"WIN_NT_4", WinNt4, false},     {"WIN_NT_2000", WinNt4, true},
      {"WIN_NT_2000", Win2000, false}, {"WIN_NT_XP", Win2000, true},
      {"WIN_NT_XP", WinXp, false},     {"WIN_NT_XP", WinCe, false},
      {"NONE", WinXp, true},           {"NONE", WinNt351, true},
      {"NONE", Win98, false},          {"NONE", WinUnknown, false},
      {"WIN_NT_4", WinUnknown, true},  {"WIN_NT_5", WinUnknown, false},
  };
  for (const WindowsCase& c : cases)
    EXPECT_EQ(WindowsNtMiniFails(c.token, c.code), c.fails) << c.token << " on " << c.code;
}

TEST(VersionTokensTest, BrowserMini) {
  const struct {
    const char* token;
    BrowserVersion version;
    bool fails;
  } cases[] = {
      {"IE_4", {4, 70, 1155}, false},  // the major is not below 4
      {"IE_4", {3, 2, 1000}, true},
      {"IE_3", {0, 0, 0}, true},
      {"IE_4", {0, 0, 0}, true},
      {"IE_55", {0, 0, 0}, true},
      {"IE_55", {4, 0, 3110}, true},
      {"IE_55", {4, 72, 3110}, false},  // minor 72 is not below 50
      {"IE_55", {5, 0, 2014}, false},
      {"IE_55", {4, 72, 4134}, false},  // one part at its bound is enough
      {"IE_3", {3, 0, 1155}, false},
      {"IE_5", {0, 0, 0}, true},
      {"IE_5", {4, 72, 3612}, true},
      {"IE_5", {5, 0, 2013}, true},
      {"IE_5", {5, 0, 2014}, false},
      {"IE_5", {5, 50, 0}, false},
      {"IE_6", {5, 50, 4807}, true},
      {"IE_6", {6, 0, 2462}, false},
      {"IE_6", {6, 0, 2600}, false},
      {"IE_7", {0, 0, 0}, false},
      {" IE_4", {0, 0, 0}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VersionIeMiniFails(c.token, c.version), c.fails)
        << c.token << " on " << c.version.major << "." << c.version.minor << "." << c.version.build;
}

} // namespace
} // namespace maintenance
