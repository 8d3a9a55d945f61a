#pragma once
// The side bar's arithmetic, free of any toolkit: its colour shading and the heights of its rows
// and groups. The widget (SideBar.h) feeds it the system's measures and colours.

#include <cstdint>

namespace colorohm {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Moves each channel c toward white: c + f * (255 - c), truncated toward zero. Only f in (0, 1]
// lightens; any other f (NaN included) gives the colour back unchanged.
Rgb LightenColour(Rgb colour, double f);

// The shadings the bar uses.
inline constexpr double kLinkShade = 0.15;
inline constexpr double kBackgroundShade = 0.4;
inline constexpr double kBodyShade = 0.85;

// number * numerator / denominator, rounded half away from zero, computed without overflow;
// -1 when denominator is 0 or the result does not fit in an int.
int MulDiv(int number, int numerator, int denominator);

// A row is one and an eighth of the system's menu height.
int RowHeight(int menuHeight);

// The header alone when folded; one row more per item when unfolded.
int GroupHeight(int headerHeight, int rowHeight, int itemCount, bool collapsed);

} // namespace colorohm
