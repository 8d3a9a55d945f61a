#pragma once
// How the errors page and the end page word the analysis: one row per error and the count.

#include <functional>
#include <string>
#include <string_view>

#include "maintenance/common/AppTable.h"
#include "maintenance/repair/ErrorList.h"

namespace maintenance {

// The text of a string id of KavelRepair's string table (Windows-1252).
using StringLookup = std::function<std::string(int id)>;

// "[display name] : title", or the title alone when the table holds no application.
std::string ErrorRowText(const AppTable& table, const ErrorRecord& error,
                         const StringLookup& strings);

// String 114 ("%1!d! erreur(s) détectée(s).") with the count in place of %1!d!.
std::string ErrorCountText(const StringLookup& strings, int count);

inline constexpr int kStringErrorCount = 114;

} // namespace maintenance
