#include "platform/resources/Script.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace platform {
namespace {

const std::string kPng("\x89PNG\r\n\x1a\n....", 12);
const std::string kBmp("BM......", 8);

// Images by name, as if they lay beside the script.
ImageReader FakeImages() {
  return [](const std::string& path, std::string& bytes) {
    if (path == "art/fond.png") bytes = kPng;
    else if (path == "logo.bmp") bytes = kBmp;
    else if (path == "notes.txt") bytes = "plain text";
    else return false;
    return true;
  };
}

bool Parse(std::string_view source, ResourceSet& out, std::string& error) {
  return ParseResourceScript(source, "test.rc", FakeImages(), out, error);
}

TEST(ResourceScript, ReadsStringTablesWithEscapesAndAccentsAsWindows1252) {
  ResourceSet set;
  std::string error;
  ASSERT_TRUE(Parse(R"rc(// comment
STRINGTABLE
{
    149  "I (Ampère)"   // trailing comment
    159  "Ligne 1\n\nLigne 2\t\"cité\" \\ fin\r"
}
STRINGTABLE { 0x10 "hex" -1 "négatif" 2 "€ œ °" 3 "" }
)rc", set, error)) << error;
  EXPECT_EQ(set.String(149), "I (Amp\xE8re)");
  EXPECT_EQ(set.String(159), "Ligne 1\n\nLigne 2\t\"cit\xE9\" \\ fin\r");
  EXPECT_EQ(set.String(16), "hex");
  EXPECT_EQ(set.String(-1), "n\xE9gatif");
  EXPECT_EQ(set.String(2), "\x80 \x9C \xB0");
  EXPECT_TRUE(set.HasString(3));
  EXPECT_FALSE(set.HasString(4));
  EXPECT_EQ(set.String(4), "");
}

TEST(ResourceScript, ReadsMenusWithNestedPopupsAndFlags) {
  ResourceSet set;
  std::string error;
  ASSERT_TRUE(Parse(R"rc(MENU 128 {
  POPUP "&Édition" {
    MENUITEM "&Copier\tCTRL+C", 32771
    MENUITEM SEPARATOR
    POPUP "Style" { MENUITEM "XP" 32801 CHECKED }
    MENUITEM "Coller" 32772 GRAYED, CHECKED
  }
  MENUITEM "&Quitter" 57665
})rc", set, error)) << error;
  const Menu* menu = set.FindMenu(128);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->items.size(), 2u);
  const MenuItem& edit = menu->items[0];
  EXPECT_TRUE(edit.popup);
  EXPECT_EQ(edit.text, "&\xC9" "dition");
  ASSERT_EQ(edit.items.size(), 4u);
  EXPECT_EQ(edit.items[0].text, "&Copier\tCTRL+C");
  EXPECT_EQ(edit.items[0].id, 32771);
  EXPECT_TRUE(edit.items[1].separator);
  EXPECT_TRUE(edit.items[2].popup);
  ASSERT_EQ(edit.items[2].items.size(), 1u);
  EXPECT_TRUE(edit.items[2].items[0].checked);
  EXPECT_FALSE(edit.items[2].items[0].grayed);
  EXPECT_TRUE(edit.items[3].grayed);
  EXPECT_TRUE(edit.items[3].checked);
  EXPECT_FALSE(menu->items[1].popup);
  EXPECT_EQ(menu->items[1].id, 57665);
  EXPECT_EQ(set.FindMenu(129), nullptr);
}

TEST(ResourceScript, ReadsAcceleratorsAsVirtualKeys) {
  ResourceSet set;
  std::string error;
  ASSERT_TRUE(Parse(R"rc(ACCELERATORS 128 {
  "c"        32771 CONTROL
  "5", 32780, CONTROL, SHIFT, ALT
  VK_F1      57670
  VK_DELETE  32773 SHIFT
  VK_RETURN  1
  VK_INSERT  32771 CONTROL
  VK_F12     2
  VK_NUMPAD7 3
})rc", set, error)) << error;
  const AcceleratorTable* table = set.FindAccelerators(128);
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->entries.size(), 8u);
  struct Expected { int key; int command; bool control, shift, alt; };
  const Expected expected[] = {{'C', 32771, true, false, false}, {'5', 32780, true, true, true},
                               {0x70, 57670, false, false, false}, {0x2E, 32773, false, true, false},
                               {0x0D, 1, false, false, false}, {0x2D, 32771, true, false, false},
                               {0x7B, 2, false, false, false}, {0x67, 3, false, false, false}};
  for (std::size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    const Accelerator& a = table->entries[i];
    EXPECT_EQ(a.key, expected[i].key);
    EXPECT_EQ(a.command, expected[i].command);
    EXPECT_EQ(a.control, expected[i].control);
    EXPECT_EQ(a.shift, expected[i].shift);
    EXPECT_EQ(a.alt, expected[i].alt);
  }
}

TEST(ResourceScript, ReadsDialogTemplates) {
  ResourceSet set;
  std::string error;
  ASSERT_TRUE(Parse(R"rc(DIALOG 182  0, 0, 342, 181  "Colorohm"  FONT 8 "MS Shell Dlg"  STYLE MINIMIZEBOX SYSMENU
{
    CONTROL 1000 "msctls_trackbar32" ""  40, 54, 20, 95   VERT NOTICKS
    CONTROL 1012 "Edit"              ""  33, 154, 34, 13  BORDER AUTOHSCROLL
    CONTROL -1   "Static"  "Unité :"     5 6 7 8
}
DIALOG 200 1 2 3 4 "Sans police" {})rc", set, error)) << error;
  const DialogTemplate* d = set.FindDialog(182);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->caption, "Colorohm");
  EXPECT_EQ(d->cx, 342);
  EXPECT_EQ(d->cy, 181);
  EXPECT_EQ(d->fontName, "MS Shell Dlg");
  EXPECT_EQ(d->styles, (std::vector<std::string>{"MINIMIZEBOX", "SYSMENU"}));
  ASSERT_EQ(d->controls.size(), 3u);
  const ControlTemplate& slider = d->controls[0];
  EXPECT_EQ(slider.id, 1000);
  EXPECT_EQ(slider.className, "msctls_trackbar32");
  EXPECT_EQ(slider.x, 40);
  EXPECT_EQ(slider.y, 54);
  EXPECT_EQ(slider.cx, 20);
  EXPECT_EQ(slider.cy, 95);
  EXPECT_EQ(slider.styles, (std::vector<std::string>{"VERT", "NOTICKS"}));
  EXPECT_EQ(d->controls[1].styles, (std::vector<std::string>{"BORDER", "AUTOHSCROLL"}));
  EXPECT_EQ(d->controls[2].id, -1);
  EXPECT_EQ(d->controls[2].text, "Unit\xE9 :");
  EXPECT_TRUE(d->controls[2].styles.empty());

  const DialogTemplate* plain = set.FindDialog(200);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->fontSize, 8);
  EXPECT_EQ(plain->fontName, "MS Shell Dlg");
  EXPECT_TRUE(plain->controls.empty());
}

TEST(ResourceScript, ReadsBitmapsAndIconsAsFileBytes) {
  ResourceSet set;
  std::string error;
  ASSERT_TRUE(Parse("BITMAP 310 \"art/fond.png\"\nBITMAP 311 \"logo.bmp\"\nICON 128 \"logo.bmp\"", set, error))
      << error;
  ASSERT_NE(set.FindBitmap(310), nullptr);
  EXPECT_EQ(*set.FindBitmap(310), kPng);
  EXPECT_EQ(*set.FindBitmap(311), kBmp);
  ASSERT_NE(set.FindIcon(128), nullptr);
  EXPECT_EQ(*set.FindIcon(128), kBmp);
  EXPECT_EQ(set.FindBitmap(128), nullptr);
}

struct BadScript {
  const char* name;
  const char* source;
  const char* error;
};

class ResourceScriptErrors : public testing::TestWithParam<BadScript> {};

TEST_P(ResourceScriptErrors, NameFileAndLine) {
  ResourceSet set;
  set.strings[7] = "before";
  std::string error;
  EXPECT_FALSE(Parse(GetParam().source, set, error));
  EXPECT_EQ(error, GetParam().error);
  EXPECT_EQ(set.String(7), "before") << "a failed parse must leave the set as it was";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResourceScriptErrors,
    testing::Values(
        BadScript{"UnterminatedString", "STRINGTABLE\n{\n  1 \"abc\n}", "test.rc:3: unterminated string"},
        BadScript{"UnterminatedAtEnd", "STRINGTABLE { 1 \"abc\\", "test.rc:1: unterminated string"},
        BadScript{"UnknownEscape", "STRINGTABLE {\n 1 \"a\\qb\" }", "test.rc:2: unknown escape '\\q'"},
        BadScript{"UnknownKeyword", "STRINGTABLE { }\n\nSTRINGTABEL { }", "test.rc:3: unknown keyword 'STRINGTABEL'"},
        BadScript{"NotAKeyword", "\"texte\"", "test.rc:1: expected a block keyword"},
        BadScript{"MissingOpenBrace", "STRINGTABLE\n  1 \"a\"", "test.rc:2: expected '{' after STRINGTABLE"},
        BadScript{"MissingCloseBrace", "STRINGTABLE\n{\n  1 \"a\"\n",
                  "test.rc:4: missing '}' for the block opened at line 2"},
        BadScript{"MissingPopupBrace", "MENU 1 {\n POPUP \"a\" {\n MENUITEM \"b\" 2\n}",
                  "test.rc:4: missing '}' for the block opened at line 1"},
        BadScript{"DuplicateStringAcrossTables", "STRINGTABLE { 5 \"a\" }\nSTRINGTABLE {\n 5 \"b\" }",
                  "test.rc:3: duplicate string id 5"},
        BadScript{"DuplicateDialog", "DIALOG 1 0 0 1 1 \"a\" {}\nDIALOG 1 0 0 1 1 \"b\" {}",
                  "test.rc:2: duplicate dialog id 1"},
        BadScript{"MissingImage", "\n\nBITMAP 310 \"absent.png\"", "test.rc:3: cannot read image file \"absent.png\""},
        BadScript{"AbsoluteImagePath", "ICON 1 \"/etc/passwd\"", "test.rc:1: cannot read image file \"/etc/passwd\""},
        BadScript{"NotAnImage", "BITMAP 1 \"notes.txt\"", "test.rc:1: \"notes.txt\" is neither a PNG nor a BMP image"},
        BadScript{"DuplicateBitmap", "BITMAP 1 \"logo.bmp\"\nBITMAP 1 \"logo.bmp\"", "test.rc:2: duplicate bitmap id 1"},
        BadScript{"StringIdMissing", "STRINGTABLE { \"a\" }", "test.rc:1: expected a string id"},
        BadScript{"TextMissing", "STRINGTABLE { 1 2 }", "test.rc:1: expected the string in double quotes"},
        BadScript{"OutsideWindows1252", "STRINGTABLE { 1 \"10 Ω\" }",
                  "test.rc:1: text is not UTF-8 that Windows-1252 can hold"},
        BadScript{"MalformedUtf8", "STRINGTABLE { 1 \"caf\xE9\" }",
                  "test.rc:1: text is not UTF-8 that Windows-1252 can hold"},
        BadScript{"NumberOutOfRange", "STRINGTABLE { 2147483648 \"a\" }", "test.rc:1: number out of range"},
        BadScript{"MalformedNumber", "STRINGTABLE { 12ab \"a\" }", "test.rc:1: malformed number"},
        BadScript{"StrayCharacter", "STRINGTABLE { 1 \"a\" ; }", "test.rc:1: unexpected character ';'"},
        BadScript{"UnknownVirtualKey", "ACCELERATORS 1 {\n VK_F25 2 }", "test.rc:2: unknown key 'VK_F25'"},
        BadScript{"LongQuotedKey", "ACCELERATORS 1 { \"CC\" 2 }",
                  "test.rc:1: an accelerator key in quotes is one letter or digit"},
        BadScript{"AcceleratorFlagUnknown", "ACCELERATORS 1 { \"C\" 2 CTRL }", "test.rc:1: unknown key 'CTRL'"},
        BadScript{"MenuItemWithoutId", "MENU 1 { MENUITEM \"a\" }", "test.rc:1: expected a command id"},
        BadScript{"MenuStrayWord", "MENU 1 { ITEM \"a\" 2 }", "test.rc:1: expected MENUITEM, POPUP or '}'"},
        BadScript{"DialogWithoutCaption", "DIALOG 1 0, 0, 10, 10 {}",
                  "test.rc:1: expected the dialog caption in double quotes"},
        BadScript{"DialogShortRect", "DIALOG 1 0, 0, 10 \"a\" {}", "test.rc:1: expected height"},
        BadScript{"DialogUnknownOption", "DIALOG 1 0 0 1 1 \"a\" CAPTION {}", "test.rc:1: expected FONT, STYLE or '{'"},
        BadScript{"DialogStrayLine", "DIALOG 1 0 0 1 1 \"a\" {\n CONTROL 1 \"Edit\" \"\" 0 0 1 1\n \"x\" }",
                  "test.rc:3: expected CONTROL or '}'"}),
    [](const testing::TestParamInfo<BadScript>& info) { return std::string(info.param.name); });

// A temporary folder of its own, removed at the end.
class ScriptFolder : public testing::Test {
protected:
  test_support::TempFolder folder_;
};

TEST_F(ScriptFolder, ReadsImagesBesideTheScriptAndListsTheFilesRead) {
  folder_.Write("app.rc", "BITMAP 310 \"img/fond.png\"\nSTRINGTABLE { 1 \"é\" }");
  folder_.Write("img/fond.png", kPng);
  ResourceSet set;
  std::string error;
  std::vector<std::string> files;
  std::string script = folder_.File("app.rc");
  ASSERT_TRUE(ParseResourceScriptFile(script, set, error, &files)) << error;
  EXPECT_EQ(*set.FindBitmap(310), kPng);
  EXPECT_EQ(set.String(1), "\xE9");
  EXPECT_EQ(files, (std::vector<std::string>{script, folder_.File("img/fond.png")}));
}

TEST_F(ScriptFolder, ErrorsNameTheScriptPath) {
  folder_.Write("app.rc", "STRINGTABLE { }\nBITMAP 310 \"absent.png\"");
  ResourceSet set;
  std::string error;
  std::string script = folder_.File("app.rc");
  EXPECT_FALSE(ParseResourceScriptFile(script, set, error));
  EXPECT_EQ(error, script + ":2: cannot read image file \"absent.png\"");
  EXPECT_FALSE(ParseResourceScriptFile(folder_.File("none.rc"), set, error));
  EXPECT_EQ(error, folder_.File("none.rc") + ": cannot read the file");
}

} // namespace
} // namespace platform
