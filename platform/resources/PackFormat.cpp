#include "platform/resources/PackFormat.h"

#include <array>

namespace platform::pack {
namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr auto kCrcTable = MakeCrcTable();

} // namespace

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (char b : bytes) crc = kCrcTable[(crc ^ static_cast<unsigned char>(b)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void PutU8(std::string& out, std::uint8_t value) { out += static_cast<char>(value); }

void PutU32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutI32(std::string& out, std::int32_t value) { PutU32(out, static_cast<std::uint32_t>(value)); }

void PutText(std::string& out, std::string_view text) {
  PutU32(out, static_cast<std::uint32_t>(text.size()));
  out += text;
}

bool Reader::Bytes(std::size_t count, std::string_view& value) {
  if (!ok_ || count > bytes_.size() - pos_) return ok_ = false;
  value = bytes_.substr(pos_, count);
  pos_ += count;
  return true;
}

bool Reader::U8(std::uint8_t& value) {
  std::string_view b;
  if (!Bytes(1, b)) return false;
  value = static_cast<std::uint8_t>(b[0]);
  return true;
}

bool Reader::U32(std::uint32_t& value) {
  std::string_view b;
  if (!Bytes(4, b)) return false;
  value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(b[i]);
  return true;
}

bool Reader::I32(std::int32_t& value) {
  std::uint32_t raw = 0;
  if (!U32(raw)) return false;
  value = static_cast<std::int32_t>(raw);
  return true;
}

bool Reader::Text(std::string& value) {
  std::uint32_t size = 0;
  std::string_view b;
  if (!U32(size) || !Bytes(size, b)) return false;
  value.assign(b);
  return true;
}

} // namespace platform::pack
