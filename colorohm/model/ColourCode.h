#pragma once
// Colorohm's colour-code model, plain logic without any window. This header holds the tables: the
// twelve colours, the four kinds of band with their positions, meanings and paint colours, the
// band set and the units. ValueConversion.h turns bands into values and values into bands,
// StandardSeries.h finds the nearest values of the E series, OhmsLaw.h is the side bar's small
// calculator and NumberFormat.h is the one number format all of them write with.
//
// Texts are Windows-1252 bytes. Texts that come from the program's string table (so that a
// language file can replace them) are named here by id and fetched through a StringLookup that the
// caller passes in; the fixed literals of the code (list texts, unit words) live in the tables.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace colorohm {

// The text of a string-table entry, by id.
using StringLookup = std::function<std::string(int id)>;

enum class BandColour { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Silver, Gold };
inline constexpr int kColourCount = 12;

// String-table id of the colour's display name: 165 "Noir" to 176 "Or".
int ColourNameId(BandColour colour);

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

enum class BandKind { Digit, Multiplier, Tolerance, Coefficient };

// One position of a band: the colour it stands for and the colour it is painted with. Painting
// colours belong to the kind: blue and violet are lighter in the tolerance band than elsewhere.
struct BandPosition {
  BandColour colour;
  Rgb paint;
};

// The positions of a kind, position 1 first: 10 digits, 9 multipliers, 8 tolerances, 7 coefficients.
std::span<const BandPosition> PositionsOf(BandKind kind);
// The entry of a position, the position clamped into the kind's range.
const BandPosition& PositionEntry(BandKind kind, int position);
int ClampPosition(BandKind kind, int position);

// Bands 1 to 3 are digits, 4 the multiplier, 5 the tolerance, 6 the temperature coefficient.
BandKind KindOfBand(int band);

// The digit of a digit-band position (position − 1) and the factor of a multiplier position
// (10 to the power position − 3, silver 0.01 to blue 1 000 000); both clamp the position.
int DigitOfPosition(int position);
double MultiplierFactor(int position);

// The entries of the tolerance and coefficient lists, in band order (entry = position − 1). They
// are fixed literals and keep their decimal point.
std::span<const std::string_view> ToleranceTexts();
std::span<const std::string_view> CoefficientTexts();
int ListEntryOfPosition(int position);
int PositionOfListEntry(int entry);

// The band-count index kept in the settings.
enum class NombreBandes { Four = 0, Five = 1, Six = 2 };
// A stored index outside 0..2 gives the default, six bands.
NombreBandes NombreBandesFromIndex(int index);
int BandCountOf(NombreBandes count);
// Band 3 is used with 5 and 6 bands only, band 6 with 6 bands only.
bool BandInUse(int band, NombreBandes count);

// One resistor: six positions and the band count. A position set outside its band's range is
// clamped into it; bands that the count does not use keep their positions.
class BandSet {
public:
  static constexpr int kBands = 6;

  // Band 1..6; 0 for any other band number.
  int Position(int band) const;
  // Ignored for a band number outside 1..6.
  void SetPosition(int band, int position);
  NombreBandes Count() const { return count_; }
  void SetCount(NombreBandes count) { count_ = count; }

  bool operator==(const BandSet&) const = default;

private:
  std::array<std::int32_t, kBands> positions_{1, 1, 1, 1, 1, 1};
  NombreBandes count_ = NombreBandes::Six;
};

// The unit selected beside the value field; None when the list has no selection.
enum class UnitIndex { None = -1, Ohms = 0, KOhms = 1, MOhms = 2 };

struct Unit {
  double factorToOhms;
  std::string_view word;       // "Ohms", "kOhms", "MOhms": the word used in texts
  std::string_view listEntry;  // "W", "KW", "MW": drawn in the Symbol typeface, W being omega
  int maxTextLength;           // of the value field under this unit
};

// A list entry 0..2 gives its unit, anything else None.
UnitIndex UnitFromListEntry(int entry);
// The table entry of a unit; nullptr for None.
const Unit* UnitOf(UnitIndex unit);

} // namespace colorohm
