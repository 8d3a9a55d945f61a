#pragma once
// The preferred-number series E3 to E192 of IEC 60063 and the nearest value of each for the
// calculator's value, as listed in the first group of the side bar.
//
// Values below 0.1 Ω have fewer than three digits in milliohms (e < 0). They are searched in their
// own decade like any other value (10 to 99.9 mΩ, or 1 to 9.99 mΩ below 10 mΩ, zero included) and
// their lines are written in milliohms, "E12 : 47 mOhm", so that the three decimals of the list do
// not swallow their figures. The results stay in ohms, as for every other value.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "colorohm/model/ColourCode.h"

namespace colorohm {

inline constexpr int kSeriesCount = 7;
// Side-bar item of series i is 1017 + i.
inline constexpr int kFirstSeriesItemId = 1017;

// The colours of the series that matches the selected tolerance.
inline constexpr Rgb kHighlightColour{255, 0, 0};
inline constexpr Rgb kHighlightSecondColour{255, 50, 50};

struct StandardSeries {
  std::string_view name;        // "E3" .. "E192"
  std::span<const int> values;  // one decade, 100..999, increasing
  int itemId;                   // side-bar item 1017..1023
  bool shownByDefault;          // default of the setting that enables the series
};

// E3, E6, E12, E24, E48, E96, E192, in that order.
const std::array<StandardSeries, kSeriesCount>& AllStandardSeries();

// The table entry nearest to `milliohms` scaled to the decade 10^exponent, in milliohms. Only that
// decade is searched; on equal (whole-number) distances the larger entry wins.
double NearestStandardValue(double milliohms, std::span<const int> table, int exponent);

// The series shown in red for a tolerance-list entry: 10 % E12, 5 % E24, 1 % E96, 2 % E48,
// 0.50 % E192; none for the finer tolerances or no selection.
std::optional<int> HighlightedSeries(int toleranceEntry);

struct StandardValues {
  std::array<double, kSeriesCount> ohms{};         // nearest value of each series, in ohms
  std::array<std::string, kSeriesCount> texts;     // "E12 : 4,7 kOhm", for item 1017 + i
  std::optional<int> highlighted;                  // series to show in red
};

// Everything the side bar's first group shows for the value field's text and unit and the selected
// tolerance entry (−1 for no selection).
StandardValues UpdateStandardValues(std::string_view valueText, UnitIndex unit, int toleranceEntry);

} // namespace colorohm
