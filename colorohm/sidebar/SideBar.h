#pragma once
// The task-pane side bar of the calculator window: a vertical stack of titled groups that fold,
// each holding text links (which send a command) and small edit fields.
//
//   CSideBar            the control: data, layout, painting, hovering, folding, scrolling
//   SideBarGroup        one group and how it is drawn in the themed (4) and classic (3) styles
//   SideBarLink/Edit    the two item kinds (SideBarItem.h)
//   SideBarMeasures     the toolkit-free arithmetic (shading, row and group heights)
//   SideBarMetrics      the system measures and colours, read from the Qt style and palette
//   CColorohmSideBar    the calculator's variant, which reports typing in its Ohm's-law fields
//
// Texts cross this interface as Windows-1252 bytes, like every text inside the program; they
// become QString only where they are drawn or put into an edit field. Groups are addressed by
// their index (0 first); an operation on a missing group does nothing and returns false, an
// empty text or 0.
//
// Layout is computed whenever something changes (content, style, size, scroll position, font),
// so hit rectangles and edit positions are always current, also before the first paint.

#include "colorohm/sidebar/SideBarGroup.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QScrollBar;

namespace colorohm {

class CSideBar : public QWidget {
  Q_OBJECT

public:
  // The window class under which dialog templates place the bar.
  static constexpr const char* kWindowClass = "WndDirectUI";

  explicit CSideBar(QWidget* parent = nullptr);
  ~CSideBar() override;

  // Appends an expanded, empty group and returns its index.
  int AddGroup(const std::string& title);
  // Appends a link or an edit field (created at once, holding text) to a group.
  bool AddItem(int group, const std::string& text, int id, SideBarItemKind kind);
  // The text of the last item with that id; empty when there is none.
  std::string GetItemText(int group, int id) const;
  // These three act on every item of the group with that id.
  void SetItemText(int group, int id, const std::string& text);
  void SetItemColors(int group, int id, const QColor& colour, const QColor& secondColour);
  void ResetItemColors(int group, int id);
  // Unfolds (expand true) or folds a group; true when the group exists.
  bool ExpandGroup(int group, bool expand);
  bool IsGroupCollapsed(int group) const;
  void SetBarStyle(SideBarStyle style);
  SideBarStyle BarStyle() const { return style_; }
  // Deletes every group with its items and their edit fields.
  void RemoveAllGroups();

  int GroupCount() const { return static_cast<int>(groups_.size()); }
  // Header height plus, unfolded, one row per item; 0 for a missing group.
  int GroupHeight(int group) const;
  int HeaderHeight() const;
  int RowHeight() const;
  // Where to point at a group's header or a link's text, in the bar's own coordinates.
  QRect HeaderHitRect(int group) const;
  QRect LinkHitRect(int group, int id) const;
  std::optional<int> HotGroup() const;
  std::optional<int> HotItemId() const;
  // The edit field of an edit item, or nullptr.
  QLineEdit* EditField(int group, int id) const;
  QScrollBar& VerticalScrollBar() const { return *scrollBar_; }

signals:
  // A link was clicked. Posted, so that the receiver may rebuild or delete the bar.
  void LinkCommand(int id);
  // The text of an edit field changed, by typing or by SetItemText.
  void EditChanged(int id);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  SideBarGroup* FindGroup(int group) const;
  int ScrollPosition() const;
  void OnScrollAction(int action);
  // Lays everything out again and invalidates the whole bar.
  void Redraw();
  void Relayout();
  void Hover(const QPoint& position);

  std::vector<std::unique_ptr<SideBarGroup>> groups_;
  SideBarStyle style_ = SideBarStyle::Themed;
  SideBarGroup* hotGroup_ = nullptr;
  SideBarLink* hotItem_ = nullptr;
  QScrollBar* scrollBar_;
};

} // namespace colorohm
