#pragma once
// Colorohm's language files and the resources the program draws from. No Qt.
//
// A language file is a resource pack named langue*.dll beside the program whose string 1 is
// exactly "LANGUE" and whose string 2 is its display name. ProgramResources is the one source of
// strings, menus, accelerators, dialogs and bitmaps: the chosen language file first, the
// built-in resources for anything that file leaves out.

#include "platform/resources/Resources.h"

#include <memory>
#include <string>
#include <vector>

namespace colorohm {

inline constexpr int kStringLanguageTag = 1;
inline constexpr int kStringLanguageName = 2;
// A display name is cut to this many characters.
inline constexpr std::size_t kMaxLanguageName = 259;

struct LanguageFile {
  std::string name;  // Windows-1252, as string 2 gives it
  std::string path;  // file system path
};

// Reads a language file: true, with its resources, when it is a valid pack tagged "LANGUE".
bool ReadLanguageFile(const std::string& path, platform::ResourceSet& out);

// The valid language files of folder, in file-name order: names matching langue*.dll (without
// regard to case, as the Windows pattern does), regular files only.
std::vector<LanguageFile> ScanLanguageFiles(const std::string& folder);

class ProgramResources {
public:
  explicit ProgramResources(const platform::ResourceSet& builtIn) : builtIn_(builtIn) {}

  // Returns to the built-in resources, then loads the language named (exact, case-sensitive,
  // first match in files). The built-in display name, an empty or unknown name, or a file that
  // can no longer be read keeps the built-in resources. False when the built-in ones are in use.
  bool Choose(const std::string& name, const std::vector<LanguageFile>& files);
  void UseBuiltIn();
  // Display name of the language file in force; empty for the built-in resources.
  const std::string& LanguageInUse() const { return languageName_; }

  std::string String(int id) const;
  const platform::Menu* FindMenu(int id) const;
  const platform::AcceleratorTable* FindAccelerators(int id) const;
  const platform::DialogTemplate* FindDialog(int id) const;
  const std::string* FindBitmap(int id) const;
  const std::string* FindIcon(int id) const;
  const platform::ResourceSet& BuiltIn() const { return builtIn_; }

private:
  const platform::ResourceSet& builtIn_;
  std::unique_ptr<platform::ResourceSet> language_;
  std::string languageName_;
  std::string languagePath_;
};

}  // namespace colorohm
