#pragma once
// Byte-level pieces shared by the pack writer and reader.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::pack {

enum class Kind : std::uint8_t { String = 1, Menu = 2, Accelerators = 3, Dialog = 4, Bitmap = 5, Icon = 6 };

enum MenuFlag : std::uint8_t { kSeparator = 1, kGrayed = 2, kChecked = 4, kPopup = 8 };
enum AcceleratorFlag : std::uint8_t { kControl = 1, kShift = 2, kAlt = 4 };

constexpr std::size_t kHeaderSize = 16;
// Menus nest a few levels at most; the bound keeps a crafted pack from exhausting the stack.
constexpr int kMaxMenuDepth = 16;

std::uint32_t Crc32(std::string_view bytes);

void PutU8(std::string& out, std::uint8_t value);
void PutU32(std::string& out, std::uint32_t value);
void PutI32(std::string& out, std::int32_t value);
void PutText(std::string& out, std::string_view text);

// Reads values in order; after the first read past the end every read fails and ok() stays false.
class Reader {
public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool U8(std::uint8_t& value);
  bool U32(std::uint32_t& value);
  bool I32(std::int32_t& value);
  bool Text(std::string& value);
  bool Bytes(std::size_t count, std::string_view& value);
  bool ok() const { return ok_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }

private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

} // namespace platform::pack
