#pragma once
// The system measures and colours the side bar is drawn with, read from the widget's Qt style,
// font and palette at each use so that a change of style or font takes effect on the next layout.
//
//   caption height (SM_CYCAPTION)    -> QStyle::PM_TitleBarHeight
//   menu height (SM_CYMENU)          -> height of one menu-bar item (CT_MenuBarItem around the
//                                       menu font's line height) plus the menu bar's margins
//   scroll-thumb width (SM_CXHTHUMB) -> QStyle::PM_ScrollBarExtent
//   highlight / highlight text       -> QPalette::Highlight / HighlightedText
//   window colour                    -> QPalette::Base
//   button face / button text        -> QPalette::Button / ButtonText
//   3-D highlight / shadow           -> QPalette::Light / Dark

#include <QColor>

class QWidget;

namespace colorohm {

struct SideBarColours {
  QColor highlight;
  QColor highlightText;
  QColor window;
  QColor buttonFace;
  QColor buttonText;
  QColor light;
  QColor shadow;
};

// LightenColour of SideBarMeasures.h on a Qt colour.
QColor LightenColour(const QColor& colour, double f);

int CaptionHeight(const QWidget& widget);
int MenuHeight(const QWidget& widget);
int ScrollThumbWidth(const QWidget& widget);
SideBarColours SystemColours(const QWidget& widget);

} // namespace colorohm
