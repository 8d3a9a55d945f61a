#include "colorohm/model/ValueConversion.h"

#include <algorithm>
#include <cmath>

#include "colorohm/model/NumberFormat.h"

namespace colorohm {
namespace {

constexpr int kDecimalsOfValueField = 2;
constexpr int kMaxTextLengthWithoutUnit = 10;

bool KeptByFilter(char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.'; }

} // namespace

double ValueFromBands(const BandSet& bands) {
  int number = DigitOfPosition(bands.Position(1)) * 10 + DigitOfPosition(bands.Position(2));
  if (bands.Count() != NombreBandes::Four) number = number * 10 + DigitOfPosition(bands.Position(3));
  // Gold and silver divide by an exact 10 or 100, so 475 with silver is the double nearest 4.75.
  const int multiplier = bands.Position(4);
  if (multiplier < 3) return number / (multiplier == 1 ? 100.0 : 10.0);
  return number * MultiplierFactor(multiplier);
}

ValueText ValueToText(double ohms) {
  if (!(ohms >= 1e3)) return {FormatNumber(ohms, kDecimalsOfValueField), UnitIndex::Ohms};
  if (ohms < 1e6) return {FormatNumber(ohms / 1e3, kDecimalsOfValueField), UnitIndex::KOhms};
  return {FormatNumber(ohms / 1e6, kDecimalsOfValueField), UnitIndex::MOhms};
}

std::string FilterValueText(std::string_view text, UnitIndex unit) {
  const Unit* info = UnitOf(unit);
  const std::size_t limit =
      static_cast<std::size_t>(info ? info->maxTextLength : kMaxTextLengthWithoutUnit);
  std::string kept;
  for (char c : text.substr(0, limit))
    if (KeptByFilter(c)) kept += c;
  return kept;
}

double ParseValueText(std::string_view text, UnitIndex unit) {
  std::string number(text);
  if (const std::size_t comma = number.find(','); comma != std::string::npos) number[comma] = '.';
  const Unit* info = UnitOf(unit);
  const double milliohms = ReadUnsignedDecimal(number) * (info ? info->factorToOhms * 1e3 : 1.0);
  return std::isfinite(milliohms) ? milliohms : 0.0;
}

std::string MilliohmDigits(double milliohms) { return FormatNumber(std::fabs(milliohms), 0); }

BandSet BandsFromValue(double milliohms, BandSet bands) {
  const bool fourBands = bands.Count() == NombreBandes::Four;
  std::string digits = MilliohmDigits(milliohms);
  // Below one ohm the third digit band would otherwise hold the first significant digit and the
  // multiplier could not go low enough: 0.47 Ω is 047 × 0.01.
  if (!fourBands && std::fabs(milliohms) < 1e3) digits.insert(digits.begin(), '0');

  const auto digitAt = [&digits](std::size_t i) { return i < digits.size() ? digits[i] - '0' : 0; };
  bands.SetPosition(1, digitAt(0) + 1);
  bands.SetPosition(2, digitAt(1) + 1);
  if (!fourBands) bands.SetPosition(3, digitAt(2) + 1);

  // The length of a double's digits is at most a few hundred: no overflow before the clamp.
  const long long length = static_cast<long long>(digits.size());
  bands.SetPosition(4, static_cast<int>(std::clamp(length - (fourBands ? 2 : 3), 1LL, 9LL)));
  return bands;
}

std::string DescribeValue(std::string_view valueText, UnitIndex unit, std::string_view toleranceText,
                          std::string_view coefficientText, NombreBandes count,
                          const StringLookup& strings) {
  const Unit* info = UnitOf(unit);
  std::string text(valueText);
  text += ' ';
  if (info) text += info->word;
  text += ' ';
  text += strings(kStringAt);
  text += ' ';
  text += toleranceText;
  if (count == NombreBandes::Six) {
    text += ", ";
    text += coefficientText;
  }
  return text;
}

} // namespace colorohm
