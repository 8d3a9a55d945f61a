#include "tallyra/core/Settings.h"

#include "platform/text/Text.h"

namespace tallyra {

int SettingNumber(std::string_view text) { return platform::AtoiPrefix(text); }

int SortOrderOf(std::string_view text) {
  const int value = SettingNumber(text);
  return ArrangementOf(value) != nullptr ? value : 0;
}

std::string FolderOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string FileNameOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace tallyra
