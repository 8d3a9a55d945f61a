#include "colorohm/sidebar/SideBarGroup.h"

#include "colorohm/sidebar/SideBarMeasures.h"
#include "platform/text/Text.h"

#include <QFontMetrics>
#include <QPainter>

namespace colorohm {

namespace {

constexpr int kCornerRadius = 5;
constexpr int kChevronHalfWidth = 4;
constexpr int kChevronHeight = 4;
constexpr int kChevronGap = 3;

QFont TitleFont(const QFont& font) {
  QFont bold = font;
  bold.setWeight(QFont::Bold);
  return bold;
}

// The title ends before the fold button, so that a long title is shortened with its ellipsis
// rather than written under the button.
QRect TitleArea(const SideBarGroup& group, int indent) {
  return QRect(QPoint(group.header.left() + indent, group.header.top()),
               QPoint(group.foldButton.left() - 4, group.header.bottom()));
}

// A title a little too wide for the narrow bar (the scroll bar takes its share) is set a little
// smaller, down to four fifths of the bar's font, before it is shortened at all.
QFont FittedFont(const QFont& font, const QString& title, int width) {
  QFont fitted = font;
  const qreal smallest = font.pointSizeF() * 0.8;
  while (QFontMetrics(fitted).horizontalAdvance(title) > width &&
         fitted.pointSizeF() - 0.25 >= smallest) {
    fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
  }
  return fitted;
}

void DrawTitle(QPainter& painter, const SideBarGroup& group, const QRect& area,
               const QFont& boldFont, const QColor& colour) {
  const QString title = QString::fromStdString(platform::Utf8FromCp1252(group.title));
  const QFont font = boldFont.pointSizeF() > 0 ? FittedFont(boldFont, title, area.width()) : boldFont;
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QFontMetrics(font).elidedText(title, Qt::ElideRight, std::max(area.width(), 0)));
}

// Two chevrons, the second one kChevronGap further along their direction: pointing up (fold)
// while the group is open, down (unfold) while it is folded. Two pixels thick, as the pane's
// own buttons are.
void DrawChevrons(QPainter& painter, const QRect& button, bool collapsed, const QColor& colour) {
  const int cx = button.left() + button.width() / 2;
  const int top = button.top() + button.height() / 2 - (kChevronHeight + kChevronGap + 1) / 2;
  painter.setPen(colour);
  for (int offset : {0, kChevronGap}) {
    for (int thickness : {0, 1}) {
      const int y = top + offset + thickness;
      const int apex = collapsed ? y + kChevronHeight : y;
      const int arms = collapsed ? y : y + kChevronHeight;
      const QPoint points[] = {{cx - kChevronHalfWidth, arms}, {cx, apex},
                               {cx + kChevronHalfWidth, arms}};
      painter.drawPolyline(points, 3);
    }
  }
}

// The body under the header: from the header's last pixel row to the group's bottom.
QRect BodyRect(const SideBarGroup& group) {
  return QRect(QPoint(group.rect.left(), group.header.bottom()), group.rect.bottomRight());
}

void DrawBody(QPainter& painter, const SideBarGroup& group, const QColor& outline,
              const QColor& fill) {
  const QRect body = BodyRect(group);
  painter.fillRect(body, fill);
  painter.setPen(outline);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(body.adjusted(0, 0, -1, -1));
}

void DrawItems(QPainter& painter, const SideBarGroup& group, const SideBarDrawContext& context) {
  if (group.collapsed)
    return;
  for (const auto& item : group.items)
    item->Draw(painter, context);
}

void DrawThemedGroup(QPainter& painter, const SideBarGroup& group,
                     const SideBarDrawContext& context) {
  const QColor h = context.colours.highlight;
  const QColor t = context.colours.highlightText;
  const QColor l = LightenColour(h, kBodyShade);
  const QRect& header = group.header;
  const int diameter = 2 * kCornerRadius;

  painter.fillRect(header.adjusted(0, kCornerRadius, 0, 0), h);
  painter.fillRect(QRect(header.left() + kCornerRadius, header.top(),
                         header.width() - diameter, kCornerRadius),
                   h);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(h);
  painter.drawEllipse(QRectF(header.left(), header.top(), diameter, diameter));
  painter.drawEllipse(QRectF(header.right() + 1 - diameter, header.top(), diameter, diameter));
  painter.setPen(l);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QRectF(group.foldButton).adjusted(0.5, 0.5, -0.5, -0.5));
  painter.restore();

  DrawTitle(painter, group, TitleArea(group, 15), TitleFont(context.font), group.hot ? l : t);
  DrawChevrons(painter, group.foldButton, group.collapsed, group.hot ? l : t);
  DrawBody(painter, group, h, l);
  DrawItems(painter, group, context);
}

void DrawClassicGroup(QPainter& painter, const SideBarGroup& group,
                      const SideBarDrawContext& context) {
  const SideBarColours& colours = context.colours;
  const QRect& header = group.header;

  painter.fillRect(header, colours.buttonFace);
  DrawTitle(painter, group, TitleArea(group, 5), TitleFont(context.font), colours.buttonText);
  if (group.hot) {
    const QRect& button = group.foldButton;
    painter.setPen(colours.light);
    painter.drawLine(button.topLeft(), button.topRight());
    painter.drawLine(button.topLeft(), button.bottomLeft());
    painter.setPen(colours.shadow);
    painter.drawLine(button.bottomLeft(), button.bottomRight());
    painter.drawLine(button.topRight(), button.bottomRight());
  }
  DrawChevrons(painter, group.foldButton, group.collapsed, colours.buttonText);
  DrawBody(painter, group, colours.buttonFace, colours.window);
  DrawItems(painter, group, context);
}

} // namespace

QRect FoldButtonRect(SideBarStyle style, const QRect& header) {
  const int right = header.right() + 1;  // one past the header, as the measures count
  const int height = header.height();
  if (style == SideBarStyle::Themed) {
    const int side = height - 8;
    return QRect(right - 5 - side, header.top() + 4, side, side);
  }
  return QRect(QPoint(right - height - 1, header.top() + 2),
               QPoint(right - 5 - 1, header.top() + height - 2 - 1));
}

void DrawGroup(QPainter& painter, const SideBarGroup& group, const SideBarDrawContext& context) {
  if (context.style == SideBarStyle::Themed)
    DrawThemedGroup(painter, group, context);
  else
    DrawClassicGroup(painter, group, context);
}

} // namespace colorohm
