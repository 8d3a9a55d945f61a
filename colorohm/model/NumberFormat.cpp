#include "colorohm/model/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace colorohm {
namespace {

// A double's exact decimal expansion never has more fractional digits than this (2^-1074 has
// 1074), so more decimals only add zeros that the format drops again.
constexpr int kMaxFractionDigits = 1080;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Adds one unit in the last place to a string of decimal digits; true when it carries out.
bool Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return false;
    }
    *it = '0';
  }
  return true;
}

} // namespace

std::string FormatNumber(double x, int decimals) {
  if (!std::isfinite(x)) return "0";
  decimals = std::clamp(decimals, 0, kMaxFractionDigits);

  // Print the exact value, then round by hand: printf-style rounding sends exact halves to even
  // (12.5 → 12), the program rounds them away from zero.
  int exponent = 0;
  std::frexp(x, &exponent);
  const int exactDigits = std::clamp(53 - exponent, 0, kMaxFractionDigits);
  const int precision = std::max(decimals + 1, exactDigits);
  std::vector<char> buffer(static_cast<std::size_t>(precision) + 400);
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                       std::chars_format::fixed, precision);
  if (ec != std::errc()) return "0";
  const std::string_view printed(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  const std::size_t point = printed.find('.');
  const std::string_view fraction = printed.substr(point + 1);

  std::string digits(printed.substr(0, point));
  digits.append(fraction.substr(0, static_cast<std::size_t>(decimals)));
  if (fraction[static_cast<std::size_t>(decimals)] >= '5' && Increment(digits))
    digits.insert(digits.begin(), '1');

  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string text = (x < 0 && !zero) ? "-" : "";
  const std::size_t integerLength = digits.size() - static_cast<std::size_t>(decimals);
  text.append(digits, 0, integerLength);
  if (decimals > 0) {
    text += '.';
    text.append(digits, integerLength);
    while (text.size() >= 2 && text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

double ReadUnsignedDecimal(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  const std::size_t integerEnd = pos;
  std::size_t end = pos;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    end = pos;
  }
  if (integerEnd == 0 && end <= 1) return 0;

  // "5." and ".5" are spelled out in full so that the reader needs no leniency.
  std::string number = integerEnd == 0 ? "0" : "";
  number.append(text.substr(0, end));
  if (number.back() == '.') number.pop_back();
  double value = 0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::fixed);
  if (ec != std::errc() || !std::isfinite(value)) return 0;
  return value;
}

} // namespace colorohm
