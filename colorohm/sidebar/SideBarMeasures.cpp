#include "colorohm/sidebar/SideBarMeasures.h"

#include <cstdlib>
#include <limits>

namespace colorohm {

namespace {

std::uint8_t Lighten(std::uint8_t c, double f) {
  return static_cast<std::uint8_t>(c + f * (255 - c));
}

} // namespace

Rgb LightenColour(Rgb colour, double f) {
  if (!(f > 0.0 && f <= 1.0))
    return colour;
  return {Lighten(colour.red, f), Lighten(colour.green, f), Lighten(colour.blue, f)};
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0)
    return -1;
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = std::llabs(static_cast<long long>(denominator)) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const long long magnitude = (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
  if (magnitude > std::numeric_limits<int>::max())
    return -1;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

int RowHeight(int menuHeight) {
  return MulDiv(menuHeight, 9, 8);
}

int GroupHeight(int headerHeight, int rowHeight, int itemCount, bool collapsed) {
  return headerHeight + (collapsed ? 0 : itemCount * rowHeight);
}

} // namespace colorohm
