#pragma once
// A fresh temporary folder per test, removed with everything in it at the end; the current
// directory, which loading an application moves, is put back first.

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace maintenance::testing {

class TestFolder {
public:
  TestFolder() : previous_(std::filesystem::current_path()) {}
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::string& Path() const { return folder_.Path(); }
  std::string File(std::string_view name) const { return folder_.File(name); }
  std::string Write(std::string_view name, std::string_view bytes) const { return folder_.Write(name, bytes); }
  std::string MakeFolder(std::string_view name) const { return folder_.MakeFolder(name); }

private:
  std::filesystem::path previous_;
  test_support::TempFolder folder_;  // removed after the current directory is put back
};

} // namespace maintenance::testing
