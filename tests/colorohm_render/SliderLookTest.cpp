#include "colorohm/render/SliderLook.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>
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

  void draggedThumbShowsItsPositionInATip_data() {
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::newRow("horizontal") << Qt::Horizontal;
    QTest::newRow("vertical") << Qt::Vertical;
  }
  void draggedThumbShowsItsPositionInATip() {
    QFETCH(Qt::Orientation, orientation);
    QWidget window;
    window.resize(300, 300);
    auto* slider = new SeeThroughSlider(orientation, &window);
    slider->setRange(1, 10);
    slider->setGeometry(orientation == Qt::Vertical ? QRect(150, 20, 30, 200) : QRect(20, 150, 200, 30));
    slider->SetPositionTip(true);
    // The lowest position at the top or the left, as the band sliders have it.
    slider->setInvertedAppearance(orientation == Qt::Vertical);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = orientation;
    option.minimum = 1;
    option.maximum = 10;
    option.sliderPosition = option.sliderValue = 1;
    const QPoint thumb = slider->style()
                             ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
                             .center();
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString("1"));
    // The tip stands clear of the thumb, before it: above, or to the left.
    const QWidget* tip = nullptr;
    for (const QWidget* widget : QApplication::topLevelWidgets())
      if (widget->inherits("QTipLabel")) tip = widget;
    QVERIFY(tip);
    const QPoint thumbOnScreen = slider->mapToGlobal(thumb);
    if (orientation == Qt::Vertical) {
      QVERIFY(tip->geometry().right() < thumbOnScreen.x());
      QVERIFY(qAbs(tip->geometry().center().y() - thumbOnScreen.y()) < 8);
    } else {
      QVERIFY(tip->geometry().bottom() < thumbOnScreen.y());
      QVERIFY(qAbs(tip->geometry().center().x() - thumbOnScreen.x()) < 8);
    }
    slider->setSliderPosition(7);
    QTRY_COMPARE(QToolTip::text(), QString("7"));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, thumb);
    QTRY_VERIFY(!QToolTip::isVisible());
    QTRY_COMPARE(QApplication::topLevelWidgets().size(), 1);
  }

  void noTipUnlessAsked() {
    QWidget window;
    window.resize(300, 100);
    auto* slider = new SeeThroughSlider(Qt::Horizontal, &window);
    slider->setRange(1, 10);
    slider->setGeometry(20, 20, 200, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    slider->setSliderDown(true);
    slider->setSliderPosition(4);
    QTest::qWait(50);
    QVERIFY(!QToolTip::isVisible());
    slider->setSliderDown(false);
  }
};

QTEST_MAIN(SliderLookTest)
#include "SliderLookTest.moc"
