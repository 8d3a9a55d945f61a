#include "tallyra/app/MainLayout.h"

#include <algorithm>

namespace tallyra {

MainLayout FormResize(const LayoutInput& in) {
  const int s = in.statusShown ? in.statusHeight : 0;
  int top = 50;
  int height = in.height - s - 740;
  if (in.toolbarShown) {
    top = in.toolbarTop + in.toolbarHeight + 100;
    height = in.height - in.toolbarHeight - s - 930;
  }
  height = std::clamp(height, 0, std::max(0, in.areaHeight - top));
  const int width = std::clamp(in.width - kTreeWidth - 230, 0, std::max(0, in.areaWidth - kListLeft));

  MainLayout layout;
  layout.tree = {0, top, kTreeWidth, height};
  layout.list = {kListLeft, top, width, height};
  layout.column1 = width / 2;
  layout.column2 = std::max(0, width / 2 - 60);
  return layout;
}

} // namespace tallyra
