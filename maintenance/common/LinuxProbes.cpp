#include "maintenance/common/LinuxProbes.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>
#include <link.h>
#include <pthread.h>
#include <sched.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <time.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define SOLVANE_HAS_TSC 1
#endif

#include "maintenance/common/AppRegistry.h"
#include "platform/text/Text.h"

namespace maintenance {

namespace {

struct LibraryCloser {
  void operator()(void* handle) const { dlclose(handle); }
};
using Library = std::unique_ptr<void, LibraryCloser>;

// Kept mapped after the handle closes: libraries such as Qt's cannot be unloaded cleanly (what
// their initialisers allocated would be lost), and a second probe then costs nothing.
Library LoadLibrary(const std::string& cp1252Name) {
  if (cp1252Name.empty()) return Library();
  return Library(dlopen(platform::Utf8FromCp1252(cp1252Name).c_str(),
                        RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE));
}

// "libfoo.so.6.4.2" -> 6.4; 0 without a version after ".so.".
uint32_t VersionFromFileName(const std::string& fileName) {
  const size_t so = fileName.rfind(".so.");
  if (so == std::string::npos) return 0;
  const char* text = fileName.c_str() + so + 4;
  char* end = nullptr;
  const unsigned long major = std::strtoul(text, &end, 10);
  if (end == text) return 0;
  unsigned long minor = 0;
  if (*end == '.') minor = std::strtoul(end + 1, nullptr, 10);
  return PackVersion(static_cast<uint32_t>(major), static_cast<uint32_t>(minor));
}

} // namespace

bool GetBrowserVersion(BrowserVersion& version) {
  version = BrowserVersion();
  return false;
}

bool CanLoadLibrary(const std::string& name) { return LoadLibrary(name) != nullptr; }

uint32_t GetDllVersion(const std::string& name) {
  Library library = LoadLibrary(name);
  if (!library) return 0;
  link_map* map = nullptr;
  if (dlinfo(library.get(), RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name) return 0;
  std::error_code error;
  const std::filesystem::path file = std::filesystem::canonical(map->l_name, error);
  return error ? 0 : VersionFromFileName(file.filename().string());
}

bool IsHtmlHelpRegistered(platform::RegistryStore& store) {
  platform::RegKey key;
  if (store.OpenKey(platform::Hive::ClassesRoot,
                    "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32",
                    platform::KeyAccess::Full, key) != platform::RegResult::Ok)
    return false;
  std::string server;
  return ReadStringValue(key, "", server) && !server.empty();
}

uint64_t TotalMemoryBytes() {
  struct sysinfo info {};
  if (sysinfo(&info) != 0) return 0;
  return static_cast<uint64_t>(info.totalram) * info.mem_unit;
}

namespace {

#ifdef SOLVANE_HAS_TSC
constexpr int64_t kCounterFrequency = 1'000'000'000;  // the monotonic clock counts nanoseconds

int64_t CounterNow() {
  timespec now {};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * kCounterFrequency + now.tv_nsec;
}

void BusyWait(unsigned waitMs) {
  const int64_t target = kCounterFrequency / 1000 * waitMs;
  const int64_t start = CounterNow();
  while (CounterNow() - start < target) {
  }
}

// The same steps as BusyWait without the waiting, so that their cycles can be taken off.
void Overhead(unsigned waitMs) {
  const int64_t target = kCounterFrequency / 1000 * waitMs;
  const int64_t start = CounterNow();
  while (CounterNow() - start == target) {
  }
}

template <typename Routine>
uint64_t CyclesAround(Routine routine, unsigned waitMs) {
  const uint64_t before = __rdtsc();
  routine(waitMs);
  return __rdtsc() - before;
}

// Raises the calling thread to the highest real-time priority while it lives, when allowed.
class RealTimeScope {
public:
  RealTimeScope() {
    if (pthread_getschedparam(pthread_self(), &policy_, &param_) != 0) return;
    sched_param realTime {};
    realTime.sched_priority = sched_get_priority_max(SCHED_FIFO);
    changed_ = pthread_setschedparam(pthread_self(), SCHED_FIFO, &realTime) == 0;
  }
  ~RealTimeScope() {
    if (changed_) pthread_setschedparam(pthread_self(), policy_, &param_);
  }
  RealTimeScope(const RealTimeScope&) = delete;
  RealTimeScope& operator=(const RealTimeScope&) = delete;

private:
  int policy_ = SCHED_OTHER;
  sched_param param_ {};
  bool changed_ = false;
};
#else
uint32_t CpuFreqMaximumMHz() {
  std::ifstream file("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq");
  uint64_t kHz = 0;
  file >> kHz;
  return static_cast<uint32_t>(kHz / 1000);
}
#endif

} // namespace

uint32_t MeasureCpuMHz(unsigned repetitions, unsigned waitMs, MeasurePriority priority) {
  if (repetitions == 0 || waitMs == 0) return 0;
#ifdef SOLVANE_HAS_TSC
  std::unique_ptr<RealTimeScope> realTime;
  if (priority == MeasurePriority::RealTime) realTime = std::make_unique<RealTimeScope>();
  uint64_t waitTotal = 0;
  uint64_t overheadTotal = 0;
  for (unsigned i = 0; i < repetitions; ++i) {
    waitTotal += CyclesAround(BusyWait, waitMs);
    overheadTotal += CyclesAround(Overhead, waitMs);
  }
  realTime.reset();
  const int64_t cycles = static_cast<int64_t>(waitTotal - overheadTotal);
  return static_cast<uint32_t>(cycles / repetitions / waitMs / 1000);
#else
  return CpuFreqMaximumMHz();
#endif
}

uint64_t FreeDiskBytes() {
  struct statvfs info {};
  if (statvfs(".", &info) != 0) return 0;
  return static_cast<uint64_t>(info.f_bfree) * info.f_frsize;
}

unsigned SoundInputDevices() {
  snd_pcm_info_t* rawInfo = nullptr;
  if (snd_pcm_info_malloc(&rawInfo) != 0) return 0;
  const std::unique_ptr<snd_pcm_info_t, void (*)(snd_pcm_info_t*)> info(rawInfo, snd_pcm_info_free);
  unsigned count = 0;
  int card = -1;
  while (snd_card_next(&card) == 0 && card >= 0) {
    const std::string name = "hw:" + std::to_string(card);
    snd_ctl_t* control = nullptr;
    if (snd_ctl_open(&control, name.c_str(), 0) < 0) continue;
    int device = -1;
    while (snd_ctl_pcm_next_device(control, &device) == 0 && device >= 0) {
      snd_pcm_info_set_device(info.get(), static_cast<unsigned>(device));
      snd_pcm_info_set_subdevice(info.get(), 0);
      snd_pcm_info_set_stream(info.get(), SND_PCM_STREAM_CAPTURE);
      if (snd_ctl_pcm_info(control, info.get()) >= 0) ++count;
    }
    snd_ctl_close(control);
  }
  return count;
}

LinuxMachineProbes::LinuxMachineProbes(platform::RegistryStore* store,
                                       std::function<unsigned()> screenDepth)
    : store_(store), screenDepth_(std::move(screenDepth)) {}

WinVersionCode LinuxMachineProbes::WindowsVersion() {
  std::string text;
  WinVersionCode code = WinUnknown;
  GetWindowsVersion(text, code);
  return code;
}

BrowserVersion LinuxMachineProbes::Browser() {
  BrowserVersion version;
  GetBrowserVersion(version);
  return version;
}

bool LinuxMachineProbes::CanLoadLibrary(const std::string& name) {
  return maintenance::CanLoadLibrary(name);
}

uint32_t LinuxMachineProbes::DllVersion(const std::string& name) { return GetDllVersion(name); }

bool LinuxMachineProbes::HtmlHelpRegistered() {
  return store_ && IsHtmlHelpRegistered(*store_);
}

uint64_t LinuxMachineProbes::TotalMemoryBytes() { return maintenance::TotalMemoryBytes(); }

uint32_t LinuxMachineProbes::CpuMHz() { return MeasureCpuMHz(1, 50, MeasurePriority::RealTime); }

uint64_t LinuxMachineProbes::FreeDiskBytes() { return maintenance::FreeDiskBytes(); }

unsigned LinuxMachineProbes::ScreenBitsPerPixel() { return screenDepth_ ? screenDepth_() : 0; }

unsigned LinuxMachineProbes::SoundInputDevices() { return maintenance::SoundInputDevices(); }

} // namespace maintenance
