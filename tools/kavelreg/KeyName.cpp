#include "tools/kavelreg/KeyName.h"

#include "platform/text/Text.h"

namespace kavelreg {

bool ParseKeyName(std::string_view text, KeyName& out) {
  const std::size_t sep = text.find('\\');
  const std::string_view root = text.substr(0, sep);
  if (platform::EqualsNoCase(root, "HKEY_LOCAL_MACHINE") || platform::EqualsNoCase(root, "HKLM"))
    out.hive = platform::Hive::LocalMachine;
  else if (platform::EqualsNoCase(root, "HKEY_CLASSES_ROOT") ||
           platform::EqualsNoCase(root, "HKCR"))
    out.hive = platform::Hive::ClassesRoot;
  else
    return false;
  out.path = sep == std::string_view::npos ? std::string() : std::string(text.substr(sep + 1));
  return true;
}

std::string_view HiveName(platform::Hive hive) {
  return hive == platform::Hive::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CLASSES_ROOT";
}

std::string FullKeyName(platform::Hive hive, std::string_view path) {
  std::string name(HiveName(hive));
  if (!path.empty()) {
    name += '\\';
    name += path;
  }
  return name;
}

} // namespace kavelreg
