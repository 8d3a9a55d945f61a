#include "colorohm/render/BandGeometry.h"

#include <algorithm>

namespace colorohm {
namespace {

// Bands 1 to 6 of the upright layout; the lying layout swaps x and y.
constexpr Rect kUprightBands[6] = {
    {10, 50, 73, 65},   {10, 90, 73, 105},  {10, 130, 73, 145},
    {10, 160, 73, 175}, {10, 204, 73, 219}, {10, 253, 73, 268},
};
constexpr Rect kLyingBands[6] = {
    {50, 10, 65, 73},   {90, 10, 105, 73},  {130, 10, 145, 73},
    {166, 10, 181, 73}, {214, 10, 229, 73}, {260, 10, 275, 73},
};

int BandIndex(int band) { return std::clamp(band, 1, 6) - 1; }

int GradientComponent(int c, int step) {
  // Exact in integers: the numerator never goes below zero for c in 0..255, so the division
  // truncates towards zero as the fill formula asks.
  const int start = kGradientStart.red;
  return std::clamp((start * kGradientSteps + (c - start) * step) / kGradientSteps, 0, 255);
}

}  // namespace

Layout LayoutFromSetting(int sensAffichage) {
  return sensAffichage == 1 ? Layout::Lying : Layout::Upright;
}

Rect BandRect(Layout layout, int band) {
  return layout == Layout::Upright ? kUprightBands[BandIndex(band)] : kLyingBands[BandIndex(band)];
}

Rect BandStepRect(Layout layout, int band, int step) {
  Rect r = BandRect(layout, band);
  const int length = layout == Layout::Upright ? r.right - r.left : r.bottom - r.top;
  const int shift = std::clamp(step, 0, kGradientSteps) * (length / kGradientSteps);
  if (layout == Layout::Upright)
    r.left += shift;
  else
    r.top += shift;
  return r;
}

Rgb BandStepColour(Rgb colour, int step, bool gradient) {
  if (!gradient) return colour;
  step = std::clamp(step, 0, kGradientSteps);
  return {GradientComponent(colour.red, step), GradientComponent(colour.green, step),
          GradientComponent(colour.blue, step)};
}

Rect ResistorArea(Layout layout) {
  return layout == Layout::Upright ? Rect{8, 50, 82, 274} : Rect{46, 5, 278, 75};
}

std::vector<BitmapPlacement> ResistorBitmaps(Layout layout, NombreBandes count) {
  std::vector<BitmapPlacement> list;
  if (layout == Layout::Upright) {
    list = {{kBitmapUprightBody, 1, 1, kBodyKey},
            {kBitmapDigitLegendRow, 95, 52, kLegendKey},
            {kBitmapMultiplierLegendRow, 95, 164, kLegendKey},
            {kBitmapToleranceLegendRow, 95, 208, kLegendKey}};
    if (BandInUse(6, count)) list.push_back({kBitmapCoefficientLegendRow, 95, 257, kLegendKey});
  } else {
    list = {{kBitmapLyingBody, 1, 1, kBodyKey},
            {kBitmapDigitLegendColumn, 50, 97, kLegendKey},
            {kBitmapMultiplierLegendColumn, 166, 97, kLegendKey},
            {kBitmapToleranceLegendColumn, 214, 97, kLegendKey}};
    if (BandInUse(6, count))
      list.push_back({kBitmapCoefficientLegendColumn, 260, 97, kLegendKey});
  }
  return list;
}

int ExportBodyBitmap(Layout layout) {
  return layout == Layout::Upright ? kBitmapSmallUprightBody : kBitmapSmallLyingBody;
}

int ExportWidth(Layout layout) { return layout == Layout::Upright ? 34 : 80; }
int ExportHeight(Layout layout) { return layout == Layout::Upright ? 80 : 34; }

Rect ExportBandRect(Layout layout, int band) {
  const int start = 18 + 7 * BandIndex(band);
  return layout == Layout::Upright ? Rect{8, start, 31, start + 5} : Rect{start, 4, start + 5, 27};
}

}  // namespace colorohm
