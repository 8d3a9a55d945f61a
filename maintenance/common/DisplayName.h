#pragma once

#include <string>
#include <string_view>

namespace maintenance {

struct DisplayNameParts {
  std::string name;
  std::string version;
};

// The program list's two columns from a display name: the version is the text after the last
// blank when it holds a '.', else the whole text is the name and the version is notAvailable
// (string 120 in KavelRepair).
DisplayNameParts SplitDisplayName(std::string_view displayName, std::string_view notAvailable);

} // namespace maintenance
