#include "colorohm/app/ColorohmDlg.h"

#include "colorohm/app/ColorohmApp.h"
#include "colorohm/app/QtResources.h"
#include "colorohm/model/NumberFormat.h"
#include "colorohm/model/OhmsLaw.h"
#include "colorohm/model/ValueConversion.h"
#include "colorohm/render/SliderLook.h"
#include "colorohm/sidebar/ColorohmSideBar.h"
#include "platform/text/Text.h"
#include "platform/ui/DialogBuilder.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

namespace colorohm {
namespace {

constexpr int kIconProgram = 128;
constexpr int kAcceleratorTable = 210;
constexpr int kStringFirstStart = 159;
constexpr int kStringTipValue = 164;
constexpr int kStringTipUnit = 163;
constexpr int kStringTipTolerance = 135;
constexpr int kStringTipCoefficient = 134;

bool HasStyle(const platform::ControlTemplate& control, std::string_view word) {
  for (const std::string& style : control.styles) {
    const std::string upper = platform::ToUpperCp1252(style);
    if (upper == word || upper == "TBS_" + std::string(word)) return true;
  }
  return false;
}

// A band slider with the see-through look; min at the top when vertical, as a trackbar has it.
QWidget* MakeBandSlider(const platform::ControlTemplate& control, QWidget* parent) {
  const bool vertical = HasStyle(control, "VERT");
  auto* slider = new SeeThroughSlider(vertical ? Qt::Vertical : Qt::Horizontal, parent);
  slider->setInvertedAppearance(vertical);
  slider->setInvertedControls(vertical);
  if (HasStyle(control, "NOTICKS")) slider->setTickPosition(QSlider::NoTicks);
  else if (HasStyle(control, "TOP") || HasStyle(control, "LEFT")) slider->setTickPosition(QSlider::TicksAbove);
  else slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(1);
  slider->setPageStep(1);
  slider->SetPositionTip(HasStyle(control, "TOOLTIPS"));
  return slider;
}

// The template a window can be built from: the language's, unless it lacks one of the controls
// the window works with, then the built-in one.
const platform::DialogTemplate* UsableTemplate(const ProgramResources& resources, int id) {
  const platform::DialogTemplate* dialog = resources.FindDialog(id);
  const auto has = [&](int controlId, std::string_view className) {
    return std::any_of(dialog->controls.begin(), dialog->controls.end(), [&](const auto& control) {
      return control.id == controlId && platform::EqualsNoCase(control.className, className);
    });
  };
  bool complete = dialog != nullptr;
  for (int band = 0; complete && band < BandSet::kBands; ++band)
    complete = has(kIdBand1 + band, "msctls_trackbar32");
  complete = complete && has(kIdValueField, "Edit") && has(kIdUnitList, "ComboBox") &&
             has(kIdToleranceList, "ComboBox") && has(kIdCoefficientList, "ComboBox") &&
             has(kIdSideBar, CSideBar::kWindowClass);
  return complete ? dialog : resources.BuiltIn().FindDialog(id);
}

// The unit list's entries are drawn in the Symbol face, where W is the omega sign; a Unicode
// face shows the omega itself.
QString UnitListText(std::string_view entry) {
  QString text = ToQt(entry);
  text.replace(QLatin1Char('W'), QChar(0x03A9));
  return text;
}

int WidthShowingEveryEntry(const QComboBox& list) {
  int text = 0;
  for (int i = 0; i < list.count(); ++i) text = std::max(text, list.fontMetrics().horizontalAdvance(list.itemText(i)));
  QStyleOptionComboBox option;
  option.initFrom(&list);
  return list.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, list.height()), &list).width();
}

QRect ToQRect(Rect r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// True when enough of the window lies on one of the screens to be seen and dragged back. A
// stored position may point where no screen is any more (a screen unplugged, a smaller one).
bool ReachableOnAScreen(const QRect& window) {
  constexpr int kMinimumWidth = 40;
  constexpr int kMinimumHeight = 20;
  const QList<QScreen*> screens = QGuiApplication::screens();
  return std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
    const QRect visible = screen->availableGeometry().intersected(window);
    return visible.width() >= kMinimumWidth && visible.height() >= kMinimumHeight;
  });
}

}  // namespace

CColorohmDlg::CColorohmDlg(CColorohmApp& app, int templateId)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      app_(app),
      templateId_(templateId) {
  startUp_ = true;
  // Painting covers the whole client area; nothing needs erasing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  AskFirstStart();
  BuildControls(templateId);
  assets_ = LoadRenderAssets(app_.Resources());
  setWindowIcon(LoadIcon(app_.Resources(), kIconProgram));
  RegisterCommands();
  InstallAccelerators();
  FillLists();

  ApplySettings(ApplyMode::All);
  startUp_ = false;

  const SettingsRecord& settings = app_.Settings();
  for (int band = 1; band <= BandSet::kBands; ++band) SetSliderQuietly(band, settings.bande[band - 1]);
  bandLock_ = true;
  DeriveValueFromBands();
  OnValueChanged();
  bandLock_ = false;

  PlaceWindow();
  sliders_[0]->setFocus();
}

CColorohmDlg::~CColorohmDlg() = default;

void CColorohmDlg::AskFirstStart() {
  SettingsRecord& settings = app_.Settings();
  if (!settings.premierDemarrage) return;
  settings.premierDemarrage = 0;
  platform::Message question;
  question.text = String(kStringFirstStart);
  question.caption = "Colorohm";
  question.buttons = platform::MessageButtons::YesNo;
  question.icon = platform::MessageIcon::Question;
  question.topmost = true;
  // Yes would open the help at its index; the program has no help file to show yet.
  app_.Messages().Show(question);
}

void CColorohmDlg::BuildControls(int templateId) {
  platform::DialogBuilder builder;
  builder.RegisterClass("msctls_trackbar32", MakeBandSlider);
  builder.RegisterClass(CSideBar::kWindowClass, [](const platform::ControlTemplate&, QWidget* parent) {
    return new CColorohmSideBar(parent);
  });
  const platform::DialogTemplate& dialog = *UsableTemplate(app_.Resources(), templateId);
  builder.BuildInto(dialog, *this);
  setWindowTitle(ToQt(dialog.caption));
  setFixedSize(size());

  for (int band = 1; band <= BandSet::kBands; ++band) {
    SeeThroughSlider* slider = platform::FindControl<SeeThroughSlider>(this, kIdBand1 + band - 1);
    sliders_[band - 1] = slider;
    const BandKind kind = KindOfBand(band);
    slider->setRange(1, static_cast<int>(PositionsOf(kind).size()));
    slider->SetBackgroundSource([this](const QRect& rect) {
      EnsureBuffer();
      return SliderBackground(buffer_, rect);
    });
    connect(slider, &QSlider::valueChanged, this, [this, band] { OnSliderMoved(band); });
    slider->installEventFilter(this);
  }
  valueField_ = platform::FindControl<QLineEdit>(this, kIdValueField);
  unitList_ = platform::FindControl<QComboBox>(this, kIdUnitList);
  toleranceList_ = platform::FindControl<QComboBox>(this, kIdToleranceList);
  coefficientList_ = platform::FindControl<QComboBox>(this, kIdCoefficientList);
  sideBar_ = platform::FindControl<CColorohmSideBar>(this, kIdSideBar);
  for (QWidget* control : {static_cast<QWidget*>(valueField_), static_cast<QWidget*>(unitList_),
                           static_cast<QWidget*>(toleranceList_), static_cast<QWidget*>(coefficientList_)})
    control->installEventFilter(this);

  connect(valueField_, &QLineEdit::textChanged, this, [this] { OnValueChanged(); });
  connect(unitList_, &QComboBox::currentIndexChanged, this, [this] { OnUnitChanged(); });
  connect(toleranceList_, &QComboBox::currentIndexChanged, this, [this] { OnToleranceChanged(); });
  connect(coefficientList_, &QComboBox::currentIndexChanged, this, [this] { OnCoefficientChanged(); });
  connect(sideBar_, &CSideBar::LinkCommand, this, [this](int id) { OnCommand(id); });
  connect(sideBar_, &CColorohmSideBar::RFieldChanged, this, [this] { OnRFieldChanged(); });
  connect(sideBar_, &CColorohmSideBar::UipFieldChanged, this, [this] { ClearComputedResults(); });
}

void CColorohmDlg::FillLists() {
  const QSignalBlocker units(unitList_);
  const QSignalBlocker tolerances(toleranceList_);
  const QSignalBlocker coefficients(coefficientList_);
  for (int entry = 0; const Unit* unit = UnitOf(UnitFromListEntry(entry)); ++entry)
    unitList_->addItem(UnitListText(unit->listEntry));
  for (std::string_view text : ToleranceTexts()) toleranceList_->addItem(ToQt(text));
  for (std::string_view text : CoefficientTexts()) coefficientList_->addItem(ToQt(text));

  // Qt's drop-down button is wider than a Windows one: a list that would cut its longest entry
  // grows into the free room before the next control.
  const std::array<QComboBox*, 3> lists{unitList_, toleranceList_, coefficientList_};
  for (std::size_t i = 0; i < lists.size(); ++i) {
    QComboBox* list = lists[i];
    const QWidget* next = i + 1 < lists.size() ? lists[i + 1] : static_cast<QWidget*>(sideBar_);
    const int room = next->x() - list->x();
    const int wanted = WidthShowingEveryEntry(*list);
    if (list->width() < wanted && room > list->width()) list->resize(std::min(wanted, room), list->height());
  }
}

void CColorohmDlg::RegisterCommands() {
  SettingsRecord& settings = app_.Settings();
  commands_[kCmdAlwaysOnTop] = [this, &settings] {
    settings.premierPlan = settings.premierPlan ? 0 : 1;
    ApplySettings(ApplyMode::AlwaysOnTop);
  };
  commands_[kCmdSideBar] = [this, &settings] {
    settings.afficherBarreLaterale = settings.afficherBarreLaterale ? 0 : 1;
    ApplySettings(ApplyMode::SideBar);
  };
  commands_[kCmdFourBands] = [this] { SetBandCount(NombreBandes::Four); };
  commands_[kCmdFiveBands] = [this] { SetBandCount(NombreBandes::Five); };
  commands_[kCmdSixBands] = [this] { SetBandCount(NombreBandes::Six); };
  commands_[kCmdCopyMenu] = [this] { ShowMenuAtCursor(kMenuCopy); };
  commands_[kCmdPrintMenu] = [this] { ShowMenuAtCursor(kMenuPrint); };
  commands_[kCmdHelpMenu] = [this] { ShowMenuAtCursor(kMenuHelp); };
  commands_[kCmdQuit] = [this] { close(); };
  for (int series = 0; series < kSeriesCount; ++series)
    commands_[kFirstSeriesItemId + series] = [this, series] { OnStandardValue(series); };
  for (const OhmsLawItem& item : OhmsLawItems())
    commands_[item.commandId] = [this, id = item.commandId] { OnOhmsLaw(id); };
}

void CColorohmDlg::InstallAccelerators() {
  const platform::AcceleratorTable* table = app_.Resources().FindAccelerators(kAcceleratorTable);
  if (!table) return;
  for (const platform::Accelerator& entry : table->entries) {
    const QKeySequence keys = KeySequenceOf(entry);
    if (keys.isEmpty() || !HandlesCommand(entry.command)) continue;
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, id = entry.command] { OnCommand(id); });
  }
}

void CColorohmDlg::PlaceWindow() {
  const SettingsRecord& settings = app_.Settings();
  if (settings.posX > kNeverPlaced && settings.posY > kNeverPlaced &&
      ReachableOnAScreen(QRect(QPoint(settings.posX, settings.posY), size()))) {
    move(settings.posX, settings.posY);
    return;
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

std::string CColorohmDlg::String(int id) const { return app_.Resources().String(id); }

BandSet CColorohmDlg::Bands() const {
  BandSet bands;
  for (int band = 1; band <= BandSet::kBands; ++band) bands.SetPosition(band, sliders_[band - 1]->value());
  bands.SetCount(NombreBandesFromIndex(app_.Settings().nombreBandes));
  return bands;
}

ResistorScene CColorohmDlg::Scene() const {
  const SettingsRecord& settings = app_.Settings();
  ResistorScene scene;
  scene.layout = templateId_ == kTemplateLying ? Layout::Lying : Layout::Upright;
  scene.bands = Bands();
  scene.gradient = settings.utiliserDegrade != 0;
  scene.imageFond = settings.imageFond;
  return scene;
}

QSlider* CColorohmDlg::BandSlider(int band) const {
  return band >= 1 && band <= BandSet::kBands ? sliders_[band - 1] : nullptr;
}

UnitIndex CColorohmDlg::SelectedUnit() const { return UnitFromListEntry(unitList_->currentIndex()); }

std::string CColorohmDlg::ValueText() const { return FromQt(valueField_->text()); }

void CColorohmDlg::SelectUnit(UnitIndex unit) {
  const QSignalBlocker quiet(unitList_);
  unitList_->setCurrentIndex(static_cast<int>(unit));
}

void CColorohmDlg::SetSliderQuietly(int band, int position) {
  const QSignalBlocker quiet(sliders_[band - 1]);
  sliders_[band - 1]->setValue(position);
}

// Like a write to an edit control, which reports a change even when the text stays the same.
void CColorohmDlg::SetValueText(const std::string& text) {
  const QString qtText = ToQt(text);
  if (valueField_->text() == qtText) OnValueChanged();
  else valueField_->setText(qtText);
}

void CColorohmDlg::ApplySettings(ApplyMode mode) {
  SettingsRecord& settings = app_.Settings();
  const bool all = mode == ApplyMode::All;
  if (all) {
    menuStyle_ = MenuStyleFromSetting(settings.styleAffichage);
    if ((templateId_ == kTemplateLying && settings.sensAffichage == 0) ||
        (templateId_ == kTemplateUpright && settings.sensAffichage == 1)) {
      Replace();
      return;
    }
    if (languageChanged_) {
      languageChanged_ = false;
      app_.UseBuiltInResources();
      Replace();
      return;
    }
  }
  if (all || mode == ApplyMode::AlwaysOnTop) {
    const bool topmost = settings.premierPlan != 0;
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topmost) {
      // Not setWindowFlag: that hides the window to re-create it, and hiding a dialog ends its
      // modal run, which would end the program. The platform window takes the new flag as it is.
      Qt::WindowFlags flags = windowFlags();
      flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
      overrideWindowFlags(flags);
      if (QWindow* handle = windowHandle()) handle->setFlags(flags);
    }
    RebuildSideBar();
  }
  if (all || mode == ApplyMode::SideBar) ShowOrHideSideBar();
  if (all || mode == ApplyMode::BandCount) {
    const NombreBandes count = NombreBandesFromIndex(settings.nombreBandes);
    sliders_[2]->setVisible(count != NombreBandes::Four);
    sliders_[5]->setVisible(count == NombreBandes::Six);
    coefficientList_->setVisible(count == NombreBandes::Six);
    InvalidateAll();
  }
  if (all) {
    app_.ChooseLanguage(settings.langue);
    RefreshSliderBackgrounds();
    InvalidateAll();
    sideBar_->SetBarStyle(settings.styleAffichage == 1 ? SideBarStyle::Classic : SideBarStyle::Themed);
  }
}

void CColorohmDlg::Replace() {
  SaveWindowState();
  replace_ = true;
  done(QDialog::Rejected);
}

void CColorohmDlg::SaveWindowState() {
  SettingsRecord& settings = app_.Settings();
  for (int band = 1; band <= BandSet::kBands; ++band) settings.bande[band - 1] = sliders_[band - 1]->value();
  for (int group = 0; group < kGroupSettings && group < sideBar_->GroupCount(); ++group)
    settings.groupe[group] = sideBar_->IsGroupCollapsed(group) ? 0 : 1;
  settings.posX = pos().x();
  settings.posY = pos().y();
}

void CColorohmDlg::done(int result) {
  SaveWindowState();
  QDialog::done(result);
}

bool CColorohmDlg::OnCommand(int id) {
  const auto command = commands_.find(id);
  if (command == commands_.end()) return false;
  // A copy: the command may replace the window's commands while it runs.
  const std::function<void()> run = command->second;
  run();
  return true;
}

std::unique_ptr<QMenu> CColorohmDlg::BuildPopupMenu(int menuId) {
  const platform::Menu* resource = app_.Resources().FindMenu(menuId);
  if (!resource) return std::make_unique<QMenu>(this);
  auto menu = BuildMenu(*resource, [this](int id) { return HandlesCommand(id); }, this);
  if (menuId == kMenuContext) {
    const SettingsRecord& settings = app_.Settings();
    const auto check = [&](int id, bool on) {
      if (QAction* action = FindCommand(*menu, id)) {
        action->setCheckable(true);
        action->setChecked(on);
      }
    };
    check(kCmdAlwaysOnTop, settings.premierPlan != 0);
    check(kCmdSideBar, settings.afficherBarreLaterale != 0);
    const int count = static_cast<int>(NombreBandesFromIndex(settings.nombreBandes));
    for (int index = 0; index < 3; ++index) check(kCmdFourBands + index, index == count);
  }
  ApplyMenuStyle(*menu, menuStyle_);
  return menu;
}

void CColorohmDlg::ExecMenu(QMenu& menu, const QPoint& globalPosition) {
  if (QAction* chosen = menu.exec(globalPosition)) OnCommand(chosen->data().toInt());
}

void CColorohmDlg::ShowMenuAtCursor(int menuId) {
  std::unique_ptr<QMenu> menu = BuildPopupMenu(menuId);
  ExecMenu(*menu, QCursor::pos());
}

void CColorohmDlg::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu = BuildPopupMenu(kMenuContext);
  ExecMenu(*menu, event->globalPos());
}

QString CColorohmDlg::ToolTipFor(const QWidget* control) const {
  for (int band = 1; band <= BandSet::kBands; ++band) {
    if (control == sliders_[band - 1]) {
      const BandColour colour = PositionEntry(KindOfBand(band), sliders_[band - 1]->value()).colour;
      return ToQt(String(ColourNameId(colour)));
    }
  }
  if (control == valueField_) return ToQt(String(kStringTipValue));
  if (control == unitList_) return ToQt(String(kStringTipUnit));
  if (control == toleranceList_) return ToQt(String(kStringTipTolerance));
  if (control == coefficientList_) return ToQt(String(kStringTipCoefficient));
  return QString();
}

bool CColorohmDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* control = static_cast<QWidget*>(watched);
    const QString text = ToolTipFor(control);
    if (text.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, control);
    return true;
  }
  // The accelerators come before the value field's own editing keys, as they are translated
  // before the field sees the key.
  if (event->type() == QEvent::ShortcutOverride && watched == valueField_) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QShortcut* shortcut : findChildren<QShortcut*>()) {
      if (shortcut->key() == pressed) return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CColorohmDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isMinimized()) {
    layoutSliders_ = true;
    InvalidateAll();
    repaint();
  }
}

void CColorohmDlg::EnsureBuffer() {
  if (!bufferDirty_ && buffer_.size() == size()) return;
  buffer_ = PaintResistor(Scene(), assets_, size(), palette().color(QPalette::Button));
  bufferDirty_ = false;
}

void CColorohmDlg::paintEvent(QPaintEvent* event) {
  if (layoutSliders_) {
    layoutSliders_ = false;
    RefreshSliderBackgrounds();
  }
  EnsureBuffer();
  QPainter painter(this);
  painter.drawImage(event->rect(), buffer_, event->rect());
  painter.end();
  emit Painted();
}

void CColorohmDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  bufferDirty_ = true;
}

void CColorohmDlg::InvalidateAll() {
  bufferDirty_ = true;
  update();
}

void CColorohmDlg::InvalidateResistorArea() {
  bufferDirty_ = true;
  update(ToQRect(ResistorArea(Scene().layout)));
}

void CColorohmDlg::RedrawBand(int band) {
  const ResistorScene scene = Scene();
  if (!BandInUse(band, scene.bands.Count())) return;
  if (bufferDirty_ || buffer_.size() != size()) {
    update();
    return;
  }
  {
    QPainter painter(&buffer_);
    DrawBand(painter, scene, band);
  }
  repaint(ToQRect(BandRect(scene.layout, band)));
}

void CColorohmDlg::RefreshSliderBackgrounds() {
  for (SeeThroughSlider* slider : sliders_) slider->RefreshBackground(true);
}

void CColorohmDlg::OnSliderMoved(int band) {
  bandLock_ = true;
  RedrawBand(band);
  DeriveValueFromBands();
  bandLock_ = false;
}

void CColorohmDlg::DeriveValueFromBands() {
  const BandSet bands = Bands();
  const double ohms = ValueFromBands(bands);
  const colorohm::ValueText value = ValueToText(ohms);
  // The unit first: the field's filter cuts the text to the length its unit allows.
  SelectUnit(value.unit);
  SetValueText(value.text);
  WriteRField(ohms);
  {
    const QSignalBlocker tolerances(toleranceList_);
    const QSignalBlocker coefficients(coefficientList_);
    toleranceList_->setCurrentIndex(ListEntryOfPosition(bands.Position(5)));
    coefficientList_->setCurrentIndex(ListEntryOfPosition(bands.Position(6)));
  }
  RefreshStandardValues();
}

void CColorohmDlg::OnValueChanged() {
  if (!valueGuard_) return;
  valueGuard_ = false;
  const std::string text = ValueText();
  const std::string filtered = FilterValueText(text, SelectedUnit());
  if (filtered != text) {
    const int removed = static_cast<int>(text.size() - filtered.size());
    const int cursor = std::max(0, valueField_->cursorPosition() - removed);
    valueField_->setText(ToQt(filtered));
    valueField_->setCursorPosition(cursor);
  }
  RefreshStandardValues();
  if (!bandLock_) {
    SetBandsFromValue();
    InvalidateResistorArea();
  }
  if (!valueFromR_) WriteRField(ParseValueText(filtered, SelectedUnit()) / 1000);
  ClearComputedResults();
  valueGuard_ = true;
}

void CColorohmDlg::SetBandsFromValue() {
  const BandSet bands = BandsFromValue(ParseValueText(ValueText(), SelectedUnit()), Bands());
  for (int band = 1; band <= 4; ++band) SetSliderQuietly(band, bands.Position(band));
}

void CColorohmDlg::WriteRField(double ohms) {
  const bool writing = sideBar_->WriteFlag();
  sideBar_->SetWriteFlag(true);
  sideBar_->SetItemText(2, CColorohmSideBar::kFieldR, FormatNumber(ohms, 3));
  sideBar_->SetWriteFlag(writing);
}

void CColorohmDlg::OnUnitChanged() {
  RefreshStandardValues();
  if (!bandLock_) {
    SetBandsFromValue();
    InvalidateResistorArea();
  }
  if (!valueFromR_) WriteRField(ParseValueText(ValueText(), SelectedUnit()) / 1000);
}

void CColorohmDlg::OnToleranceChanged() {
  RefreshStandardValues();
  if (bandLock_) return;
  SetSliderQuietly(5, PositionOfListEntry(toleranceList_->currentIndex()));
  RedrawBand(5);
  InvalidateResistorArea();
}

void CColorohmDlg::OnCoefficientChanged() {
  RefreshStandardValues();
  if (bandLock_) return;
  SetSliderQuietly(6, PositionOfListEntry(coefficientList_->currentIndex()));
  RedrawBand(6);
  InvalidateResistorArea();
}

void CColorohmDlg::SetBandCount(NombreBandes count) {
  app_.Settings().nombreBandes = static_cast<int>(count);
  ApplySettings(ApplyMode::BandCount);
  OnValueChanged();
}

}  // namespace colorohm
