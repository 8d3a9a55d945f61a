#include "maintenance/common/SystemProbes.h"

#include <cmath>
#include <span>

namespace maintenance {

namespace {

// Every library of a set is tried, even after a failure.
bool LoadsAll(MachineProbes& probes, std::span<const char* const> libraries) {
  bool all = true;
  for (const char* library : libraries)
    all = probes.CanLoadLibrary(library) && all;
  return all;
}

// Visual Basic 6 carried the forms run-time; Tallyra's forms are Qt Widgets and it prints.
constexpr const char* kFormsRuntime[] = {"libQt6Core.so.6", "libQt6Gui.so.6", "libQt6Widgets.so.6",
                                         "libQt6PrintSupport.so.6"};
// The Visual C++ run-times were the C and C++ libraries; on Linux both versions are these.
constexpr const char* kCxxRuntime[] = {"libc.so.6", "libm.so.6", "libgcc_s.so.1", "libstdc++.so.6"};
// MFC was the application framework the wizards and Colorohm are built on: Qt here.
constexpr const char* kFramework[] = {"libQt6Core.so.6", "libQt6Gui.so.6", "libQt6Widgets.so.6"};

constexpr uint32_t kCommonControls471 = PackVersion(4, 71);

} // namespace

bool HasVb6Runtime(MachineProbes& probes) { return LoadsAll(probes, kFormsRuntime); }
bool HasVc6Runtime(MachineProbes& probes) { return LoadsAll(probes, kCxxRuntime); }
bool HasVc7Runtime(MachineProbes& probes) { return LoadsAll(probes, kCxxRuntime); }
bool HasMfc6Runtime(MachineProbes& probes) { return LoadsAll(probes, kFramework); }
bool HasMfc7Runtime(MachineProbes& probes) { return LoadsAll(probes, kFramework); }

bool HasCommonControls471(MachineProbes& probes) {
  return probes.DllVersion(std::string(kCommonControlsLibrary)) >= kCommonControls471;
}

bool HasHtmlHelp(MachineProbes& probes) {
  return probes.CanLoadLibrary(std::string(kHtmlHelpLibrary)) && probes.HtmlHelpRegistered();
}

bool HasMemoryMB(MachineProbes& probes, uint32_t megabytes) {
  return (probes.TotalMemoryBytes() >> 20) >= megabytes;
}

bool HasCpuMHz(MachineProbes& probes, uint32_t mhz) { return probes.CpuMHz() >= mhz; }

bool HasFreeDiskMB(MachineProbes& probes, uint32_t megabytes) {
  return (probes.FreeDiskBytes() >> 20) >= megabytes;
}

bool HasColours(MachineProbes& probes, uint32_t colours) {
  return std::pow(2.0, probes.ScreenBitsPerPixel()) >= static_cast<double>(colours);
}

bool HasSoundCard(MachineProbes& probes) { return probes.SoundInputDevices() >= 1; }

} // namespace maintenance
