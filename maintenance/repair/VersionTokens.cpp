#include "maintenance/repair/VersionTokens.h"

#include <span>
#include <tuple>

namespace maintenance {

namespace {

struct TokenBound {
  std::string_view token;
  int lowestCode;
};

bool FailsBelow(std::string_view token, WinVersionCode code, std::span<const TokenBound> bounds,
                int familyLow, int familyHigh) {
  if (token == "NONE") return code >= familyLow && code <= familyHigh;
  for (const TokenBound& bound : bounds)
    if (token == bound.token) return code < bound.lowestCode;
  return false;
}

bool AllBelow(const BrowserVersion& v, uint32_t major, uint32_t minor, uint32_t build) {
  return v.major < major && v.minor < minor && v.build < build;
}

bool OlderThan(const BrowserVersion& v, uint32_t major, uint32_t minor, uint32_t build) {
  return std::tie(v.major, v.minor, v.build) < std::tie(major, minor, build);
}

} // namespace

bool WindowsMiniFails(std::string_view token, WinVersionCode code) {
  static constexpr TokenBound kBounds[] = {
      {"WIN_95", Win95}, {"WIN_98", Win98}, {"WIN_98_SE", Win98Se}, {"WIN_ME", WinMe}};
  return FailsBelow(token, code, kBounds, 1, 99);
}

bool WindowsNtMiniFails(std::string_view token, WinVersionCode code) {
  static constexpr TokenBound kBounds[] = {{"WIN_NT_351", WinNt351},
                                           {"WIN_NT_4", WinNt4},
                                           {"WIN_NT_2000", Win2000},
                                           {"WIN_NT_XP", WinXp}};
  return FailsBelow(token, code, kBounds, 101, 199);
}

bool VersionIeMiniFails(std::string_view token, const BrowserVersion& version) {
  if (token == "IE_3") return AllBelow(version, 4, 70, 1155);
  if (token == "IE_4") return AllBelow(version, 4, 71, 1712);
  if (token == "IE_55") return AllBelow(version, 5, 50, 4134);
  if (token == "IE_5") return OlderThan(version, 5, 0, 2014);
  if (token == "IE_6") return OlderThan(version, 6, 0, 2462);
  return false;
}

} // namespace maintenance
