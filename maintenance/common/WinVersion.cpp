#include "maintenance/common/WinVersion.h"

namespace maintenance {

const char* WinVersionText(WinVersionCode code) {
  switch (code) {
    case Win95: return "Windows 95";
    case Win95Sp1: return "Windows 95 SP1";
    case Win95Osr2: return "Windows 95 OSR2";
    case Win98: return "Windows 98";
    case Win98Sp1: return "Windows 98 SP1";
    case Win98Se: return "Windows 98 SE";
    case WinMe: return "Windows ME";
    case WinNt351: return "Windows NT 3.51";
    case WinNt4: return "Windows NT 4";
    case Win2000: return "Windows 2000";
    case WinXp: return "Windows XP";
    case WinCe: return "Windows CE";
    default: return "unknown Windows version";
  }
}

namespace {

WinVersionCode Decode95Family(unsigned major, unsigned minor, unsigned build) {
  if (major != 4) return WinUnknown;
  if (minor < 10) {
    if (build < 950) return WinUnknown;
    if (build == 950) return Win95;
    return build <= 1080 ? Win95Sp1 : Win95Osr2;
  }
  if (minor == 10) {
    if (build < 1998) return WinUnknown;
    if (build == 1998) return Win98;
    return build <= 2182 ? Win98Sp1 : Win98Se;
  }
  return minor == 90 ? WinMe : WinUnknown;
}

WinVersionCode DecodeNtFamily(unsigned major, unsigned minor) {
  if (major == 3 && minor == 51) return WinNt351;
  if (major == 4 && minor == 0) return WinNt4;
  if (major == 5 && minor == 0) return Win2000;
  if (major == 5 && minor == 1) return WinXp;
  return WinUnknown;
}

} // namespace

WinVersionCode DecodeWindowsVersion(unsigned platformId, unsigned major, unsigned minor,
                                    unsigned build) {
  switch (platformId) {
    case 1: return Decode95Family(major, minor, build & 0xFFFF);
    case 2: return DecodeNtFamily(major, minor);
    case 3: return WinCe;
    default: return WinUnknown;
  }
}

bool GetWindowsVersion(std::string& text, WinVersionCode& code) {
  code = WinUnknown;
  text = WinVersionText(code);
  return true;
}

} // namespace maintenance
