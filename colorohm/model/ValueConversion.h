#pragma once
// The two conversions of the calculator: bands to a value (in ohms) and a typed value (in
// milliohms) to bands, plus what the value field does with its text and the one-line description
// used when the value is copied or printed.

#include <string>
#include <string_view>

#include "colorohm/model/ColourCode.h"

namespace colorohm {

// String 162, "à", between the value and its tolerance in DescribeValue.
inline constexpr int kStringAt = 162;

// The resistance of the bands in ohms: two or three digits times the multiplier. Tolerance and
// coefficient do not enter it.
double ValueFromBands(const BandSet& bands);

struct ValueText {
  std::string text;
  UnitIndex unit;
};

// The value field's text and unit for a resistance: ohms below 1 000, kilohms below 1 000 000,
// megohms above, with 2 decimals.
ValueText ValueToText(double ohms);

// What the value field keeps of a typed text: first cut to the unit's maximum length (10 for
// Ohms, 7 for kOhms, 4 for MOhms, 10 with no unit), then stripped of everything but digits,
// commas and points.
std::string FilterValueText(std::string_view text, UnitIndex unit);

// The value of the field in milliohms: the first comma read as a point, the leading decimal number
// read (0 if none), times 1 000, 1 000 000 or 1 000 000 000 for Ohms, kOhms, MOhms (1 with no
// unit). A number too large for a double reads as 0, like any unreadable text.
double ParseValueText(std::string_view text, UnitIndex unit);

// The decimal digits of a value rounded to whole milliohms, without sign or separator ("0" for a
// value that rounds to zero, and for one that is not finite).
std::string MilliohmDigits(double milliohms);

// `bands` with bands 1 to 4 set from a value in milliohms: the leading digits of the value are
// taken (not rounded) and the multiplier follows the number of digits, clamped into silver..blue.
// Bands 5 and 6 and the count are kept.
BandSet BandsFromValue(double milliohms, BandSet bands);

// "4,7 kOhms à 5 %", with ", 100 ppm/°C" appended with 6 bands only.
std::string DescribeValue(std::string_view valueText, UnitIndex unit, std::string_view toleranceText,
                          std::string_view coefficientText, NombreBandes count,
                          const StringLookup& strings);

} // namespace colorohm
