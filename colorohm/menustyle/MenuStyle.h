#pragma once
// The two looks of Colorohm's popup menus, chosen by the setting "Style affichage":
// 0 the Windows XP look (white menu, a light blue selection framed in blue), 1 the classic look
// (a grey raised menu, a navy selection in white text). Plain Qt menus with a style sheet each.

#include <QString>

class QMenu;

namespace colorohm {

enum class MenuStyle { WindowsXp = 0, Classic = 1 };

// "Style affichage" 1 is the classic look; any other value the Windows XP look.
MenuStyle MenuStyleFromSetting(int styleAffichage);

QString MenuStyleSheet(MenuStyle style);

// Gives the menu and every submenu reachable from its actions the look.
void ApplyMenuStyle(QMenu& menu, MenuStyle style);

} // namespace colorohm
