// Colorohm's figures: time from process start to the first painted frame and resident memory
// (bench_colorohm_first_frame started N times), then one full paint and one band redraw of the
// calculator window, each over repeated runs. Prints median and spread (min, max).
//   QT_QPA_PLATFORM=offscreen bench_colorohm [runs]

#include "colorohm/app/ColorohmApp.h"
#include "colorohm/app/ColorohmDlg.h"
#include "resources/ColorohmResources.h"

#include <QApplication>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

void Report(const char* what, const char* unit, std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const double median = samples[samples.size() / 2];
  std::printf("%-28s median %9.3f %s   min %9.3f   max %9.3f   (%zu runs)\n", what, median, unit,
              samples.front(), samples.back(), samples.size());
}

// One start of the first-frame program: its elapsed ms and resident kB, or false.
bool TimeOneStart(const std::string& program, const std::string& folder, double& ms, double& kb) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>(folder.c_str()), nullptr};
  const auto start = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (spawned != 0) {
    close(pipeFds[0]);
    return false;
  }
  std::string out;
  char buffer[256];
  for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<size_t>(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  long long paintedNs = 0;
  long residentKb = 0;
  if (std::sscanf(out.c_str(), "%lld %ld", &paintedNs, &residentKb) != 2) return false;
  const long long startNs = std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
  ms = static_cast<double>(paintedNs - startNs) / 1e6;
  kb = static_cast<double>(residentKb);
  return true;
}

std::vector<double> TimeEach(int runs, const std::function<void()>& step) {
  std::vector<double> samples;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    step();
    samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  QApplication application(argc, argv);
  colorohm::UseProgramFont();
  QTemporaryDir folder;
  const std::string store = folder.filePath("reg.db").toStdString();
  setenv("SOLVANE_REGISTRY", store.c_str(), 1);
  {
    // A store past the first start, as on every start but the first.
    platform::RegistryStore seeded(store);
    platform::RecordingMessageBoxes messages;
    colorohm::CColorohmApp app(seeded, messages, ColorohmResources(), folder.path().toStdString());
    app.InitInstance();
    app.Settings().premierDemarrage = 0;
    app.SaveSettings();
  }

  const std::string firstFrame =
      (std::filesystem::path(argv[0]).parent_path() / "bench_colorohm_first_frame").string();
  std::vector<double> startMs, residentMb;
  for (int i = 0; i < runs; ++i) {
    double ms = 0, kb = 0;
    if (!TimeOneStart(firstFrame, folder.path().toStdString(), ms, kb)) {
      std::fprintf(stderr, "bench_colorohm: %s did not report its first frame\n", firstFrame.c_str());
      return 1;
    }
    startMs.push_back(ms);
    residentMb.push_back(kb / 1024.0);
  }
  Report("start to first frame", "ms", startMs);
  Report("resident memory", "MB", residentMb);

  platform::RegistryStore reused(store);
  platform::RecordingMessageBoxes messages;
  colorohm::CColorohmApp app(reused, messages, ColorohmResources(), folder.path().toStdString());
  app.InitInstance();
  auto window = app.CreateCalculatorWindow();
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return 1;
  Report("full paint", "ms", TimeEach(runs * 10, [&] {
           window->InvalidateAll();
           window->repaint();
         }));
  window->repaint();
  int position = 1;
  Report("band redraw", "ms", TimeEach(runs * 50, [&] {
           position = position % 10 + 1;
           window->BandSlider(1)->blockSignals(true);
           window->BandSlider(1)->setValue(position);
           window->BandSlider(1)->blockSignals(false);
           window->RedrawBand(1);
         }));
  return 0;
}
