#pragma once
// Dialog units and twips to pixels (no Qt). A dialog unit is a quarter of the dialog font's
// average character width horizontally and an eighth of its height vertically; twips are
// 1/1440 inch, 15 to the pixel at 96 dpi. Rounding follows MulDiv: to the nearest, halves away
// from zero.

namespace platform {

struct DialogBaseUnits {
  int x = 0;  // average character width in pixels
  int y = 0;  // character height in pixels
};

// Base units from the width of "A".."Z""a".."z" laid out in the font and the font's height.
DialogBaseUnits BaseUnitsFromMetrics(int alphabetWidth, int fontHeight);

int DialogXToPixels(int x, DialogBaseUnits base);
int DialogYToPixels(int y, DialogBaseUnits base);

int TwipsToPixels(int twips, int dpi = 96);
int PixelsToTwips(int pixels, int dpi = 96);

} // namespace platform
