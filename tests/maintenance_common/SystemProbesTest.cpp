#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "maintenance/common/LinuxProbes.h"
#include "maintenance/common/SystemProbes.h"
#include "tests/maintenance_common/SimulatedMachine.h"

namespace maintenance {
namespace {

using testing::SimulatedMachine;

TEST(ProbePredicatesTest, ColoursAreTwoToTheDepthAgainstAnUnsignedThreshold) {
  const struct {
    unsigned bits;
    uint32_t threshold;
    bool passes;
  } cases[] = {
      {24, 65536, true},           {24, 16777216, true},       {24, 16777217, false},
      {24, 4294967295u, false},    {32, 4294967295u, true},    {16, 65536, true},
      {8, 257, false},             {0, 1, true},               {0, 2, false},
  };
  for (const auto& c : cases) {
    SimulatedMachine machine;
    machine.bitsPerPixel = c.bits;
    EXPECT_EQ(HasColours(machine, c.threshold), c.passes) << c.bits << " bits, " << c.threshold;
  }
}

TEST(ProbePredicatesTest, MemoryAndDiskCountWholeMegabytes) {
  SimulatedMachine machine;
  machine.memoryBytes = static_cast<uint64_t>(255.9 * 1048576);
  EXPECT_TRUE(HasMemoryMB(machine, 255));
  EXPECT_FALSE(HasMemoryMB(machine, 256));

  machine.freeDiskBytes = (1ull << 20) * 100 - 1;
  EXPECT_TRUE(HasFreeDiskMB(machine, 99));
  EXPECT_FALSE(HasFreeDiskMB(machine, 100));
  // Past 4 G megabytes the high part alone makes it pass.
  machine.freeDiskBytes = 1ull << 52;
  EXPECT_TRUE(HasFreeDiskMB(machine, 4294967295u));
}

TEST(ProbePredicatesTest, ZeroThresholdPassesEveryNumericProbe) {
  SimulatedMachine machine;
  machine.memoryBytes = 0;
  machine.freeDiskBytes = 0;
  machine.cpuMHz = 0;
  machine.bitsPerPixel = 0;
  EXPECT_TRUE(HasMemoryMB(machine, 0));
  EXPECT_TRUE(HasFreeDiskMB(machine, 0));
  EXPECT_TRUE(HasCpuMHz(machine, 0));
  EXPECT_TRUE(HasColours(machine, 0));
}

TEST(ProbePredicatesTest, CpuAndSound) {
  SimulatedMachine machine;
  machine.cpuMHz = 450;
  EXPECT_TRUE(HasCpuMHz(machine, 450));
  EXPECT_FALSE(HasCpuMHz(machine, 451));
  EXPECT_TRUE(HasSoundCard(machine));
  machine.soundInputs = 0;
  EXPECT_FALSE(HasSoundCard(machine));
}

TEST(ProbePredicatesTest, CommonControlsNeedVersion471) {
  const struct {
    uint32_t version;
    bool passes;
  } cases[] = {{PackVersion(4, 70), false}, {PackVersion(4, 71), true},
               {PackVersion(5, 80), true},  {PackVersion(6, 0), true},
               {0, false}};
  for (const auto& c : cases) {
    SimulatedMachine machine;
    machine.versions[std::string(kCommonControlsLibrary)] = c.version;
    EXPECT_EQ(HasCommonControls471(machine), c.passes) << std::hex << c.version;
  }
}

TEST(ProbePredicatesTest, RunTimeSetsLoadOnASoundMachine) {
  SimulatedMachine machine;
  EXPECT_TRUE(HasVb6Runtime(machine));
  EXPECT_TRUE(HasVc6Runtime(machine));
  EXPECT_TRUE(HasVc7Runtime(machine));
  EXPECT_TRUE(HasMfc6Runtime(machine));
  EXPECT_TRUE(HasMfc7Runtime(machine));
  EXPECT_TRUE(HasCommonControls471(machine));
  EXPECT_TRUE(HasHtmlHelp(machine));
}

TEST(ProbePredicatesTest, EveryLibraryOfASetIsTriedEvenAfterAFailure) {
  SimulatedMachine machine;
  machine.libraries.erase("libc.so.6");
  EXPECT_FALSE(HasVc6Runtime(machine));
  EXPECT_EQ(machine.librariesTried.size(), 4u);
  EXPECT_EQ(machine.librariesTried.front(), "libc.so.6");

  machine.libraries.erase("libQt6PrintSupport.so.6");
  EXPECT_FALSE(HasVb6Runtime(machine));
  EXPECT_TRUE(HasMfc7Runtime(machine));
  machine.libraries.erase("libQt6Widgets.so.6");
  EXPECT_FALSE(HasMfc6Runtime(machine));
  EXPECT_FALSE(HasCommonControls471(machine));
}

TEST(ProbePredicatesTest, HtmlHelpNeedsTheLibraryAndTheRegistration) {
  SimulatedMachine machine;
  machine.htmlHelpRegistered = false;
  EXPECT_FALSE(HasHtmlHelp(machine));
  machine.htmlHelpRegistered = true;
  machine.libraries.erase(std::string(kHtmlHelpLibrary));
  EXPECT_FALSE(HasHtmlHelp(machine));
}

TEST(LinuxProbesTest, LibrariesLoadByTheirLoaderNames) {
  EXPECT_TRUE(CanLoadLibrary("libc.so.6"));
  EXPECT_TRUE(CanLoadLibrary("libQt6Widgets.so.6"));
  EXPECT_TRUE(CanLoadLibrary(std::string(kHtmlHelpLibrary)));
  EXPECT_FALSE(CanLoadLibrary("libsolvane-absent.so.9"));
  EXPECT_FALSE(CanLoadLibrary("LIBC.SO.6"));
  EXPECT_FALSE(CanLoadLibrary(""));
}

TEST(LinuxProbesTest, LibraryVersionComesFromItsFileName) {
  const uint32_t widgets = GetDllVersion("libQt6Widgets.so.6");
  EXPECT_GE(widgets, PackVersion(6, 0));
  EXPECT_LT(widgets, PackVersion(7, 0));
  EXPECT_EQ(GetDllVersion("libsolvane-absent.so.9"), 0u);
}

TEST(LinuxProbesTest, WindowsOnlyProbesReadAsAbsent) {
  BrowserVersion version{5, 50, 4134};
  EXPECT_FALSE(GetBrowserVersion(version));
  EXPECT_EQ(version.major + version.minor + version.build, 0u);
  LinuxMachineProbes machine(nullptr, {});
  EXPECT_EQ(machine.WindowsVersion(), WinUnknown);
  EXPECT_FALSE(machine.HtmlHelpRegistered());
  EXPECT_EQ(machine.ScreenBitsPerPixel(), 0u);
}

TEST(LinuxProbesTest, FrequencyOfNothingIsZero) {
  EXPECT_EQ(MeasureCpuMHz(0, 50, MeasurePriority::Unchanged), 0u);
  EXPECT_EQ(MeasureCpuMHz(1, 0, MeasurePriority::Unchanged), 0u);
}

// Frequencies the system itself reports: every core's current one and the cpufreq base.
std::vector<double> ReportedMHz() {
  std::vector<double> values;
  std::ifstream cpuinfo("/proc/cpuinfo");
  for (std::string line; std::getline(cpuinfo, line);)
    if (line.rfind("cpu MHz", 0) == 0) values.push_back(std::atof(line.c_str() + line.find(':') + 1));
  for (const char* file : {"/sys/devices/system/cpu/cpu0/cpufreq/base_frequency",
                           "/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq"}) {
    double kHz = 0;
    if (std::ifstream(file) >> kHz) values.push_back(kHz / 1000);
  }
  return values;
}

unsigned CaptureDevicesListedByTheKernel() {
  std::ifstream pcm("/proc/asound/pcm");
  unsigned count = 0;
  for (std::string line; std::getline(pcm, line);) count += line.find("capture") != std::string::npos;
  return count;
}

uint64_t MemTotalKb() {
  std::ifstream meminfo("/proc/meminfo");
  std::string name;
  uint64_t kb = 0;
  while (meminfo >> name >> kb)
    if (name == "MemTotal:") return kb;
  return 0;
}

// The real machine's readings, printed for the record and checked against what the kernel
// reports by other means.
TEST(LinuxProbesTest, RealMachineReadings) {
  const uint64_t memory = TotalMemoryBytes();
  const uint32_t mhz = MeasureCpuMHz(1, 50, MeasurePriority::RealTime);
  const uint64_t disk = FreeDiskBytes();
  const unsigned sound = SoundInputDevices();
  std::cout << "memory " << (memory >> 20) << " MB, processor " << mhz << " MHz, free disk "
            << (disk >> 20) << " MB, sound capture devices " << sound << "\n";

  EXPECT_EQ(memory >> 10, MemTotalKb());
  EXPECT_GT(disk, 0u);
  EXPECT_EQ(sound, CaptureDevicesListedByTheKernel());
  const std::vector<double> reported = ReportedMHz();
  if (reported.empty()) GTEST_SKIP() << "the system reports no frequency to compare with";
  bool near = false;
  std::ostringstream list;
  for (double value : reported) {
    near = near || std::abs(mhz - value) <= value / 10;
    list << value << " ";
  }
  EXPECT_TRUE(near) << mhz << " MHz measured; reported: " << list.str();
}

} // namespace
} // namespace maintenance
