#include "colorohm/model/StandardSeries.h"

#include <cmath>

#include "colorohm/model/NumberFormat.h"
#include "colorohm/model/ValueConversion.h"

namespace colorohm {
namespace {

constexpr std::array<int, 3> kE3{100, 220, 470};
constexpr std::array<int, 6> kE6{100, 150, 220, 330, 470, 680};
constexpr std::array<int, 12> kE12{100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
constexpr std::array<int, 24> kE24{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                   330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 48> kE48{
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
    464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<int, 192> kE192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

const std::array<StandardSeries, kSeriesCount> kSeries{{
    {"E3", kE3, kFirstSeriesItemId + 0, false},
    {"E6", kE6, kFirstSeriesItemId + 1, true},
    {"E12", kE12, kFirstSeriesItemId + 2, true},
    {"E24", kE24, kFirstSeriesItemId + 3, true},
    {"E48", kE48, kFirstSeriesItemId + 4, false},
    {"E96", kE96, kFirstSeriesItemId + 5, false},
    {"E192", kE192, kFirstSeriesItemId + 6, false},
}};

// m × 10^e. Negative powers divide by an exact 10^-e, so 470 × 10^-1 is the double nearest 47.
double ScaleByPowerOfTen(double m, int e) {
  return e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e);
}

struct Prefix {
  std::string_view text;
  double milliohms;  // what one unit of the prefixed word is worth
};

Prefix PrefixOfExponent(int e) {
  if (e < 0) return {"m", 1.0};
  if (e <= 3) return {"", 1e3};
  if (e <= 6) return {"k", 1e6};
  return {"M", 1e9};
}

} // namespace

const std::array<StandardSeries, kSeriesCount>& AllStandardSeries() { return kSeries; }

double NearestStandardValue(double milliohms, std::span<const int> table, int exponent) {
  // Distances are compared in whole units of a scale where the entries are whole numbers: the ohm
  // from the 10 MΩ decade up (which also keeps the figures small), and 10^exponent mΩ below 0.1 Ω,
  // where whole milliohms would make 47 and 47.5 mΩ look equally near.
  double v = milliohms;
  int e = exponent;
  if (exponent >= 7) {
    v = milliohms / 1e3;
    e = exponent - 3;
  } else if (exponent < 0) {
    v = ScaleByPowerOfTen(milliohms, -exponent);
    e = 0;
  }

  bool found = false;
  double best = 0;
  double bestDistance = 0;
  for (auto it = table.rbegin(); it != table.rend(); ++it) {
    const double value = ScaleByPowerOfTen(*it, exponent);
    // Near the top of the double range the larger entries of the decade do not exist.
    if (!std::isfinite(value)) continue;
    const double distance = std::trunc(std::fabs(ScaleByPowerOfTen(*it, e) - v));
    if (!found || distance < bestDistance) {
      found = true;
      best = value;
      bestDistance = distance;
    }
  }
  return best;
}

std::optional<int> HighlightedSeries(int toleranceEntry) {
  switch (toleranceEntry) {
    case 0: return 2;  // 10 %: E12
    case 1: return 3;  // 5 %: E24
    case 2: return 5;  // 1 %: E96
    case 3: return 4;  // 2 %: E48
    case 4: return 6;  // 0.50 %: E192
    default: return std::nullopt;
  }
}

StandardValues UpdateStandardValues(std::string_view valueText, UnitIndex unit, int toleranceEntry) {
  const double milliohms = ParseValueText(valueText, unit);
  const std::string digits = MilliohmDigits(milliohms);
  // Zero (a wire link, or the first start's all-black bands) has no nearest series value: every
  // line reads 0 Ohm rather than the 1 mΩ at the bottom of the smallest decade.
  const bool zero = digits == "0";
  const int exponent = static_cast<int>(digits.size()) - 3;
  const Prefix prefix = zero ? Prefix{"", 1e3} : PrefixOfExponent(exponent);

  StandardValues result;
  for (int i = 0; i < kSeriesCount; ++i) {
    const double nearest =
        zero ? 0.0 : NearestStandardValue(milliohms, kSeries[i].values, exponent);
    result.ohms[i] = nearest / 1e3;
    std::string& text = result.texts[i];
    text = kSeries[i].name;
    text += " : ";
    text += FormatNumber(nearest / prefix.milliohms, 3);
    text += ' ';
    text += prefix.text;
    text += "Ohm";
  }
  result.highlighted = HighlightedSeries(toleranceEntry);
  return result;
}

} // namespace colorohm
