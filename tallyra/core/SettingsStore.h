#pragma once
// Tallyra's settings in the settings store, under HKEY_LOCAL_MACHINE\Software\Apps Kavel\Tallyra:
// every value a REG_SZ text, numbers in number form (" 1", "-1"), read once at start-up and
// written back together when the program quits. Also the install step of the command line
// "/INSTALL". No Qt.
//
// The data file path is a file-system path (UTF-8) in memory and Windows-1252 in the store, like
// every text there. A path that Windows-1252 cannot spell is stored as its UTF-8 bytes instead,
// so that quitting never replaces it by a path with '?' in it; reading tells the two apart, as a
// Windows-1252 text with accents is never valid UTF-8 in practice.

#include "platform/registry/Registry.h"
#include "tallyra/core/Settings.h"

#include <string>
#include <string_view>

namespace tallyra {

inline constexpr std::string_view kSettingsKey = "Software\\Apps Kavel\\Tallyra";

// A value of the settings key without a terminating NUL and surrounding blanks; the empty text
// when the key or the value is missing. name is Windows-1252.
std::string RegReadString(platform::RegistryStore& store, std::string_view name);
// Creates the key when missing; an empty text is written as one blank.
bool RegWriteString(platform::RegistryStore& store, std::string_view name, std::string_view text);

// First start (no "Premier démarrage") gives the defaults, the data file path excepted.
Settings ReadSettings(platform::RegistryStore& store);
// Writes every setting, then "Chemin EXE" = exePath, in one transaction of the store: a store
// that cannot be written keeps its previous values whole.
void SaveSettings(platform::RegistryStore& store, const Settings& settings,
                  const std::string& exePath);

// Whether the program's arguments, joined by blanks and upper-cased, are "/INSTALL" or
// "\INSTALL".
bool IsInstallCommand(std::string_view commandLine);
// Writes "Chemin EXE", and "Chemin" = the program's folder + "mt.dat" unless it holds a path.
void RunInstallStep(platform::RegistryStore& store, const std::string& exePath);

// The data file path as stored, and back.
std::string StoredPath(std::string_view path);
std::string PathFromStore(std::string_view stored);

} // namespace tallyra
