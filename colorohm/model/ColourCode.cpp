#include "colorohm/model/ColourCode.h"

#include <algorithm>

namespace colorohm {
namespace {

constexpr int kFirstColourNameId = 165;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBrown{136, 109, 72};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 192};
constexpr Rgb kViolet{192, 0, 192};
constexpr Rgb kGrey{224, 224, 224};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kSilver{128, 128, 128};
constexpr Rgb kGold{192, 192, 0};

using C = BandColour;

constexpr std::array<BandPosition, 10> kDigits{{
    {C::Black, kBlack}, {C::Brown, kBrown}, {C::Red, kRed}, {C::Orange, kOrange},
    {C::Yellow, kYellow}, {C::Green, kGreen}, {C::Blue, kBlue}, {C::Violet, kViolet},
    {C::Grey, kGrey}, {C::White, kWhite},
}};

constexpr std::array<BandPosition, 9> kMultipliers{{
    {C::Silver, kSilver}, {C::Gold, kGold}, {C::Black, kBlack}, {C::Brown, kBrown}, {C::Red, kRed},
    {C::Orange, kOrange}, {C::Yellow, kYellow}, {C::Green, kGreen}, {C::Blue, kBlue},
}};

constexpr std::array<BandPosition, 8> kTolerances{{
    {C::Silver, kSilver}, {C::Gold, kGold}, {C::Brown, kBrown}, {C::Red, kRed},
    {C::Green, kGreen}, {C::Blue, {0, 0, 198}}, {C::Violet, {198, 0, 198}}, {C::Grey, kGrey},
}};

constexpr std::array<BandPosition, 7> kCoefficients{{
    {C::Brown, kBrown}, {C::Red, kRed}, {C::Orange, kOrange}, {C::Yellow, kYellow},
    {C::Blue, kBlue}, {C::Violet, kViolet}, {C::White, kWhite},
}};

constexpr std::array<std::string_view, 8> kToleranceTexts{
    "10 %", "5 %", "1 %", "2 %", "0.50 %", "0.25 %", "0.10 %", "0.05 %",
};

// 0xB0 is the degree sign of Windows-1252.
constexpr std::array<std::string_view, 7> kCoefficientTexts{
    "100 ppm/\xB0" "C", "50 ppm/\xB0" "C", "15 ppm/\xB0" "C", "25 ppm/\xB0" "C",
    "10 ppm/\xB0" "C",  "5 ppm/\xB0" "C",  "1 ppm/\xB0" "C",
};

constexpr std::array<double, 9> kFactors{0.01, 0.1, 1.0, 10.0, 100.0, 1e3, 1e4, 1e5, 1e6};

constexpr std::array<Unit, 3> kUnits{{
    {1.0, "Ohms", "W", 10},
    {1e3, "kOhms", "KW", 7},
    {1e6, "MOhms", "MW", 4},
}};

} // namespace

int ColourNameId(BandColour colour) { return kFirstColourNameId + static_cast<int>(colour); }

std::span<const BandPosition> PositionsOf(BandKind kind) {
  switch (kind) {
    case BandKind::Digit: return kDigits;
    case BandKind::Multiplier: return kMultipliers;
    case BandKind::Tolerance: return kTolerances;
    case BandKind::Coefficient: break;
  }
  return kCoefficients;
}

int ClampPosition(BandKind kind, int position) {
  return std::clamp(position, 1, static_cast<int>(PositionsOf(kind).size()));
}

const BandPosition& PositionEntry(BandKind kind, int position) {
  return PositionsOf(kind)[ClampPosition(kind, position) - 1];
}

BandKind KindOfBand(int band) {
  if (band <= 3) return BandKind::Digit;
  if (band == 4) return BandKind::Multiplier;
  if (band == 5) return BandKind::Tolerance;
  return BandKind::Coefficient;
}

int DigitOfPosition(int position) { return ClampPosition(BandKind::Digit, position) - 1; }

double MultiplierFactor(int position) {
  return kFactors[ClampPosition(BandKind::Multiplier, position) - 1];
}

std::span<const std::string_view> ToleranceTexts() { return kToleranceTexts; }
std::span<const std::string_view> CoefficientTexts() { return kCoefficientTexts; }
int ListEntryOfPosition(int position) { return position - 1; }
int PositionOfListEntry(int entry) { return entry + 1; }

NombreBandes NombreBandesFromIndex(int index) {
  if (index < 0 || index > 2) return NombreBandes::Six;
  return static_cast<NombreBandes>(index);
}

int BandCountOf(NombreBandes count) { return 4 + static_cast<int>(count); }

bool BandInUse(int band, NombreBandes count) {
  if (band == 3) return count != NombreBandes::Four;
  if (band == 6) return count == NombreBandes::Six;
  return band >= 1 && band <= 5;
}

int BandSet::Position(int band) const {
  if (band < 1 || band > kBands) return 0;
  return positions_[band - 1];
}

void BandSet::SetPosition(int band, int position) {
  if (band < 1 || band > kBands) return;
  positions_[band - 1] = ClampPosition(KindOfBand(band), position);
}

UnitIndex UnitFromListEntry(int entry) {
  if (entry < 0 || entry > 2) return UnitIndex::None;
  return static_cast<UnitIndex>(entry);
}

const Unit* UnitOf(UnitIndex unit) {
  const int entry = static_cast<int>(unit);
  if (entry < 0 || entry > 2) return nullptr;
  return &kUnits[entry];
}

} // namespace colorohm
