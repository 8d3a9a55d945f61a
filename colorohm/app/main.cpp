// Colorohm: the settings store is $SOLVANE_REGISTRY or the per-user default; language files
// (langue*.dll) are looked for beside the executable.

#include "colorohm/app/ColorohmApp.h"
#include "platform/files/Files.h"
#include "resources/ColorohmResources.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <filesystem>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  colorohm::UseProgramFont();
  // The system's own buttons (Oui, Non) in the program's language.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  platform::RegistryStore store(platform::RegistryStore::DefaultPath());
  platform::QtMessageBoxes messages;
  const std::string folder = std::filesystem::path(platform::RunningExecutablePath()).parent_path().string();
  colorohm::CColorohmApp app(store, messages, ColorohmResources(), folder);
  app.InitInstance();
  return app.Run();
}
