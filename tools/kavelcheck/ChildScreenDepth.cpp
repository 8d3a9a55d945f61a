#include "tools/kavelcheck/ChildScreenDepth.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>

#include "maintenance/common/ScreenDepth.h"

namespace kavelcheck {

namespace {

[[noreturn]] void ReportDepth(int output) {
  // Qt's complaints about a missing display are not ours to show.
  const int null = ::open("/dev/null", O_WRONLY);
  if (null >= 0) ::dup2(null, STDERR_FILENO);
  int argc = 1;
  char name[] = "kavelcheck";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  const unsigned depth = maintenance::PrimaryScreenDepth();
  (void)!::write(output, &depth, sizeof depth);
  ::_exit(0);
}

} // namespace

unsigned ChildScreenDepth() {
  int pipe[2];
  if (::pipe2(pipe, O_CLOEXEC) != 0) return 0;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    ReportDepth(pipe[1]);
  }
  ::close(pipe[1]);
  unsigned depth = 0;
  if (child < 0 || ::read(pipe[0], &depth, sizeof depth) != sizeof depth) depth = 0;
  ::close(pipe[0]);
  if (child > 0) ::waitpid(child, nullptr, 0);
  return depth;
}

} // namespace kavelcheck
