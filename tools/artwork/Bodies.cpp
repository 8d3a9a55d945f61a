#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

// Colour-keyed bitmaps cannot blend into what lies behind them: edge pixels are made either fully
// the body or exactly the key, and no body pixel may be the key by chance.
QImage OnWhiteKey(const QImage& drawn) {
  QImage out(drawn.size(), QImage::Format_RGB32);
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      const QColor c = drawn.pixelColor(x, y);
      QColor opaque = c.alpha() >= 128 ? QColor(c.red(), c.green(), c.blue()) : QColor(Qt::white);
      if (c.alpha() >= 128 && opaque == QColor(Qt::white)) opaque = QColor(254, 254, 254);
      out.setPixelColor(x, y, opaque);
    }
  }
  return out;
}

QLinearGradient Across(double top, double bottom) {
  return QLinearGradient(0, top, 0, bottom);
}

void DrawLead(QPainter& painter, double left, double right, double centre, double thickness) {
  const double top = centre - thickness / 2;
  QLinearGradient metal = Across(top, top + thickness);
  metal.setColorAt(0.0, QColor(118, 120, 126));
  metal.setColorAt(0.3, QColor(238, 240, 244));
  metal.setColorAt(0.6, QColor(170, 172, 178));
  metal.setColorAt(1.0, QColor(92, 94, 100));
  painter.fillRect(QRectF(left, top, right - left, thickness), metal);
}

}  // namespace

QImage LyingBody(int width, int height, int bodyLeft, int bodyRight, int bandTop, int bandBottom) {
  QImage drawn(width, height, QImage::Format_ARGB32_Premultiplied);
  drawn.fill(Qt::transparent);
  QPainter painter(&drawn);
  painter.setRenderHint(QPainter::Antialiasing);

  const double top = bandTop - 1;
  const double bottom = bandBottom + 2;  // one past the lower spare pixel
  const double centre = (top + bottom) / 2;
  const double thickness = std::max(3.0, (bottom - top) / 9);
  DrawLead(painter, 0, bodyLeft + 4, centre, thickness);
  DrawLead(painter, bodyRight - 4, width, centre, thickness);

  const QRectF body(bodyLeft, top, bodyRight - bodyLeft, bottom - top);
  const double radius = (bottom - top) / 4;
  QPainterPath outline;
  outline.addRoundedRect(body, radius, radius);

  // A cylinder lit from the top, where the bands' gradient starts light.
  QLinearGradient shade = Across(top, bottom);
  shade.setColorAt(0.00, QColor(196, 160, 108));
  shade.setColorAt(0.22, QColor(250, 230, 190));
  shade.setColorAt(0.50, QColor(226, 194, 142));
  shade.setColorAt(0.85, QColor(182, 146, 96));
  shade.setColorAt(1.00, QColor(146, 112, 70));
  painter.fillPath(outline, shade);

  // Rounded ends: darker towards the caps.
  painter.save();
  painter.setClipPath(outline);
  const double cap = radius * 2.2;
  QLinearGradient leftEnd(bodyLeft, 0, bodyLeft + cap, 0);
  leftEnd.setColorAt(0, QColor(70, 40, 10, 110));
  leftEnd.setColorAt(1, QColor(70, 40, 10, 0));
  painter.fillRect(QRectF(bodyLeft, top, cap, bottom - top), leftEnd);
  QLinearGradient rightEnd(bodyRight, 0, bodyRight - cap, 0);
  rightEnd.setColorAt(0, QColor(70, 40, 10, 110));
  rightEnd.setColorAt(1, QColor(70, 40, 10, 0));
  painter.fillRect(QRectF(bodyRight - cap, top, cap, bottom - top), rightEnd);
  painter.restore();

  // The edge on pixel centres, so that it stays a crisp line once the key is applied.
  QPainterPath edge;
  edge.addRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  painter.setPen(QPen(QColor(112, 82, 48), 1));
  painter.drawPath(edge);
  painter.end();
  return OnWhiteKey(drawn);
}

QImage Transposed(const QImage& image) {
  QImage out(image.height(), image.width(), image.format());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) out.setPixel(y, x, image.pixel(x, y));
  return out;
}

}  // namespace artwork
