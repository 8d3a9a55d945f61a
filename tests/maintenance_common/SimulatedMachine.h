#pragma once
// A machine described by its readings, for running the probes' predicates and the analysis
// without touching the real one. By default it is a sound Linux machine with our libraries.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "maintenance/common/SystemProbes.h"

namespace maintenance::testing {

class SimulatedMachine : public MachineProbes {
public:
  WinVersionCode windows = WinUnknown;
  BrowserVersion browser;
  std::set<std::string> libraries = {"libc.so.6",          "libm.so.6",          "libgcc_s.so.1",
                                     "libstdc++.so.6",     "libQt6Core.so.6",    "libQt6Gui.so.6",
                                     "libQt6Widgets.so.6", "libQt6PrintSupport.so.6",
                                     "libchm.so.1"};
  std::map<std::string, uint32_t> versions = {{"libQt6Widgets.so.6", PackVersion(6, 4)}};
  bool htmlHelpRegistered = true;
  uint64_t memoryBytes = 8ull << 30;
  uint32_t cpuMHz = 2400;
  uint64_t freeDiskBytes = 100ull << 30;
  unsigned bitsPerPixel = 24;
  unsigned soundInputs = 1;

  std::vector<std::string> librariesTried;
  int cpuMeasurements = 0;

  WinVersionCode WindowsVersion() override { return windows; }
  BrowserVersion Browser() override { return browser; }
  bool CanLoadLibrary(const std::string& name) override {
    librariesTried.push_back(name);
    return libraries.count(name) != 0;
  }
  uint32_t DllVersion(const std::string& name) override {
    const auto it = versions.find(name);
    return libraries.count(name) && it != versions.end() ? it->second : 0;
  }
  bool HtmlHelpRegistered() override { return htmlHelpRegistered; }
  uint64_t TotalMemoryBytes() override { return memoryBytes; }
  uint32_t CpuMHz() override {
    ++cpuMeasurements;
    return cpuMHz;
  }
  uint64_t FreeDiskBytes() override { return freeDiskBytes; }
  unsigned ScreenBitsPerPixel() override { return bitsPerPixel; }
  unsigned SoundInputDevices() override { return soundInputs; }
};

} // namespace maintenance::testing
