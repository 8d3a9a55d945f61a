// The path helpers of the settings (the settings in the store: SettingsStoreTest.cpp).

#include "tallyra/core/Settings.h"

#include <gtest/gtest.h>

namespace tallyra {
namespace {

TEST(PathHelpers, SplitAtTheLastSlash) {
  EXPECT_EQ(FolderOf("/home/prof/mt.dat"), "/home/prof");
  EXPECT_EQ(FileNameOf("/home/prof/mt.dat"), "mt.dat");
  EXPECT_EQ(FolderOf("mt.dat"), "");
  EXPECT_EQ(FileNameOf("mt.dat"), "mt.dat");
  EXPECT_EQ(FolderOf("/mt.dat"), "");
}

} // namespace
} // namespace tallyra
