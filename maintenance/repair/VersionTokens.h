#pragma once
// The token values of "WINDOWSMINI=", "WINDOWSNTMINI=" and "VERSIONIEMINI=": each answers whether
// the machine falls short. Tokens are compared exactly (upper-cased by the reader); an unknown
// token never fails.

#include <string_view>

#include "maintenance/common/SystemProbes.h"
#include "maintenance/common/WinVersion.h"

namespace maintenance {

// "WIN_95", "WIN_98", "WIN_98_SE", "WIN_ME" fail below their code; "NONE" fails on any
// 95-family system.
bool WindowsMiniFails(std::string_view token, WinVersionCode code);

// "WIN_NT_351", "WIN_NT_4", "WIN_NT_2000", "WIN_NT_XP" fail below their code; "NONE" fails on
// any NT-family system.
bool WindowsNtMiniFails(std::string_view token, WinVersionCode code);

// "IE_3" (4.70.1155), "IE_4" (4.71.1712) and "IE_55" (5.50.4134) fail only when major, minor and
// build are all below their bounds. "IE_5" and "IE_6" fail below 5.00.2014 and 6.00.2462, the
// first releases of Internet Explorer 5 and 6, compared as a version (major, then minor, then
// build): the all-below rule cannot express a minor bound of 0.
bool VersionIeMiniFails(std::string_view token, const BrowserVersion& version);

} // namespace maintenance
