// Writes Colorohm's bitmaps as PNG files into a folder:
//   colorohm_artwork <folder>
// Run under QT_QPA_PLATFORM=offscreen; the output is committed in resources/Colorohm/bitmaps.

#include "Artwork.h"
#include "colorohm/render/BandGeometry.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool Save(const QDir& folder, int id, const char* name, const QImage& image) {
  const QString file = folder.filePath(QString("%1_%2.png").arg(id).arg(name));
  if (image.save(file, "PNG")) return true;
  std::fprintf(stderr, "colorohm_artwork: cannot write %s\n", qPrintable(file));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: colorohm_artwork <folder>\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists()) {
    std::fprintf(stderr, "colorohm_artwork: no folder %s\n", argv[1]);
    return 2;
  }

  using colorohm::BandKind;
  // Band spans follow the band rectangles of the window and of the export image, less the place
  // where each bitmap is drawn.
  const QImage lying = artwork::LyingBody(330, 82, 22, 301, 9, 71);
  const QImage smallLying = artwork::LyingBody(80, 34, 10, 67, 4, 26);
  const QImage smallUpright = artwork::Transposed(artwork::LyingBody(80, 34, 10, 67, 8, 30));

  bool ok = true;
  ok &= Save(folder, colorohm::kBitmapBackground, "fond", artwork::Background(332, 372));
  ok &= Save(folder, colorohm::kBitmapLyingBody, "corps_horizontal", lying);
  ok &= Save(folder, colorohm::kBitmapUprightBody, "corps_vertical", artwork::Transposed(lying));
  ok &= Save(folder, colorohm::kBitmapSmallLyingBody, "petit_corps_horizontal", smallLying);
  ok &= Save(folder, colorohm::kBitmapSmallUprightBody, "petit_corps_vertical", smallUpright);
  ok &= Save(folder, colorohm::kBitmapDigitLegendRow, "legende_chiffres_ligne",
             artwork::LegendRow(BandKind::Digit, 134, 10));
  ok &= Save(folder, colorohm::kBitmapMultiplierLegendRow, "legende_multiplicateur_ligne",
             artwork::LegendRow(BandKind::Multiplier, 133, 10));
  ok &= Save(folder, colorohm::kBitmapToleranceLegendRow, "legende_tolerance_ligne",
             artwork::LegendRow(BandKind::Tolerance, 133, 10));
  ok &= Save(folder, colorohm::kBitmapCoefficientLegendRow, "legende_coefficient_ligne",
             artwork::LegendRow(BandKind::Coefficient, 133, 10));
  ok &= Save(folder, colorohm::kBitmapDigitLegendColumn, "legende_chiffres_colonne",
             artwork::LegendColumn(BandKind::Digit, 10, 134));
  ok &= Save(folder, colorohm::kBitmapMultiplierLegendColumn, "legende_multiplicateur_colonne",
             artwork::LegendColumn(BandKind::Multiplier, 10, 133));
  ok &= Save(folder, colorohm::kBitmapToleranceLegendColumn, "legende_tolerance_colonne",
             artwork::LegendColumn(BandKind::Tolerance, 10, 133));
  ok &= Save(folder, colorohm::kBitmapCoefficientLegendColumn, "legende_coefficient_colonne",
             artwork::LegendColumn(BandKind::Coefficient, 10, 133));
  ok &= Save(folder, 128, "colorohm", artwork::Icon(256));
  return ok ? 0 : 1;
}
