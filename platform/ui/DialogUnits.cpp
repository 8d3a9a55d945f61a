#include "platform/ui/DialogUnits.h"

#include <cstdint>

namespace platform {
namespace {

int MulDiv(int value, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

DialogBaseUnits BaseUnitsFromMetrics(int alphabetWidth, int fontHeight) {
  return {(alphabetWidth / 26 + 1) / 2, fontHeight};
}

int DialogXToPixels(int x, DialogBaseUnits base) { return MulDiv(x, base.x, 4); }
int DialogYToPixels(int y, DialogBaseUnits base) { return MulDiv(y, base.y, 8); }

int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }
int PixelsToTwips(int pixels, int dpi) { return MulDiv(pixels, 1440, dpi); }

} // namespace platform
