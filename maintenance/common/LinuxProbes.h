#pragma once
// The probes measured on the running Linux machine. Windows-only facts have no Linux reading:
// the Windows version reads as unknown and the browser version as 0.0.0. Libraries are loaded
// with dlopen, memory comes from sysinfo, free space from statvfs of the current directory (free
// blocks, not only those available to the user), sound input devices from ALSA's capture PCMs.
//
// The screen depth needs a display, which this library does not reach: the program hands in a
// function that reads it (ScreenDepth.h for programs with a QGuiApplication).

#include <cstdint>
#include <functional>
#include <string>

#include "maintenance/common/SystemProbes.h"
#include "platform/registry/Registry.h"

namespace maintenance {

// Always false with 0.0.0: there is no shell browser library on Linux.
bool GetBrowserVersion(BrowserVersion& version);

// dlopen of the name as given (the loader's search order applies).
bool CanLoadLibrary(const std::string& name);

// A shared library's version is its file's: the numbers after ".so." in the name of the file the
// loader picked, symbolic links resolved (libQt6Widgets.so.6 -> ...so.6.4.2 gives 6.4). 0 when it
// does not load or its file name carries no version.
uint32_t GetDllVersion(const std::string& name);

// The help viewer's component key under HKEY_CLASSES_ROOT opens with full access and has a
// non-empty default value.
bool IsHtmlHelpRegistered(platform::RegistryStore& store);

uint64_t TotalMemoryBytes();

enum class MeasurePriority { Unchanged, RealTime };

// Processor frequency in MHz: time-stamp-counter cycles over a busy wait timed by the monotonic
// clock, less the cycles of the same code without the wait. RealTime runs the measurement under
// SCHED_FIFO when the system allows it (put back afterwards). 0 when repetitions or waitMs is 0.
// Without a time-stamp counter the cpufreq maximum stands in.
uint32_t MeasureCpuMHz(unsigned repetitions, unsigned waitMs, MeasurePriority priority);

// Free bytes of the current directory's file system; 0 when the query fails.
uint64_t FreeDiskBytes();

unsigned SoundInputDevices();

class LinuxMachineProbes : public MachineProbes {
public:
  // store may be null (no store: the help viewer is not registered); screenDepth may be empty
  // (no screen: depth 0).
  LinuxMachineProbes(platform::RegistryStore* store, std::function<unsigned()> screenDepth);

  WinVersionCode WindowsVersion() override;
  BrowserVersion Browser() override;
  bool CanLoadLibrary(const std::string& name) override;
  uint32_t DllVersion(const std::string& name) override;
  bool HtmlHelpRegistered() override;
  uint64_t TotalMemoryBytes() override;
  uint32_t CpuMHz() override;
  uint64_t FreeDiskBytes() override;
  unsigned ScreenBitsPerPixel() override;
  unsigned SoundInputDevices() override;

private:
  platform::RegistryStore* store_;
  std::function<unsigned()> screenDepth_;
};

} // namespace maintenance
