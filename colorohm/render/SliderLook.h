#pragma once
// The band sliders' see-through look: each slider keeps the window pixels that lie under it and
// paints its background and tick marks combined with them by a bitwise and, so the background
// picture shows behind the slider; the thumb is a plain ellipse and the channel a sunken edge.

#include <QImage>
#include <QRect>
#include <QSlider>

#include <functional>

namespace colorohm {

// The pixels of the window's painted client area that lie under rect (window coordinates);
// whatever lies outside the client area reads as white, which leaves the and unchanged.
QImage SliderBackground(const QImage& client, const QRect& rect);

// Pixel by pixel bitwise and of two images of the same size (the result has drawn's size; a saved
// image of another size is ignored).
QImage AndCombine(const QImage& saved, const QImage& drawn);

class SeeThroughSlider : public QSlider {
public:
  // Gives the pixels under a rectangle of the parent window; asked when the slider paints without
  // saved pixels.
  using BackgroundSource = std::function<QImage(const QRect&)>;

  explicit SeeThroughSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

  void SetBackgroundSource(BackgroundSource source);
  // Drops the saved pixels; with redraw, also schedules a repaint so that it saves new ones.
  void RefreshBackground(bool redraw);
  bool HasSavedBackground() const { return !m_saved.isNull(); }
  // Shows the position in a tip beside the thumb while the thumb is dragged: above a horizontal
  // slider, left of a vertical one.
  void SetPositionTip(bool on) { m_positionTip = on; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QImage DrawTickMarks(const QRect& handle) const;
  void ShowPositionTip(int position);

  BackgroundSource m_source;
  QImage m_saved;
  bool m_positionTip = false;
};

}  // namespace colorohm
