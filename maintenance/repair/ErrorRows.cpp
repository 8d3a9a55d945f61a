#include "maintenance/repair/ErrorRows.h"

namespace maintenance {

std::string ErrorRowText(const AppTable& table, const ErrorRecord& error,
                         const StringLookup& strings) {
  std::string title = strings(error.titleId);
  if (table.count == 0 || error.appIndex < 0 || error.appIndex >= table.count) return title;
  return "[" + table.records[error.appIndex].displayName + "] : " + title;
}

std::string ErrorCountText(const StringLookup& strings, int count) {
  static constexpr std::string_view kInsert = "%1!d!";
  std::string text = strings(kStringErrorCount);
  const size_t at = text.find(kInsert);
  if (at != std::string::npos) text.replace(at, kInsert.size(), std::to_string(count));
  return text;
}

} // namespace maintenance
