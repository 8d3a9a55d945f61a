// The packs the build makes with solvane_resource_pack: embedded in the program and, for language
// files, written out as a file.
#include "platform/resources/Pack.h"
#include "resources/ColorohmResources.h"
#include "resources/SampleResources.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace platform {
namespace {

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(BuiltPack, EmbeddedSampleHoldsEveryBlock) {
  const ResourceSet& set = SampleResources();
  EXPECT_EQ(&set, &SampleResources()) << "read once, then shared";
  EXPECT_EQ(set.String(149), "I (Amp\xE8re)");
  EXPECT_EQ(set.String(40202),
            "L'outil de mise \xE0 jour en ligne KavelUpdate n'a pas \xE9t\xE9 trouv\xE9.\n\tR\xE9" "essayez.");
  ASSERT_NE(set.FindMenu(128), nullptr);
  EXPECT_EQ(set.FindMenu(128)->items.at(0).items.at(2).text, "V\xE9rifier les &mises \xE0 jour");
  ASSERT_NE(set.FindAccelerators(128), nullptr);
  EXPECT_EQ(set.FindAccelerators(128)->entries.at(1).key, 0x70);
  ASSERT_NE(set.FindDialog(182), nullptr);
  EXPECT_EQ(set.FindDialog(182)->controls.at(0).className, "msctls_trackbar32");
  ASSERT_NE(set.FindBitmap(310), nullptr);
  EXPECT_EQ(*set.FindBitmap(310), ReadFile(SAMPLE_FOLDER "/dot.png"));
  ASSERT_NE(set.FindIcon(128), nullptr);
}

TEST(BuiltPack, PackFileMatchesTheEmbeddedPack) {
  ResourceSet fromFile;
  std::string error;
  ASSERT_TRUE(LoadResourcePack(ReadFile(SAMPLE_PACK_FILE), fromFile, error)) << error;
  EXPECT_EQ(WriteResourcePack(fromFile), WriteResourcePack(SampleResources()));
}

TEST(BuiltPack, ColorohmStringsAreWindows1252) {
  const ResourceSet& set = ColorohmResources();
  const std::pair<int, const char*> expected[] = {
      {137, "Calculs"},   {138, "Valeurs normalis\xE9" "es"}, {147, "R (Ohm)"}, {148, "U (Volt)"},
      {149, "I (Amp\xE8re)"}, {150, "P (Watt)"}, {152, "Impossible"}, {162, "\xE0"},
      {165, "Noir"}, {166, "Marron"}, {167, "Rouge"}, {168, "Orange"}, {169, "Jaune"}, {170, "Vert"},
      {171, "Bleu"}, {172, "Violet"}, {173, "Gris"}, {174, "Blanc"}, {175, "Argent"}, {176, "Or"}};
  for (const auto& [id, text] : expected) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(set.HasString(id));
    EXPECT_EQ(set.String(id), text);
  }
}

} // namespace
} // namespace platform
