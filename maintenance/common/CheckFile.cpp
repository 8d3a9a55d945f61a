#include "maintenance/common/CheckFile.h"

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "maintenance/common/AppRegistry.h"
#include "platform/text/Text.h"

namespace maintenance {

bool CheckFileReader::Open(std::string_view cp1252Path) {
  file_.reset();
  // Non-blocking so that a named pipe cannot hold the open; it is refused just below.
  const int fd = ::open(FileSystemPath(cp1252Path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  file_.reset(::fdopen(fd, "r"));
  if (!file_) ::close(fd);
  return file_ != nullptr;
}

bool CheckFileReader::ReadLine(std::string& line) {
  line.clear();
  if (!file_) return false;
  std::FILE* file = file_.get();
  int c = std::getc(file);
  if (c == EOF) return false;
  bool leading = true;
  bool cut = false;
  for (; c != EOF && c != '\n'; c = std::getc(file)) {
    if (leading && platform::IsBlank(static_cast<char>(c))) continue;
    leading = false;
    if (line.size() < kMaxLineKept)
      line += static_cast<char>(c);
    else
      cut = true;
  }
  if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::string NormaliseRequirementLine(std::string_view line) {
  return std::string(platform::Trim(platform::ToUpperCp1252(line)));
}

bool MatchShortcutKey(std::string_view line, std::string_view key, std::string& value) {
  value.clear();
  const std::string_view trimmed = platform::Trim(line);
  if (trimmed.size() < key.size() || platform::ToUpperCp1252(trimmed.substr(0, key.size())) != key)
    return false;
  value = trimmed.substr(key.size());
  return true;
}

ShortcutFields SplitShortcutValue(std::string_view value) {
  ShortcutFields out;
  std::string* const fields[] = {&out.name, &out.target, &out.description};
  size_t pos = 0;
  for (std::string* field : fields) {
    pos = value.find_first_not_of(',', pos);
    if (pos == std::string_view::npos) break;
    const size_t end = std::min(value.find(',', pos), value.size());
    *field = value.substr(pos, end - pos);
    pos = end;
  }
  return out;
}

} // namespace maintenance

