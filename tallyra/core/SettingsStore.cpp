#include "tallyra/core/SettingsStore.h"

#include "tallyra/core/RecordWriter.h"
#include "platform/text/Text.h"

#include <algorithm>

namespace tallyra {
namespace {

constexpr std::size_t kMaxValueLength = 1024;

// A value as the program reads it: at most 1024 characters, without a terminating NUL or
// surrounding blanks; empty when the key or the value is missing.
std::string ReadString(platform::RegistryStore& store, std::string_view name) {
  platform::RegKey key;
  std::string data;
  if (store.OpenKey(platform::Hive::LocalMachine, kSettingsKey, platform::KeyAccess::Read, key) !=
          platform::RegResult::Ok ||
      key.QueryValue(platform::Cp1252FromUtf8(name), data) != platform::RegResult::Ok) {
    return {};
  }
  data.resize(std::min(data.size(), kMaxValueLength));
  if (const auto nul = data.find('\0'); nul != std::string::npos) {
    data.resize(nul);
  }
  return std::string(platform::Trim(data));
}

// An empty text is written as one blank.
void WriteString(platform::RegistryStore& store, std::string_view name, std::string_view value) {
  platform::RegKey key;
  if (store.CreateKey(platform::Hive::LocalMachine, kSettingsKey, key) == platform::RegResult::Ok) {
    key.SetValue(platform::Cp1252FromUtf8(name), value.empty() ? std::string_view(" ") : value);
  }
}

int ReadNumber(platform::RegistryStore& store, std::string_view name) {
  return SettingNumber(ReadString(store, name));
}

} // namespace

Settings ReadSettings(platform::RegistryStore& store) {
  Settings settings;
  settings.dataPath = ReadString(store, "Chemin");
  if (ReadString(store, "Premier démarrage").empty()) {
    return settings;
  }
  settings.scoreUnit = ScoreUnitOf(ReadNumber(store, "Type note"));
  settings.sortOrder = SortOrderOf(ReadString(store, "Affichage"));
  settings.showToolbar = ReadNumber(store, "Afficher barre outils");
  settings.showStatusBar = ReadNumber(store, "Afficher barre état");
  settings.flatToolbar = ReadNumber(store, "Barre outils aplatie");
  settings.toolbarCaptions = ReadNumber(store, "Textes barre outils");
  settings.windowState = ReadNumber(store, "Plein écran");
  return settings;
}

void SaveSettings(platform::RegistryStore& store, const Settings& settings,
                  const std::string& executablePath) {
  WriteString(store, "Premier démarrage", "non");
  WriteString(store, "Chemin", settings.dataPath);
  WriteString(store, "Type note", NumberText(static_cast<int>(settings.scoreUnit)));
  WriteString(store, "Affichage", NumberText(settings.sortOrder));
  WriteString(store, "Afficher barre outils", NumberText(settings.showToolbar));
  WriteString(store, "Afficher barre état", NumberText(settings.showStatusBar));
  WriteString(store, "Barre outils aplatie", NumberText(settings.flatToolbar));
  WriteString(store, "Textes barre outils", NumberText(settings.toolbarCaptions));
  WriteString(store, "Plein écran", NumberText(settings.windowState));
  WriteString(store, "Chemin EXE", executablePath);
}

bool IsInstallCommand(std::string_view commandLine) {
  const std::string upper = platform::ToUpperCp1252(commandLine);
  return upper == "/INSTALL" || upper == "\\INSTALL";
}

void RunInstallStep(platform::RegistryStore& store, const std::string& executablePath) {
  WriteString(store, "Chemin EXE", executablePath);
  if (ReadString(store, "Chemin").empty()) {
    WriteString(store, "Chemin", FolderOf(executablePath) + "/mt.dat");
  }
}

} // namespace tallyra
