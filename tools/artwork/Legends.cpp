#include "Artwork.h"

#include <QPainter>

namespace artwork {
namespace {

const QColor kKey(192, 192, 192);

// A swatch in the paint colour, framed dark, with a light top edge so it reads as a small tile.
void Swatch(QPainter& painter, const QRect& r, colorohm::Rgb paint) {
  const QColor colour(paint.red, paint.green, paint.blue);
  painter.fillRect(r, QColor(60, 60, 60));
  const QRect inside = r.adjusted(1, 1, -1, -1);
  painter.fillRect(inside, colour);
  painter.fillRect(QRect(inside.left(), inside.top(), inside.width(), 1), colour.lighter(135));
}

// Cell i of n along a length, so that the cells share the length evenly.
std::pair<int, int> Cell(int i, int n, int length) {
  return {i * length / n, (i + 1) * length / n};
}

}  // namespace

QImage LegendRow(colorohm::BandKind kind, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kKey);
  QPainter painter(&image);
  const auto positions = colorohm::PositionsOf(kind);
  const int n = static_cast<int>(positions.size());
  for (int i = 0; i < n; ++i) {
    const auto [from, to] = Cell(i, n, width);
    Swatch(painter, QRect(from + 1, 0, to - from - 2, height), positions[i].paint);
  }
  return image;
}

QImage LegendColumn(colorohm::BandKind kind, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kKey);
  QPainter painter(&image);
  const auto positions = colorohm::PositionsOf(kind);
  const int n = static_cast<int>(positions.size());
  for (int i = 0; i < n; ++i) {
    const auto [from, to] = Cell(i, n, height);
    Swatch(painter, QRect(0, from + 1, width, to - from - 2), positions[i].paint);
  }
  return image;
}

}  // namespace artwork
