#pragma once
// The two kinds of item a side-bar group holds: a text link that sends its command when clicked,
// and a single-line edit field that is a real child widget of the bar.

#include "colorohm/sidebar/SideBarMetrics.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string>
#include <utility>

class QLineEdit;
class QPainter;
class QWidget;

namespace colorohm {

enum class SideBarStyle { Classic = 3, Themed = 4 };

enum class SideBarItemKind { Link = 0, Edit = 1 };

// What drawing needs from the bar: its style, the system colours and the bar's font.
struct SideBarDrawContext {
  SideBarStyle style = SideBarStyle::Themed;
  SideBarColours colours;
  QFont font;
};

// Texts are Windows-1252 bytes, as everywhere inside the program.
class SideBarItem {
public:
  explicit SideBarItem(int id) : id_(id) {}
  virtual ~SideBarItem() = default;
  SideBarItem(const SideBarItem&) = delete;
  SideBarItem& operator=(const SideBarItem&) = delete;

  int Id() const { return id_; }
  // The row the item was last placed in, in content coordinates.
  const QRect& Rect() const { return rect_; }

  // Lays the item out in its row; scroll is the bar's scroll position, which a child widget
  // must subtract to sit on its row.
  virtual void Place(const QRect& row, int scroll, const QFont& font) = 0;
  virtual void Draw(QPainter& painter, const SideBarDrawContext& context) const = 0;
  virtual std::string GetText() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual void Hide() = 0;
  virtual void SetColors(const QColor& colour, const QColor& secondColour) = 0;
  virtual void ResetColors() = 0;

protected:
  QRect rect_;

private:
  int id_;
};

class SideBarLink final : public SideBarItem {
public:
  SideBarLink(int id, std::string text) : SideBarItem(id), text_(std::move(text)) {}

  bool Hot() const { return hot_; }
  void SetHot(bool hot) { hot_ = hot; }
  // The measured text where it is drawn: only this is a click target.
  const QRect& HitRect() const { return hitRect_; }

  void Place(const QRect& row, int scroll, const QFont& font) override;
  void Draw(QPainter& painter, const SideBarDrawContext& context) const override;
  std::string GetText() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  void Hide() override {}
  // The second colour plays no part in drawing a link.
  void SetColors(const QColor& colour, const QColor& secondColour) override;
  void ResetColors() override { customColours_ = false; }

private:
  QString QtText() const;
  QRect TextArea() const;

  std::string text_;
  bool hot_ = false;
  bool customColours_ = false;
  QColor linkColour_;
  QRect hitRect_;
};

class SideBarEdit final : public SideBarItem {
public:
  // Creates the edit field at once, as a hidden child of bar holding text.
  SideBarEdit(QWidget& bar, int id, const std::string& text);
  // Hands the field to the event loop for deletion: the field may be the sender of the signal
  // whose handler is removing the bar's items.
  ~SideBarEdit() override;

  QLineEdit& Field() const { return *field_; }

  void Place(const QRect& row, int scroll, const QFont& font) override;
  void Draw(QPainter&, const SideBarDrawContext&) const override {}
  std::string GetText() const override;
  void SetText(const std::string& text) override;
  void Hide() override;
  // The field keeps the system's colours.
  void SetColors(const QColor&, const QColor&) override {}
  void ResetColors() override {}

private:
  QLineEdit* field_;
};

} // namespace colorohm
