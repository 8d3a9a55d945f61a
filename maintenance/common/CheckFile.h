#pragma once
// An application's check file: plain Windows-1252 text read line by line (a line ends at LF, a CR
// before it is dropped). Lines that begin with a known key carry a requirement (read upper-cased)
// or a shortcut (read with its case kept); every other line is ignored.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace maintenance {

// Reads a check file one line at a time with bounded memory. Each line comes without its leading
// white space and is cut after 64 KiB; both readers trim the line, and no key, token, number or
// library name that could match is that long, so the cut never changes a reading.
class CheckFileReader {
public:
  // False when the path does not name a regular file that can be read (a folder, a pipe or a
  // device would never end or never answer).
  bool Open(std::string_view cp1252Path);
  // The next line, false at the end of the file.
  bool ReadLine(std::string& line);

  static constexpr size_t kMaxLineKept = 64 * 1024;

private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

// The requirement reading of a line: upper-cased, then trimmed at both ends.
std::string NormaliseRequirementLine(std::string_view line);

// The shortcut reading: the trimmed line matches when its first characters, upper-cased, equal
// key (given in capitals); value is the rest of the trimmed line with its case kept.
bool MatchShortcutKey(std::string_view line, std::string_view key, std::string& value);

struct ShortcutFields {
  std::string name;
  std::string target;
  std::string description;
};

// The first three comma-separated fields of a shortcut value; runs of commas count as one
// separator and leading commas are skipped, so an empty field shifts the following ones.
ShortcutFields SplitShortcutValue(std::string_view value);

} // namespace maintenance
