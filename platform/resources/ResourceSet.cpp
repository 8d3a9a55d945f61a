#include "platform/resources/Resources.h"

namespace platform {
namespace {

template <typename Map>
const typename Map::mapped_type* Find(const Map& map, int id) {
  auto it = map.find(id);
  return it == map.end() ? nullptr : &it->second;
}

} // namespace

std::string ResourceSet::String(int id) const {
  const std::string* text = Find(strings, id);
  return text ? *text : std::string();
}

bool ResourceSet::HasString(int id) const { return strings.count(id) != 0; }
const Menu* ResourceSet::FindMenu(int id) const { return Find(menus, id); }
const AcceleratorTable* ResourceSet::FindAccelerators(int id) const { return Find(accelerators, id); }
const DialogTemplate* ResourceSet::FindDialog(int id) const { return Find(dialogs, id); }
const std::string* ResourceSet::FindBitmap(int id) const { return Find(bitmaps, id); }
const std::string* ResourceSet::FindIcon(int id) const { return Find(icons, id); }

} // namespace platform
