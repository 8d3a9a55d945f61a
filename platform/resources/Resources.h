#pragma once
// A program's resources: string tables, menus, accelerators, dialog templates and bitmaps, read
// from a resource script (plain text, UTF-8, close to a Windows .rc file) and carried inside the
// program as a pack built at build time. Language files are packs of the same kind in a file.
// Texts here are Windows-1252 bytes, converted from the script's UTF-8 when the pack is built.
// No Qt: the window side builds widgets from these structures.
//
// Script.h parses a script (rcpack runs it at build time), Pack.h writes the pack that
// LoadResourcePack reads back.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct MenuItem {
  std::string text;              // "&Copier\tCTRL+C"; empty for a separator
  int id = 0;                    // command id; 0 for a popup or a separator
  bool separator = false;
  bool grayed = false;
  bool checked = false;
  std::vector<MenuItem> items;   // non-empty (or popup set) for a popup
  bool popup = false;
};

struct Menu {
  int id = 0;
  std::vector<MenuItem> items;
};

// Keys are Windows virtual-key codes (VK_F1 = 0x70, letters and digits their ASCII capitals).
struct Accelerator {
  int key = 0;
  bool control = false;
  bool shift = false;
  bool alt = false;
  int command = 0;
};

struct AcceleratorTable {
  int id = 0;
  std::vector<Accelerator> entries;
};

struct ControlTemplate {
  int id = 0;
  std::string className;         // "msctls_trackbar32", "Edit", "Button", a custom class...
  std::string text;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::vector<std::string> styles;   // "VERT", "NOTICKS", "BORDER"...
};

struct DialogTemplate {
  int id = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::string caption;
  int fontSize = 8;
  std::string fontName = "MS Shell Dlg";
  std::vector<std::string> styles;
  std::vector<ControlTemplate> controls;
};

class ResourceSet {
public:
  // The text of string id, or "" when the table lacks it.
  std::string String(int id) const;
  bool HasString(int id) const;
  const Menu* FindMenu(int id) const;
  const AcceleratorTable* FindAccelerators(int id) const;
  const DialogTemplate* FindDialog(int id) const;
  // The bytes of the image file (PNG or BMP) named for that id, or nullptr.
  const std::string* FindBitmap(int id) const;
  // The bytes of the icon file (PNG or BMP) named for that id, or nullptr.
  const std::string* FindIcon(int id) const;

  std::map<int, std::string> strings;
  std::map<int, Menu> menus;
  std::map<int, AcceleratorTable> accelerators;
  std::map<int, DialogTemplate> dialogs;
  std::map<int, std::string> bitmaps;
  std::map<int, std::string> icons;
};

// Loads a pack (the bytes rcpack wrote). False with a reason when the bytes are not a valid pack.
bool LoadResourcePack(std::string_view packBytes, ResourceSet& out, std::string& error);

} // namespace platform
