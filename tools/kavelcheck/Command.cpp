#include "tools/kavelcheck/Command.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <memory>
#include <optional>

#include "maintenance/common/AppRegistry.h"
#include "maintenance/common/LinuxProbes.h"
#include "maintenance/repair/Analysis.h"
#include "maintenance/repair/ErrorRows.h"
#include "platform/registry/Registry.h"
#include "platform/text/Text.h"
#include "resources/KavelRepairResources.h"

namespace kavelcheck {

namespace {

constexpr int kStringNoApplication = 102;
constexpr int kStringNoError = 105;

constexpr const char* kUsage = "usage: kavelcheck [--store FILE] [--probes | KEY]\n";

struct Options {
  std::string storePath;
  bool storeGiven = false;
  bool probes = false;
  std::optional<std::string> key;
};

bool ParseOptions(const std::vector<std::string>& args, Options& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--store" && i + 1 < args.size()) {
      options.storePath = args[++i];
      options.storeGiven = true;
    } else if (arg == "--probes") {
      options.probes = true;
    } else if (arg.starts_with("-") || options.key || arg.empty()) {
      return false;
    } else {
      options.key = arg;
    }
  }
  return !(options.probes && options.key);
}

std::string Text(int id) {
  return platform::Utf8FromCp1252(KavelRepairResources().String(id));
}

// A description's lines, each indented under its row.
void PrintIndented(std::ostream& out, const std::string& text) {
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    out << "    " << text.substr(start, end - start) << "\n";
    start = end + 1;
  }
}

void PrintProbes(maintenance::MachineProbes& probes, std::ostream& out) {
  const maintenance::WinVersionCode windows = probes.WindowsVersion();
  const maintenance::BrowserVersion browser = probes.Browser();
  const unsigned depth = probes.ScreenBitsPerPixel();
  out << "windows: " << maintenance::WinVersionText(windows) << " (" << windows << ")\n"
      << "browser: " << browser.major << "." << browser.minor << "." << browser.build << "\n"
      << "memory: " << (probes.TotalMemoryBytes() >> 20) << " MB\n"
      << "processor: " << probes.CpuMHz() << " MHz\n"
      << "free disk (" << std::filesystem::current_path().string()
      << "): " << (probes.FreeDiskBytes() >> 20) << " MB\n"
      << "screen: " << depth << " bits, " << std::fixed << std::setprecision(0)
      << std::pow(2.0, depth) << " colours\n"
      << "sound capture devices: " << probes.SoundInputDevices() << "\n"
      << "common controls 4.71: " << maintenance::HasCommonControls471(probes) << "\n"
      << "HTML help: " << maintenance::HasHtmlHelp(probes) << "\n";
}

int PrintErrors(const maintenance::AppTable& table, const maintenance::ErrorList& errors,
                std::ostream& out) {
  const maintenance::StringLookup strings = [](int id) { return KavelRepairResources().String(id); };
  if (errors.count == 0) out << Text(kStringNoError) << "\n";
  for (int i = 0; i < errors.count; ++i) {
    const maintenance::ErrorRecord& error = errors.records[i];
    out << platform::Utf8FromCp1252(maintenance::ErrorRowText(table, error, strings)) << "\n";
    PrintIndented(out, Text(error.textId));
  }
  out << "\n" << platform::Utf8FromCp1252(maintenance::ErrorCountText(strings, errors.count)) << "\n";
  return errors.count == 0 ? 0 : 1;
}

} // namespace

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::function<unsigned()>& screenDepth) {
  Options options;
  if (args.size() == 1 && args[0] == "--help") {
    out << kUsage;
    return 0;
  }
  if (!ParseOptions(args, options)) {
    err << kUsage;
    return 2;
  }
  if (!options.storeGiven) options.storePath = platform::RegistryStore::DefaultPath();
  // Only a store that exists is opened: checking must not create one.
  std::unique_ptr<platform::RegistryStore> store;
  if (std::filesystem::exists(options.storePath)) {
    store = std::make_unique<platform::RegistryStore>(options.storePath);
  } else if (options.storeGiven) {
    err << "kavelcheck: no store at " << options.storePath << "\n";
    return 2;
  }

  maintenance::LinuxMachineProbes probes(store.get(), screenDepth);
  if (options.probes) {
    PrintProbes(probes, out);
    return 0;
  }

  maintenance::AppTable table;
  const bool singleApplication = options.key.has_value();
  if (store && singleApplication) {
    const std::string path = std::string(maintenance::kRepairRootKey) + "\\" +
                             platform::Cp1252FromUtf8(*options.key);
    maintenance::LoadAppRecord(*store, table, path, true);
  } else if (store) {
    maintenance::EnumerateApps(*store, table, maintenance::kRepairRootKey, true);
  }
  if (!singleApplication && table.count == 0) {
    out << Text(kStringNoApplication) << "\n";
    return 1;
  }
  for (int i = 0; i < table.count; ++i) table.records[i].selected = true;

  auto errors = std::make_unique<maintenance::ErrorList>();
  maintenance::AnalyseApplications(table, *errors, singleApplication, probes);
  return PrintErrors(table, *errors, out);
}

} // namespace kavelcheck
