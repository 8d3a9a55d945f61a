#include "maintenance/common/ScreenDepth.h"

#include <QGuiApplication>
#include <QScreen>

namespace maintenance {

unsigned PrimaryScreenDepth() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 0;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->depth() > 0 ? static_cast<unsigned>(screen->depth()) : 0;
}

} // namespace maintenance
