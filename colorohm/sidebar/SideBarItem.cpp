#include "colorohm/sidebar/SideBarItem.h"

#include "colorohm/sidebar/SideBarMeasures.h"
#include "platform/text/Text.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>

namespace colorohm {

namespace {

QString ToQt(const std::string& cp1252) {
  return QString::fromStdString(platform::Utf8FromCp1252(cp1252));
}

constexpr int kTextMargin = 10;

} // namespace

QString SideBarLink::QtText() const {
  return ToQt(text_);
}

QRect SideBarLink::TextArea() const {
  return rect_.adjusted(kTextMargin, 0, -kTextMargin, 0);
}

// The hit rectangle is the text's extent where the text is drawn, vertically centred in the row
// and cut at the text area's end when the text is shortened with an ellipsis.
void SideBarLink::Place(const QRect& row, int, const QFont& font) {
  rect_ = row;
  const QFontMetrics metrics(font);
  const QRect area = TextArea();
  const int width = std::min(metrics.horizontalAdvance(QtText()), std::max(area.width(), 0));
  const int top = row.top() + (row.height() - metrics.height()) / 2;
  hitRect_ = QRect(area.left(), top, width, metrics.height());
}

void SideBarLink::Draw(QPainter& painter, const SideBarDrawContext& context) const {
  const QColor base = customColours_ ? linkColour_ : context.colours.highlight;
  const QColor colour = hot_ ? base : LightenColour(base, kLinkShade);
  const QRect area = TextArea();
  painter.setFont(context.font);
  painter.setPen(colour);
  const QString shown =
      QFontMetrics(context.font).elidedText(QtText(), Qt::ElideRight, std::max(area.width(), 0));
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
  if (hot_ && !hitRect_.isEmpty()) {
    painter.setPen(context.style == SideBarStyle::Themed ? context.colours.highlight
                                                         : context.colours.buttonText);
    painter.drawLine(hitRect_.left(), hitRect_.bottom(), hitRect_.right(), hitRect_.bottom());
  }
}

void SideBarLink::SetColors(const QColor& colour, const QColor&) {
  customColours_ = true;
  linkColour_ = colour;
}

SideBarEdit::SideBarEdit(QWidget& bar, int id, const std::string& text)
    : SideBarItem(id), field_(new QLineEdit(&bar)) {
  field_->hide();
  field_->setText(ToQt(text));
}

SideBarEdit::~SideBarEdit() {
  QObject::disconnect(field_, &QLineEdit::textChanged, nullptr, nullptr);
  field_->hide();
  field_->deleteLater();
}

void SideBarEdit::Place(const QRect& row, int scroll, const QFont&) {
  rect_ = row;
  field_->setGeometry(row.left(), row.top() - scroll, row.width(), row.height() - 2);
  field_->show();
}

std::string SideBarEdit::GetText() const {
  return platform::Cp1252FromUtf8(field_->text().toStdString());
}

void SideBarEdit::SetText(const std::string& text) {
  field_->setText(ToQt(text));
}

void SideBarEdit::Hide() {
  field_->hide();
}

} // namespace colorohm
