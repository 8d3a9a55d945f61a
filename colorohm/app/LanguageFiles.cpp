#include "colorohm/app/LanguageFiles.h"

#include "platform/text/Text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace colorohm {
namespace {

// Far beyond any real language file; a larger file is not read into memory.
constexpr std::uintmax_t kMaxLanguageFileSize = 64u << 20;

bool MatchesLanguagePattern(const std::string& fileName) {
  constexpr std::string_view prefix = "langue";
  constexpr std::string_view suffix = ".dll";
  if (fileName.size() < prefix.size() + suffix.size()) return false;
  return platform::EqualsNoCase(std::string_view(fileName).substr(0, prefix.size()), prefix) &&
         platform::EqualsNoCase(std::string_view(fileName).substr(fileName.size() - suffix.size()), suffix);
}

}  // namespace

bool ReadLanguageFile(const std::string& path, platform::ResourceSet& out) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxLanguageFileSize) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return false;
  platform::ResourceSet set;
  std::string reason;
  if (!platform::LoadResourcePack(bytes, set, reason)) return false;
  if (set.String(kStringLanguageTag) != "LANGUE") return false;
  out = std::move(set);
  return true;
}

std::vector<LanguageFile> ScanLanguageFiles(const std::string& folder) {
  std::vector<std::filesystem::path> candidates;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (MatchesLanguagePattern(it->path().filename().string())) candidates.push_back(it->path());
  }
  std::sort(candidates.begin(), candidates.end());

  std::vector<LanguageFile> files;
  for (const std::filesystem::path& path : candidates) {
    platform::ResourceSet set;
    if (!ReadLanguageFile(path.string(), set)) continue;
    std::string name = set.String(kStringLanguageName);
    if (name.size() > kMaxLanguageName) name.resize(kMaxLanguageName);
    files.push_back({std::move(name), path.string()});
  }
  return files;
}

bool ProgramResources::Choose(const std::string& name, const std::vector<LanguageFile>& files) {
  const auto found = std::find_if(files.begin(), files.end(),
                                  [&](const LanguageFile& file) { return file.name == name; });
  const bool builtInName = name == builtIn_.String(kStringLanguageName);
  if (builtInName || found == files.end()) {
    UseBuiltIn();
    return false;
  }
  // The same file again: nothing to reload.
  if (language_ && languagePath_ == found->path && languageName_ == name) return true;
  UseBuiltIn();
  auto set = std::make_unique<platform::ResourceSet>();
  if (!ReadLanguageFile(found->path, *set)) return false;
  language_ = std::move(set);
  languageName_ = name;
  languagePath_ = found->path;
  return true;
}

void ProgramResources::UseBuiltIn() {
  language_.reset();
  languageName_.clear();
  languagePath_.clear();
}

std::string ProgramResources::String(int id) const {
  if (language_ && language_->HasString(id)) return language_->String(id);
  return builtIn_.String(id);
}

const platform::Menu* ProgramResources::FindMenu(int id) const {
  const platform::Menu* menu = language_ ? language_->FindMenu(id) : nullptr;
  return menu ? menu : builtIn_.FindMenu(id);
}

const platform::AcceleratorTable* ProgramResources::FindAccelerators(int id) const {
  const platform::AcceleratorTable* table = language_ ? language_->FindAccelerators(id) : nullptr;
  return table ? table : builtIn_.FindAccelerators(id);
}

const platform::DialogTemplate* ProgramResources::FindDialog(int id) const {
  const platform::DialogTemplate* dialog = language_ ? language_->FindDialog(id) : nullptr;
  return dialog ? dialog : builtIn_.FindDialog(id);
}

const std::string* ProgramResources::FindBitmap(int id) const {
  const std::string* bitmap = language_ ? language_->FindBitmap(id) : nullptr;
  return bitmap ? bitmap : builtIn_.FindBitmap(id);
}

const std::string* ProgramResources::FindIcon(int id) const {
  const std::string* icon = language_ ? language_->FindIcon(id) : nullptr;
  return icon ? icon : builtIn_.FindIcon(id);
}

}  // namespace colorohm
