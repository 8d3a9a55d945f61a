#include "colorohm/sidebar/SideBar.h"

#include "colorohm/sidebar/SideBarMeasures.h"
#include "colorohm/sidebar/SideBarMetrics.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace colorohm {

namespace {

// Space around the groups and between them.
constexpr int kMargin = 10;

} // namespace

CSideBar::CSideBar(QWidget* parent) : QWidget(parent), scrollBar_(new QScrollBar(Qt::Vertical, this)) {
  // Every paint covers the whole bar.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  scrollBar_->hide();
  scrollBar_->setSingleStep(1);
  connect(scrollBar_, &QScrollBar::actionTriggered, this, &CSideBar::OnScrollAction);
  connect(scrollBar_, &QScrollBar::valueChanged, this, &CSideBar::Redraw);
}

CSideBar::~CSideBar() {
  hotGroup_ = nullptr;
  hotItem_ = nullptr;
  groups_.clear();
}

int CSideBar::AddGroup(const std::string& title) {
  auto group = std::make_unique<SideBarGroup>();
  group->title = title;
  groups_.push_back(std::move(group));
  Redraw();
  return GroupCount() - 1;
}

bool CSideBar::AddItem(int group, const std::string& text, int id, SideBarItemKind kind) {
  SideBarGroup* target = FindGroup(group);
  if (target == nullptr)
    return false;
  if (kind == SideBarItemKind::Edit) {
    auto edit = std::make_unique<SideBarEdit>(*this, id, text);
    connect(&edit->Field(), &QLineEdit::textChanged, this, [this, id] { emit EditChanged(id); });
    target->items.push_back(std::move(edit));
  } else {
    target->items.push_back(std::make_unique<SideBarLink>(id, text));
  }
  Redraw();
  return true;
}

std::string CSideBar::GetItemText(int group, int id) const {
  const SideBarGroup* target = FindGroup(group);
  if (target == nullptr)
    return {};
  std::string text;
  for (const auto& item : target->items)
    if (item->Id() == id)
      text = item->GetText();
  return text;
}

void CSideBar::SetItemText(int group, int id, const std::string& text) {
  SideBarGroup* target = FindGroup(group);
  if (target == nullptr)
    return;
  for (const auto& item : target->items)
    if (item->Id() == id)
      item->SetText(text);
  Redraw();
}

void CSideBar::SetItemColors(int group, int id, const QColor& colour, const QColor& secondColour) {
  SideBarGroup* target = FindGroup(group);
  if (target == nullptr)
    return;
  for (const auto& item : target->items)
    if (item->Id() == id)
      item->SetColors(colour, secondColour);
  Redraw();
}

void CSideBar::ResetItemColors(int group, int id) {
  SideBarGroup* target = FindGroup(group);
  if (target == nullptr)
    return;
  for (const auto& item : target->items)
    if (item->Id() == id)
      item->ResetColors();
  Redraw();
}

bool CSideBar::ExpandGroup(int group, bool expand) {
  SideBarGroup* target = FindGroup(group);
  if (target == nullptr)
    return false;
  if (target->collapsed == expand) {
    target->collapsed = !expand;
    Redraw();
  }
  return true;
}

bool CSideBar::IsGroupCollapsed(int group) const {
  const SideBarGroup* target = FindGroup(group);
  return target != nullptr && target->collapsed;
}

void CSideBar::SetBarStyle(SideBarStyle style) {
  style_ = style;
  Redraw();
}

void CSideBar::RemoveAllGroups() {
  // The hot header and link die with their groups.
  hotGroup_ = nullptr;
  hotItem_ = nullptr;
  unsetCursor();
  // Hiding a focused edit field moves the focus while the groups go; let that happen with the
  // bar already empty.
  const auto removed = std::move(groups_);
  groups_.clear();
  Redraw();
}

int CSideBar::GroupHeight(int group) const {
  const SideBarGroup* target = FindGroup(group);
  return target == nullptr ? 0 : target->height;
}

int CSideBar::HeaderHeight() const {
  return CaptionHeight(*this);
}

int CSideBar::RowHeight() const {
  return colorohm::RowHeight(MenuHeight(*this));
}

QRect CSideBar::HeaderHitRect(int group) const {
  const SideBarGroup* target = FindGroup(group);
  return target == nullptr ? QRect() : target->headerHit.translated(0, -ScrollPosition());
}

QRect CSideBar::LinkHitRect(int group, int id) const {
  const SideBarGroup* target = FindGroup(group);
  if (target == nullptr)
    return {};
  for (const auto& item : target->items)
    if (const auto* link = dynamic_cast<const SideBarLink*>(item.get()); link && link->Id() == id)
      return link->HitRect().translated(0, -ScrollPosition());
  return {};
}

std::optional<int> CSideBar::HotGroup() const {
  for (std::size_t i = 0; i < groups_.size(); ++i)
    if (groups_[i].get() == hotGroup_)
      return static_cast<int>(i);
  return std::nullopt;
}

std::optional<int> CSideBar::HotItemId() const {
  return hotItem_ == nullptr ? std::nullopt : std::optional<int>(hotItem_->Id());
}

QLineEdit* CSideBar::EditField(int group, int id) const {
  const SideBarGroup* target = FindGroup(group);
  if (target == nullptr)
    return nullptr;
  for (const auto& item : target->items)
    if (const auto* edit = dynamic_cast<const SideBarEdit*>(item.get()); edit && edit->Id() == id)
      return &edit->Field();
  return nullptr;
}

SideBarGroup* CSideBar::FindGroup(int group) const {
  if (group < 0 || group >= GroupCount())
    return nullptr;
  return groups_[static_cast<std::size_t>(group)].get();
}

int CSideBar::ScrollPosition() const {
  return scrollBar_->isHidden() ? 0 : scrollBar_->value();
}

// Line steps move one pixel; page steps move one row, while the thumb still shows the visible
// height as its page.
void CSideBar::OnScrollAction(int action) {
  if (action == QAbstractSlider::SliderPageStepAdd)
    scrollBar_->setSliderPosition(scrollBar_->value() + RowHeight());
  else if (action == QAbstractSlider::SliderPageStepSub)
    scrollBar_->setSliderPosition(scrollBar_->value() - RowHeight());
}

void CSideBar::Redraw() {
  Relayout();
  update();
}

void CSideBar::Relayout() {
  const int headerHeight = HeaderHeight();
  const int rowHeight = RowHeight();

  int bottom = 0;
  for (const auto& group : groups_) {
    group->height = colorohm::GroupHeight(headerHeight, rowHeight,
                                          static_cast<int>(group->items.size()), group->collapsed);
    bottom += kMargin + group->height;
  }
  const int content = bottom + kMargin;
  const bool needed = height() < content;
  const int thumb = ScrollThumbWidth(*this);
  {
    // The range change may clamp the value; the layout below already uses the clamped one.
    const QSignalBlocker blocker(scrollBar_);
    scrollBar_->setHidden(!needed);
    scrollBar_->setGeometry(width() - thumb, 0, thumb, height());
    scrollBar_->setRange(0, std::max(content - height(), 0));
    scrollBar_->setPageStep(std::max(height(), 1));
  }
  const int scroll = ScrollPosition();
  const int width = this->width() - (needed ? thumb : 0);

  int top = kMargin;
  for (const auto& group : groups_) {
    group->rect = QRect(kMargin, top, width - 2 * kMargin, group->height);
    group->header = QRect(group->rect.left(), top, group->rect.width(), headerHeight);
    group->foldButton = FoldButtonRect(style_, group->header);
    group->headerHit = QRect(QPoint(group->header.left(), group->foldButton.top()),
                             group->foldButton.bottomRight());
    QRect row(group->rect.left() + 1, group->header.bottom() + 1, group->rect.width() - 2,
              rowHeight);
    for (const auto& item : group->items) {
      if (group->collapsed)
        item->Hide();
      else
        item->Place(row, scroll, font());
      row.translate(0, rowHeight);
    }
    top = group->rect.bottom() + 1 + kMargin;
  }
}

void CSideBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const SideBarDrawContext context{style_, SystemColours(*this), font()};
  painter.fillRect(rect(), style_ == SideBarStyle::Classic
                               ? context.colours.window
                               : LightenColour(context.colours.highlight, kBackgroundShade));
  painter.translate(0, -ScrollPosition());
  for (const auto& group : groups_)
    DrawGroup(painter, *group, context);
}

// The header under the pointer wins over links; a link counts only in an unfolded group. Unlike
// a header change alone, reaching a header also drops the hot link, so that a click on a header
// never sends the command of the link the pointer came from.
void CSideBar::Hover(const QPoint& position) {
  const QPoint point = position + QPoint(0, ScrollPosition());
  SideBarGroup* header = nullptr;
  SideBarLink* link = nullptr;
  for (const auto& group : groups_) {
    if (group->headerHit.contains(point)) {
      header = group.get();
      break;
    }
    if (group->collapsed)
      continue;
    for (const auto& item : group->items) {
      auto* candidate = dynamic_cast<SideBarLink*>(item.get());
      if (candidate != nullptr && candidate->HitRect().contains(point)) {
        link = candidate;
        break;
      }
    }
    if (link != nullptr)
      break;
  }
  if (header != hotGroup_) {
    if (hotGroup_ != nullptr)
      hotGroup_->hot = false;
    if (header != nullptr)
      header->hot = true;
    hotGroup_ = header;
  }
  if (link != hotItem_) {
    if (hotItem_ != nullptr)
      hotItem_->SetHot(false);
    if (link != nullptr)
      link->SetHot(true);
    hotItem_ = link;
  }
  if (hotGroup_ != nullptr || hotItem_ != nullptr)
    setCursor(Qt::PointingHandCursor);
  else
    unsetCursor();
  update();
}

void CSideBar::mouseMoveEvent(QMouseEvent* event) {
  Hover(event->position().toPoint());
}

void CSideBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton)
    return;
  Hover(event->position().toPoint());
  if (hotGroup_ != nullptr) {
    hotGroup_->collapsed = !hotGroup_->collapsed;
    Redraw();
  }
}

// The second press of a double click is not a press: a quick double click on a header folds it
// once, as a single click does.
void CSideBar::mouseDoubleClickEvent(QMouseEvent* event) {
  Hover(event->position().toPoint());
}

// The button need not have gone down on the same link: the link under the pointer at release
// is the one that counts.
void CSideBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton)
    return;
  Hover(event->position().toPoint());
  if (hotItem_ == nullptr)
    return;
  const int id = hotItem_->Id();
  QMetaObject::invokeMethod(this, [this, id] { emit LinkCommand(id); }, Qt::QueuedConnection);
}

void CSideBar::resizeEvent(QResizeEvent*) {
  Relayout();
}

void CSideBar::changeEvent(QEvent* event) {
  switch (event->type()) {
  case QEvent::StyleChange:
  case QEvent::FontChange:
  case QEvent::PaletteChange:
    Redraw();
    break;
  default:
    break;
  }
  QWidget::changeEvent(event);
}

} // namespace colorohm
