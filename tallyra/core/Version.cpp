#include "tallyra/core/Version.h"

#include "platform/text/Text.h"

#include <string>

namespace tallyra {

int VersionValue(std::string_view line) {
  std::string_view head;
  std::string_view tail = line;
  if (const auto dot = line.find('.'); dot != std::string_view::npos) {
    head = line.substr(0, dot);
    tail = line.substr(dot + 1);
  }
  std::string joined(head);
  joined += tail;
  if (tail.size() == 1) {
    joined += "00";
  } else if (tail.size() == 2) {
    joined += "0";
  }
  return platform::AtoiPrefix(joined);
}

} // namespace tallyra
