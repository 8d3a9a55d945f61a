#pragma once
// Colorohm's bitmaps, drawn by code: the resistor bodies (on the white key, lit from the side the
// bands' gradient starts on), the colour legends from the model's paint colours, the background
// picture and the program icon.

#include "colorohm/model/ColourCode.h"

#include <QImage>

namespace artwork {

// A body lying along x with leads, on white; bandTop..bandBottom (inclusive) is the band span
// across the body, which the body covers with one pixel to spare on each side.
QImage LyingBody(int width, int height, int bodyLeft, int bodyRight, int bandTop, int bandBottom);
// The same body stood upright, lit from the left.
QImage Transposed(const QImage& image);

// One swatch per position of kind, on the light-grey key, in a row or a column.
QImage LegendRow(colorohm::BandKind kind, int width, int height);
QImage LegendColumn(colorohm::BandKind kind, int width, int height);

QImage Background(int width, int height);
QImage Icon(int size);

}  // namespace artwork
