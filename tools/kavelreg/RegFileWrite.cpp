#include "tools/kavelreg/KeyName.h"
#include "tools/kavelreg/RegFile.h"
#include "tools/kavelreg/ResultText.h"

#include <cstdio>

namespace kavelreg {
namespace {

using platform::RegResult;
using platform::ValueType;

constexpr std::string_view kLineEnd = "\r\n";
// The registry editor breaks hex lists after the byte that takes a line past this width.
constexpr std::size_t kHexLineWidth = 76;

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

std::string HexByte(unsigned char byte) {
  static constexpr char kDigits[] = "0123456789abcdef";
  return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

void AppendHexList(std::string& out, std::string line, std::string_view data) {
  for (std::size_t i = 0; i < data.size(); ++i) {
    line += HexByte(static_cast<unsigned char>(data[i]));
    if (i + 1 == data.size()) break;
    line += ',';
    if (line.size() >= kHexLineWidth) {
      out += line;
      out += '\\';
      out += kLineEnd;
      line = "  ";
    }
  }
  out += line;
  out += kLineEnd;
}

// One value line. Texts that a quoted string cannot carry exactly (a NUL or a line break inside)
// are written as hex(1) so that their bytes come back unchanged.
void AppendValue(std::string& out, std::string_view name, std::string_view data, ValueType type) {
  std::string line = name.empty() ? std::string("@") : Quoted(name);
  line += '=';
  const bool plainText = data.find('\0') == std::string_view::npos && !HasLineBreak(data);
  if (type == ValueType::String && plainText) {
    out += line + Quoted(data);
    out += kLineEnd;
  } else if (type == ValueType::Dword && data.size() == 4) {
    unsigned long value = 0;
    for (int i = 3; i >= 0; --i) value = value * 256 + static_cast<unsigned char>(data[i]);
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08lx", value);
    out += line + "dword:" + digits;
    out += kLineEnd;
  } else if (type == ValueType::Binary) {
    AppendHexList(out, line + "hex:", data);
  } else {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(type));
    AppendHexList(out, line + prefix, data);
  }
}

class Exporter {
public:
  Exporter(std::string& out, RegFileError& error) : out_(out), error_(error) {}

  RegResult Key(const platform::RegKey& key) {
    if (HasLineBreak(key.Path())) return Refuse("a key name holds a line break: " + key.Path());
    out_ += "[" + FullKeyName(key.GetHive(), key.Path()) + "]";
    out_ += kLineEnd;
    std::string name, data;
    ValueType type{};
    RegResult result = RegResult::Ok;
    int index = 0;
    for (; (result = key.EnumValue(index, name, data, type)) == RegResult::Ok; ++index) {
      if (HasLineBreak(name)) return Refuse("a value name holds a line break: " + name);
      AppendValue(out_, name, data, type);
    }
    if (result != RegResult::NotFound) return result;
    out_ += kLineEnd;
    for (index = 0; (result = key.EnumKey(index, name)) == RegResult::Ok; ++index) {
      platform::RegKey sub;
      result = key.OpenSubKey(name, platform::KeyAccess::Read, sub);
      if (result == RegResult::Ok) result = Key(sub);
      if (result != RegResult::Ok) return result;
    }
    return result == RegResult::NotFound ? RegResult::Ok : result;
  }

private:
  RegResult Refuse(std::string message) {
    error_.message = "cannot be written to a REGEDIT4 file, " + std::move(message);
    return RegResult::InvalidName;
  }

  std::string& out_;
  RegFileError& error_;
};

} // namespace

bool ExportRegFile(platform::RegistryStore& store, platform::Hive hive, std::string_view path,
                   std::string& bytes, RegFileError& error) {
  error = RegFileError();
  bytes = "REGEDIT4";
  bytes += kLineEnd;
  bytes += kLineEnd;
  Exporter exporter(bytes, error);
  const RegResult result = store.InReadTransaction([&] {
    platform::RegKey key;
    const RegResult opened = store.OpenKey(hive, path, platform::KeyAccess::Read, key);
    return opened == RegResult::Ok ? exporter.Key(key) : opened;
  });
  if (result != RegResult::Ok && error.message.empty()) error.message = ResultText(result, store);
  return result == RegResult::Ok;
}

} // namespace kavelreg
