#include "tallyra/core/SettingsStore.h"

#include "platform/text/Text.h"
#include "tallyra/core/RecordWriter.h"

namespace tallyra {
namespace {

using platform::RegResult;

// Value names, in UTF-8 here and Windows-1252 in the store.
constexpr std::string_view kChemin = "Chemin";
constexpr std::string_view kPremierDemarrage = "Premier démarrage";
constexpr std::string_view kTypeNote = "Type note";
constexpr std::string_view kAffichage = "Affichage";
constexpr std::string_view kBarreOutils = "Afficher barre outils";
constexpr std::string_view kBarreEtat = "Afficher barre état";
constexpr std::string_view kBarreAplatie = "Barre outils aplatie";
constexpr std::string_view kTextesBarre = "Textes barre outils";
constexpr std::string_view kPleinEcran = "Plein écran";
constexpr std::string_view kCheminExe = "Chemin EXE";

std::string Name(std::string_view utf8) { return platform::Cp1252FromUtf8(utf8); }

int ReadNumber(platform::RegistryStore& store, std::string_view name) {
  return SettingNumber(RegReadString(store, Name(name)));
}

void WriteNumber(platform::RegistryStore& store, std::string_view name, int value) {
  RegWriteString(store, Name(name), NumberText(value));
}

// Valid UTF-8 holding at least one character beyond ASCII.
bool IsMultibyteUtf8(std::string_view text) {
  bool multibyte = false;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = lead <= 0xEF ? 3 : 0;
    } else if (lead >= 0xC2) {
      length = 2;
    } else if (lead >= 0x80) {
      length = 0;
    }
    if (length == 0 || i + length > text.size()) {
      return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
        return false;
      }
    }
    multibyte = multibyte || length > 1;
    i += length;
  }
  return multibyte;
}

std::string FolderPrefixOf(const std::string& exePath) {
  std::string folder = FolderOf(exePath);
  if (folder.empty() || folder.back() != '/') {
    folder += '/';
  }
  return folder;
}

} // namespace

std::string RegReadString(platform::RegistryStore& store, std::string_view name) {
  platform::RegKey key;
  std::string data;
  if (store.OpenKey(platform::Hive::LocalMachine, kSettingsKey, platform::KeyAccess::Read, key) !=
          RegResult::Ok ||
      key.QueryValue(name, data) != RegResult::Ok) {
    return {};
  }
  data.resize(data.find('\0') == std::string::npos ? data.size() : data.find('\0'));
  return std::string(platform::Trim(data));
}

bool RegWriteString(platform::RegistryStore& store, std::string_view name, std::string_view text) {
  platform::RegKey key;
  return store.CreateKey(platform::Hive::LocalMachine, kSettingsKey, key) == RegResult::Ok &&
         key.SetValue(name, text.empty() ? std::string_view(" ") : text) == RegResult::Ok;
}

Settings ReadSettings(platform::RegistryStore& store) {
  Settings settings;
  store.InReadTransaction([&] {
    settings.dataPath = PathFromStore(RegReadString(store, Name(kChemin)));
    if (RegReadString(store, Name(kPremierDemarrage)).empty()) {
      return RegResult::Ok;
    }
    settings.scoreUnit = ScoreUnitOf(ReadNumber(store, kTypeNote));
    settings.sortOrder = SortOrderOf(RegReadString(store, Name(kAffichage)));
    settings.showToolbar = ReadNumber(store, kBarreOutils);
    settings.showStatusBar = ReadNumber(store, kBarreEtat);
    settings.flatToolbar = ReadNumber(store, kBarreAplatie);
    settings.toolbarCaptions = ReadNumber(store, kTextesBarre);
    settings.windowState = ReadNumber(store, kPleinEcran);
    return RegResult::Ok;
  });
  return settings;
}

void SaveSettings(platform::RegistryStore& store, const Settings& settings,
                  const std::string& exePath) {
  store.InTransaction([&] {
    RegWriteString(store, Name(kPremierDemarrage), "non");
    RegWriteString(store, Name(kChemin), StoredPath(settings.dataPath));
    WriteNumber(store, kTypeNote, static_cast<int>(settings.scoreUnit));
    WriteNumber(store, kAffichage, settings.sortOrder);
    WriteNumber(store, kBarreOutils, settings.showToolbar);
    WriteNumber(store, kBarreEtat, settings.showStatusBar);
    WriteNumber(store, kBarreAplatie, settings.flatToolbar);
    WriteNumber(store, kTextesBarre, settings.toolbarCaptions);
    WriteNumber(store, kPleinEcran, settings.windowState);
    RegWriteString(store, Name(kCheminExe), StoredPath(exePath));
    return RegResult::Ok;
  });
}

bool IsInstallCommand(std::string_view commandLine) {
  const std::string upper = platform::ToUpperCp1252(commandLine);
  return upper == "/INSTALL" || upper == "\\INSTALL";
}

void RunInstallStep(platform::RegistryStore& store, const std::string& exePath) {
  RegWriteString(store, Name(kCheminExe), StoredPath(exePath));
  if (RegReadString(store, Name(kChemin)).empty()) {
    RegWriteString(store, Name(kChemin), StoredPath(FolderPrefixOf(exePath) + "mt.dat"));
  }
}

std::string StoredPath(std::string_view path) {
  std::string cp1252 = platform::Cp1252FromUtf8(path);
  return platform::Utf8FromCp1252(cp1252) == path ? cp1252 : std::string(path);
}

std::string PathFromStore(std::string_view stored) {
  return IsMultibyteUtf8(stored) ? std::string(stored) : platform::Utf8FromCp1252(stored);
}

} // namespace tallyra
