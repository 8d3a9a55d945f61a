#include "platform/resources/Pack.h"
#include "platform/resources/PackFormat.h"
#include "platform/resources/Script.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

ResourceSet SampleSet() {
  ResourceSet set;
  set.strings = {{149, "I (Amp\xE8re)"}, {-1, ""}, {40202, std::string("a\0b", 3)}};
  MenuItem copy{"&Copier\tCTRL+C", 32771, false, true, true, {}, false};
  MenuItem separator{"", 0, true, false, false, {}, false};
  MenuItem emptyPopup{"Vide", 0, false, false, false, {}, true};
  MenuItem edit{"&Edition", 0, false, false, false, {copy, separator, emptyPopup}, true};
  set.menus[128] = Menu{128, {edit}};
  set.accelerators[128] = AcceleratorTable{128, {{'C', true, false, false, 32771}, {0x70, false, true, true, 57670}}};
  DialogTemplate dialog;
  dialog.id = 182;
  dialog.x = -3;
  dialog.cx = 342;
  dialog.cy = 181;
  dialog.caption = "Colorohm";
  dialog.fontSize = 9;
  dialog.fontName = "Tahoma";
  dialog.styles = {"MINIMIZEBOX"};
  dialog.controls.push_back(ControlTemplate{1000, "msctls_trackbar32", "", 40, 54, 20, 95, {"VERT", "NOTICKS"}});
  set.dialogs[182] = dialog;
  set.bitmaps[310] = std::string("\x89PNG\r\n\x1a\n\0\xFF", 10);
  set.icons[128] = "BM";
  return set;
}

// A pack around a hand-made body, with a correct header, to reach the entry checks.
std::string PackOfBody(const std::string& body) {
  std::string pack(kPackMagic);
  pack::PutU32(pack, kPackVersion);
  pack::PutU32(pack, static_cast<std::uint32_t>(body.size()));
  pack::PutU32(pack, pack::Crc32(body));
  return pack + body;
}

std::string Entry(pack::Kind kind, int id, const std::string& payload) {
  std::string out;
  pack::PutU8(out, static_cast<std::uint8_t>(kind));
  pack::PutI32(out, id);
  pack::PutText(out, payload);
  return out;
}

std::string Body(const std::vector<std::string>& entries) {
  std::string body;
  pack::PutU32(body, static_cast<std::uint32_t>(entries.size()));
  for (const std::string& e : entries) body += e;
  return body;
}

TEST(ResourcePack, RoundTripKeepsEveryField) {
  const ResourceSet original = SampleSet();
  const std::string pack = WriteResourcePack(original);
  ResourceSet loaded;
  std::string error;
  ASSERT_TRUE(LoadResourcePack(pack, loaded, error)) << error;
  // The writer is deterministic, so any field lost or altered on the way back shows here.
  EXPECT_EQ(WriteResourcePack(loaded), pack);
  EXPECT_EQ(loaded.String(149), "I (Amp\xE8re)");
  EXPECT_EQ(loaded.String(40202).size(), 3u);
  const MenuItem& edit = loaded.FindMenu(128)->items.at(0);
  EXPECT_TRUE(edit.items.at(0).grayed);
  EXPECT_TRUE(edit.items.at(1).separator);
  EXPECT_TRUE(edit.items.at(2).popup) << "an empty popup stays a popup";
  EXPECT_EQ(loaded.FindAccelerators(128)->entries.at(1).key, 0x70);
  EXPECT_TRUE(loaded.FindAccelerators(128)->entries.at(1).alt);
  EXPECT_EQ(loaded.FindDialog(182)->fontName, "Tahoma");
  EXPECT_EQ(loaded.FindDialog(182)->x, -3);
  EXPECT_EQ(loaded.FindDialog(182)->controls.at(0).styles.at(1), "NOTICKS");
  EXPECT_EQ(*loaded.FindBitmap(310), original.bitmaps.at(310));
  EXPECT_EQ(*loaded.FindIcon(128), "BM");
}

TEST(ResourcePack, EmptySetRoundTrips) {
  ResourceSet loaded;
  std::string error;
  ASSERT_TRUE(LoadResourcePack(WriteResourcePack(ResourceSet()), loaded, error)) << error;
  EXPECT_TRUE(loaded.strings.empty());
}

TEST(ResourcePack, EveryTruncationIsRejected) {
  const std::string pack = WriteResourcePack(SampleSet());
  for (std::size_t size = 0; size < pack.size(); ++size) {
    ResourceSet loaded;
    std::string error;
    EXPECT_FALSE(LoadResourcePack(std::string_view(pack).substr(0, size), loaded, error)) << size;
    EXPECT_FALSE(error.empty()) << size;
  }
}

TEST(ResourcePack, EveryBitFlipIsRejectedAndLeavesTheSetAlone) {
  const std::string pack = WriteResourcePack(SampleSet());
  for (std::size_t bit = 0; bit < pack.size() * 8; ++bit) {
    std::string corrupt = pack;
    corrupt[bit / 8] = static_cast<char>(corrupt[bit / 8] ^ (1 << (bit % 8)));
    ResourceSet loaded;
    loaded.strings[1] = "kept";
    std::string error;
    EXPECT_FALSE(LoadResourcePack(corrupt, loaded, error)) << bit;
    EXPECT_FALSE(error.empty()) << bit;
    EXPECT_EQ(loaded.String(1), "kept") << bit;
  }
}

// Damage behind a recomputed checksum reaches the entry parser: it must answer, never overrun.
TEST(ResourcePack, DamagedBodiesWithValidChecksumNeverCrash) {
  const std::string body = WriteResourcePack(SampleSet()).substr(pack::kHeaderSize);
  for (std::size_t i = 0; i < body.size(); ++i) {
    for (unsigned char value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
      std::string damaged = body;
      damaged[i] = static_cast<char>(value);
      ResourceSet loaded;
      std::string error;
      if (!LoadResourcePack(PackOfBody(damaged), loaded, error)) {
        EXPECT_FALSE(error.empty()) << i;
      }
    }
  }
}

TEST(ResourcePack, HeaderFaultsHaveTheirReasons) {
  const std::string pack = WriteResourcePack(SampleSet());
  ResourceSet loaded;
  std::string error;

  EXPECT_FALSE(LoadResourcePack("MZ\x90\0 not a pack at all", loaded, error));
  EXPECT_EQ(error, "not a resource pack");

  std::string newer = pack;
  newer[4] = 2;
  EXPECT_FALSE(LoadResourcePack(newer, loaded, error));
  EXPECT_EQ(error, "unsupported pack version 2");

  EXPECT_FALSE(LoadResourcePack(pack.substr(0, pack.size() - 1), loaded, error));
  EXPECT_EQ(error, "truncated pack");

  EXPECT_FALSE(LoadResourcePack(pack + "x", loaded, error));
  EXPECT_EQ(error, "trailing bytes after pack");

  std::string flipped = pack;
  flipped.back() = static_cast<char>(flipped.back() ^ 0x40);
  EXPECT_FALSE(LoadResourcePack(flipped, loaded, error));
  EXPECT_EQ(error, "corrupt pack (checksum mismatch)");
}

std::string MenuNest(int depth) {
  // depth popups, one inside the other.
  std::string inner;
  pack::PutU32(inner, 0);
  for (int i = 0; i < depth; ++i) {
    std::string level;
    pack::PutU32(level, 1);
    pack::PutU8(level, pack::kPopup);
    pack::PutI32(level, 0);
    pack::PutText(level, "p");
    inner = level + inner;
  }
  return inner;
}

struct BadBody {
  const char* name;
  std::string body;
  const char* error;
};

class ResourcePackBodies : public testing::TestWithParam<BadBody> {};

TEST_P(ResourcePackBodies, AreRejectedDespiteAValidChecksum) {
  ResourceSet loaded;
  std::string error;
  EXPECT_FALSE(LoadResourcePack(PackOfBody(GetParam().body), loaded, error));
  EXPECT_EQ(error, GetParam().error);
}

std::string U32(std::uint32_t v) {
  std::string out;
  pack::PutU32(out, v);
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResourcePackBodies,
    testing::Values(
        BadBody{"EmptyBody", "", "corrupt pack: entries do not match the body"},
        BadBody{"MoreEntriesThanBytes", U32(0xFFFFFFFFu), "corrupt pack: entries do not match the body"},
        BadBody{"BytesAfterTheEntries", Body({Entry(pack::Kind::String, 1, "a")}) + "z",
                "corrupt pack: entries do not match the body"},
        BadBody{"UnknownKind", Body({Entry(static_cast<pack::Kind>(9), 1, "")}), "corrupt pack: unknown entry kind 9"},
        BadBody{"DuplicateString", Body({Entry(pack::Kind::String, 1, "a"), Entry(pack::Kind::String, 1, "b")}),
                "corrupt pack: duplicate string 1"},
        BadBody{"MenuCountPastItsPayload", Body({Entry(pack::Kind::Menu, 1, U32(1000000))}),
                "corrupt pack: malformed entry 1"},
        BadBody{"MenuWithTrailingBytes", Body({Entry(pack::Kind::Menu, 1, U32(0) + "x")}),
                "corrupt pack: malformed entry 1"},
        BadBody{"MenuNestedTooDeep", Body({Entry(pack::Kind::Menu, 1, MenuNest(pack::kMaxMenuDepth + 1))}),
                "corrupt pack: malformed entry 1"},
        BadBody{"DuplicateDialog",
                Body({Entry(pack::Kind::Dialog, 2, std::string(36, '\0')), Entry(pack::Kind::Dialog, 2, std::string(36, '\0'))}),
                "corrupt pack: duplicate entry 2"},
        BadBody{"AcceleratorShort", Body({Entry(pack::Kind::Accelerators, 3, U32(1) + "abc")}),
                "corrupt pack: malformed entry 3"}),
    [](const testing::TestParamInfo<BadBody>& info) { return std::string(info.param.name); });

TEST(ResourcePack, MenusNestedToTheLimitLoad) {
  ResourceSet loaded;
  std::string error;
  ASSERT_TRUE(LoadResourcePack(PackOfBody(Body({Entry(pack::Kind::Menu, 1, MenuNest(pack::kMaxMenuDepth))})),
                               loaded, error))
      << error;
  EXPECT_TRUE(loaded.FindMenu(1)->items.at(0).popup);
}

} // namespace
} // namespace platform
