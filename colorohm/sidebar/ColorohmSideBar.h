#pragma once
// The calculator's side bar: a CSideBar that tells its owner when the user changes one of the
// Ohm's-law fields, except while the owner itself is writing into them (the write flag).

#include "colorohm/sidebar/SideBar.h"

namespace colorohm {

class CColorohmSideBar : public CSideBar {
  Q_OBJECT

public:
  // Control ids of the Ohm's-law fields.
  static constexpr int kFieldR = 6565;
  static constexpr int kFieldU = 6566;
  static constexpr int kFieldI = 6567;
  static constexpr int kFieldP = 6568;

  explicit CColorohmSideBar(QWidget* parent = nullptr);

  // Set while the calculator window writes into the fields, whose changes then go unreported.
  void SetWriteFlag(bool writing) { writing_ = writing; }
  bool WriteFlag() const { return writing_; }

signals:
  void RFieldChanged();
  // id is kFieldU, kFieldI or kFieldP.
  void UipFieldChanged(int id);

private:
  void OnEditChanged(int id);

  bool writing_ = false;
};

} // namespace colorohm
