#include "platform/ui/DialogBuilder.h"

#include "platform/text/Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {
namespace {

QString ToQt(std::string_view cp1252) { return QString::fromStdString(Utf8FromCp1252(cp1252)); }

// Style words, upper-cased, without their Windows prefix; "NOT X" is kept as one word.
class StyleSet {
public:
  explicit StyleSet(const std::vector<std::string>& words) {
    for (size_t i = 0; i < words.size(); ++i) {
      std::string word = Normalized(words[i]);
      if (word == "NOT" && i + 1 < words.size()) word += " " + Normalized(words[++i]);
      words_.push_back(std::move(word));
    }
  }
  bool Has(std::string_view word) const {
    for (const std::string& w : words_) {
      if (w == word) return true;
    }
    return false;
  }

private:
  static std::string Normalized(std::string_view word) {
    static constexpr std::array<std::string_view, 10> kPrefixes{"WS_", "BS_", "SS_", "ES_", "CBS_",
                                                                "LVS_", "TVS_", "TBS_", "PBS_", "ACS_"};
    std::string upper = ToUpperCp1252(word);
    for (std::string_view prefix : kPrefixes) {
      if (upper.size() > prefix.size() && upper.compare(0, prefix.size(), prefix) == 0)
        return upper.substr(prefix.size());
    }
    return upper;
  }
  std::vector<std::string> words_;
};

// What one control's creation leaves for the next ones.
struct BuildState {
  QButtonGroup* radioGroup = nullptr;
  QLabel* labelAwaitingBuddy = nullptr;
};

Qt::Alignment HorizontalAlignment(const StyleSet& styles) {
  if (styles.Has("CENTER")) return Qt::AlignHCenter;
  if (styles.Has("RIGHT")) return Qt::AlignRight;
  return Qt::AlignLeft;
}

QString WithoutMnemonics(QString text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    else if (text[i] == '&') continue;
    out += text[i];
  }
  return out;
}

QWidget* MakeButton(const ControlTemplate& control, const StyleSet& styles, QWidget* parent, BuildState& state) {
  const QString text = ToQt(control.text);
  if (styles.Has("GROUPBOX")) {
    auto* box = new QGroupBox(text, parent);
    // Like a Windows group box it lies under the controls it frames and lets clicks through.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
  }
  if (styles.Has("CHECKBOX") || styles.Has("AUTOCHECKBOX") || styles.Has("3STATE") || styles.Has("AUTO3STATE")) {
    auto* box = new QCheckBox(text, parent);
    box->setTristate(styles.Has("3STATE") || styles.Has("AUTO3STATE"));
    return box;
  }
  if (styles.Has("RADIOBUTTON") || styles.Has("AUTORADIOBUTTON")) {
    auto* radio = new QRadioButton(text, parent);
    if (!state.radioGroup) state.radioGroup = new QButtonGroup(parent);
    state.radioGroup->addButton(radio);
    return radio;
  }
  auto* button = new QPushButton(text, parent);
  button->setDefault(styles.Has("DEFPUSHBUTTON"));
  return button;
}

QWidget* MakeStatic(const ControlTemplate& control, const StyleSet& styles, QWidget* parent, BuildState& state) {
  if (styles.Has("ETCHEDHORZ") || styles.Has("ETCHEDVERT")) {
    auto* line = new QFrame(parent);
    line->setFrameShape(styles.Has("ETCHEDHORZ") ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
  }
  auto* label = new QLabel(ToQt(control.text), parent);
  label->setAlignment(HorizontalAlignment(styles) | (styles.Has("CENTERIMAGE") ? Qt::AlignVCenter : Qt::AlignTop));
  label->setWordWrap(!styles.Has("LEFTNOWORDWRAP") && !styles.Has("SIMPLE"));
  if (styles.Has("SUNKEN")) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (!styles.Has("NOPREFIX") && control.text.find('&') != std::string::npos) state.labelAwaitingBuddy = label;
  return label;
}

QWidget* MakeEdit(const ControlTemplate& control, const StyleSet& styles, QWidget* parent) {
  const bool framed = styles.Has("BORDER") || styles.Has("CLIENTEDGE");
  if (styles.Has("MULTILINE")) {
    auto* edit = new QPlainTextEdit(ToQt(control.text), parent);
    edit->setReadOnly(styles.Has("READONLY"));
    if (!framed) edit->setFrameShape(QFrame::NoFrame);
    return edit;
  }
  auto* edit = new QLineEdit(ToQt(control.text), parent);
  edit->setReadOnly(styles.Has("READONLY"));
  edit->setFrame(framed);
  edit->setAlignment(HorizontalAlignment(styles) | Qt::AlignVCenter);
  if (styles.Has("PASSWORD")) edit->setEchoMode(QLineEdit::Password);
  return edit;
}

QWidget* MakeSlider(const StyleSet& styles, QWidget* parent) {
  const bool vertical = styles.Has("VERT");
  auto* slider = new QSlider(vertical ? Qt::Vertical : Qt::Horizontal, parent);
  // A Windows trackbar grows downwards when vertical; Qt's grows upwards.
  slider->setInvertedAppearance(vertical);
  slider->setInvertedControls(vertical);
  if (styles.Has("NOTICKS")) slider->setTickPosition(QSlider::NoTicks);
  else if (styles.Has("BOTH")) slider->setTickPosition(QSlider::TicksBothSides);
  else if (styles.Has("TOP") || styles.Has("LEFT")) slider->setTickPosition(QSlider::TicksAbove);
  else slider->setTickPosition(QSlider::TicksBelow);
  if (styles.Has("AUTOTICKS")) slider->setTickInterval(1);
  return slider;
}

QWidget* MakeListView(const StyleSet& styles, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setSelectionMode(styles.Has("SINGLESEL") ? QAbstractItemView::SingleSelection
                                                 : QAbstractItemView::ExtendedSelection);
  list->setHeaderHidden(styles.Has("NOCOLUMNHEADER"));
  list->header()->setSectionsClickable(!styles.Has("NOSORTHEADER"));
  return list;
}

QWidget* MakeTreeView(const StyleSet& styles, QWidget* parent) {
  auto* tree = new QTreeWidget(parent);
  tree->setHeaderHidden(true);
  tree->setRootIsDecorated(styles.Has("LINESATROOT"));
  return tree;
}

// The built-in widget of a class, or nullptr when the class is not one of them.
QWidget* MakeBuiltIn(const ControlTemplate& control, const StyleSet& styles, QWidget* parent, BuildState& state) {
  const std::string className = ToUpperCp1252(control.className);
  if (className == "BUTTON") return MakeButton(control, styles, parent, state);
  if (className == "STATIC") return MakeStatic(control, styles, parent, state);
  if (className == "EDIT") return MakeEdit(control, styles, parent);
  if (className == "COMBOBOX") {
    auto* combo = new QComboBox(parent);
    combo->setEditable(!styles.Has("DROPDOWNLIST"));
    return combo;
  }
  if (className == "LISTBOX") return new QListWidget(parent);
  if (className == "SYSLISTVIEW32") return MakeListView(styles, parent);
  if (className == "SYSTREEVIEW32") return MakeTreeView(styles, parent);
  if (className == "MSCTLS_TRACKBAR32") return MakeSlider(styles, parent);
  if (className == "MSCTLS_PROGRESS32") {
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    bar->setOrientation(styles.Has("VERTICAL") ? Qt::Vertical : Qt::Horizontal);
    return bar;
  }
  if (className == "SYSANIMATE32") {
    auto* animation = new QLabel(parent);
    animation->setAlignment(styles.Has("CENTER") ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    return animation;
  }
  return nullptr;
}

} // namespace

QFont DialogFontOf(const DialogTemplate& dialog) {
  QFont font = QGuiApplication::font();
  static constexpr std::array<std::string_view, 5> kWindowsFaces{
      "MS SHELL DLG", "MS SHELL DLG 2", "MS SANS SERIF", "MICROSOFT SANS SERIF", "TAHOMA"};
  const std::string face = ToUpperCp1252(dialog.fontName);
  bool windowsFace = face.empty();
  for (std::string_view known : kWindowsFaces) windowsFace = windowsFace || face == known;
  if (!windowsFace) font.setFamily(ToQt(dialog.fontName));
  if (dialog.fontSize > 0) font.setPointSize(dialog.fontSize);
  return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  return BaseUnitsFromMetrics(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                              metrics.height());
}

QRect DialogRectToPixels(int x, int y, int cx, int cy, DialogBaseUnits base) {
  return QRect(DialogXToPixels(x, base), DialogYToPixels(y, base), DialogXToPixels(cx, base),
               DialogYToPixels(cy, base));
}

void DialogBuilder::RegisterClass(const std::string& className, ControlFactory factory) {
  factories_[ToUpperCp1252(className)] = std::move(factory);
}

std::unique_ptr<QDialog> DialogBuilder::Build(const DialogTemplate& dialog, QWidget* parent,
                                              std::string* error) const {
  auto widget = std::make_unique<QDialog>(parent);
  widget->setWindowTitle(ToQt(dialog.caption));
  BuildInto(dialog, *widget, error);
  const StyleSet styles(dialog.styles);
  if (!styles.Has("THICKFRAME")) widget->setFixedSize(widget->size());
  if (styles.Has("MINIMIZEBOX")) widget->setWindowFlag(Qt::WindowMinimizeButtonHint);
  return widget;
}

bool DialogBuilder::BuildInto(const DialogTemplate& dialog, QWidget& host, std::string* error) const {
  host.setFont(DialogFontOf(dialog));
  const DialogBaseUnits base = BaseUnitsOf(host.font());
  host.resize(DialogXToPixels(dialog.cx, base), DialogYToPixels(dialog.cy, base));

  std::string unknown;
  BuildState state;
  for (const ControlTemplate& control : dialog.controls) {
    const StyleSet styles(control.styles);
    if (styles.Has("GROUP")) state.radioGroup = nullptr;
    QLabel* const label = std::exchange(state.labelAwaitingBuddy, nullptr);

    QWidget* widget = nullptr;
    if (const auto factory = factories_.find(ToUpperCp1252(control.className)); factory != factories_.end())
      widget = factory->second(control, &host);
    if (!widget) widget = MakeBuiltIn(control, styles, &host, state);
    if (!widget) {
      unknown += (unknown.empty() ? "" : ", ") + std::string("unknown window class \"") +
                 Utf8FromCp1252(control.className) + "\" (control " + std::to_string(control.id) + ")";
      widget = new QWidget(&host);
    }
    if (label) label->setBuddy(widget);

    widget->setProperty(kControlIdProperty, control.id);
    QRect rect = DialogRectToPixels(control.x, control.y, control.cx, control.cy, base);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !styles.Has("SIMPLE"))
      rect.setHeight(combo->sizeHint().height());
    widget->setGeometry(rect);
    if (qobject_cast<QGroupBox*>(widget)) widget->lower();
    widget->setEnabled(!styles.Has("DISABLED"));
    if (styles.Has("NOT VISIBLE")) widget->setVisible(false);
  }
  // A mnemonic with no control after it has nothing to move to: show the plain text.
  if (state.labelAwaitingBuddy) state.labelAwaitingBuddy->setText(WithoutMnemonics(state.labelAwaitingBuddy->text()));

  if (error) *error = unknown;
  return unknown.empty();
}

int ControlIdOf(const QWidget* widget) {
  const QVariant id = widget->property(kControlIdProperty);
  return id.isValid() ? id.toInt() : -1;
}

} // namespace platform
