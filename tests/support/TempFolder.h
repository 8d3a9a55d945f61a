#pragma once
// A fresh folder under the system temporary directory for one test, removed with everything in
// it when the object goes away.

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace test_support {

class TempFolder {
public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "solvane-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
      throw std::system_error(errno, std::generic_category(), "cannot create " + pattern);
    }
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }

  // The path of name inside the folder; nothing is created.
  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

  // Writes bytes as they are into name, creating the folders above it; returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string path = File(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  // Creates the sub-folder name (and any above it); returns its path.
  std::string MakeFolder(std::string_view name) const {
    const std::string path = File(name);
    std::filesystem::create_directories(path);
    return path;
  }

private:
  std::string path_;
};

} // namespace test_support
