#pragma once
// The calculator's one number format, and the reader of a typed decimal number. Both are
// independent of the C locale: the program shows a decimal comma whatever the user's locale says.

#include <string>
#include <string_view>

namespace colorohm {

// x rounded to `decimals` places (halves away from zero, on the exact value of the double), in
// plain positional notation, trailing zeros and a trailing separator dropped, with a decimal comma:
// 4.7 → "4,7", 0.047 → "0,047", 12.5 with 0 decimals → "13". A value that rounds to zero is "0",
// without a sign. A value that is not finite has no digits to show and is written "0"; callers
// that can produce one (Ohm's law) decide on their own text before formatting.
std::string FormatNumber(double x, int decimals);

// The longest leading part of `text` made of digits with at most one '.', read as a number; 0 when
// there is none or when it does not fit in a double. No blanks, sign or exponent are accepted.
double ReadUnsignedDecimal(std::string_view text);

} // namespace colorohm
