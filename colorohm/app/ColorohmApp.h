#pragma once
// Colorohm, the resistor colour-code calculator.
//
//   CColorohmApp      the application object: language files, settings, the window's life
//   CColorohmDlg      the calculator window (ColorohmDlg.h)
//   Settings.h        the settings record and its exchange with the settings store
//   LanguageFiles.h   langue*.dll files and the resources the program draws from
//   QtResources.h     resources turned into Qt menus, keys, bitmaps and icons
//
// The application loads the settings, runs calculator windows one after the other (a change of
// layout or language replaces the window) and saves the settings when the last one closes.

#include "colorohm/app/LanguageFiles.h"
#include "colorohm/app/Settings.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBoxes.h"

#include <memory>
#include <string>
#include <vector>

namespace colorohm {

class CColorohmDlg;

inline constexpr int kTemplateUpright = 102;
inline constexpr int kTemplateLying = 182;

class CColorohmApp {
public:
  // store and messages must outlive the application; programFolder is where the language files are.
  CColorohmApp(platform::RegistryStore& store, platform::MessageBoxes& messages,
               const platform::ResourceSet& builtIn, std::string programFolder);
  ~CColorohmApp();

  // Scans the language files, loads and validates the settings and makes the stored language the
  // source of resources, so that the first window appears in it.
  void InitInstance();
  // Runs calculator windows until the user closes the last one, then saves the settings.
  int Run();
  // A new calculator window with the template that "Sens affichage" chooses, in the stored language.
  std::unique_ptr<CColorohmDlg> CreateCalculatorWindow();
  void SaveSettings();

  SettingsRecord& Settings() { return settings_; }
  ProgramResources& Resources() { return resources_; }
  platform::MessageBoxes& Messages() { return messages_; }
  const std::vector<LanguageFile>& LanguageFiles() const { return languageFiles_; }
  int TemplateInUse() const { return templateInUse_; }

  // Makes the named language the source of resources (built-in for an unknown name).
  void ChooseLanguage(const std::string& name);
  void UseBuiltInResources();

private:
  platform::RegistryStore& store_;
  platform::MessageBoxes& messages_;
  ProgramResources resources_;
  std::string programFolder_;
  SettingsRecord settings_;
  std::vector<LanguageFile> languageFiles_;
  int templateInUse_ = kTemplateLying;
};

// Gives the application the face whose dialog base units at 8 points are those of the Windows
// dialog font (6 × 13 pixels at 96 dpi), so that the templates keep their place against the
// resistor, which is drawn in pixels.
void UseProgramFont();

}  // namespace colorohm
