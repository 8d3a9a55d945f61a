// Starts Colorohm as the program does and, at the first paint of its window, prints the monotonic
// clock (ns) and the resident memory (kB), then quits. Run by bench_colorohm, which timed the start.

#include "colorohm/app/ColorohmApp.h"
#include "colorohm/app/ColorohmDlg.h"
#include "resources/ColorohmResources.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace {

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  colorohm::UseProgramFont();
  platform::RegistryStore store(platform::RegistryStore::DefaultPath());
  platform::RecordingMessageBoxes messages;
  colorohm::CColorohmApp app(store, messages, ColorohmResources(), argc > 1 ? argv[1] : ".");
  app.InitInstance();
  auto window = app.CreateCalculatorWindow();
  QObject::connect(window.get(), &colorohm::CColorohmDlg::Painted, [] {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, ResidentKb());
    std::fflush(stdout);
    std::_Exit(0);
  });
  window->show();
  return QApplication::exec();
}
