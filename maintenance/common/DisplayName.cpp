#include "maintenance/common/DisplayName.h"

namespace maintenance {

DisplayNameParts SplitDisplayName(std::string_view displayName, std::string_view notAvailable) {
  const size_t blank = displayName.rfind(' ');
  if (blank != std::string_view::npos) {
    const std::string_view last = displayName.substr(blank + 1);
    if (last.find('.') != std::string_view::npos)
      return {std::string(displayName.substr(0, blank)), std::string(last)};
  }
  return {std::string(displayName), std::string(notAvailable)};
}

} // namespace maintenance
