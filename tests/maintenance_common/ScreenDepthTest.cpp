#include <gtest/gtest.h>

#include <QGuiApplication>

#include "maintenance/common/ScreenDepth.h"

namespace maintenance {
namespace {

TEST(ScreenDepthTest, ReadsThePrimaryScreenOnlyWithAGuiApplication) {
  EXPECT_EQ(PrimaryScreenDepth(), 0u);
  int argc = 1;
  char name[] = "maintenance_screen_test";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  // The offscreen platform's screen is 32 bits deep.
  EXPECT_EQ(PrimaryScreenDepth(), 32u);
}

} // namespace
} // namespace maintenance
