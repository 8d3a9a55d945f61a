#pragma once
// One titled, foldable group of the side bar and how it is drawn in the two styles.

#include "colorohm/sidebar/SideBarItem.h"

#include <QRect>

#include <memory>
#include <string>
#include <vector>

class QPainter;

namespace colorohm {

struct SideBarGroup {
  std::string title;  // Windows-1252
  std::vector<std::unique_ptr<SideBarItem>> items;
  bool collapsed = false;
  bool hot = false;
  // Set at each layout, in content coordinates: the whole group (header and body), its header,
  // the fold button and the header's hit rectangle (the button widened to the header's left).
  int height = 0;
  QRect rect;
  QRect header;
  QRect foldButton;
  QRect headerHit;
};

// The fold button inside a header: a square inset from the header's right in the themed style,
// a wider button nearly the header's height in the classic style.
QRect FoldButtonRect(SideBarStyle style, const QRect& header);

// The header, the body and the items of an already laid-out group.
void DrawGroup(QPainter& painter, const SideBarGroup& group, const SideBarDrawContext& context);

} // namespace colorohm
