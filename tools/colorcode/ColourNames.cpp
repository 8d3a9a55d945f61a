#include "tools/colorcode/ColourNames.h"

#include <array>
#include <string>

#include "platform/text/Text.h"

namespace colorcode {
namespace {

using colorohm::BandColour;

struct EnglishName {
  std::string_view name;
  BandColour colour;
};

constexpr std::array<EnglishName, 13> kEnglishNames{{
    {"black", BandColour::Black},   {"brown", BandColour::Brown},   {"red", BandColour::Red},
    {"orange", BandColour::Orange}, {"yellow", BandColour::Yellow}, {"green", BandColour::Green},
    {"blue", BandColour::Blue},     {"violet", BandColour::Violet}, {"grey", BandColour::Grey},
    {"gray", BandColour::Grey},     {"white", BandColour::White},   {"silver", BandColour::Silver},
    {"gold", BandColour::Gold},
}};

// The Windows-1252 letter without its accent.
char WithoutAccent(char c) {
  const auto b = static_cast<unsigned char>(platform::ToLowerCp1252(c));
  if (b >= 0xE0 && b <= 0xE5) return 'a';
  if (b == 0xE7) return 'c';
  if (b >= 0xE8 && b <= 0xEB) return 'e';
  if (b >= 0xEC && b <= 0xEF) return 'i';
  if (b == 0xF1) return 'n';
  if ((b >= 0xF2 && b <= 0xF6) || b == 0xF8) return 'o';
  if (b >= 0xF9 && b <= 0xFC) return 'u';
  if (b == 0xFD || b == 0xFF) return 'y';
  return static_cast<char>(b);
}

std::string Folded(std::string_view text) {
  std::string folded;
  for (char c : text) folded += WithoutAccent(c);
  return folded;
}

} // namespace

std::optional<BandColour> ColourFromName(std::string_view cp1252Name,
                                         const colorohm::StringLookup& strings) {
  const std::string wanted = Folded(platform::Trim(cp1252Name));
  if (wanted.empty()) return std::nullopt;
  for (int i = 0; i < colorohm::kColourCount; ++i) {
    const auto colour = static_cast<BandColour>(i);
    if (Folded(strings(colorohm::ColourNameId(colour))) == wanted) return colour;
  }
  for (const EnglishName& english : kEnglishNames)
    if (english.name == wanted) return english.colour;
  return std::nullopt;
}

} // namespace colorcode
