#pragma once
// What the requirement checks ask of the machine. MachineProbes is the raw measurement, one
// virtual call per quantity, so the checks run against the real machine (LinuxMachineProbes in
// LinuxProbes.h) or a simulated one in tests. The Has... predicates below hold the comparison
// rules (units, signedness, rounding) and the meaning of each Windows run-time set on Linux.
//
// Library names are Windows-1252 like every text of the programs.

#include <cstdint>
#include <string>
#include <string_view>

#include "maintenance/common/WinVersion.h"

namespace maintenance {

// Version of the shell browser library; all 0 when it cannot be read.
struct BrowserVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
};

// Major version << 16 | low 16 bits of the minor version; 0 when unreadable.
constexpr uint32_t PackVersion(uint32_t major, uint32_t minor) {
  return major << 16 | (minor & 0xFFFF);
}

class MachineProbes {
public:
  virtual ~MachineProbes() = default;

  virtual WinVersionCode WindowsVersion() = 0;
  virtual BrowserVersion Browser() = 0;
  virtual bool CanLoadLibrary(const std::string& name) = 0;
  // Packed version of a library, 0 when it does not load or tells no version.
  virtual uint32_t DllVersion(const std::string& name) = 0;
  // Whether the HTML help viewer is registered as the component Windows knows it by.
  virtual bool HtmlHelpRegistered() = 0;
  virtual uint64_t TotalMemoryBytes() = 0;
  // Measured afresh on each call.
  virtual uint32_t CpuMHz() = 0;
  // Free bytes of the current directory's file system; 0 when the query fails.
  virtual uint64_t FreeDiskBytes() = 0;
  // Bits per pixel times planes of the screen; 0 without a screen.
  virtual unsigned ScreenBitsPerPixel() = 0;
  virtual unsigned SoundInputDevices() = 0;
};

// The Windows run-time sets and what plays their part for our programs on Linux.
bool HasVb6Runtime(MachineProbes& probes);
bool HasVc6Runtime(MachineProbes& probes);
bool HasVc7Runtime(MachineProbes& probes);
bool HasMfc6Runtime(MachineProbes& probes);
bool HasMfc7Runtime(MachineProbes& probes);
bool HasCommonControls471(MachineProbes& probes);
bool HasHtmlHelp(MachineProbes& probes);

bool HasMemoryMB(MachineProbes& probes, uint32_t megabytes);
bool HasCpuMHz(MachineProbes& probes, uint32_t mhz);
bool HasFreeDiskMB(MachineProbes& probes, uint32_t megabytes);
bool HasColours(MachineProbes& probes, uint32_t colours);
bool HasSoundCard(MachineProbes& probes);

// Library names behind the predicates above, for documentation and tests.
inline constexpr std::string_view kCommonControlsLibrary = "libQt6Widgets.so.6";
inline constexpr std::string_view kHtmlHelpLibrary = "libchm.so.1";

} // namespace maintenance
