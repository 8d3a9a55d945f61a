#include "platform/files/Files.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

void SetError(std::string* error, const std::string& what, int err) {
  if (error) *error = what + ": " + std::strerror(err);
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return {};
}

// mkdir -p; true when the folder exists at the end.
bool MakeFolders(const std::string& folder) {
  for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  struct stat st {};
  return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FolderPart(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The process umask, read without changing it (umask() itself would race other threads).
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtol(line.c_str() + 6, nullptr, 8));
  }
  return 022;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

} // namespace

std::string WindowsFolder() {
  std::string base;
  if (const char* state = std::getenv("XDG_STATE_HOME"); state && state[0] == '/') {
    base = state;
  } else {
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    base = home + "/.local/state";
  }
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  std::string folder = base + "/solvane";
  return MakeFolders(folder) ? folder : std::string();
}

std::string CreateScratchFile(std::string_view folder, std::string_view prefix, std::string* error) {
  if (folder.empty()) {
    if (error) *error = "no folder given for the scratch file";
    return {};
  }
  char resolved[PATH_MAX];
  if (!realpath(std::string(folder).c_str(), resolved)) {
    SetError(error, "cannot use folder " + std::string(folder), errno);
    return {};
  }
  if (std::strcmp(resolved, "/") == 0) {
    if (error) *error = "scratch files are never made at the filesystem root";
    return {};
  }
  std::string path = std::string(resolved) + "/" + std::string(prefix) + "XXXXXX";
  const int fd = mkostemp(path.data(), O_CLOEXEC);
  if (fd < 0) {
    SetError(error, "cannot create a scratch file in " + std::string(resolved), errno);
    return {};
  }
  close(fd);
  return path;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  if (path.empty() || path.back() == '/') {
    if (error) *error = "no file name given";
    return false;
  }
  const std::string folder = FolderPart(path);
  const std::string name = path.substr(path.rfind('/') + 1);
  std::string scratch = (folder == "/" ? "" : folder) + "/." + name + ".XXXXXX";
  const int fd = mkostemp(scratch.data(), O_CLOEXEC);
  if (fd < 0) {
    SetError(error, "cannot create a temporary file beside " + path, errno);
    return false;
  }

  auto fail = [&](const char* what) {
    const int err = errno;
    unlink(scratch.c_str());
    SetError(error, std::string(what) + " " + path, err);
    return false;
  };
  struct stat old {};
  const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
  if (fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) {
    const int err = errno;
    close(fd);
    errno = err;
    return fail("cannot write");
  }
  if (close(fd) != 0) return fail("cannot write");
  if (rename(scratch.c_str(), path.c_str()) != 0) return fail("cannot replace");

  // Make the rename itself durable; the data are already safe, so a failure here is not one.
  if (const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
    fsync(dirFd);
    close(dirFd);
  }
  return true;
}

std::string RunningExecutablePath() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
  if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer) return {};
  return std::string(buffer, static_cast<size_t>(n));
}

} // namespace platform
