#include "colorohm/render/Resistor.h"
#include "platform/text/Text.h"

#include <QTemporaryDir>
#include <QTest>

using namespace colorohm;

namespace {

const QColor kButtonFace(1, 2, 3);
const QColor kBodyColour(150, 120, 90);
const QSize kClient(520, 372);

QImage Filled(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// A body bitmap: body colour inside, the white key in a frame of two pixels.
QImage Body(int width, int height) {
  QImage image = Filled(width, height, Qt::white);
  QPainter(&image).fillRect(2, 2, width - 4, height - 4, kBodyColour);
  return image;
}

// Each legend in its own colour so that its place can be told from the others.
RenderAssets FixtureAssets() {
  RenderAssets assets;
  assets.bitmaps[kBitmapBackground] = Filled(332, 372, QColor(20, 40, 160));
  assets.bitmaps[kBitmapUprightBody] = Body(82, 330);
  assets.bitmaps[kBitmapLyingBody] = Body(330, 82);
  const int legends[] = {kBitmapDigitLegendRow,         kBitmapMultiplierLegendRow,
                         kBitmapToleranceLegendRow,     kBitmapCoefficientLegendRow,
                         kBitmapDigitLegendColumn,      kBitmapMultiplierLegendColumn,
                         kBitmapToleranceLegendColumn,  kBitmapCoefficientLegendColumn};
  for (int id : legends) {
    const bool row = id == kBitmapDigitLegendRow || id == kBitmapMultiplierLegendRow ||
                     id == kBitmapToleranceLegendRow || id == kBitmapCoefficientLegendRow;
    assets.bitmaps[id] = row ? Filled(133, 10, QColor(id, 0, 0)) : Filled(10, 133, QColor(id, 0, 0));
  }
  assets.bitmaps[kBitmapSmallLyingBody] = Body(80, 34);
  assets.bitmaps[kBitmapSmallUprightBody] = Body(34, 80);
  return assets;
}

BandSet Bands(NombreBandes count, std::array<int, 6> positions) {
  BandSet bands;
  bands.SetCount(count);
  for (int band = 1; band <= 6; ++band) bands.SetPosition(band, positions[band - 1]);
  return bands;
}

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// The pixel s steps from the start edge of a band, in the middle across the band.
QPoint AlongBand(Layout layout, int band, int s) {
  const Rect r = BandRect(layout, band);
  return layout == Layout::Upright ? QPoint(r.left + s, (r.top + r.bottom) / 2)
                                   : QPoint((r.left + r.right) / 2, r.top + s);
}

}  // namespace

Q_DECLARE_METATYPE(colorohm::Layout)
Q_DECLARE_METATYPE(colorohm::NombreBandes)

class ResistorTest : public QObject {
  Q_OBJECT

private slots:
  void gradientBandRunsFromLightGreyToItsColour_data() {
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<int>("band");
    QTest::addColumn<QColor>("colour");
    // Black digit, red multiplier, lighter tolerance blue: all six bands at least once.
    QTest::newRow("upright, band 1 black") << Layout::Upright << 1 << QColor(0, 0, 0);
    QTest::newRow("upright, band 4 red") << Layout::Upright << 4 << QColor(255, 0, 0);
    QTest::newRow("upright, band 6 white") << Layout::Upright << 6 << QColor(255, 255, 255);
    QTest::newRow("lying, band 1 black") << Layout::Lying << 1 << QColor(0, 0, 0);
    QTest::newRow("lying, band 5 blue") << Layout::Lying << 5 << QColor(0, 0, 198);
    QTest::newRow("lying, band 3 green") << Layout::Lying << 3 << QColor(0, 255, 0);
  }
  void gradientBandRunsFromLightGreyToItsColour() {
    QFETCH(Layout, layout);
    QFETCH(int, band);
    QFETCH(QColor, colour);
    ResistorScene scene{layout, Bands(NombreBandes::Six, {1, 6, 6, 5, 6, 7}), true, ""};
    const QImage image = PaintResistor(scene, FixtureAssets(), kClient, kButtonFace);

    const auto at = [&](int s) { return image.pixelColor(AlongBand(layout, band, s)); };
    QCOMPARE(at(0), QColor(210, 210, 210));
    QCOMPARE(at(kGradientSteps), colour);
    QCOMPARE(at(62), colour);
    // Halfway: 210 + (c − 210) × 25 / 50, the result truncated.
    const auto half = [](int c) { return (210 * 50 + (c - 210) * 25) / 50; };
    QCOMPARE(at(25), QColor(half(colour.red()), half(colour.green()), half(colour.blue())));
  }

  void gradientTruncatesEachComponentTowardsZero() {
    // 210 − 210 × 1 / 50 = 205.8 is 205; rounding per term would give 206.
    QCOMPARE(BandStepColour({0, 0, 0}, 1, true), (Rgb{205, 205, 205}));
    QCOMPARE(BandStepColour({255, 128, 0}, 7, true), (Rgb{216, 198, 180}));
    QCOMPARE(BandStepColour({255, 128, 0}, 7, false), (Rgb{255, 128, 0}));
  }

  void plainBandFillsItsRectangleExactly_data() {
    QTest::addColumn<Layout>("layout");
    QTest::newRow("upright") << Layout::Upright;
    QTest::newRow("lying") << Layout::Lying;
  }
  void plainBandFillsItsRectangleExactly() {
    QFETCH(Layout, layout);
    const BandSet bands = Bands(NombreBandes::Six, {1, 2, 3, 4, 6, 7});
    RenderAssets noBitmaps;
    const QImage image = PaintResistor({layout, bands, false, ""}, noBitmaps, kClient, kButtonFace);
    for (int band = 1; band <= 6; ++band) {
      const Rect r = BandRect(layout, band);
      const QColor colour = ToQColor(BandPaint(bands, band));
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) QCOMPARE(At(image, x, y), colour);
      // The right and bottom edges stay unpainted.
      QCOMPARE(At(image, r.right, r.top), kButtonFace);
      QCOMPARE(At(image, r.left, r.bottom), kButtonFace);
      QCOMPARE(At(image, r.left - 1, r.top), kButtonFace);
      QCOMPARE(At(image, r.left, r.top - 1), kButtonFace);
    }
  }

  void unusedBandsLeaveTheBodyShowing_data() {
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<NombreBandes>("count");
    QTest::addColumn<bool>("band3");
    QTest::addColumn<bool>("band6");
    QTest::newRow("upright, 4 bands") << Layout::Upright << NombreBandes::Four << false << false;
    QTest::newRow("upright, 5 bands") << Layout::Upright << NombreBandes::Five << true << false;
    QTest::newRow("lying, 4 bands") << Layout::Lying << NombreBandes::Four << false << false;
    QTest::newRow("lying, 6 bands") << Layout::Lying << NombreBandes::Six << true << true;
  }
  void unusedBandsLeaveTheBodyShowing() {
    QFETCH(Layout, layout);
    QFETCH(NombreBandes, count);
    QFETCH(bool, band3);
    QFETCH(bool, band6);
    const BandSet bands = Bands(count, {3, 3, 3, 5, 4, 2});  // red in every band
    const QImage image = PaintResistor({layout, bands, false, ""}, FixtureAssets(), kClient, kButtonFace);
    const auto shows = [&](int band) { return image.pixelColor(AlongBand(layout, band, 30)); };
    QCOMPARE(shows(3), band3 ? QColor(255, 0, 0) : kBodyColour);
    QCOMPARE(shows(6), band6 ? QColor(255, 0, 0) : kBodyColour);
    QCOMPARE(shows(5), QColor(255, 0, 0));
  }

  void bodyAndLegendsSitAtTheirPlaces_data() {
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<NombreBandes>("count");
    QTest::newRow("upright, 6 bands") << Layout::Upright << NombreBandes::Six;
    QTest::newRow("upright, 5 bands") << Layout::Upright << NombreBandes::Five;
    QTest::newRow("lying, 6 bands") << Layout::Lying << NombreBandes::Six;
    QTest::newRow("lying, 4 bands") << Layout::Lying << NombreBandes::Four;
  }
  void bodyAndLegendsSitAtTheirPlaces() {
    QFETCH(Layout, layout);
    QFETCH(NombreBandes, count);
    const RenderAssets assets = FixtureAssets();
    const QImage image =
        PaintResistor({layout, Bands(count, {1, 1, 1, 1, 1, 1}), false, ""}, assets, kClient, kButtonFace);
    const bool upright = layout == Layout::Upright;
    // Body key is see-through, inside is the body.
    QCOMPARE(At(image, 1, 1), kButtonFace);
    QCOMPARE(At(image, 3, 3), kBodyColour);
    const struct { int id, x, y; bool sixOnly; } legends[] = {
        {upright ? kBitmapDigitLegendRow : kBitmapDigitLegendColumn, upright ? 95 : 50, 97, false},
        {upright ? kBitmapMultiplierLegendRow : kBitmapMultiplierLegendColumn, upright ? 95 : 166, 97, false},
        {upright ? kBitmapToleranceLegendRow : kBitmapToleranceLegendColumn, upright ? 95 : 214, 97, false},
        {upright ? kBitmapCoefficientLegendRow : kBitmapCoefficientLegendColumn, upright ? 95 : 260, 97, true},
    };
    const int uprightTops[] = {52, 164, 208, 257};
    for (int i = 0; i < 4; ++i) {
      const int x = legends[i].x;
      const int y = upright ? uprightTops[i] : legends[i].y;
      const QSize size = assets.Bitmap(legends[i].id).size();
      const bool drawn = !legends[i].sixOnly || count == NombreBandes::Six;
      const QColor expected = drawn ? QColor(legends[i].id, 0, 0) : kButtonFace;
      QCOMPARE(At(image, x, y), expected);
      QCOMPARE(At(image, x + size.width() - 1, y + size.height() - 1), expected);
      QCOMPARE(At(image, x - 1, y), kButtonFace);
    }
  }

  void backgroundChoice() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString picture = dir.filePath("fond.png");
    QVERIFY(Filled(40, 30, QColor(0, 200, 0)).save(picture));
    const QString garbage = dir.filePath("abîmé.bmp");
    {
      QFile file(garbage);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("BM not really a bitmap");
    }
    const auto path = [](const QString& p) { return platform::Cp1252FromUtf8(p.toStdString()); };
    const struct { std::string imageFond; QColor corner; } cases[] = {
        {"", kButtonFace},
        {"D\xE9" "faut", QColor(20, 40, 160)},
        {path(picture), QColor(0, 200, 0)},
        {path(garbage), kButtonFace},
        {path(dir.filePath("absent.bmp")), kButtonFace},
        {path(dir.path()), kButtonFace},
    };
    const RenderAssets assets = FixtureAssets();
    for (const auto& c : cases) {
      const QImage image = PaintResistor({Layout::Lying, BandSet(), true, c.imageFond}, assets,
                                         kClient, kButtonFace);
      QCOMPARE(At(image, kClient.width() - 1, 0), kButtonFace);  // past every picture
      QCOMPARE(At(image, 0, 0), c.corner);
    }
    // A file picture is drawn unscaled from the top-left corner.
    BandSet noBands;
    noBands.SetCount(NombreBandes::Four);
    const QImage image = PaintResistor({Layout::Lying, noBands, true, path(picture)}, RenderAssets(),
                                       kClient, kButtonFace);
    QCOMPARE(At(image, 39, 29), QColor(0, 200, 0));
    QCOMPARE(At(image, 40, 29), kButtonFace);
  }

  void transparentBitmapKeepsKeyColouredPixelsOfTheSurface() {
    QImage surface = Filled(6, 1, QColor(10, 20, 30));
    QImage bitmap(5, 1, QImage::Format_ARGB32);
    bitmap.setPixel(0, 0, qRgb(192, 192, 192));          // key
    bitmap.setPixel(1, 0, qRgb(192, 192, 193));          // off by one: drawn
    bitmap.setPixel(2, 0, qRgba(192, 192, 192, 128));    // key whatever its alpha
    bitmap.setPixel(3, 0, qRgba(0, 0, 255, 0));          // not the key: covers, alpha ignored
    bitmap.setPixel(4, 0, qRgb(255, 255, 255));          // white is no key here
    {
      QPainter painter(&surface);
      DrawTransparentBitmap(painter, QPoint(1, 0), bitmap, kLegendKey);
    }
    QCOMPARE(At(surface, 0, 0), QColor(10, 20, 30));
    QCOMPARE(At(surface, 1, 0), QColor(10, 20, 30));
    QCOMPARE(At(surface, 2, 0), QColor(192, 192, 193));
    QCOMPARE(At(surface, 3, 0), QColor(10, 20, 30));
    QCOMPARE(At(surface, 4, 0), QColor(0, 0, 255));
    QCOMPARE(At(surface, 5, 0), QColor(255, 255, 255));
  }

  void exportImageHasPlainBandsAtFixedPlaces_data() {
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<NombreBandes>("count");
    QTest::newRow("lying, 6 bands") << Layout::Lying << NombreBandes::Six;
    QTest::newRow("lying, 4 bands") << Layout::Lying << NombreBandes::Four;
    QTest::newRow("upright, 5 bands") << Layout::Upright << NombreBandes::Five;
    QTest::newRow("upright, 4 bands") << Layout::Upright << NombreBandes::Four;
  }
  void exportImageHasPlainBandsAtFixedPlaces() {
    QFETCH(Layout, layout);
    QFETCH(NombreBandes, count);
    const BandSet bands = Bands(count, {2, 3, 4, 5, 6, 7});
    const QImage image = BuildExportImage(layout, bands, FixtureAssets());
    const bool lying = layout == Layout::Lying;
    QCOMPARE(image.size(), lying ? QSize(80, 34) : QSize(34, 80));
    for (int band = 1; band <= 6; ++band) {
      // Lying (18 + 7i, 4, 23 + 7i, 27); upright the same turned.
      const int start = 18 + 7 * (band - 1);
      const QRect r = lying ? QRect(QPoint(start, 4), QPoint(start + 4, 26))
                            : QRect(QPoint(8, start), QPoint(30, start + 4));
      const bool drawn = BandInUse(band, count);
      const QColor expected = drawn ? ToQColor(BandPaint(bands, band)) : kBodyColour;
      QCOMPARE(image.pixelColor(r.topLeft()), expected);
      QCOMPARE(image.pixelColor(r.bottomRight()), expected);
      // The gap after each band shows the body.
      QCOMPARE(image.pixelColor(lying ? QPoint(start + 5, 10) : QPoint(10, start + 5)), kBodyColour);
    }
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
  }

  void exportImageWithoutItsBitmapIsStillWhole() {
    const QImage image = BuildExportImage(Layout::Lying, BandSet(), RenderAssets());
    QCOMPARE(image.size(), QSize(80, 34));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(18, 4), QColor(0, 0, 0));
  }
};

QTEST_MAIN(ResistorTest)
#include "ResistorTest.moc"
