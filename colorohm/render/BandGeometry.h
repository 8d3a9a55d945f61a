#pragma once
// Where the calculator window's resistor is drawn: the band rectangles of both layouts, the
// gradient that gives a band its rounded look, the body and legend bitmaps with their places and
// key colours, and the rectangles of the small export image. Plain numbers, no drawing: Resistor.h
// paints with them.

#include "colorohm/model/ColourCode.h"

#include <vector>

namespace colorohm {

// "Sens affichage": 0 draws the resistor upright at the left, 1 lying at the top.
enum class Layout { Upright = 0, Lying = 1 };

Layout LayoutFromSetting(int sensAffichage);

// Left, top, right, bottom in pixels; the right and bottom edges are not painted.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Bitmap resource ids.
enum BitmapId {
  kBitmapBackground = 199,
  kBitmapUprightBody = 200,
  kBitmapLyingBody = 205,
  kBitmapDigitLegendRow = 201,
  kBitmapMultiplierLegendRow = 202,
  kBitmapCoefficientLegendRow = 203,
  kBitmapToleranceLegendRow = 204,
  kBitmapCoefficientLegendColumn = 206,
  kBitmapDigitLegendColumn = 207,
  kBitmapMultiplierLegendColumn = 208,
  kBitmapToleranceLegendColumn = 188,
  kBitmapSmallLyingBody = 195,
  kBitmapSmallUprightBody = 197,
};

inline constexpr Rgb kBodyKey{255, 255, 255};
inline constexpr Rgb kLegendKey{192, 192, 192};

// The band fill is this many rectangles after the first, each starting one step further on.
inline constexpr int kGradientSteps = 50;
inline constexpr Rgb kGradientStart{210, 210, 210};

Rect BandRect(Layout layout, int band);

// Rectangle s (0..kGradientSteps) of a band's fill: the band's rectangle with its start edge
// (left when upright, top when lying) moved s steps along; later rectangles paint over earlier ones.
Rect BandStepRect(Layout layout, int band, int step);

// Colour of rectangle s: from light grey at s = 0 to the band's colour at s = kGradientSteps, or
// the band's colour throughout without the gradient.
Rgb BandStepColour(Rgb colour, int step, bool gradient);

// The part of the window a value change repaints.
Rect ResistorArea(Layout layout);

struct BitmapPlacement {
  int id = 0;
  int x = 0, y = 0;
  Rgb key;
};

// The body and the legends of a layout, in drawing order; the coefficient legend only with 6 bands.
std::vector<BitmapPlacement> ResistorBitmaps(Layout layout, NombreBandes count);

int ExportBodyBitmap(Layout layout);
int ExportWidth(Layout layout);
int ExportHeight(Layout layout);
Rect ExportBandRect(Layout layout, int band);

}  // namespace colorohm
