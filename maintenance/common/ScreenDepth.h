#pragma once
// The screen-depth probe for programs that run a QGuiApplication. Kept apart from the probe
// library so that the plain core never links Qt.

namespace maintenance {

// Bits per pixel of the primary screen; 0 without a QGuiApplication or a screen.
unsigned PrimaryScreenDepth();

} // namespace maintenance
