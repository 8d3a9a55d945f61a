#pragma once
// The four commands of colorcode. Each takes its arguments (UTF-8, command name excluded), prints
// its result as UTF-8 and returns the exit code: 0, or 2 for bad usage or a bad colour.

#include <string_view>
#include <vector>

namespace colorcode {

using Args = std::vector<std::string_view>;

inline constexpr int kUsageError = 2;

extern const char kBandsUsage[];
extern const char kValueUsage[];
extern const char kSeriesUsage[];
extern const char kOhmUsage[];

int Bands(const Args& args);
int Value(const Args& args);
int Series(const Args& args);
int Ohm(const Args& args);

} // namespace colorcode
