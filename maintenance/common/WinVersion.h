#pragma once
// The Windows version code shared by the wizards and Colorohm. Codes 1-99 are the 95 family,
// 101-199 the NT family, 201 and above CE; requirement checks rely on the ranges and on the order
// of the codes within a family.

#include <string>

namespace maintenance {

enum WinVersionCode : int {
  WinUnknown = 0,
  Win95 = 1,
  Win95Sp1 = 2,
  Win95Osr2 = 3,
  Win98 = 4,
  Win98Sp1 = 5,
  Win98Se = 6,
  WinMe = 7,
  WinNt351 = 101,
  WinNt4 = 102,
  Win2000 = 103,
  WinXp = 104,
  WinCe = 201,
};

// "Windows 98 SE", ...; "unknown Windows version" for WinUnknown or any other value.
const char* WinVersionText(WinVersionCode code);

// The code of a version as GetVersionEx reports it: platform id (1 95 family, 2 NT, 3 CE),
// major and minor version, build number (only its low 16 bits count).
WinVersionCode DecodeWindowsVersion(unsigned platformId, unsigned major, unsigned minor,
                                    unsigned build);

// The running system's version. Linux is no Windows: the answer is true with WinUnknown and its
// text, which is what the requirement checks expect of a system later than any they know.
bool GetWindowsVersion(std::string& text, WinVersionCode& code);

} // namespace maintenance
