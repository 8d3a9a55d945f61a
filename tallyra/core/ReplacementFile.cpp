#include "tallyra/core/ReplacementFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tallyra {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;

std::string FolderPart(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) {
    return ".";
  }
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NamePart(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

} // namespace

std::string ResolvedPath(const std::string& target) {
  char resolved[PATH_MAX];
  if (::realpath(target.c_str(), resolved) != nullptr) {
    return resolved;
  }
  return target;
}

ReplacementFile::~ReplacementFile() { Discard(); }

bool ReplacementFile::Create(const std::string& target) {
  Discard();
  target_ = ResolvedPath(target);
  failed_ = false;
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  static std::atomic<unsigned> counter{0};
  const std::string stem = FolderPart(target_) + "/." + NamePart(target_) + ".";
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    scratch_ = stem + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    fd_ = ::open(scratch_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) {
      break;
    }
  }
  if (fd_ < 0) {
    scratch_.clear();
    return false;
  }
  if (exists) {
    ::fchmod(fd_, existing.st_mode & 07777);
  }
  return true;
}

bool ReplacementFile::Flush() {
  if (!failed_ && !pending_.empty()) {
    failed_ = !WriteAll(fd_, pending_.data(), pending_.size());
  }
  pending_.clear();
  return !failed_;
}

bool ReplacementFile::Write(std::string_view bytes) {
  if (fd_ < 0 || failed_) {
    return false;
  }
  pending_ += bytes;
  return pending_.size() < kFlushSize || Flush();
}

bool ReplacementFile::CopyRange(int fd, std::uint64_t from, std::uint64_t to) {
  if (fd_ < 0 || failed_ || !Flush()) {
    return false;
  }
  std::vector<char> buffer(kFlushSize);
  while (from < to) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(to - from, buffer.size()));
    const ssize_t n = ::pread(fd, buffer.data(), want, static_cast<off_t>(from));
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0 || !WriteAll(fd_, buffer.data(), static_cast<std::size_t>(n))) {
      failed_ = true;
      return false;
    }
    from += static_cast<std::uint64_t>(n);
  }
  return true;
}

bool ReplacementFile::Commit() {
  if (fd_ < 0) {
    return false;
  }
  bool ok = Flush() && ::fsync(fd_) == 0;
  ok = ::close(fd_) == 0 && ok;
  fd_ = -1;
  if (ok && ::rename(scratch_.c_str(), target_.c_str()) == 0) {
    scratch_.clear();
    SyncFolder(FolderPart(target_));
    return true;
  }
  Discard();
  return false;
}

void ReplacementFile::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!scratch_.empty()) {
    ::unlink(scratch_.c_str());
    scratch_.clear();
  }
  pending_.clear();
}

} // namespace tallyra
