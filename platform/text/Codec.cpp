#include "Text.h"

#include <array>
#include <cstdint>

namespace platform {
namespace {

// Unicode code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

// Decodes one UTF-8 sequence at text[pos]; returns its length, or 0 when it is malformed
// (overlong forms and surrogates included).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t len = 0;
  char32_t min = 0;
  if (lead < 0x80) { cp = lead; return 1; }
  if ((lead & 0xE0) == 0xC0) { len = 2; cp = lead & 0x1F; min = 0x80; }
  else if ((lead & 0xF0) == 0xE0) { len = 3; cp = lead & 0x0F; min = 0x800; }
  else if ((lead & 0xF8) == 0xF0) { len = 4; cp = lead & 0x07; min = 0x10000; }
  else return 0;
  if (pos + len > text.size()) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    const auto cont = static_cast<unsigned char>(text[pos + i]);
    if ((cont & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (cont & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

} // namespace

std::string Utf8FromCp1252(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::string Cp1252FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(utf8, pos, cp);
    if (len == 0) {
      out += '?';
      ++pos;
      continue;
    }
    out += ByteOf(cp);
    pos += len;
  }
  return out;
}

} // namespace platform
