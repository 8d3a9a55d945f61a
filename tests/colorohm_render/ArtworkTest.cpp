#include "colorohm/render/BandGeometry.h"

#include <QDir>
#include <QImage>
#include <QTest>

using namespace colorohm;

namespace {

QImage Bitmap(int id) {
  const QDir folder(SOLVANE_COLOROHM_BITMAPS);
  const QStringList files = folder.entryList({QString("%1_*.png").arg(id)});
  return files.size() == 1 ? QImage(folder.filePath(files.front())) : QImage();
}

// Every pixel of r (shifted by the bitmap's place) is body, not the white key.
bool CoveredByBody(const QImage& body, Rect r, QPoint place) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (body.pixelColor(x - place.x(), y - place.y()) == QColor(Qt::white)) return false;
  return true;
}

}  // namespace

// The shipped bitmaps must fit the places the drawing puts them and the bands drawn over them.
class ArtworkTest : public QObject {
  Q_OBJECT

private slots:
  void bitmapsHaveTheirSizes() {
    const struct { int id, width, height; } sizes[] = {
        {kBitmapBackground, 332, 372},          {kBitmapUprightBody, 82, 330},
        {kBitmapLyingBody, 330, 82},            {kBitmapDigitLegendRow, 134, 10},
        {kBitmapMultiplierLegendRow, 133, 10},  {kBitmapToleranceLegendRow, 133, 10},
        {kBitmapCoefficientLegendRow, 133, 10}, {kBitmapDigitLegendColumn, 10, 134},
        {kBitmapMultiplierLegendColumn, 10, 133}, {kBitmapToleranceLegendColumn, 10, 133},
        {kBitmapCoefficientLegendColumn, 10, 133}, {kBitmapSmallLyingBody, 80, 34},
        {kBitmapSmallUprightBody, 34, 80},      {128, 256, 256},
    };
    for (const auto& s : sizes) {
      QCOMPARE(Bitmap(s.id).size(), QSize(s.width, s.height));
    }
  }

  void bandsLieOnTheBody() {
    const QImage upright = Bitmap(kBitmapUprightBody);
    const QImage lying = Bitmap(kBitmapLyingBody);
    const QImage smallUpright = Bitmap(kBitmapSmallUprightBody);
    const QImage smallLying = Bitmap(kBitmapSmallLyingBody);
    for (int band = 1; band <= 6; ++band) {
      QVERIFY(CoveredByBody(upright, BandRect(Layout::Upright, band), QPoint(1, 1)));
      QVERIFY(CoveredByBody(lying, BandRect(Layout::Lying, band), QPoint(1, 1)));
      QVERIFY(CoveredByBody(smallUpright, ExportBandRect(Layout::Upright, band), QPoint(0, 0)));
      QVERIFY(CoveredByBody(smallLying, ExportBandRect(Layout::Lying, band), QPoint(0, 0)));
    }
    // The corners show the window through.
    QCOMPARE(lying.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(upright.pixelColor(81, 329), QColor(Qt::white));
  }
};

QTEST_MAIN(ArtworkTest)
#include "ArtworkTest.moc"
