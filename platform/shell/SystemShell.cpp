#include "platform/shell/Shell.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

int ResultOfErrno(int err) {
  switch (err) {
  case ENOENT: return kShellFileNotFound;
  case ENOTDIR: return kShellPathNotFound;
  case EACCES:
  case EPERM: return kShellAccessDenied;
  case ENOEXEC: return kShellBadFormat;
  case ENOMEM:
  case E2BIG: return kShellOutOfMemory;
  default: return kShellOutOfResources;
  }
}

// "scheme:" as in RFC 3986, at least two letters long so that nothing like a drive letter counts.
bool IsAddress(const std::string& text) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  auto isAlpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!isAlpha(text[0])) return false;
  for (size_t i = 1; i < colon; ++i) {
    const char c = text[i];
    if (!isAlpha(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

bool IsRunnable(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The program's path: as given when it holds a '/', else the first runnable match in PATH.
std::string FindProgram(const std::string& name) {
  if (name.find('/') != std::string::npos) return IsRunnable(name) ? name : std::string();
  const char* pathVar = std::getenv("PATH");
  const std::string path = pathVar ? pathVar : "/usr/local/bin:/usr/bin:/bin";
  for (size_t start = 0; start <= path.size();) {
    size_t end = path.find(':', start);
    if (end == std::string::npos) end = path.size();
    const std::string folder = end > start ? path.substr(start, end - start) : ".";
    if (const std::string candidate = folder + "/" + name; IsRunnable(candidate)) return candidate;
    start = end + 1;
  }
  return {};
}

[[noreturn]] void ReportAndExit(int pipeFd, int err) {
  [[maybe_unused]] const ssize_t n = write(pipeFd, &err, sizeof err);
  _exit(127);
}

// Starts argv[0] in folder (the current one when empty) without waiting for it. Only
// async-signal-safe calls happen between fork and exec: the caller may be multi-threaded.
int Spawn(const std::vector<std::string>& args, const std::string& folder) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  int errorPipe[2];
  if (pipe2(errorPipe, O_CLOEXEC) != 0) return ResultOfErrno(errno);
  const pid_t middle = fork();
  if (middle < 0) {
    const int err = errno;
    close(errorPipe[0]);
    close(errorPipe[1]);
    return ResultOfErrno(err);
  }
  if (middle == 0) {
    const pid_t child = fork();
    if (child < 0) ReportAndExit(errorPipe[1], errno);
    if (child > 0) _exit(0);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    signal(SIGPIPE, SIG_DFL);
    signal(SIGCHLD, SIG_DFL);
    setsid();
    if (!folder.empty() && chdir(folder.c_str()) != 0) ReportAndExit(errorPipe[1], errno);
    // Our open files (settings store, display connection) are none of the program's business.
    close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    execv(argv[0], argv.data());
    ReportAndExit(errorPipe[1], errno);
  }

  close(errorPipe[1]);
  while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
  }
  int err = 0;
  ssize_t n;
  do {
    n = read(errorPipe[0], &err, sizeof err);
  } while (n < 0 && errno == EINTR);
  close(errorPipe[0]);
  return n == static_cast<ssize_t>(sizeof err) ? ResultOfErrno(err) : kShellStarted;
}

// The child changes folder before it starts, so relative paths are fixed against ours first.
std::string Absolute(const std::string& path) {
  if (path[0] == '/') return path;
  char cwd[4096];
  return getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/" + path : path;
}

} // namespace

SystemShell::SystemShell(std::string opener, std::string printer)
    : opener_(std::move(opener)), printer_(std::move(printer)) {}

int SystemShell::Open(const std::string& file, const std::string& params, const std::string& folder) {
  if (file.empty()) return kShellFileNotFound;
  if (IsAddress(file)) {
    const std::string opener = FindProgram(opener_);
    return opener.empty() ? kShellNoAssociation : Spawn({opener, file}, folder);
  }
  const std::string path = Absolute(file[0] != '/' && !folder.empty() ? folder + "/" + file : file);
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return ResultOfErrno(errno);
  if (S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0) {
    std::vector<std::string> args{path};
    for (std::string& arg : SplitCommandLine(params)) args.push_back(std::move(arg));
    return Spawn(args, folder);
  }
  const std::string opener = FindProgram(opener_);
  return opener.empty() ? kShellNoAssociation : Spawn({opener, path}, folder);
}

int SystemShell::Print(const std::string& file) {
  if (file.empty()) return kShellFileNotFound;
  const std::string path = Absolute(file);
  if (access(path.c_str(), F_OK) != 0) return ResultOfErrno(errno);
  const std::string printer = FindProgram(printer_);
  return printer.empty() ? kShellNoAssociation : Spawn({printer, path}, {});
}

} // namespace platform
