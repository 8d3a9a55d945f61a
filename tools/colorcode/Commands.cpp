#include "tools/colorcode/Commands.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "colorohm/model/OhmsLaw.h"
#include "colorohm/model/StandardSeries.h"
#include "colorohm/model/ValueConversion.h"
#include "platform/text/Text.h"
#include "resources/ColorohmResources.h"
#include "tools/colorcode/ColourNames.h"

namespace colorcode {

const char kBandsUsage[] =
    "usage: colorcode bands DIGIT DIGIT [DIGIT] MULTIPLIER TOLERANCE [COEFFICIENT]\n"
    "  4, 5 or 6 colours in band order; prints the resistor as Colorohm describes it,\n"
    "  e.g. \"colorcode bands jaune violet rouge or\" prints \"4,7 kOhms \xC3\xA0 5 %\".\n"
    "  Colours are named as in Colorohm (Noir, Marron, ...) or in English (black, brown, ...),\n"
    "  in any case, accents optional.\n";
const char kValueUsage[] =
    "usage: colorcode value TEXT UNIT [--bands 4|5|6]\n"
    "  The colours of the digit bands and the multiplier for a value typed in UNIT\n"
    "  (Ohms, kOhms or MOhms); 6 bands unless told.\n";
const char kSeriesUsage[] =
    "usage: colorcode series TEXT UNIT [--tolerance INDEX]\n"
    "  The nearest value of each standard series E3 to E192 for a value typed in UNIT\n"
    "  (Ohms, kOhms or MOhms). INDEX is the tolerance list's entry, 0 (10 %) to 7 (0.05 %);\n"
    "  the series that matches it is marked with '*'.\n";
const char kOhmUsage[] =
    "usage: colorcode ohm [--R X] [--U X] [--I X] [--P X] TARGET\n"
    "  Computes TARGET (R, U, I or P) from the other quantities as Colorohm's side bar does;\n"
    "  X is a number with a decimal comma or point.\n";

namespace {

using namespace colorohm;

const StringLookup kStrings = [](int id) { return ColorohmResources().String(id); };

int Usage(const char* usage) {
  std::fputs(usage, stderr);
  return kUsageError;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "colorcode: %s\n", message.c_str());
  return kUsageError;
}

void PrintLine(std::string_view cp1252) {
  const std::string text = platform::Utf8FromCp1252(cp1252) + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
}

std::string Quoted(std::string_view utf8) { return "\"" + std::string(utf8) + "\""; }

std::optional<int> ParseInt(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

std::optional<UnitIndex> ParseUnit(std::string_view text) {
  for (int entry = 0; entry < 3; ++entry) {
    const UnitIndex unit = UnitFromListEntry(entry);
    if (platform::EqualsNoCase(text, UnitOf(unit)->word)) return unit;
  }
  return std::nullopt;
}

std::string_view KindName(BandKind kind) {
  switch (kind) {
    case BandKind::Digit: return "digit";
    case BandKind::Multiplier: return "multiplier";
    case BandKind::Tolerance: return "tolerance";
    case BandKind::Coefficient: break;
  }
  return "temperature coefficient";
}

std::optional<int> PositionOfColour(BandKind kind, BandColour colour) {
  const auto positions = PositionsOf(kind);
  for (std::size_t i = 0; i < positions.size(); ++i)
    if (positions[i].colour == colour) return static_cast<int>(i) + 1;
  return std::nullopt;
}

// TEXT and UNIT, and the value of one optional integer option.
struct ValueArgs {
  std::string_view text;
  UnitIndex unit = UnitIndex::None;
  std::optional<int> option;
};

std::optional<ValueArgs> ParseValueArgs(const Args& args, std::string_view optionName, int low, int high) {
  ValueArgs parsed;
  Args positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != optionName) {
      positional.push_back(args[i]);
      continue;
    }
    if (i + 1 >= args.size()) return std::nullopt;
    parsed.option = ParseInt(args[++i], low, high);
    if (!parsed.option) return std::nullopt;
  }
  if (positional.size() != 2) return std::nullopt;
  const std::optional<UnitIndex> unit = ParseUnit(positional[1]);
  if (!unit) return std::nullopt;
  parsed.text = positional[0];
  parsed.unit = *unit;
  return parsed;
}

// The text as the value field would keep it.
std::string FieldText(const ValueArgs& args) {
  return FilterValueText(platform::Cp1252FromUtf8(args.text), args.unit);
}

} // namespace

int Bands(const Args& args) {
  if (args.size() < 4 || args.size() > 6) return Usage(kBandsUsage);
  static constexpr int kFour[] = {1, 2, 4, 5};
  static constexpr int kMore[] = {1, 2, 3, 4, 5, 6};
  const int* bandOf = args.size() == 4 ? kFour : kMore;

  BandSet bands;
  bands.SetCount(NombreBandesFromIndex(static_cast<int>(args.size()) - 4));
  for (std::size_t i = 0; i < args.size(); ++i) {
    const int band = bandOf[i];
    const std::optional<BandColour> colour = ColourFromName(platform::Cp1252FromUtf8(args[i]), kStrings);
    if (!colour) return Fail("unknown colour " + Quoted(args[i]));
    const std::optional<int> position = PositionOfColour(KindOfBand(band), *colour);
    if (!position)
      return Fail(Quoted(args[i]) + " is not a colour of band " + std::to_string(band) + " (" +
                  std::string(KindName(KindOfBand(band))) + ")");
    bands.SetPosition(band, *position);
  }

  const ValueText value = ValueToText(ValueFromBands(bands));
  PrintLine(DescribeValue(value.text, value.unit, ToleranceTexts()[ListEntryOfPosition(bands.Position(5))],
                          CoefficientTexts()[ListEntryOfPosition(bands.Position(6))], bands.Count(),
                          kStrings));
  return 0;
}

int Value(const Args& args) {
  const std::optional<ValueArgs> parsed = ParseValueArgs(args, "--bands", 4, 6);
  if (!parsed) return Usage(kValueUsage);
  BandSet bands;
  bands.SetCount(NombreBandesFromIndex(parsed->option.value_or(6) - 4));
  bands = BandsFromValue(ParseValueText(FieldText(*parsed), parsed->unit), bands);

  std::string names;
  for (int band = 1; band <= 4; ++band) {
    if (!BandInUse(band, bands.Count())) continue;
    if (!names.empty()) names += ' ';
    names += kStrings(ColourNameId(PositionEntry(KindOfBand(band), bands.Position(band)).colour));
  }
  PrintLine(names);
  return 0;
}

int Series(const Args& args) {
  const std::optional<ValueArgs> parsed = ParseValueArgs(args, "--tolerance", 0, 7);
  if (!parsed) return Usage(kSeriesUsage);
  const StandardValues values =
      UpdateStandardValues(FieldText(*parsed), parsed->unit, parsed->option.value_or(-1));
  for (int i = 0; i < kSeriesCount; ++i)
    PrintLine((values.highlighted == i ? "* " : "  ") + values.texts[i]);
  return 0;
}

int Ohm(const Args& args) {
  OhmsLawFields fields;
  std::optional<OhmQuantity> target;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string* field = args[i] == "--R" ? &fields.r
                         : args[i] == "--U" ? &fields.u
                         : args[i] == "--I" ? &fields.i
                         : args[i] == "--P" ? &fields.p
                                            : nullptr;
    if (field) {
      if (i + 1 >= args.size()) return Usage(kOhmUsage);
      *field = platform::Cp1252FromUtf8(args[++i]);
      continue;
    }
    if (target || args[i].size() != 1) return Usage(kOhmUsage);
    switch (platform::ToUpperCp1252(args[i][0])) {
      case 'R': target = OhmQuantity::R; break;
      case 'U': target = OhmQuantity::U; break;
      case 'I': target = OhmQuantity::I; break;
      case 'P': target = OhmQuantity::P; break;
      default: return Usage(kOhmUsage);
    }
  }
  if (!target) return Usage(kOhmUsage);
  PrintLine(SolveOhmsLaw(*target, fields, kStrings));
  return 0;
}

} // namespace colorcode
