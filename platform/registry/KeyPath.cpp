#include "platform/registry/KeyPath.h"

namespace platform {
namespace {

constexpr std::size_t kMaxKeyName = 255;
constexpr std::size_t kMaxValueName = 16383;

std::string_view TrimSeparators(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return path;
}

} // namespace

bool SplitKeyPath(std::string_view path, std::vector<std::string_view>& components) {
  components.clear();
  path = TrimSeparators(path);
  if (path.empty()) return true;
  for (;;) {
    const std::size_t sep = path.find('\\');
    const std::string_view part = path.substr(0, sep);
    if (part.empty() || part.size() > kMaxKeyName || part.find('\0') != std::string_view::npos) {
      components.clear();
      return false;
    }
    components.push_back(part);
    if (sep == std::string_view::npos) return true;
    path.remove_prefix(sep + 1);
  }
}

bool IsValidValueName(std::string_view name) { return name.size() <= kMaxValueName; }

std::string JoinKeyPath(std::string_view base, std::string_view sub) {
  base = TrimSeparators(base);
  sub = TrimSeparators(sub);
  if (base.empty()) return std::string(sub);
  if (sub.empty()) return std::string(base);
  std::string joined(base);
  joined += '\\';
  joined += sub;
  return joined;
}

} // namespace platform
