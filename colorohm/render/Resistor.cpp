#include "colorohm/render/Resistor.h"

#include "platform/text/Text.h"

#include <QFileInfo>
#include <QImageReader>

namespace colorohm {
namespace {

// "Image fond" naming the built-in picture.
constexpr std::string_view kDefaultBackground = "D\xE9" "faut";

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

QRect ToQRect(Rect r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

QImage RenderAssets::Bitmap(int id) const {
  const auto found = bitmaps.find(id);
  return found == bitmaps.end() ? QImage() : found->second;
}

QImage BackgroundPicture(const std::string& imageFond, const RenderAssets& assets) {
  if (imageFond.empty()) return QImage();
  if (imageFond == kDefaultBackground) return assets.Bitmap(kBitmapBackground);
  const QString path = QString::fromStdString(platform::Utf8FromCp1252(imageFond));
  // Only regular files: reading a pipe or a device could block the paint for ever.
  if (!QFileInfo(path).isFile()) return QImage();
  QImageReader reader(path);
  return reader.read();
}

Rgb BandPaint(const BandSet& bands, int band) {
  return PositionEntry(KindOfBand(band), bands.Position(band)).paint;
}

QImage PaintResistor(const ResistorScene& scene, const RenderAssets& assets, QSize clientSize,
                     QColor buttonFace) {
  QImage buffer(clientSize, QImage::Format_RGB32);
  buffer.fill(buttonFace);
  {
    QPainter painter(&buffer);
    painter.drawImage(QPoint(0, 0), BackgroundPicture(scene.imageFond, assets));
    for (const BitmapPlacement& placed : ResistorBitmaps(scene.layout, scene.bands.Count())) {
      DrawTransparentBitmap(painter, QPoint(placed.x, placed.y), assets.Bitmap(placed.id),
                            placed.key);
    }
    for (int band = 1; band <= BandSet::kBands; ++band) DrawBand(painter, scene, band);
  }
  return buffer;
}

void DrawBand(QPainter& painter, const ResistorScene& scene, int band) {
  if (!BandInUse(band, scene.bands.Count())) return;
  const Rgb colour = BandPaint(scene.bands, band);
  for (int step = 0; step <= kGradientSteps; ++step) {
    painter.fillRect(ToQRect(BandStepRect(scene.layout, band, step)),
                     ToQColor(BandStepColour(colour, step, scene.gradient)));
  }
}

void DrawTransparentBitmap(QPainter& painter, QPoint point, const QImage& bitmap, Rgb key) {
  if (bitmap.isNull()) return;
  QImage masked = bitmap.convertToFormat(QImage::Format_ARGB32);
  const QRgb keyRgb = qRgb(key.red, key.green, key.blue);
  for (int y = 0; y < masked.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
    for (int x = 0; x < masked.width(); ++x) {
      // Only the exact key is see-through; every other pixel covers the surface, whatever alpha
      // the file gave it.
      line[x] = (line[x] & RGB_MASK) == (keyRgb & RGB_MASK) ? 0u : (line[x] | ~RGB_MASK);
    }
  }
  painter.drawImage(point, masked);
}

QImage BuildExportImage(Layout layout, const BandSet& bands, const RenderAssets& assets) {
  QImage image(ExportWidth(layout), ExportHeight(layout), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.drawImage(QPoint(0, 0), assets.Bitmap(ExportBodyBitmap(layout)));
    for (int band = 1; band <= BandSet::kBands; ++band) {
      if (!BandInUse(band, bands.Count())) continue;
      painter.fillRect(ToQRect(ExportBandRect(layout, band)), ToQColor(BandPaint(bands, band)));
    }
  }
  return image;
}

}  // namespace colorohm
