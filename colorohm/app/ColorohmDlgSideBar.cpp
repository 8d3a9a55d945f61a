// The calculator window's side bar: its content, built from the settings, the standard values
// it lists and the Ohm's-law fields.

#include "colorohm/app/ColorohmApp.h"
#include "colorohm/app/ColorohmDlg.h"
#include "colorohm/model/NumberFormat.h"
#include "colorohm/model/OhmsLaw.h"
#include "colorohm/sidebar/ColorohmSideBar.h"

#include <QComboBox>
#include <QLineEdit>

namespace colorohm {
namespace {

enum Group { kGroupStandardValues = 0, kGroupTasks = 1, kGroupCalculations = 2 };

constexpr int kStringCalculations = 137;
constexpr int kStringStandardValues = 138;
constexpr int kStringTasks = 139;

struct TaskLink {
  int stringId;
  int command;
};

// String 145 "Afficher au premier plan" becomes 158 "Enlever du premier plan" while on top.
constexpr int kStringShowOnTop = 145;
constexpr int kStringRemoveFromTop = 158;

constexpr std::array<OhmQuantity, 4> kCalculationOrder{OhmQuantity::R, OhmQuantity::I, OhmQuantity::U,
                                                       OhmQuantity::P};

const OhmsLawItem& ItemOf(OhmQuantity quantity) {
  for (const OhmsLawItem& item : OhmsLawItems()) {
    if (item.quantity == quantity) return item;
  }
  return OhmsLawItems()[0];
}

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

// Sets the side bar's write flag for a scope and puts back what it was.
class SideBarWriting {
public:
  explicit SideBarWriting(CColorohmSideBar& bar) : bar_(bar), was_(bar.WriteFlag()) { bar_.SetWriteFlag(true); }
  ~SideBarWriting() { bar_.SetWriteFlag(was_); }
  SideBarWriting(const SideBarWriting&) = delete;
  SideBarWriting& operator=(const SideBarWriting&) = delete;

private:
  CColorohmSideBar& bar_;
  bool was_;
};

}  // namespace

void CColorohmDlg::RebuildSideBar() {
  SettingsRecord& settings = app_.Settings();
  CColorohmSideBar& bar = *sideBar_;
  // A rebuild keeps what the Ohm's-law fields hold; only the first build starts them empty.
  std::array<std::string, 4> fields;
  const bool rebuilding = bar.GroupCount() > 0;
  if (rebuilding) {
    for (int group = 0; group < kGroupSettings; ++group)
      settings.groupe[group] = bar.IsGroupCollapsed(group) ? 0 : 1;
    for (std::size_t i = 0; i < fields.size(); ++i)
      fields[i] = bar.GetItemText(kGroupCalculations, ItemOf(kCalculationOrder[i]).fieldId);
  }

  {
    const SideBarWriting writing(bar);
    bar.RemoveAllGroups();

    const int standard = bar.AddGroup(String(kStringStandardValues));
    for (int series = 0; series < kSeriesCount; ++series) {
      if (settings.utiliserSerie[series])
        bar.AddItem(standard, "", kFirstSeriesItemId + series, SideBarItemKind::Link);
    }
    bar.ExpandGroup(standard, settings.groupe[0] != 0);

    const int tasks = bar.AddGroup(String(kStringTasks));
    const std::array<TaskLink, 8> links{{
        {140, kCmdFourBands},
        {141, kCmdFiveBands},
        {142, kCmdSixBands},
        {143, kCmdCopyMenu},
        {144, kCmdPrintMenu},
        {settings.premierPlan ? kStringRemoveFromTop : kStringShowOnTop, kCmdAlwaysOnTop},
        {146, kCmdHelpMenu},
        {157, kCmdQuit},
    }};
    for (const TaskLink& link : links) bar.AddItem(tasks, String(link.stringId), link.command, SideBarItemKind::Link);
    bar.ExpandGroup(tasks, settings.groupe[1] != 0);

    const int calculations = bar.AddGroup(String(kStringCalculations));
    for (std::size_t i = 0; i < kCalculationOrder.size(); ++i) {
      const OhmsLawItem& item = ItemOf(kCalculationOrder[i]);
      bar.AddItem(calculations, String(item.nameStringId), item.commandId, SideBarItemKind::Link);
      bar.AddItem(calculations, fields[i], item.fieldId, SideBarItemKind::Edit);
    }
    bar.ExpandGroup(calculations, settings.groupe[2] != 0);
  }
  RefreshStandardValues();
}

void CColorohmDlg::ShowOrHideSideBar() {
  const SettingsRecord& settings = app_.Settings();
  if (settings.afficherBarreLaterale && sideBar_->isHidden()) {
    setFixedSize(width() + removedWidth_, height());
    sideBar_->show();
    removedWidth_ = 0;
  } else if (!settings.afficherBarreLaterale && (!sideBar_->isHidden() || startUp_)) {
    if (removedWidth_ == 0) removedWidth_ = kSideBarWidth;
    setFixedSize(width() - kSideBarWidth, height());
    sideBar_->hide();
  }
}

void CColorohmDlg::RefreshStandardValues() {
  const StandardValues values =
      UpdateStandardValues(ValueText(), SelectedUnit(), toleranceList_->currentIndex());
  standardOhms_ = values.ohms;
  for (int series = 0; series < kSeriesCount; ++series)
    sideBar_->SetItemText(kGroupStandardValues, kFirstSeriesItemId + series, values.texts[series]);
  // The first two series match no tolerance and are never coloured.
  for (int series = 2; series < kSeriesCount; ++series) {
    const int id = kFirstSeriesItemId + series;
    if (values.highlighted == series)
      sideBar_->SetItemColors(kGroupStandardValues, id, ToQColor(kHighlightColour), ToQColor(kHighlightSecondColour));
    else
      sideBar_->ResetItemColors(kGroupStandardValues, id);
  }
}

void CColorohmDlg::OnStandardValue(int series) {
  SelectUnit(UnitIndex::Ohms);
  SetValueText(FormatNumber(standardOhms_[series], 3));
}

void CColorohmDlg::OnRFieldChanged() {
  std::string text = sideBar_->GetItemText(kGroupCalculations, CColorohmSideBar::kFieldR);
  // A computed value carries its formula after a blank: "470 (R=U/I)".
  if (const std::size_t blank = text.find(' ', 1); blank != std::string::npos) text.resize(blank);
  valueFromR_ = true;
  SelectUnit(UnitIndex::Ohms);
  SetValueText(text);
  valueFromR_ = false;
}

void CColorohmDlg::OnOhmsLaw(int command) {
  const std::optional<OhmQuantity> target = OhmQuantityFromCommand(command);
  if (!target) return;
  const SideBarWriting writing(*sideBar_);
  const auto field = [&](OhmQuantity quantity) {
    return sideBar_->GetItemText(kGroupCalculations, ItemOf(quantity).fieldId);
  };
  const OhmsLawFields fields{field(OhmQuantity::R), field(OhmQuantity::U), field(OhmQuantity::I),
                             field(OhmQuantity::P)};
  const std::string result = SolveOhmsLaw(*target, fields, [this](int id) { return String(id); });
  sideBar_->SetItemText(kGroupCalculations, ItemOf(*target).fieldId, result);
}

void CColorohmDlg::ClearComputedResults() {
  const SideBarWriting writing(*sideBar_);
  for (const OhmQuantity quantity : {OhmQuantity::U, OhmQuantity::I, OhmQuantity::P}) {
    const int id = ItemOf(quantity).fieldId;
    if (IsComputedResult(sideBar_->GetItemText(kGroupCalculations, id)))
      sideBar_->SetItemText(kGroupCalculations, id, "");
  }
}

}  // namespace colorohm
