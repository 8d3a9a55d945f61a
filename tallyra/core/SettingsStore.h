#pragma once
// Tallyra's settings in the settings store, key Software\Apps Kavel\Tallyra of
// HKEY_LOCAL_MACHINE: read once at start, written once at quit, and the install step.

#include "tallyra/core/Settings.h"
#include "platform/registry/Registry.h"

#include <string>
#include <string_view>

namespace tallyra {

inline constexpr std::string_view kSettingsKey = "Software\\Apps Kavel\\Tallyra";

// "Chemin", then, once "Premier démarrage" has been written, every other value (a missing one
// reads as 0); before that the first-start values. A sort order outside 0 to 11 reads as 0.
Settings ReadSettings(platform::RegistryStore& store);

// Writes every setting, "Premier démarrage" = "non" first and "Chemin EXE" last. A value that
// cannot be written is skipped.
void SaveSettings(platform::RegistryStore& store, const Settings& settings,
                  const std::string& executablePath);

// Whether a command line asks for the install step: "/INSTALL" or "\INSTALL" in any case.
bool IsInstallCommand(std::string_view commandLine);

// Writes "Chemin EXE", and "Chemin" = the program's folder + "/mt.dat" unless it holds a path.
void RunInstallStep(platform::RegistryStore& store, const std::string& executablePath);

} // namespace tallyra
