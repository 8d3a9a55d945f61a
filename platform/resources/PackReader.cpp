#include "platform/resources/Pack.h"
#include "platform/resources/PackFormat.h"

namespace platform {
namespace {

using namespace pack;

bool ReadTexts(Reader& in, std::vector<std::string>& texts) {
  std::uint32_t count = 0;
  if (!in.U32(count)) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::string text;
    if (!in.Text(text)) return false;
    texts.push_back(std::move(text));
  }
  return true;
}

bool ReadMenuItems(Reader& in, std::vector<MenuItem>& items, int depth) {
  std::uint32_t count = 0;
  if (depth > kMaxMenuDepth || !in.U32(count)) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    MenuItem item;
    std::uint8_t flags = 0;
    if (!in.U8(flags) || !in.I32(item.id) || !in.Text(item.text)) return false;
    item.separator = flags & kSeparator;
    item.grayed = flags & kGrayed;
    item.checked = flags & kChecked;
    item.popup = flags & kPopup;
    if (item.popup && !ReadMenuItems(in, item.items, depth + 1)) return false;
    items.push_back(std::move(item));
  }
  return true;
}

bool ReadAccelerators(Reader& in, AcceleratorTable& table) {
  std::uint32_t count = 0;
  if (!in.U32(count)) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    Accelerator a;
    std::uint8_t flags = 0;
    if (!in.I32(a.key) || !in.U8(flags) || !in.I32(a.command)) return false;
    a.control = flags & kControl;
    a.shift = flags & kShift;
    a.alt = flags & kAlt;
    table.entries.push_back(a);
  }
  return true;
}

bool ReadRect(Reader& in, int& x, int& y, int& cx, int& cy) {
  return in.I32(x) && in.I32(y) && in.I32(cx) && in.I32(cy);
}

bool ReadDialog(Reader& in, DialogTemplate& d) {
  std::uint32_t count = 0;
  if (!ReadRect(in, d.x, d.y, d.cx, d.cy) || !in.Text(d.caption) || !in.I32(d.fontSize) ||
      !in.Text(d.fontName) || !ReadTexts(in, d.styles) || !in.U32(count))
    return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    ControlTemplate c;
    if (!in.I32(c.id) || !in.Text(c.className) || !in.Text(c.text) || !ReadRect(in, c.x, c.y, c.cx, c.cy) ||
        !ReadTexts(in, c.styles))
      return false;
    d.controls.push_back(std::move(c));
  }
  return true;
}

// Stores one entry; false with a reason when the payload does not match its kind.
bool ReadEntry(Kind kind, int id, std::string_view payload, ResourceSet& set, std::string& error) {
  Reader in(payload);
  bool fresh = false;
  bool parsed = true;
  switch (kind) {
  case Kind::String:
    fresh = set.strings.emplace(id, std::string(payload)).second;
    return fresh || (error = "duplicate string " + std::to_string(id), false);
  case Kind::Bitmap:
    fresh = set.bitmaps.emplace(id, std::string(payload)).second;
    return fresh || (error = "duplicate bitmap " + std::to_string(id), false);
  case Kind::Icon:
    fresh = set.icons.emplace(id, std::string(payload)).second;
    return fresh || (error = "duplicate icon " + std::to_string(id), false);
  case Kind::Menu: {
    Menu menu;
    menu.id = id;
    parsed = ReadMenuItems(in, menu.items, 0);
    fresh = parsed && in.AtEnd() && set.menus.emplace(id, std::move(menu)).second;
    break;
  }
  case Kind::Accelerators: {
    AcceleratorTable table;
    table.id = id;
    parsed = ReadAccelerators(in, table);
    fresh = parsed && in.AtEnd() && set.accelerators.emplace(id, std::move(table)).second;
    break;
  }
  case Kind::Dialog: {
    DialogTemplate dialog;
    dialog.id = id;
    parsed = ReadDialog(in, dialog);
    fresh = parsed && in.AtEnd() && set.dialogs.emplace(id, std::move(dialog)).second;
    break;
  }
  default:
    error = "unknown entry kind " + std::to_string(static_cast<int>(kind));
    return false;
  }
  if (!parsed || !in.AtEnd()) error = "malformed entry " + std::to_string(id);
  else if (!fresh) error = "duplicate entry " + std::to_string(id);
  return fresh;
}

} // namespace

bool LoadResourcePack(std::string_view packBytes, ResourceSet& out, std::string& error) {
  if (packBytes.size() < kHeaderSize || packBytes.substr(0, kPackMagic.size()) != kPackMagic) {
    error = "not a resource pack";
    return false;
  }
  Reader header(packBytes.substr(kPackMagic.size(), kHeaderSize - kPackMagic.size()));
  std::uint32_t version = 0, bodySize = 0, crc = 0;
  header.U32(version);
  header.U32(bodySize);
  header.U32(crc);
  if (version != kPackVersion) {
    error = "unsupported pack version " + std::to_string(version);
    return false;
  }
  std::string_view body = packBytes.substr(kHeaderSize);
  if (body.size() != bodySize) {
    error = body.size() < bodySize ? "truncated pack" : "trailing bytes after pack";
    return false;
  }
  if (Crc32(body) != crc) {
    error = "corrupt pack (checksum mismatch)";
    return false;
  }

  Reader in(body);
  ResourceSet set;
  std::uint32_t count = 0;
  in.U32(count);
  for (std::uint32_t i = 0; i < count && in.ok(); ++i) {
    std::uint8_t kind = 0;
    std::int32_t id = 0;
    std::uint32_t size = 0;
    std::string_view payload;
    if (!in.U8(kind) || !in.I32(id) || !in.U32(size) || !in.Bytes(size, payload)) break;
    if (!ReadEntry(static_cast<Kind>(kind), id, payload, set, error)) {
      error = "corrupt pack: " + error;
      return false;
    }
  }
  if (!in.ok() || !in.AtEnd()) {
    error = "corrupt pack: entries do not match the body";
    return false;
  }
  out = std::move(set);
  return true;
}

} // namespace platform
