#include "colorohm/model/ColourCode.h"

#include <gtest/gtest.h>

namespace colorohm {
namespace {

using C = BandColour;

TEST(ColourCode, KindsHaveTheirPositionsInBandOrder) {
  EXPECT_EQ(PositionsOf(BandKind::Digit).size(), 10u);
  EXPECT_EQ(PositionsOf(BandKind::Multiplier).size(), 9u);
  EXPECT_EQ(PositionsOf(BandKind::Tolerance).size(), 8u);
  EXPECT_EQ(PositionsOf(BandKind::Coefficient).size(), 7u);

  const struct {
    BandKind kind;
    int position;
    BandColour colour;
    Rgb paint;
  } cases[] = {
      {BandKind::Digit, 1, C::Black, {0, 0, 0}},
      {BandKind::Digit, 2, C::Brown, {136, 109, 72}},
      {BandKind::Digit, 7, C::Blue, {0, 0, 192}},
      {BandKind::Digit, 10, C::White, {255, 255, 255}},
      {BandKind::Multiplier, 1, C::Silver, {128, 128, 128}},
      {BandKind::Multiplier, 2, C::Gold, {192, 192, 0}},
      {BandKind::Multiplier, 9, C::Blue, {0, 0, 192}},
      // Blue and violet are lighter in the tolerance band.
      {BandKind::Tolerance, 3, C::Brown, {136, 109, 72}},
      {BandKind::Tolerance, 5, C::Green, {0, 255, 0}},
      {BandKind::Tolerance, 6, C::Blue, {0, 0, 198}},
      {BandKind::Tolerance, 7, C::Violet, {198, 0, 198}},
      {BandKind::Tolerance, 8, C::Grey, {224, 224, 224}},
      {BandKind::Coefficient, 1, C::Brown, {136, 109, 72}},
      {BandKind::Coefficient, 5, C::Blue, {0, 0, 192}},
      {BandKind::Coefficient, 6, C::Violet, {192, 0, 192}},
      {BandKind::Coefficient, 7, C::White, {255, 255, 255}},
      // Out-of-range positions are clamped.
      {BandKind::Coefficient, 0, C::Brown, {136, 109, 72}},
      {BandKind::Coefficient, 99, C::White, {255, 255, 255}},
  };
  for (const auto& c : cases) {
    const BandPosition& entry = PositionEntry(c.kind, c.position);
    EXPECT_EQ(entry.colour, c.colour) << static_cast<int>(c.kind) << " " << c.position;
    EXPECT_EQ(entry.paint, c.paint) << static_cast<int>(c.kind) << " " << c.position;
  }
}

TEST(ColourCode, CoefficientHasNoGreenOrGrey) {
  for (const BandPosition& entry : PositionsOf(BandKind::Coefficient)) {
    EXPECT_NE(entry.colour, C::Green);
    EXPECT_NE(entry.colour, C::Grey);
  }
}

TEST(ColourCode, NamesAreStrings165To176) {
  EXPECT_EQ(ColourNameId(C::Black), 165);
  EXPECT_EQ(ColourNameId(C::White), 174);
  EXPECT_EQ(ColourNameId(C::Silver), 175);
  EXPECT_EQ(ColourNameId(C::Gold), 176);
}

TEST(ColourCode, DigitsAndFactorsFollowThePosition) {
  EXPECT_EQ(DigitOfPosition(1), 0);
  EXPECT_EQ(DigitOfPosition(10), 9);
  EXPECT_EQ(MultiplierFactor(1), 0.01);
  EXPECT_EQ(MultiplierFactor(3), 1.0);
  EXPECT_EQ(MultiplierFactor(9), 1e6);
  EXPECT_EQ(MultiplierFactor(-5), 0.01);
}

TEST(ColourCode, ListTextsKeepBandOrderAndDecimalPoint) {
  ASSERT_EQ(ToleranceTexts().size(), 8u);
  EXPECT_EQ(ToleranceTexts()[0], "10 %");
  EXPECT_EQ(ToleranceTexts()[2], "1 %");
  EXPECT_EQ(ToleranceTexts()[3], "2 %");
  EXPECT_EQ(ToleranceTexts()[4], "0.50 %");
  EXPECT_EQ(ToleranceTexts()[7], "0.05 %");
  ASSERT_EQ(CoefficientTexts().size(), 7u);
  EXPECT_EQ(CoefficientTexts()[0], "100 ppm/\xB0" "C");
  EXPECT_EQ(CoefficientTexts()[2], "15 ppm/\xB0" "C");
  EXPECT_EQ(CoefficientTexts()[3], "25 ppm/\xB0" "C");
  EXPECT_EQ(CoefficientTexts()[6], "1 ppm/\xB0" "C");
  EXPECT_EQ(ListEntryOfPosition(PositionOfListEntry(5)), 5);
  EXPECT_EQ(PositionOfListEntry(0), 1);
}

TEST(BandSet, PositionsAreClampedIntoTheirBandsRange) {
  const struct {
    int band;
    int position;
    int stored;
  } cases[] = {
      {1, 0, 1},  {1, 11, 10}, {2, 10, 10}, {3, -2147483647 - 1, 1},
      {4, 10, 9}, {4, 9, 9},   {5, 9, 8},   {6, 8, 7}, {6, 2147483647, 7},
  };
  for (const auto& c : cases) {
    BandSet bands;
    bands.SetPosition(c.band, c.position);
    EXPECT_EQ(bands.Position(c.band), c.stored) << "band " << c.band << " set to " << c.position;
  }
}

TEST(BandSet, DefaultsToSixBandsAllAtPositionOne) {
  const BandSet bands;
  EXPECT_EQ(bands.Count(), NombreBandes::Six);
  for (int band = 1; band <= 6; ++band) EXPECT_EQ(bands.Position(band), 1);
  EXPECT_EQ(bands.Position(0), 0);
  EXPECT_EQ(bands.Position(7), 0);
}

TEST(NombreBandes, IndexAndBandsInUse) {
  EXPECT_EQ(NombreBandesFromIndex(0), NombreBandes::Four);
  EXPECT_EQ(NombreBandesFromIndex(1), NombreBandes::Five);
  EXPECT_EQ(NombreBandesFromIndex(7), NombreBandes::Six);
  EXPECT_EQ(NombreBandesFromIndex(-1), NombreBandes::Six);
  EXPECT_EQ(BandCountOf(NombreBandes::Four), 4);
  EXPECT_FALSE(BandInUse(3, NombreBandes::Four));
  EXPECT_FALSE(BandInUse(6, NombreBandes::Five));
  EXPECT_TRUE(BandInUse(3, NombreBandes::Five));
  EXPECT_TRUE(BandInUse(6, NombreBandes::Six));
  EXPECT_TRUE(BandInUse(5, NombreBandes::Four));
}

TEST(Units, TableAndListEntries) {
  EXPECT_EQ(UnitFromListEntry(2), UnitIndex::MOhms);
  EXPECT_EQ(UnitFromListEntry(3), UnitIndex::None);
  EXPECT_EQ(UnitFromListEntry(-1), UnitIndex::None);
  EXPECT_EQ(UnitOf(UnitIndex::None), nullptr);
  const Unit* kohms = UnitOf(UnitIndex::KOhms);
  ASSERT_NE(kohms, nullptr);
  EXPECT_EQ(kohms->word, "kOhms");
  EXPECT_EQ(kohms->listEntry, "KW");
  EXPECT_EQ(kohms->maxTextLength, 7);
  EXPECT_EQ(UnitOf(UnitIndex::MOhms)->factorToOhms, 1e6);
  EXPECT_EQ(UnitOf(UnitIndex::Ohms)->maxTextLength, 10);
}

} // namespace
} // namespace colorohm
