// Load (tree build), node click (rows of one node) and peak memory of a load at 1 000, 10 000 and
// 100 000 results, against `wc -l` on the same file in the same run. Times are the best of a few
// runs with the file in the page cache; memory is the peak resident size (VmHWM, which unlike a
// child's ru_maxrss does not inherit the parent's peak through fork/exec) of a fresh process that
// only loads the file, next to that of one that does nothing.
//
//   bench_tallyra [FOLDER]     (generated files go to FOLDER, default the temporary folder)

#include "bench/tallyra/DataGenerator.h"
#include "tallyra/core/Results.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 7;

// Runs argv to its end and returns its wall time in seconds; its output goes to out when given,
// else nowhere.
double Spawn(const std::vector<std::string>& argv, std::string* out = nullptr) {
  std::vector<char*> args;
  for (const std::string& arg : argv) {
    args.push_back(const_cast<char*>(arg.c_str()));
  }
  args.push_back(nullptr);
  int pipeFds[2] = {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (out != nullptr && ::pipe(pipeFds) == 0) {
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  }
  const auto start = Clock::now();
  pid_t pid = 0;
  const bool started = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (pipeFds[1] >= 0) {
    ::close(pipeFds[1]);
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
      out->append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
  }
  int status = 0;
  if (started) {
    ::waitpid(pid, &status, 0);
  }
  return started ? std::chrono::duration<double>(Clock::now() - start).count() : -1;
}

// Peak resident size of this process in KiB.
long PeakKiB() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  long peak = 0;
  char line[256];
  while (status != nullptr && std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, "VmHWM:", 6) == 0) {
      peak = std::atol(line + 6);
    }
  }
  if (status != nullptr) {
    std::fclose(status);
  }
  return peak;
}

// Peak resident size of a child run of this program with mode.
long ChildPeakKiB(const std::string& self, const std::vector<std::string>& mode) {
  std::vector<std::string> argv{self};
  argv.insert(argv.end(), mode.begin(), mode.end());
  std::string out;
  Spawn(argv, &out);
  return std::atol(out.c_str());
}

template <typename F>
double Seconds(F&& run) {
  const auto start = Clock::now();
  run();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

int ChildLoad(const char* path) {
  const tallyra::LoadOutcome load = tallyra::LoadResults(path, 0, tallyra::ScoreUnit::OutOf20);
  std::printf("%ld\n", PeakKiB());
  return load.status == tallyra::LoadStatus::Ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--load") == 0) {
    return ChildLoad(argv[2]);
  }
  if (argc == 2 && std::strcmp(argv[1], "--idle") == 0) {
    std::printf("%ld\n", PeakKiB());
    return 0;
  }
  const std::filesystem::path folder =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();

  std::printf("%9s %8s %9s %9s %9s %7s %9s %7s %9s %9s\n", "results", "MiB", "wc -l ms", "load ms",
              "click ms", "load/wc", "click/wc", "rows", "idle KiB", "load KiB");
  for (const int results : {1000, 10000, 100000}) {
    const std::string path = (folder / ("bench-tallyra-" + std::to_string(results) + ".dat")).string();
    tallyra::bench::GeneratorOptions options;
    options.results = results;
    if (!tallyra::bench::WriteResultsFile(path, options)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    // Written out and in the page cache before anything is timed.
    if (const int fd = ::open(path.c_str(), O_RDONLY); fd >= 0) {
      ::fsync(fd);
      ::close(fd);
    }
    Spawn({"wc", "-l", path});
    tallyra::LoadOutcome load = tallyra::LoadResults(path, 0, tallyra::ScoreUnit::OutOf20);
    const int middle = static_cast<int>(load.tree.Nodes().size() / 2);
    const int clicked = load.tree.Nodes()[static_cast<std::size_t>(middle)].IsFirstLevel() ? middle + 1 : middle;
    tallyra::NodeRows rows;
    // Interleaved, so that all three meet the same load of the machine.
    double wc = 1e9;
    double loadTime = 1e9;
    double clickTime = 1e9;
    for (int i = 0; i < kRuns; ++i) {
      wc = std::min(wc, Spawn({"wc", "-l", path}));
      loadTime = std::min(loadTime, Seconds([&] {
        const tallyra::LoadOutcome again = tallyra::LoadResults(path, 0, tallyra::ScoreUnit::OutOf20);
      }));
      clickTime = std::min(clickTime, Seconds([&] {
        rows = tallyra::ResultRowsOf(path, 0, tallyra::ScoreUnit::OutOf20, load.tree, clicked);
      }));
    }
    const long idleRss = ChildPeakKiB(self, {"--idle"});
    const long loadRss = ChildPeakKiB(self, {"--load", path});
    const double mib = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
    std::printf("%9d %8.1f %9.1f %9.1f %9.1f %7.2f %9.2f %7zu %9ld %9ld\n", results, mib, wc * 1e3,
                loadTime * 1e3, clickTime * 1e3, loadTime / wc, clickTime / wc, rows.rows.size(),
                idleRss, loadRss);
    std::filesystem::remove(path);
  }
  return 0;
}
