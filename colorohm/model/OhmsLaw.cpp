#include "colorohm/model/OhmsLaw.h"

#include <algorithm>
#include <cmath>

#include "colorohm/model/NumberFormat.h"
#include "platform/text/Text.h"

namespace colorohm {
namespace {

const std::array<OhmsLawItem, 4> kItems{{
    {OhmQuantity::R, 147, 6569, 6565},
    {OhmQuantity::U, 148, 6570, 6566},
    {OhmQuantity::I, 149, 6571, 6567},
    {OhmQuantity::P, 150, 6572, 6568},
}};

struct Solution {
  double value;
  std::string_view label;  // 0xB2 is the superscript two of Windows-1252
};

std::optional<Solution> Solve(OhmQuantity target, double r, double u, double i, double p) {
  switch (target) {
    case OhmQuantity::R:
      if (u != 0 && i != 0) return Solution{u / i, "R=U/I"};
      if (u == 0 && i != 0 && p != 0) return Solution{p / (i * i), "R=P/I\xB2"};
      break;
    case OhmQuantity::U:
      if (r != 0 && i != 0) return Solution{r * i, "U=RI"};
      if (r == 0 && i != 0 && p != 0) return Solution{p / i, "U=P/I"};
      break;
    case OhmQuantity::I:
      if (u != 0 && r != 0) return Solution{u / r, "I=U/R"};
      if (u == 0 && r != 0 && p != 0) return Solution{std::sqrt(p / r), "I=sqrt(P/R)"};
      break;
    case OhmQuantity::P:
      if (u != 0 && i != 0) return Solution{u * i, "P=UI"};
      if (u == 0 && r != 0 && i != 0) return Solution{r * i * i, "P=RI\xB2"};
      break;
  }
  return std::nullopt;
}

} // namespace

const std::array<OhmsLawItem, 4>& OhmsLawItems() { return kItems; }

std::optional<OhmQuantity> OhmQuantityFromCommand(int commandId) {
  for (const OhmsLawItem& item : kItems)
    if (item.commandId == commandId) return item.quantity;
  return std::nullopt;
}

double ReadOhmsLawField(std::string_view text) {
  std::string number(platform::TrimLeft(text));
  std::replace(number.begin(), number.end(), ',', '.');
  const bool negative = !number.empty() && number.front() == '-';
  if (!number.empty() && (number.front() == '-' || number.front() == '+')) number.erase(0, 1);
  const double value = ReadUnsignedDecimal(number);
  return negative ? -value : value;
}

std::string SolveOhmsLaw(OhmQuantity target, const OhmsLawFields& fields, const StringLookup& strings) {
  const std::optional<Solution> solution =
      Solve(target, ReadOhmsLawField(fields.r), ReadOhmsLawField(fields.u),
            ReadOhmsLawField(fields.i), ReadOhmsLawField(fields.p));
  if (!solution || !std::isfinite(solution->value)) return strings(kStringImpossible);
  std::string text = FormatNumber(solution->value, 3);
  text += " (";
  text += solution->label;
  text += ')';
  return text;
}

bool IsComputedResult(std::string_view fieldText) {
  return fieldText.find(" (") != std::string_view::npos;
}

} // namespace colorohm
