#include "tallyra/core/Import.h"

#include "tallyra/core/Conversion.h"
#include "tallyra/core/RecordReader.h"
#include "tallyra/core/RecordWriter.h"
#include "tallyra/core/ReplacementFile.h"
#include "tallyra/core/Version.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyra {
namespace {

constexpr int kAttempts = 3;

enum class Step { Done, StartOver };

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::uint64_t SizeOf(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

// Where the data file's complete records end: after the last record all of whose lines ended
// with LF. Anything past it is a record still being written and is carried after the import.
bool FindRecordsEnd(RecordReader& data, std::uint64_t& end) {
  end = data.VersionLineEnd();
  ResultRecord record;
  for (;;) {
    const ReadStatus status = data.Next(record, QuestionMode::Skip);
    if (status == ReadStatus::ReadError) {
      return false;
    }
    if ((status != ReadStatus::Ok && status != ReadStatus::OutOfRange) ||
        !data.LastLineTerminated()) {
      return true;
    }
    end = data.Offset();
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A nameless file in folder (gone when closed), so the staged records never show as a file.
int OpenAnonymousFile(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  for (unsigned n = 0; fd < 0 && n < 100; ++n) {
    const std::string name =
        folder + "/.tallyra-import-" + std::to_string(::getpid()) + "-" + std::to_string(n);
    fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::unlink(name.c_str());
    } else if (errno != EEXIST) {
      break;
    }
  }
  return fd;
}

// Reads every record of the source, checking each, into staged in written form. The source is
// read once, whatever happens to the data file afterwards.
ImportResult StageSource(RecordReader& source, int staged, std::uint64_t& size, int& count) {
  constexpr std::size_t kFlushSize = 1 << 20;
  ResultRecord record;
  std::string block;
  size = 0;
  count = 0;
  for (;;) {
    const ReadStatus status = source.Next(record, QuestionMode::Read);
    if (status == ReadStatus::ReadError) {
      return ImportResult::SourceUnreadable;
    }
    // A last line without its line end may have been cut anywhere: refused rather than guessed.
    if ((status != ReadStatus::Ok && status != ReadStatus::End) ||
        (status == ReadStatus::Ok && !source.LastLineTerminated())) {
      return ImportResult::SourceDamaged;
    }
    if (status == ReadStatus::Ok) {
      AppendRecord(block, record);
      ++count;
    }
    if (block.size() >= kFlushSize || (status == ReadStatus::End && !block.empty())) {
      if (!WriteAll(staged, block)) {
        return ImportResult::WriteFailed;
      }
      size += block.size();
      block.clear();
    }
    if (status == ReadStatus::End) {
      return ImportResult::Ok;
    }
  }
}

// Copies what was appended to the data file since copied, until its length holds still.
// StartOver when the file shrank behind the import.
bool CatchUp(int fd, std::uint64_t& copied, ReplacementFile& out, Step& step) {
  for (;;) {
    const std::uint64_t size = SizeOf(fd);
    if (size < copied) {
      step = Step::StartOver;
      return true;
    }
    if (size == copied) {
      return true;
    }
    if (!out.CopyRange(fd, copied, size)) {
      return false;
    }
    copied = size;
  }
}

// Bytes that reached the old file between the last look and the rename go after the new file.
void CarryLateBytes(int oldFd, std::uint64_t copied, const std::string& path) {
  const std::uint64_t size = SizeOf(oldFd);
  if (size <= copied) {
    return;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) {
    return;
  }
  char buffer[1 << 16];
  while (copied < size) {
    const ssize_t n = ::pread(oldFd, buffer, sizeof buffer, static_cast<off_t>(copied));
    if (n <= 0 || ::write(fd, buffer, static_cast<std::size_t>(n)) != n) {
      break;
    }
    copied += static_cast<std::uint64_t>(n);
  }
  ::fsync(fd);
  ::close(fd);
}

ImportResult ImportOnce(const std::string& path, int staged, std::uint64_t stagedSize,
                        Step& step) {
  step = Step::Done;
  struct stat before {};
  const bool exists = ::stat(path.c_str(), &before) == 0;
  if (!exists && errno != ENOENT) {
    return ImportResult::WriteFailed;
  }
  RecordReader data;
  const bool hasContent = exists && before.st_size > 0;
  std::uint64_t copied = 0;
  if (exists && !data.Open(path)) {
    return ImportResult::WriteFailed;
  }
  if (hasContent) {
    if (IsOldFormat(data.Version())) {
      data.Close();
      if (!ConvertOldDataFile(path)) {
        return ImportResult::WriteFailed;
      }
      step = Step::StartOver;
      return ImportResult::Ok;
    }
    if (IsTooNew(data.Version())) {
      return ImportResult::DataTooNew;
    }
    if (!FindRecordsEnd(data, copied)) {
      return ImportResult::WriteFailed;
    }
  }

  ReplacementFile out;
  if (!out.Create(path)) {
    return ImportResult::WriteFailed;
  }
  bool written = true;
  if (hasContent) {
    written = out.CopyRange(data.Descriptor(), 0, copied);
    if (written && !data.VersionLineTerminated()) {
      written = out.Write("\r\n");
    }
  } else {
    std::string versionLine;
    AppendLine(versionLine, kProgramVersionLine);
    written = out.Write(versionLine);
  }
  if (!written || !out.CopyRange(staged, 0, stagedSize)) {
    return ImportResult::WriteFailed;
  }

  const int fd = exists ? data.Descriptor() : -1;
  if (fd >= 0) {
    if (!CatchUp(fd, copied, out, step)) {
      return ImportResult::WriteFailed;
    }
    ::flock(fd, LOCK_EX);
    if (step == Step::Done && !CatchUp(fd, copied, out, step)) {
      return ImportResult::WriteFailed;
    }
  }
  struct stat now {};
  const bool existsNow = ::stat(path.c_str(), &now) == 0;
  if (step == Step::StartOver || existsNow != exists || (exists && !SameFile(before, now))) {
    step = Step::StartOver;
    return ImportResult::Ok;
  }
  if (!out.Commit()) {
    return ImportResult::WriteFailed;
  }
  if (fd >= 0) {
    CarryLateBytes(fd, copied, path);
  }
  return ImportResult::Ok;  // closing the data file releases the lock
}

} // namespace

ImportResult ImportDataFile(const std::string& dataPath, const std::string& sourcePath,
                            int* imported) {
  if (imported != nullptr) {
    *imported = 0;
  }
  RecordReader source;
  if (!source.Open(sourcePath)) {
    return ImportResult::SourceUnreadable;
  }
  if (IsOldFormat(source.Version())) {
    source.Close();
    if (!ConvertOldDataFile(sourcePath) || !source.Open(sourcePath)) {
      return ImportResult::SourceUnreadable;
    }
  }
  if (IsTooNew(source.Version())) {
    return ImportResult::SourceTooNew;
  }
  if (dataPath.empty()) {
    return ImportResult::NoDataFile;
  }
  const std::string path = ResolvedPath(dataPath);
  const auto slash = path.rfind('/');
  const int staged = OpenAnonymousFile(slash == std::string::npos ? "." : path.substr(0, slash + 1));
  if (staged < 0) {
    return ImportResult::WriteFailed;
  }
  std::uint64_t stagedSize = 0;
  int count = 0;
  ImportResult result = StageSource(source, staged, stagedSize, count);
  source.Close();
  Step step = Step::StartOver;
  for (int attempt = 0; result == ImportResult::Ok && step == Step::StartOver; ++attempt) {
    result = attempt < kAttempts ? ImportOnce(path, staged, stagedSize, step)
                                 : ImportResult::WriteFailed;
  }
  ::close(staged);
  if (result == ImportResult::Ok && imported != nullptr) {
    *imported = count;
  }
  return result;
}

CopyResult CopyDataFile(const std::string& dataPath, const std::string& target) {
  if (dataPath.empty()) {
    return CopyResult::NoDataFile;
  }
  const int fd = ::open(dataPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return CopyResult::NoDataFile;
  }
  struct stat source {};
  struct stat existing {};
  CopyResult result = CopyResult::Ok;
  const bool sameFile = ::fstat(fd, &source) == 0 && ::stat(target.c_str(), &existing) == 0 &&
                        SameFile(source, existing);
  if (!sameFile) {
    ReplacementFile out;
    const bool ok = out.Create(target) &&
                    out.CopyRange(fd, 0, static_cast<std::uint64_t>(source.st_size)) &&
                    out.Commit();
    result = ok ? CopyResult::Ok : CopyResult::WriteFailed;
  }
  ::close(fd);
  return result;
}

} // namespace tallyra
