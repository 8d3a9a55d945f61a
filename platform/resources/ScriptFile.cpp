#include "platform/resources/Script.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

bool ReadFile(const std::filesystem::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in || std::filesystem::is_directory(path)) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  bytes = buffer.str();
  return !in.bad();
}

} // namespace

bool ParseResourceScriptFile(const std::string& path, ResourceSet& out, std::string& error,
                             std::vector<std::string>* filesRead) {
  std::filesystem::path scriptPath(path);
  std::string source;
  if (!ReadFile(scriptPath, source)) {
    error = path + ": cannot read the file";
    return false;
  }
  if (filesRead) filesRead->push_back(path);
  std::filesystem::path folder = scriptPath.parent_path();
  ImageReader readImage = [&](const std::string& relativePath, std::string& bytes) {
    std::filesystem::path image = folder / relativePath;
    if (filesRead) filesRead->push_back(image.string());
    return ReadFile(image, bytes);
  };
  return ParseResourceScript(source, path, readImage, out, error);
}

} // namespace platform
