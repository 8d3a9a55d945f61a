#include "platform/text/Text.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

TEST(Codec, EveryByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
}

TEST(Codec, HighControlRangeIsWindows1252NotLatin1) {
  struct Case { unsigned char byte; const char* utf8; };
  const Case cases[] = {
      {0x80, "€"}, {0x85, "…"}, {0x8C, "Œ"}, {0x92, "’"}, {0x96, "–"}, {0x99, "™"},
      {0x9C, "œ"}, {0x9F, "Ÿ"}, {0xB0, "°"}, {0xB2, "²"}, {0xE9, "é"}, {0xFF, "ÿ"},
      {0x81, "\xC2\x81"},
  };
  for (const auto& c : cases) {
    const std::string byte(1, static_cast<char>(c.byte));
    EXPECT_EQ(Utf8FromCp1252(byte), c.utf8) << int(c.byte);
    EXPECT_EQ(Cp1252FromUtf8(c.utf8), byte) << int(c.byte);
  }
}

TEST(Codec, UnmappableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Cp1252FromUtf8("Ω"), "?");
  EXPECT_EQ(Cp1252FromUtf8("a\xFF" "b"), "a?b");
  EXPECT_EQ(Cp1252FromUtf8("\xC3"), "?");                 // truncated sequence
  EXPECT_EQ(Cp1252FromUtf8("\xC0\xAF"), "??");            // overlong '/'
  EXPECT_EQ(Cp1252FromUtf8("\xED\xA0\x80"), "???");       // surrogate
  EXPECT_EQ(Cp1252FromUtf8("😀"), "?");
}

TEST(AtoiPrefix, ReadsLikeTheCRuntime) {
  struct Case { const char* text; int value; };
  const Case cases[] = {
      {"64MO", 64}, {"  42", 42}, {"\t-7x", -7}, {"+3", 3}, {"", 0}, {"abc", 0},
      {"- 5", 0}, {"1 000", 1}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
      {"0012", 12},
  };
  for (const auto& c : cases) EXPECT_EQ(AtoiPrefix(c.text), c.value) << c.text;
}

TEST(Trim, RemovesCRuntimeWhiteSpaceOnly) {
  EXPECT_EQ(Trim(" \t needson \r\n"), "needson");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim(" \xA0x"), "\xA0x");  // no-break space is not white space for atoi/isspace
  EXPECT_EQ(Trim("   "), "");
}

TEST(CaseMapping, FollowsTheCodePage) {
  EXPECT_EQ(ToUpperCp1252(Cp1252FromUtf8("désinstallation œuvre ÿ š ž")),
            Cp1252FromUtf8("DÉSINSTALLATION ŒUVRE Ÿ Š Ž"));
  EXPECT_EQ(ToLowerCp1252(Cp1252FromUtf8("ÉLÈVE ÀÇ")), Cp1252FromUtf8("élève àç"));
  EXPECT_EQ(ToUpperCp1252("\xF7\xDF\xB5"), "\xF7\xDF\xB5");  // ÷, ß and µ have no capital here
  EXPECT_TRUE(EqualsNoCase(Cp1252FromUtf8("Élève"), Cp1252FromUtf8("éLÈVE")));
  EXPECT_FALSE(EqualsNoCase("abc", "abcd"));
  EXPECT_LT(CompareNoCase("apple", "Banana"), 0);
  EXPECT_GT(CompareNoCase("b", "A"), 0);
  EXPECT_LT(CompareNoCase("ab", "AB c"), 0);
}

} // namespace
