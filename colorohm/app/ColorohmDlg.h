#pragma once
// The calculator window: six band sliders, the value field with its unit list, the tolerance and
// coefficient lists, the drawn resistor and the side bar with the standard values, the task
// links and the Ohm's-law fields. It keeps sliders, value field and lists in step through the
// colour-code model and applies the settings record to itself.
//
// Built from dialog template 102 (resistor upright) or 182 (resistor lying). Several flags keep
// the handlers from answering their own writes: the band lock (value derived from the sliders,
// so the sliders stay), the value-field guard (the handler's own rewrite of the field), the
// value-from-R flag (the value came from the R field, so it is not written back there) and the
// side bar's write flag (the window is writing into the Ohm's-law fields).

#include "colorohm/menustyle/MenuStyle.h"
#include "colorohm/model/ColourCode.h"
#include "colorohm/model/StandardSeries.h"
#include "colorohm/render/Resistor.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QComboBox;
class QLineEdit;
class QMenu;
class QSlider;

namespace colorohm {

class CColorohmApp;
class CColorohmSideBar;
class SeeThroughSlider;

enum ControlId {
  kIdBand1 = 1000,  // bands 1..6 are 1000..1005
  kIdValueField = 1012,
  kIdUnitList = 1013,
  kIdToleranceList = 1014,
  kIdCoefficientList = 1015,
  kIdSideBar = 1047,
};

enum CommandId {
  kCmdAlwaysOnTop = 137,
  kCmdFourBands = 138,
  kCmdFiveBands = 139,
  kCmdSixBands = 140,
  kCmdCopyMenu = 5000,
  kCmdHelpMenu = 5001,
  kCmdPrintMenu = 5002,
  kCmdQuit = 5003,
  kCmdSideBar = 32779,
};

enum MenuId { kMenuContext = 132, kMenuHelp = 150, kMenuCopy = 194, kMenuPrint = 3000 };

class CColorohmDlg : public QDialog {
  Q_OBJECT

public:
  enum class ApplyMode { All, AlwaysOnTop, BandCount, SideBar };
  // Taken off the window's width while the side bar is hidden.
  static constexpr int kSideBarWidth = 180;

  // Builds the window from the template and initialises it from the application's settings;
  // asks the first-start question when the settings say so.
  CColorohmDlg(CColorohmApp& app, int templateId);
  ~CColorohmDlg() override;

  void ApplySettings(ApplyMode mode);
  // Slider positions, group states and the window's position into the settings record.
  void SaveWindowState();
  // Set by the options when another language was chosen; read by ApplySettings.
  void SetLanguageChanged() { languageChanged_ = true; }
  // True when the window closed to be replaced by a new one (layout or language change).
  bool ReplaceRequested() const { return replace_; }

  // Runs a command as a menu, an accelerator or a side-bar link does; false when the window does
  // not answer it (yet), in which case its menu items are greyed.
  bool OnCommand(int id);
  bool HandlesCommand(int id) const { return commands_.count(id) != 0; }
  // Popup menu 132, 150, 194 or 3000 with its check marks, in the current menu style.
  std::unique_ptr<QMenu> BuildPopupMenu(int menuId);
  // The tooltip text of a control of this window; empty for any other widget.
  QString ToolTipFor(const QWidget* control) const;

  // Draws one band straight onto the window, as a moving slider does.
  void RedrawBand(int band);
  // Recomposes the whole client area at the next paint.
  void InvalidateAll();

  int TemplateId() const { return templateId_; }
  BandSet Bands() const;
  const std::array<double, kSeriesCount>& StandardOhms() const { return standardOhms_; }
  QSlider* BandSlider(int band) const;
  QLineEdit* ValueField() const { return valueField_; }
  QComboBox* UnitList() const { return unitList_; }
  QComboBox* ToleranceList() const { return toleranceList_; }
  QComboBox* CoefficientList() const { return coefficientList_; }
  CColorohmSideBar* SideBar() const { return sideBar_; }

signals:
  // Emitted after every paint of the window.
  void Painted();

public slots:
  void done(int result) override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildControls(int templateId);
  void FillLists();
  void RegisterCommands();
  void InstallAccelerators();
  void AskFirstStart();
  void PlaceWindow();

  std::string String(int id) const;
  ResistorScene Scene() const;
  UnitIndex SelectedUnit() const;
  std::string ValueText() const;
  void SelectUnit(UnitIndex unit);
  void SetSliderQuietly(int band, int position);
  void SetValueText(const std::string& text);
  void InvalidateResistorArea();
  void RefreshSliderBackgrounds();
  void EnsureBuffer();
  void Replace();

  void OnSliderMoved(int band);
  void DeriveValueFromBands();
  void OnValueChanged();
  void SetBandsFromValue();
  void WriteRField(double ohms);
  void OnUnitChanged();
  void OnToleranceChanged();
  void OnCoefficientChanged();
  void SetBandCount(NombreBandes count);
  void ShowMenuAtCursor(int menuId);
  void ExecMenu(QMenu& menu, const QPoint& globalPosition);

  // Side bar (ColorohmDlgSideBar.cpp).
  void RebuildSideBar();
  void ShowOrHideSideBar();
  void RefreshStandardValues();
  void OnStandardValue(int series);
  void OnRFieldChanged();
  void OnOhmsLaw(int command);
  void ClearComputedResults();

  CColorohmApp& app_;
  int templateId_;
  RenderAssets assets_;
  MenuStyle menuStyle_ = MenuStyle::Classic;
  std::map<int, std::function<void()>> commands_;

  std::array<SeeThroughSlider*, BandSet::kBands> sliders_{};
  QLineEdit* valueField_ = nullptr;
  QComboBox* unitList_ = nullptr;
  QComboBox* toleranceList_ = nullptr;
  QComboBox* coefficientList_ = nullptr;
  CColorohmSideBar* sideBar_ = nullptr;

  std::array<double, kSeriesCount> standardOhms_{};
  int removedWidth_ = 0;
  bool bandLock_ = false;
  bool valueGuard_ = true;
  bool valueFromR_ = false;
  bool startUp_ = false;
  bool layoutSliders_ = false;
  bool languageChanged_ = false;
  bool replace_ = false;

  QImage buffer_;
  bool bufferDirty_ = true;
};

}  // namespace colorohm
