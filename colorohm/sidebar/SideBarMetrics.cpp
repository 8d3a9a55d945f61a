#include "colorohm/sidebar/SideBarMetrics.h"

#include "colorohm/sidebar/SideBarMeasures.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace colorohm {

QColor LightenColour(const QColor& colour, double f) {
  const QColor rgb = colour.toRgb();
  const Rgb lit = LightenColour(Rgb{static_cast<std::uint8_t>(rgb.red()),
                                    static_cast<std::uint8_t>(rgb.green()),
                                    static_cast<std::uint8_t>(rgb.blue())},
                                f);
  return QColor(lit.red, lit.green, lit.blue);
}

int CaptionHeight(const QWidget& widget) {
  return widget.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &widget);
}

int MenuHeight(const QWidget& widget) {
  const QStyle* style = widget.style();
  const QFontMetrics metrics(QApplication::font("QMenuBar"));
  QStyleOptionMenuItem option;
  option.initFrom(&widget);
  option.menuItemType = QStyleOptionMenuItem::Normal;
  option.fontMetrics = metrics;
  const QSize item = style->sizeFromContents(QStyle::CT_MenuBarItem, &option,
                                             QSize(0, metrics.height()), nullptr);
  const int margins = style->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, nullptr) +
                      style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, nullptr);
  return item.height() + 2 * margins;
}

int ScrollThumbWidth(const QWidget& widget) {
  return widget.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &widget);
}

SideBarColours SystemColours(const QWidget& widget) {
  const QPalette& palette = widget.palette();
  return {palette.color(QPalette::Highlight), palette.color(QPalette::HighlightedText),
          palette.color(QPalette::Base),      palette.color(QPalette::Button),
          palette.color(QPalette::ButtonText), palette.color(QPalette::Light),
          palette.color(QPalette::Dark)};
}

} // namespace colorohm
