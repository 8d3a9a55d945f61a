#include "platform/resources/Pack.h"
#include "platform/resources/PackFormat.h"

namespace platform {
namespace {

using namespace pack;

void PutTexts(std::string& out, const std::vector<std::string>& texts) {
  PutU32(out, static_cast<std::uint32_t>(texts.size()));
  for (const std::string& text : texts) PutText(out, text);
}

void PutMenuItems(std::string& out, const std::vector<MenuItem>& items) {
  PutU32(out, static_cast<std::uint32_t>(items.size()));
  for (const MenuItem& item : items) {
    bool popup = item.popup || !item.items.empty();
    PutU8(out, static_cast<std::uint8_t>((item.separator ? kSeparator : 0) | (item.grayed ? kGrayed : 0) |
                                         (item.checked ? kChecked : 0) | (popup ? kPopup : 0)));
    PutI32(out, item.id);
    PutText(out, item.text);
    if (popup) PutMenuItems(out, item.items);
  }
}

std::string AcceleratorPayload(const AcceleratorTable& table) {
  std::string out;
  PutU32(out, static_cast<std::uint32_t>(table.entries.size()));
  for (const Accelerator& a : table.entries) {
    PutI32(out, a.key);
    PutU8(out, static_cast<std::uint8_t>((a.control ? kControl : 0) | (a.shift ? kShift : 0) | (a.alt ? kAlt : 0)));
    PutI32(out, a.command);
  }
  return out;
}

void PutRect(std::string& out, int x, int y, int cx, int cy) {
  PutI32(out, x);
  PutI32(out, y);
  PutI32(out, cx);
  PutI32(out, cy);
}

std::string DialogPayload(const DialogTemplate& dialog) {
  std::string out;
  PutRect(out, dialog.x, dialog.y, dialog.cx, dialog.cy);
  PutText(out, dialog.caption);
  PutI32(out, dialog.fontSize);
  PutText(out, dialog.fontName);
  PutTexts(out, dialog.styles);
  PutU32(out, static_cast<std::uint32_t>(dialog.controls.size()));
  for (const ControlTemplate& c : dialog.controls) {
    PutI32(out, c.id);
    PutText(out, c.className);
    PutText(out, c.text);
    PutRect(out, c.x, c.y, c.cx, c.cy);
    PutTexts(out, c.styles);
  }
  return out;
}

void PutEntry(std::string& body, Kind kind, int id, std::string_view payload) {
  PutU8(body, static_cast<std::uint8_t>(kind));
  PutI32(body, id);
  PutText(body, payload);
}

} // namespace

std::string WriteResourcePack(const ResourceSet& resources) {
  std::string body;
  std::size_t count = resources.strings.size() + resources.menus.size() + resources.accelerators.size() +
                      resources.dialogs.size() + resources.bitmaps.size() + resources.icons.size();
  PutU32(body, static_cast<std::uint32_t>(count));
  for (const auto& [id, text] : resources.strings) PutEntry(body, Kind::String, id, text);
  for (const auto& [id, menu] : resources.menus) {
    std::string payload;
    PutMenuItems(payload, menu.items);
    PutEntry(body, Kind::Menu, id, payload);
  }
  for (const auto& [id, table] : resources.accelerators) PutEntry(body, Kind::Accelerators, id, AcceleratorPayload(table));
  for (const auto& [id, dialog] : resources.dialogs) PutEntry(body, Kind::Dialog, id, DialogPayload(dialog));
  for (const auto& [id, bytes] : resources.bitmaps) PutEntry(body, Kind::Bitmap, id, bytes);
  for (const auto& [id, bytes] : resources.icons) PutEntry(body, Kind::Icon, id, bytes);

  std::string pack(kPackMagic);
  PutU32(pack, kPackVersion);
  PutU32(pack, static_cast<std::uint32_t>(body.size()));
  PutU32(pack, Crc32(body));
  return pack + body;
}

} // namespace platform
