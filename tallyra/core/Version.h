#pragma once
// The version line that opens every data file, and the rule that reads it as a number.

#include <string_view>

namespace tallyra {

inline constexpr std::string_view kProgramVersionLine = "1.4";
inline constexpr int kProgramVersion = 1400;
inline constexpr int kLastOldFormatVersion = 1199;

// "1.4" gives 1400, "1.10" 1100, "2.0" 2000, a line without digits 0: the part after the first
// full stop is read as thousandths when it has one or two digits.
int VersionValue(std::string_view line);

inline bool IsOldFormat(int version) { return version <= kLastOldFormatVersion; }
inline bool IsTooNew(int version) { return version > kProgramVersion; }

} // namespace tallyra
