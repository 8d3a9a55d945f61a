#include "colorohm/render/SliderLook.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

using namespace colorohm;

class SliderLookTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void backgroundIsThePixelsUnderTheSlider() {
    QImage client(100, 50, QImage::Format_RGB32);
    client.fill(QColor(0, 0, 255));
    client.setPixelColor(40, 20, QColor(1, 2, 3));
    const QImage saved = SliderBackground(client, QRect(40, 20, 70, 10));
    QCOMPARE(saved.size(), QSize(70, 10));
    QCOMPARE(saved.pixelColor(0, 0), QColor(1, 2, 3));
    QCOMPARE(saved.pixelColor(59, 9), QColor(0, 0, 255));
    // Past the client area: white, which the and leaves unchanged.
    QCOMPARE(saved.pixelColor(60, 0), QColor(Qt::white));
  }

  void andCombineKeepsThePictureUnderWhite() {
    QImage saved(2, 1, QImage::Format_RGB32);
    saved.setPixel(0, 0, qRgb(0x12, 0x34, 0xF6));
    saved.setPixel(1, 0, qRgb(0x12, 0x34, 0xF6));
    QImage drawn(2, 1, QImage::Format_RGB32);
    drawn.setPixel(0, 0, qRgb(255, 255, 255));
    drawn.setPixel(1, 0, qRgb(0x0F, 0xFF, 0x0F));
    const QImage out = AndCombine(saved, drawn);
    QCOMPARE(out.pixel(0, 0), qRgb(0x12, 0x34, 0xF6));
    QCOMPARE(out.pixel(1, 0), qRgb(0x02, 0x34, 0x06));
  }

  void pictureShowsBehindTheSliderUntilRefreshed() {
    QWidget window;
    window.resize(200, 200);
    auto* slider = new SeeThroughSlider(Qt::Vertical, &window);
    slider->setRange(1, 10);
    slider->setTickPosition(QSlider::TicksLeft);
    slider->setGeometry(50, 20, 30, 150);
    QColor picture(30, 60, 200);
    int asked = 0;
    QRect askedFor;
    slider->SetBackgroundSource([&](const QRect& r) {
      ++asked;
      askedFor = r;
      QImage client(200, 200, QImage::Format_RGB32);
      client.fill(picture);
      return SliderBackground(client, r);
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The far right column holds neither ticks, channel nor thumb.
    QImage shot = slider->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() - 1, shot.height() / 2), picture);
    QCOMPARE(askedFor, QRect(50, 20, 30, 150));
    const int before = asked;

    // Painting again reuses the saved pixels; a refresh asks for new ones.
    picture = QColor(200, 30, 30);
    shot = slider->grab().toImage();
    QCOMPARE(asked, before);
    QCOMPARE(shot.pixelColor(shot.width() - 1, shot.height() / 2), QColor(30, 60, 200));
    slider->RefreshBackground(true);
    QVERIFY(!slider->HasSavedBackground());
    shot = slider->grab().toImage();
    QVERIFY(asked > before);
    QCOMPARE(shot.pixelColor(shot.width() - 1, shot.height() / 2), picture);
  }
};

QTEST_MAIN(SliderLookTest)
#include "SliderLookTest.moc"
