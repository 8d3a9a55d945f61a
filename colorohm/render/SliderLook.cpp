#include "colorohm/render/SliderLook.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>
#include <qdrawutil.h>

#include <algorithm>
#include <utility>

namespace colorohm {

QImage SliderBackground(const QImage& client, const QRect& rect) {
  QImage saved(rect.size(), QImage::Format_RGB32);
  saved.fill(Qt::white);
  QPainter painter(&saved);
  painter.drawImage(QPoint(0, 0), client, rect);
  return saved;
}

QImage AndCombine(const QImage& saved, const QImage& drawn) {
  QImage out = drawn.convertToFormat(QImage::Format_RGB32);
  if (saved.size() != out.size()) return out;
  const QImage under = saved.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    const auto* below = reinterpret_cast<const QRgb*>(under.constScanLine(y));
    for (int x = 0; x < out.width(); ++x) line[x] &= below[x];
  }
  return out;
}

SeeThroughSlider::SeeThroughSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent) {
  // Every pixel is painted from the saved background, so the parent need not be drawn first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(this, &QAbstractSlider::sliderPressed, this, [this] { ShowPositionTip(sliderPosition()); });
  connect(this, &QAbstractSlider::sliderMoved, this, &SeeThroughSlider::ShowPositionTip);
  connect(this, &QAbstractSlider::sliderReleased, this, [this] {
    if (m_positionTip) QToolTip::hideText();
  });
}

void SeeThroughSlider::ShowPositionTip(int position) {
  if (!m_positionTip) return;
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.sliderPosition = position;
  option.sliderValue = position;
  const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  const QString text = QString::number(position);
  const QFontMetrics metrics(QToolTip::font());
  // Where the tip's top-left corner goes, so that the tip ends a few pixels before the thumb.
  // QToolTip puts a tip below and right of the point it is given, clear of a mouse pointer.
  const QPoint pointerClearance(2, 16);
  const QPoint corner = orientation() == Qt::Vertical
                            ? QPoint(handle.left() - metrics.horizontalAdvance(text) - 16,
                                     handle.center().y() - metrics.height() / 2)
                            : QPoint(handle.center().x() - metrics.horizontalAdvance(text) / 2,
                                     handle.top() - metrics.height() - 12);
  QToolTip::showText(mapToGlobal(corner - pointerClearance), text, this);
}

void SeeThroughSlider::SetBackgroundSource(BackgroundSource source) {
  m_source = std::move(source);
  m_saved = QImage();
}

void SeeThroughSlider::RefreshBackground(bool redraw) {
  m_saved = QImage();
  // A repaint is enough for a fresh copy; toggling the enabled state, as trackbars need, would
  // take the keyboard focus away from the slider.
  if (redraw) update();
}

QImage SeeThroughSlider::DrawTickMarks(const QRect& handle) const {
  QImage drawn(size(), QImage::Format_RGB32);
  drawn.fill(Qt::white);
  if (tickPosition() == NoTicks) return drawn;
  QPainter painter(&drawn);
  painter.setPen(palette().color(QPalette::WindowText));
  const bool vertical = orientation() == Qt::Vertical;
  const int handleLength = vertical ? handle.height() : handle.width();
  const int span = (vertical ? height() : width()) - handleLength;
  const int interval = tickInterval() > 0 ? tickInterval() : std::max(1, singleStep());
  const int tickLength = 4;
  for (int v = minimum(); v <= maximum(); v += interval) {
    const int at =
        QStyle::sliderPositionFromValue(minimum(), maximum(), v, span, invertedAppearance()) +
        handleLength / 2;
    if (vertical)
      painter.drawLine(1, at, tickLength, at);
    else
      painter.drawLine(at, 1, at, tickLength);
  }
  return drawn;
}

void SeeThroughSlider::paintEvent(QPaintEvent*) {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
  const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);

  if (m_saved.isNull() && m_source) m_saved = m_source(geometry());

  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), AndCombine(m_saved, DrawTickMarks(handle)));

  // A narrow channel through the middle of the groove, widened as the trackbar widens its own.
  QRect channel = groove;
  if (orientation() == Qt::Vertical) {
    channel.setWidth(4);
    channel.moveCenter(groove.center());
    channel.adjust(-1, 0, 1, 0);
  } else {
    channel.setHeight(4);
    channel.moveCenter(groove.center());
    channel.adjust(0, -2, 0, 2);
  }
  qDrawShadePanel(&painter, channel, palette(), true, 1);

  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(palette().color(QPalette::Shadow));
  painter.setBrush(palette().color(isSliderDown() ? QPalette::Light : QPalette::Button));
  painter.drawEllipse(QRectF(handle).adjusted(0.5, 0.5, -0.5, -0.5));
  if (hasFocus()) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

}  // namespace colorohm
