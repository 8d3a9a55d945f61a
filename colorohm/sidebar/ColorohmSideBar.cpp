#include "colorohm/sidebar/ColorohmSideBar.h"

namespace colorohm {

CColorohmSideBar::CColorohmSideBar(QWidget* parent) : CSideBar(parent) {
  connect(this, &CSideBar::EditChanged, this, &CColorohmSideBar::OnEditChanged);
}

void CColorohmSideBar::OnEditChanged(int id) {
  if (writing_)
    return;
  if (id == kFieldR)
    emit RFieldChanged();
  else if (id == kFieldU || id == kFieldI || id == kFieldP)
    emit UipFieldChanged(id);
}

} // namespace colorohm
