#include "platform/resources/VirtualKeys.h"

#include <array>
#include <charconv>
#include <utility>

namespace platform {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 38> kNamedKeys = {{
    {"VK_BACK", 0x08},     {"VK_TAB", 0x09},       {"VK_CLEAR", 0x0C},    {"VK_RETURN", 0x0D},
    {"VK_SHIFT", 0x10},    {"VK_CONTROL", 0x11},   {"VK_MENU", 0x12},     {"VK_PAUSE", 0x13},
    {"VK_CAPITAL", 0x14},  {"VK_ESCAPE", 0x1B},    {"VK_SPACE", 0x20},    {"VK_PRIOR", 0x21},
    {"VK_NEXT", 0x22},     {"VK_END", 0x23},       {"VK_HOME", 0x24},     {"VK_LEFT", 0x25},
    {"VK_UP", 0x26},       {"VK_RIGHT", 0x27},     {"VK_DOWN", 0x28},     {"VK_SELECT", 0x29},
    {"VK_PRINT", 0x2A},    {"VK_EXECUTE", 0x2B},   {"VK_SNAPSHOT", 0x2C}, {"VK_INSERT", 0x2D},
    {"VK_DELETE", 0x2E},   {"VK_HELP", 0x2F},      {"VK_LWIN", 0x5B},     {"VK_RWIN", 0x5C},
    {"VK_APPS", 0x5D},     {"VK_MULTIPLY", 0x6A},  {"VK_ADD", 0x6B},      {"VK_SEPARATOR", 0x6C},
    {"VK_SUBTRACT", 0x6D}, {"VK_DECIMAL", 0x6E},   {"VK_DIVIDE", 0x6F},   {"VK_NUMLOCK", 0x90},
    {"VK_SCROLL", 0x91},   {"VK_CANCEL", 0x03},
}};

// VK_F1..VK_F24 are 0x70..0x87, VK_NUMPAD0..VK_NUMPAD9 are 0x60..0x69.
int NumberedKey(std::string_view name, std::string_view prefix, int first, int low, int high) {
  if (name.substr(0, prefix.size()) != prefix) return 0;
  std::string_view digits = name.substr(prefix.size());
  int n = -1;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (ec != std::errc() || end != digits.data() + digits.size() || n < low || n > high) return 0;
  if (digits.size() > 1 && digits[0] == '0') return 0;
  return first + n - low;
}

} // namespace

int VirtualKeyCode(std::string_view name) {
  for (const auto& [keyName, code] : kNamedKeys)
    if (keyName == name) return code;
  if (int f = NumberedKey(name, "VK_F", 0x70, 1, 24)) return f;
  return NumberedKey(name, "VK_NUMPAD", 0x60, 0, 9);
}

} // namespace platform
