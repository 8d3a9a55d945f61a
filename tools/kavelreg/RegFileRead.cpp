#include "platform/registry/KeyPath.h"
#include "platform/text/Text.h"
#include "tools/kavelreg/KeyName.h"
#include "tools/kavelreg/RegFile.h"
#include "tools/kavelreg/ResultText.h"

namespace kavelreg {
namespace {

using platform::ValueType;

// The file's lines without their line ends; a final line end opens no extra line.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

// A quoted text with \\ and \" escapes at the start of `text`, which moves past it.
bool ReadQuoted(std::string_view& text, std::string& out) {
  if (text.empty() || text.front() != '"') return false;
  out.clear();
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      text.remove_prefix(i + 1);
      return true;
    }
    if (c == '\\') {
      if (++i == text.size() || (text[i] != '\\' && text[i] != '"')) return false;
      out += text[i];
    } else {
      out += c;
    }
  }
  return false;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 1 to `maxDigits` hex digits, the whole of `text`.
bool ReadHexNumber(std::string_view text, std::size_t maxDigits, unsigned long& value) {
  if (text.empty() || text.size() > maxDigits) return false;
  value = 0;
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    value = value * 16 + static_cast<unsigned long>(digit);
  }
  return true;
}

// "xx,xx,..." (possibly empty) into bytes.
bool ReadHexList(std::string_view text, std::string& out) {
  out.clear();
  text = platform::Trim(text);
  if (text.empty()) return true;
  for (;;) {
    const std::size_t comma = text.find(',');
    unsigned long byte = 0;
    if (!ReadHexNumber(platform::Trim(text.substr(0, comma)), 2, byte)) return false;
    out += static_cast<char>(byte);
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

// The data after '=': a quoted text, -, dword:, hex: or hex(N):.
bool ReadData(std::string_view text, RegFileEntry& entry) {
  text = platform::Trim(text);
  if (text == "-") {
    entry.kind = RegFileEntry::Kind::DeleteValue;
    return true;
  }
  entry.kind = RegFileEntry::Kind::SetValue;
  if (!text.empty() && text.front() == '"') {
    entry.type = ValueType::String;
    return ReadQuoted(text, entry.data) && platform::Trim(text).empty();
  }
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  const std::string prefix = platform::ToLowerCp1252(platform::Trim(text.substr(0, colon)));
  const std::string_view rest = text.substr(colon + 1);
  if (prefix == "dword") {
    unsigned long value = 0;
    if (!ReadHexNumber(platform::Trim(rest), 8, value)) return false;
    entry.type = ValueType::Dword;
    entry.data.clear();
    for (int i = 0; i < 4; ++i) entry.data += static_cast<char>((value >> (8 * i)) & 0xFF);
    return true;
  }
  unsigned long type = static_cast<unsigned long>(ValueType::Binary);
  if (prefix.size() > 5 && prefix.starts_with("hex(") && prefix.back() == ')') {
    if (!ReadHexNumber(std::string_view(prefix).substr(4, prefix.size() - 5), 8, type))
      return false;
  } else if (prefix != "hex") {
    return false;
  }
  entry.type = static_cast<ValueType>(static_cast<int>(type));
  return ReadHexList(rest, entry.data);
}

class Parser {
public:
  Parser(std::vector<RegFileEntry>& entries, RegFileError& error)
      : entries_(entries), error_(error) {}

  bool Parse(std::string_view bytes) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    if (lines.empty() || platform::TrimRight(lines[0]) != "REGEDIT4")
      return Fail(1, "the file does not start with the line REGEDIT4");
    for (std::size_t i = 1; i < lines.size(); ++i) {
      const int number = static_cast<int>(i) + 1;
      const std::string_view line = platform::Trim(lines[i]);
      if (line.empty() || line.front() == ';') continue;
      if (line.front() == '[') {
        if (!Section(line, number)) return false;
        continue;
      }
      std::string logical(line);
      // Long hex lists go on over lines ending in a backslash.
      while (IsContinuedHex(logical)) {
        logical.pop_back();
        if (++i == lines.size()) return Fail(number, "the file ends inside a continued line");
        logical += platform::Trim(lines[i]);
      }
      if (!Value(logical, number)) return false;
    }
    return true;
  }

private:
  // A hex value line that ends in the continuation backslash.
  static bool IsContinuedHex(std::string_view line) {
    std::string_view rest = line;
    std::string name;
    if (!rest.empty() && rest.front() == '@') rest.remove_prefix(1);
    else if (!ReadQuoted(rest, name)) return false;
    rest = platform::TrimLeft(rest);
    if (rest.empty() || rest.front() != '=') return false;
    const std::string data = platform::ToLowerCp1252(platform::TrimLeft(rest.substr(1)));
    return data.starts_with("hex") && !rest.empty() && rest.back() == '\\';
  }

  bool Section(std::string_view line, int number) {
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || !platform::Trim(line.substr(close + 1)).empty())
      return Fail(number, "a key line must end with ]");
    std::string_view text = line.substr(1, close - 1);
    RegFileEntry entry;
    entry.line = number;
    entry.kind = RegFileEntry::Kind::Key;
    if (!text.empty() && text.front() == '-') {
      entry.kind = RegFileEntry::Kind::DeleteTree;
      text.remove_prefix(1);
    }
    KeyName key;
    if (!ParseKeyName(text, key))
      return Fail(number, "unknown root key (HKEY_LOCAL_MACHINE or HKEY_CLASSES_ROOT expected)");
    std::vector<std::string_view> parts;
    if (!platform::SplitKeyPath(key.path, parts)) return Fail(number, "invalid key name");
    if (entry.kind == RegFileEntry::Kind::DeleteTree && parts.empty())
      return Fail(number, "a whole hive cannot be removed");
    entry.hive = key.hive;
    entry.path = key.path;
    inKey_ = entry.kind == RegFileEntry::Kind::Key;
    section_ = entry;
    entries_.push_back(std::move(entry));
    return true;
  }

  bool Value(std::string_view line, int number) {
    if (!inKey_) return Fail(number, "a value line must follow a [key] line");
    RegFileEntry entry = section_;
    entry.line = number;
    std::string_view rest = line;
    if (rest.front() == '@') {
      rest.remove_prefix(1);
      entry.name.clear();
    } else if (!ReadQuoted(rest, entry.name)) {
      return Fail(number, "unrecognised line: a value name in double quotes or @ expected");
    }
    rest = platform::TrimLeft(rest);
    if (rest.empty() || rest.front() != '=') return Fail(number, "= expected after the value name");
    if (!platform::IsValidValueName(entry.name)) return Fail(number, "value name too long");
    if (!ReadData(rest.substr(1), entry))
      return Fail(number, "bad value data: \"text\", -, dword:, hex: or hex(N): expected");
    entries_.push_back(std::move(entry));
    return true;
  }

  bool Fail(int number, std::string message) {
    error_.line = number;
    error_.message = std::move(message);
    return false;
  }

  std::vector<RegFileEntry>& entries_;
  RegFileError& error_;
  RegFileEntry section_;
  bool inKey_ = false;
};

} // namespace

bool ParseRegFile(std::string_view bytes, std::vector<RegFileEntry>& entries,
                  RegFileError& error) {
  entries.clear();
  error = RegFileError();
  Parser parser(entries, error);
  return parser.Parse(bytes);
}

bool ImportRegFile(platform::RegistryStore& store, std::string_view bytes, RegFileError& error) {
  std::vector<RegFileEntry> entries;
  if (!ParseRegFile(bytes, entries, error)) return false;
  const platform::RegResult result = store.InTransaction([&] {
    platform::RegKey key;
    for (const RegFileEntry& entry : entries) {
      platform::RegResult step = platform::RegResult::Ok;
      switch (entry.kind) {
        case RegFileEntry::Kind::Key: step = store.CreateKey(entry.hive, entry.path, key); break;
        case RegFileEntry::Kind::DeleteTree:
          step = store.DeleteTree(entry.hive, entry.path);
          if (step == platform::RegResult::NotFound) step = platform::RegResult::Ok;
          break;
        case RegFileEntry::Kind::SetValue:
          step = key.SetValue(entry.name, entry.data, entry.type);
          break;
        case RegFileEntry::Kind::DeleteValue:
          step = key.DeleteValue(entry.name);
          if (step == platform::RegResult::NotFound) step = platform::RegResult::Ok;
          break;
      }
      if (step != platform::RegResult::Ok) {
        error.line = entry.line;
        error.message = ResultText(step, store);
        return step;
      }
    }
    return platform::RegResult::Ok;
  });
  if (result != platform::RegResult::Ok && error.message.empty()) {
    error.message = ResultText(result, store);
  }
  return result == platform::RegResult::Ok;
}

} // namespace kavelreg
