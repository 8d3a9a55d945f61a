#pragma once
// Finding the installed applications in the settings store. Each application has a subkey under
// the wizard's own key (Software\Apps Kavel\KavelRepair or ...\KavelUpdate); a subkey becomes a
// record when it has a default value and its "Chemin" names an existing folder.
//
// Loading a record makes that folder the process's current directory and leaves it there: after
// enumeration the current directory is the folder of the last application accepted, which is the
// folder whose disk the free-space probe measures.

#include <string>
#include <string_view>

#include "maintenance/common/AppTable.h"
#include "platform/registry/Registry.h"

namespace maintenance {

inline constexpr std::string_view kRepairRootKey = "Software\\Apps Kavel\\KavelRepair";
inline constexpr std::string_view kUpdateRootKey = "Software\\Apps Kavel\\KavelUpdate";

// Reads one string value (the default value when name is empty) into out, which is emptied
// first. False when the value does not exist; the text ends at its first NUL; the value's type is
// ignored.
bool ReadStringValue(const platform::RegKey& key, std::string_view name, std::string& out);

// Opens a key under HKEY_LOCAL_MACHINE with full access; the null key when that fails, so a key
// that cannot be opened for writing counts as absent.
platform::RegKey OpenAppKey(platform::RegistryStore& store, std::string_view path);

// Loads the application at keyPath into the next free record. readCheckFile is set by the repair
// wizard, which alone uses "FichierConfig". A full table ignores the surplus and answers false
// without touching the current directory.
bool LoadAppRecord(platform::RegistryStore& store, AppTable& table, std::string_view keyPath,
                   bool readCheckFile);

// Loads every subkey of rootPath, in the store's enumeration order.
void EnumerateApps(platform::RegistryStore& store, AppTable& table, std::string_view rootPath,
                   bool readCheckFile);

// Store texts are Windows-1252; Linux file names are UTF-8.
std::string FileSystemPath(std::string_view cp1252Path);

} // namespace maintenance
