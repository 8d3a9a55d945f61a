#include "colorohm/menustyle/MenuStyle.h"

#include <QMenu>
#include <QSet>

namespace colorohm {

namespace {

const char kWindowsXpSheet[] = R"(
QMenu { background: #ffffff; border: 1px solid #8a867a; padding: 2px; }
QMenu::item { color: #000000; padding: 3px 24px 3px 28px; border: 1px solid transparent; }
QMenu::item:selected { background: #c1d2ee; border: 1px solid #316ac5; }
QMenu::item:disabled { color: #aca899; }
QMenu::separator { height: 1px; background: #c5c2b8; margin: 3px 2px 3px 28px; }
QMenu::indicator { width: 13px; height: 13px; left: 6px; }
)";

const char kClassicSheet[] = R"(
QMenu { background: #d4d0c8; border: 2px outset #d4d0c8; padding: 1px; }
QMenu::item { color: #000000; padding: 3px 20px 3px 22px; }
QMenu::item:selected { background: #0a246a; color: #ffffff; }
QMenu::item:disabled { color: #808080; }
QMenu::separator { height: 0px; border-top: 1px solid #808080; border-bottom: 1px solid #ffffff;
                   margin: 3px 1px; }
QMenu::indicator { width: 13px; height: 13px; left: 4px; }
)";

void Apply(QMenu& menu, const QString& sheet, QSet<QMenu*>& done) {
  if (done.contains(&menu))
    return;
  done.insert(&menu);
  menu.setStyleSheet(sheet);
  for (QAction* action : menu.actions())
    if (QMenu* submenu = action->menu())
      Apply(*submenu, sheet, done);
}

} // namespace

MenuStyle MenuStyleFromSetting(int styleAffichage) {
  return styleAffichage == 1 ? MenuStyle::Classic : MenuStyle::WindowsXp;
}

QString MenuStyleSheet(MenuStyle style) {
  return QString::fromLatin1(style == MenuStyle::Classic ? kClassicSheet : kWindowsXpSheet);
}

void ApplyMenuStyle(QMenu& menu, MenuStyle style) {
  QSet<QMenu*> done;
  Apply(menu, MenuStyleSheet(style), done);
}

} // namespace colorohm
