#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

QColor Paint(colorohm::BandKind kind, int position) {
  const colorohm::Rgb c = colorohm::PositionEntry(kind, position).paint;
  return QColor(c.red, c.green, c.blue);
}

}  // namespace

QImage Icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 256.0, size / 256.0);

  QLinearGradient sky(0, 0, 160, 256);
  sky.setColorAt(0, QColor(160, 200, 240));
  sky.setColorAt(1, QColor(50, 96, 176));
  painter.setPen(QPen(QColor(30, 60, 120), 4));
  painter.setBrush(sky);
  painter.drawRoundedRect(QRectF(10, 10, 236, 236), 44, 44);

  // A 4.7 kΩ 5 % resistor across the tile.
  painter.translate(128, 128);
  painter.rotate(-35);
  QLinearGradient metal(0, -7, 0, 7);
  metal.setColorAt(0, QColor(110, 112, 120));
  metal.setColorAt(0.35, QColor(240, 242, 246));
  metal.setColorAt(1, QColor(90, 92, 100));
  painter.setPen(Qt::NoPen);
  painter.setBrush(metal);
  painter.drawRoundedRect(QRectF(-128, -7, 256, 14), 7, 7);

  const QRectF body(-78, -34, 156, 68);
  QPainterPath outline;
  outline.addRoundedRect(body, 22, 22);
  QLinearGradient shade(0, body.top(), 0, body.bottom());
  shade.setColorAt(0.00, QColor(196, 160, 108));
  shade.setColorAt(0.22, QColor(250, 230, 190));
  shade.setColorAt(0.50, QColor(226, 194, 142));
  shade.setColorAt(1.00, QColor(146, 112, 70));
  painter.fillPath(outline, shade);

  painter.save();
  painter.setClipPath(outline);
  const struct { double x; QColor colour; } bands[] = {
      {-52, Paint(colorohm::BandKind::Digit, 5)},
      {-24, Paint(colorohm::BandKind::Digit, 8)},
      {4, Paint(colorohm::BandKind::Multiplier, 5)},
      {44, Paint(colorohm::BandKind::Tolerance, 2)},
  };
  for (const auto& band : bands) {
    QLinearGradient round(0, body.top(), 0, body.bottom());
    round.setColorAt(0, QColor(210, 210, 210));
    round.setColorAt(0.6, band.colour);
    round.setColorAt(1, band.colour.darker(140));
    painter.fillRect(QRectF(band.x, body.top(), 14, body.height()), round);
  }
  painter.restore();
  painter.setPen(QPen(QColor(112, 82, 48), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(outline);
  painter.end();
  return image;
}

}  // namespace artwork
