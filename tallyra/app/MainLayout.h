#pragma once
// Where Form_Resize places the tree and the results list, in twips, from the window's outer size
// and the bars shown. No Qt.

namespace tallyra {

inline constexpr int kTreeWidth = 4575;
inline constexpr int kListLeft = 4680;

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct LayoutInput {
  int width = 0;   // the window's outer width
  int height = 0;  // the window's outer height
  bool toolbarShown = true;
  int toolbarTop = 0;
  int toolbarHeight = 0;
  bool statusShown = true;
  int statusHeight = 0;
  // The room the tree and the list have (the client area between menu and status bar).
  int areaWidth = 0;
  int areaHeight = 0;
};

struct MainLayout {
  TwipsRect tree;
  TwipsRect list;
  int column1 = 0;
  int column2 = 0;
  friend bool operator==(const MainLayout&, const MainLayout&) = default;
};

// The sizes of Form_Resize. A window smaller than the layout needs gives sizes of 0 rather than
// negative ones, and the list never reaches past the area (window frames and menu bars differ
// from one desktop to the next, so the outer size may hold more than the area it leaves).
MainLayout FormResize(const LayoutInput& in);

} // namespace tallyra
