#include "platform/files/Files.h"
#include "platform/registry/Registry.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"
#include "tallyra/app/Principale.h"
#include "tallyra/core/SettingsStore.h"

#include <QApplication>

#include <string>

int main(int argc, char* argv[]) {
  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  }
  platform::RegistryStore store(platform::RegistryStore::DefaultPath());
  const std::string exePath = platform::RunningExecutablePath();
  if (tallyra::IsInstallCommand(commandLine)) {
    tallyra::RunInstallStep(store, exePath);
    return 0;
  }

  QApplication app(argc, argv);
  platform::QtMessageBoxes messages;
  platform::QtFileDialogs files;
  tallyra::Principale window(tallyra::ReadSettings(store), {store, messages, files, exePath});
  window.ShowCentred();
  return app.exec();
}
