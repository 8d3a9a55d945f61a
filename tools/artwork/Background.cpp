#include "Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {
namespace {

QPainterPath Omega(const QPointF& centre, double height) {
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setPixelSize(static_cast<int>(height * 1.35));
  QPainterPath path;
  path.addText(0, 0, font, QString(QChar(0x03A9)));
  const QRectF box = path.boundingRect();
  return path.translated(centre - box.center());
}

void MagnifyingGlass(QPainter& painter, const QPointF& lens, double radius, const QPointF& handleEnd) {
  // Handle first, so the rim covers its joint.
  const QLineF handle(lens, handleEnd);
  const QPointF from = handle.pointAt(radius / handle.length());
  QLinearGradient grip(from, handleEnd);
  grip.setColorAt(0, QColor(40, 40, 48));
  grip.setColorAt(1, QColor(90, 60, 40));
  painter.setPen(QPen(QBrush(grip), radius * 0.36, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, handleEnd);

  QRadialGradient glass(lens - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
  glass.setColorAt(0, QColor(255, 255, 255, 90));
  glass.setColorAt(1, QColor(190, 225, 255, 25));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glass);
  painter.drawEllipse(lens, radius, radius);

  QLinearGradient rim(lens - QPointF(radius, radius), lens + QPointF(radius, radius));
  rim.setColorAt(0, QColor(245, 245, 250));
  rim.setColorAt(0.5, QColor(150, 155, 165));
  rim.setColorAt(1, QColor(70, 72, 80));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QBrush(rim), radius * 0.18));
  painter.drawEllipse(lens, radius, radius);

  // A glint on the glass.
  painter.setPen(QPen(QColor(255, 255, 255, 170), radius * 0.08, Qt::SolidLine, Qt::RoundCap));
  const QRectF arc(lens.x() - radius * 0.7, lens.y() - radius * 0.7, radius * 1.4, radius * 1.4);
  painter.drawArc(arc, 100 * 16, 60 * 16);
}

}  // namespace

QImage Background(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  // Light enough that the sliders' black tick marks stay readable over it.
  QLinearGradient sky(0, 0, width * 0.6, height);
  sky.setColorAt(0.0, QColor(160, 200, 240));
  sky.setColorAt(0.55, QColor(96, 150, 214));
  sky.setColorAt(1.0, QColor(60, 108, 184));
  painter.fillRect(image.rect(), sky);

  painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
  for (int x = 8; x < width; x += 16) painter.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, height));
  for (int y = 8; y < height; y += 16) painter.drawLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));

  const QPainterPath omega = Omega(QPointF(width * 0.52, height * 0.52), height * 0.62);
  painter.fillPath(omega.translated(4, 5), QColor(10, 30, 80, 60));
  QLinearGradient glyph(0, height * 0.2, 0, height * 0.85);
  glyph.setColorAt(0, QColor(255, 255, 255, 120));
  glyph.setColorAt(1, QColor(255, 255, 255, 45));
  painter.fillPath(omega, glyph);
  painter.setPen(QPen(QColor(255, 255, 255, 140), 1.5));
  painter.drawPath(omega);

  MagnifyingGlass(painter, QPointF(width * 0.70, height * 0.74), height * 0.125,
                  QPointF(width * 0.93, height * 0.95));
  return image;
}

}  // namespace artwork
