#pragma once
// Windows virtual-key codes by their VK_ names, as accelerator tables write them.

#include <string_view>

namespace platform {

// The code of a VK_ name (VK_F1 = 0x70), or 0 when the name is unknown.
int VirtualKeyCode(std::string_view name);

} // namespace platform
