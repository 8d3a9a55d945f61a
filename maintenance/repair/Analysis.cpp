#include "maintenance/repair/Analysis.h"

#include <string>
#include <string_view>

#include "maintenance/common/CheckFile.h"
#include "maintenance/repair/VersionTokens.h"
#include "platform/text/Text.h"

namespace maintenance {

namespace {

enum class Test {
  Vb6Runtime, CommonControls, Mfc6Runtime, Mfc7Runtime, Vc6Runtime, Vc7Runtime, HtmlHelp,
  FreeDisk, Colours, CpuFrequency, Memory, SoundCard, BrowserVersion, Windows95, WindowsNt,
  ExtraSystemFile,
};

struct Requirement {
  std::string_view key;
  Test test;
  ErrorTitleId title;
};

// In the order every line is tried; a line matches at most one key.
constexpr Requirement kRequirements[] = {
    {"NEEDVB6RUNTIME", Test::Vb6Runtime, ErrVb6Runtime},
    {"NEEDCOMCTRL", Test::CommonControls, ErrCommonControls},
    {"NEEDMFC6RUNTIME", Test::Mfc6Runtime, ErrMfc6Runtime},
    {"NEEDMFC7RUNTIME", Test::Mfc7Runtime, ErrMfc7Runtime},
    {"NEEDVC6RUNTIME", Test::Vc6Runtime, ErrVc6Runtime},
    {"NEEDVC7RUNTIME", Test::Vc7Runtime, ErrVc7Runtime},
    {"NEEDHTMLHELP", Test::HtmlHelp, ErrHtmlHelp},
    {"DISQUEMINI=", Test::FreeDisk, ErrFreeDisk},
    {"ECRANMINI=", Test::Colours, ErrColours},
    {"FREQUENCEMINI=", Test::CpuFrequency, ErrCpuFrequency},
    {"RAMMINI=", Test::Memory, ErrMemory},
    {"NEEDSON", Test::SoundCard, ErrSoundCard},
    {"VERSIONIEMINI=", Test::BrowserVersion, ErrBrowserVersion},
    {"WINDOWSMINI=", Test::Windows95, ErrWindowsVersion},
    {"WINDOWSNTMINI=", Test::WindowsNt, ErrWindowsVersion},
    // A missing extra library is reported as an unsuitable Windows.
    {"NEEDEXTRASYSFILE=", Test::ExtraSystemFile, ErrWindowsVersion},
};

// value is the upper-cased rest of the line; writtenValue the same bytes in the case the file
// has them, which a library name needs on a case-sensitive file system.
bool Passes(Test test, std::string_view value, std::string_view writtenValue,
            MachineProbes& probes) {
  // Thresholds are unsigned: a negative number reads as a huge one.
  const auto number = [value] { return static_cast<uint32_t>(platform::AtoiPrefix(value)); };
  switch (test) {
    case Test::Vb6Runtime: return HasVb6Runtime(probes);
    case Test::CommonControls: return HasCommonControls471(probes);
    case Test::Mfc6Runtime: return HasMfc6Runtime(probes);
    case Test::Mfc7Runtime: return HasMfc7Runtime(probes);
    case Test::Vc6Runtime: return HasVc6Runtime(probes);
    case Test::Vc7Runtime: return HasVc7Runtime(probes);
    case Test::HtmlHelp: return HasHtmlHelp(probes);
    case Test::FreeDisk: return HasFreeDiskMB(probes, number());
    case Test::Colours: return HasColours(probes, number());
    case Test::CpuFrequency: return HasCpuMHz(probes, number());
    case Test::Memory: return HasMemoryMB(probes, number());
    case Test::SoundCard: return HasSoundCard(probes);
    case Test::BrowserVersion: return !VersionIeMiniFails(value, probes.Browser());
    case Test::Windows95: return !WindowsMiniFails(value, probes.WindowsVersion());
    case Test::WindowsNt: return !WindowsNtMiniFails(value, probes.WindowsVersion());
    case Test::ExtraSystemFile: return probes.CanLoadLibrary(std::string(writtenValue));
  }
  return true;
}

void AnalyseLine(std::string_view line, int appIndex, ErrorList& errors, MachineProbes& probes) {
  const std::string normalised = NormaliseRequirementLine(line);
  for (const Requirement& requirement : kRequirements) {
    if (!normalised.starts_with(requirement.key)) continue;
    // Upper-casing keeps every byte in place, so the trimmed line lines up with the normalised one.
    const std::string_view written = platform::Trim(line).substr(requirement.key.size());
    const std::string_view value = std::string_view(normalised).substr(requirement.key.size());
    if (!Passes(requirement.test, value, written, probes))
      AddError(errors, appIndex, requirement.title, DescriptionId(requirement.title), "");
    return;
  }
}

} // namespace

void AnalyseApplications(const AppTable& table, ErrorList& errors, bool singleApplication,
                         MachineProbes& probes) {
  if (table.count == 0)
    AddError(errors, 0, ErrCheckFileMissing, DescriptionId(ErrCheckFileMissing), "");
  // Once the list is full every further error would be dropped, so reading on changes nothing.
  const auto full = [&errors] { return errors.count >= kErrorListCapacity; };
  for (int i = 0; i < table.count && !full(); ++i) {
    const AppRecord& app = table.records[i];
    if (!app.selected && !singleApplication) continue;
    CheckFileReader reader;
    if (!reader.Open(app.checkFile)) {
      AddError(errors, i, ErrCheckFileMissing, DescriptionId(ErrCheckFileMissing), "");
      continue;
    }
    std::string line;
    while (!full() && reader.ReadLine(line))
      AnalyseLine(line, i, errors, probes);
  }
}

} // namespace maintenance
