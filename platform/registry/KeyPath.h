#pragma once
// Splitting and checking of key paths and names, the rules the registry applies before it ever
// looks at the store.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The components of a '\'-separated path, leading and trailing separators ignored. False when a
// component is empty, longer than 255 bytes or holds a NUL.
bool SplitKeyPath(std::string_view path, std::vector<std::string_view>& components);

// A value name may be empty (the default value) but no longer than 16 383 bytes.
bool IsValidValueName(std::string_view name);

// `base` and `sub` joined by one separator, either side's stray separators dropped.
std::string JoinKeyPath(std::string_view base, std::string_view sub);

} // namespace platform
