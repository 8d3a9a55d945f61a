#include "colorohm/app/ColorohmApp.h"

#include "colorohm/app/ColorohmDlg.h"

#include <QApplication>

namespace colorohm {

CColorohmApp::CColorohmApp(platform::RegistryStore& store, platform::MessageBoxes& messages,
                           const platform::ResourceSet& builtIn, std::string programFolder)
    : store_(store), messages_(messages), resources_(builtIn), programFolder_(std::move(programFolder)) {}

CColorohmApp::~CColorohmApp() = default;

void CColorohmApp::InitInstance() {
  languageFiles_ = ScanLanguageFiles(programFolder_);
  std::string versionText;
  maintenance::WinVersionCode version = maintenance::WinUnknown;
  maintenance::GetWindowsVersion(versionText, version);
  // Qt always draws with a style of its own, the counterpart of an active visual theme.
  settings_ = DefaultSettings(DefaultStyleAffichage(version, true));
  ExchangeSettings(store_, settings_, Exchange::Load);
  ValidateSettings(settings_);
}

std::unique_ptr<CColorohmDlg> CColorohmApp::CreateCalculatorWindow() {
  ChooseLanguage(settings_.langue);
  templateInUse_ = settings_.sensAffichage == 1 ? kTemplateLying : kTemplateUpright;
  return std::make_unique<CColorohmDlg>(*this, templateInUse_);
}

int CColorohmApp::Run() {
  for (;;) {
    std::unique_ptr<CColorohmDlg> window = CreateCalculatorWindow();
    window->exec();
    if (!window->ReplaceRequested()) break;
  }
  SaveSettings();
  return 0;
}

void CColorohmApp::SaveSettings() { ExchangeSettings(store_, settings_, Exchange::Save); }

void CColorohmApp::ChooseLanguage(const std::string& name) { resources_.Choose(name, languageFiles_); }

void UseProgramFont() {
  QFont font = QApplication::font();
  font.setFamily(QStringLiteral("DejaVu Sans Condensed"));
  QApplication::setFont(font);
}

void CColorohmApp::UseBuiltInResources() { resources_.UseBuiltIn(); }

}  // namespace colorohm
