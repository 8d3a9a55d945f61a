#pragma once
// A fresh temporary folder per test, removed with everything in it at the end; the current
// directory, which loading an application moves, is put back too.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace maintenance::testing {

class TestFolder {
public:
  TestFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "maintenance-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TestFolder() {
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    std::filesystem::remove_all(path_, error);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string operator/(std::string_view name) const { return (path_ / name).string(); }

  std::string MakeFolder(std::string_view name) const {
    std::filesystem::create_directories(path_ / name);
    return (path_ / name).string();
  }
  std::string Write(std::string_view name, std::string_view bytes) const {
    std::ofstream(path_ / name, std::ios::binary).write(bytes.data(), bytes.size());
    return (path_ / name).string();
  }

private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

} // namespace maintenance::testing
