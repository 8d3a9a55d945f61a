#pragma once
// Full key names as kavelreg and .reg files write them: a hive name, then the path.

#include "platform/registry/Registry.h"

#include <string>
#include <string_view>

namespace kavelreg {

struct KeyName {
  platform::Hive hive = platform::Hive::LocalMachine;
  std::string path;  // without the hive, may be empty
};

// "HKEY_LOCAL_MACHINE\Software\X" or "HKLM\Software\X" (also HKEY_CLASSES_ROOT / HKCR), the
// hive's name in any case. False for any other root.
bool ParseKeyName(std::string_view text, KeyName& out);

// "HKEY_LOCAL_MACHINE" or "HKEY_CLASSES_ROOT".
std::string_view HiveName(platform::Hive hive);

// The hive's name followed by the path, if any.
std::string FullKeyName(platform::Hive hive, std::string_view path);

} // namespace kavelreg
