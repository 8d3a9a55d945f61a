#pragma once
// The side bar's Ohm's-law calculator: four fields R, U, I, P, each with a command that computes
// its quantity from the others and writes "12 (U=RI)" or "Impossible" into its field.
//
// A result that has no number, the square root of a negative P/R, or a value beyond the range of a
// double (say 1e200 V times 1e200 A), is written as string 152 "Impossible" like a missing operand:
// the field then never shows "nan" or "inf", and reads back as 0, "not given".

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "colorohm/model/ColourCode.h"

namespace colorohm {

// String 152, written when no formula applies.
inline constexpr int kStringImpossible = 152;

enum class OhmQuantity { R, U, I, P };

struct OhmsLawItem {
  OhmQuantity quantity;
  int nameStringId;  // command item text: 147 "R (Ohm)", 148 "U (Volt)", 149 "I (Ampère)", 150 "P (Watt)"
  int commandId;     // 6569..6572
  int fieldId;       // entry field 6565..6568
};

// R, U, I, P in that order.
const std::array<OhmsLawItem, 4>& OhmsLawItems();
std::optional<OhmQuantity> OhmQuantityFromCommand(int commandId);

// The texts of the four entry fields.
struct OhmsLawFields {
  std::string r;
  std::string u;
  std::string i;
  std::string p;
};

// A field's number: every comma read as a point, then the leading decimal number, optionally after
// blanks and a sign; 0 when there is none. "12 (U=RI)" reads 12, "Impossible" reads 0.
double ReadOhmsLawField(std::string_view text);

// The new text of the target's field. A quantity reading 0 counts as not given; a negative one is
// given.
std::string SolveOhmsLaw(OhmQuantity target, const OhmsLawFields& fields, const StringLookup& strings);

// True for a text written by SolveOhmsLaw with its formula: it holds a blank followed by '('.
bool IsComputedResult(std::string_view fieldText);

} // namespace colorohm
