#include "maintenance/repair/ErrorList.h"

namespace maintenance {

void AddError(ErrorList& list, int appIndex, int titleId, int textId, std::string_view link) {
  if (list.count >= kErrorListCapacity) return;
  list.records[list.count++] = ErrorRecord{appIndex, titleId, textId, std::string(link)};
}

} // namespace maintenance
