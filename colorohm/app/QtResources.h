#pragma once
// The program's resources turned into Qt objects: texts, popup menus, accelerator keys, bitmaps
// and the icon.

#include "colorohm/app/LanguageFiles.h"
#include "colorohm/render/Resistor.h"

#include <QIcon>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>

class QAction;
class QMenu;
class QWidget;

namespace colorohm {

QString ToQt(std::string_view cp1252);
std::string FromQt(const QString& text);

// A popup menu from a menu resource; each command's action carries its id as data and is
// enabled only when isHandled says the window answers that command.
std::unique_ptr<QMenu> BuildMenu(const platform::Menu& menu, const std::function<bool(int)>& isHandled,
                                 QWidget* parent = nullptr);
// The action of a command in a menu built above (submenus included), or nullptr.
QAction* FindCommand(const QMenu& menu, int id);

// The key of an accelerator; empty for a virtual key that has no Qt counterpart.
QKeySequence KeySequenceOf(const platform::Accelerator& accelerator);

// The drawing's bitmaps decoded from the resources; a bitmap that cannot be decoded is left out.
RenderAssets LoadRenderAssets(const ProgramResources& resources);
// Icon resource id as a window icon; a null icon when missing.
QIcon LoadIcon(const ProgramResources& resources, int id);

}  // namespace colorohm
