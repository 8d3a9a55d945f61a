#include "tools/kavelreg/RegFile.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using kavelreg::ExportRegFile;
using kavelreg::ImportRegFile;
using kavelreg::RegFileError;
using platform::Hive;
using platform::KeyAccess;
using platform::RegistryStore;
using platform::RegKey;
using platform::RegResult;
using platform::ValueType;
using test_support::TempFolder;

namespace {

std::string Crlf(std::string_view lf) {
  std::string out;
  for (char c : lf) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string Export(RegistryStore& store, std::string_view path) {
  std::string bytes;
  RegFileError error;
  EXPECT_TRUE(ExportRegFile(store, Hive::LocalMachine, path, bytes, error)) << error.message;
  return bytes;
}

// Accents are Windows-1252 bytes: \xE9 é, \xC9 É, \xE8 è.
const std::string kFile = Crlf(
    "REGEDIT4\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Apps Kavel\\KavelRepair\\Colorohm]\n"
    "@=\"Colorohm 2.0\"\n"
    "\"Chemin\"=\"C:\\\\Program Files\\\\Colorohm\"\n"
    "\"D\xE9sinstallation\"=\"C:\\\\Colorohm\\\\\xE9t\xE9 \\\"1\\\".exe\"\n"
    "\"Empty\"=\"\"\n"
    "\"Count\"=dword:0000000a\n"
    "\"Blob\"=hex:00,ff,10\n"
    "\"Path\"=hex(2):25,00\n"
    "\"List\"=hex(7):61,00,62,00,00\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Apps Kavel\\KavelRepair\\Colorohm\\Sub]\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Apps Kavel\\KavelRepair\\\xC9l\xE8ve]\n"
    "\"x\"=\"y\"\n"
    "\n");

class RegFileTest : public ::testing::Test {
protected:
  TempFolder folder_;
  RegistryStore store_{folder_.File("registry.db")};
};

TEST_F(RegFileTest, ImportThenExportGivesTheSameFile) {
  RegFileError error;
  ASSERT_TRUE(ImportRegFile(store_, kFile, error)) << error.line << ": " << error.message;
  EXPECT_EQ(Export(store_, "Software\\Apps Kavel\\KavelRepair"),
            Crlf("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Apps Kavel\\KavelRepair]\n\n") +
                kFile.substr(12));

  RegKey key;
  ASSERT_EQ(store_.OpenKey(Hive::LocalMachine, "software\\apps kavel\\kavelrepair\\colorohm",
                           KeyAccess::Read, key),
            RegResult::Ok);
  std::string data;
  ValueType type{};
  ASSERT_EQ(key.QueryValue("D\xC9SINSTALLATION", data), RegResult::Ok);
  EXPECT_EQ(data, "C:\\Colorohm\\\xE9t\xE9 \"1\".exe");
  ASSERT_EQ(key.QueryValue("Count", data, type), RegResult::Ok);
  EXPECT_EQ(data, std::string("\x0A\0\0\0", 4));
  EXPECT_EQ(type, ValueType::Dword);
  ASSERT_EQ(key.QueryValue("List", data, type), RegResult::Ok);
  EXPECT_EQ(data, std::string("a\0b\0\0", 5));
  EXPECT_EQ(type, ValueType::MultiString);
}

TEST_F(RegFileTest, LineFeedsContinuationsRemovalsAndCommentsAreRead) {
  RegFileError error;
  ASSERT_TRUE(ImportRegFile(store_, kFile, error)) << error.message;
  const std::string lf =
      "REGEDIT4\n"
      "; a comment\n"
      "[-HKEY_LOCAL_MACHINE\\Software\\Apps Kavel\\KavelRepair\\\xC9L\xC8VE]\n"
      "[-HKEY_LOCAL_MACHINE\\Software\\Never There]\n"
      "[HKLM\\Software\\Apps Kavel\\KavelRepair\\Colorohm]\n"
      "\"Chemin\"=-\n"
      "\"Absent\"=-\n"
      "\"Blob\"=hex:01,02,\\\n"
      "  03,04\n"
      "\"Count\" = DWORD:FFFFFFFF\n";
  ASSERT_TRUE(ImportRegFile(store_, lf, error)) << error.line << ": " << error.message;
  RegKey key;
  ASSERT_EQ(store_.OpenKey(Hive::LocalMachine, "Software\\Apps Kavel\\KavelRepair",
                           KeyAccess::Read, key),
            RegResult::Ok);
  std::string name;
  EXPECT_EQ(key.EnumKey(1, name), RegResult::NotFound) << "only Colorohm is left";
  ASSERT_EQ(key.OpenSubKey("Colorohm", KeyAccess::Read, key), RegResult::Ok);
  std::string data;
  EXPECT_EQ(key.QueryValue("Chemin", data), RegResult::NotFound);
  ASSERT_EQ(key.QueryValue("Blob", data), RegResult::Ok);
  EXPECT_EQ(data, "\x01\x02\x03\x04");
  ASSERT_EQ(key.QueryValue("Count", data), RegResult::Ok);
  EXPECT_EQ(data, "\xFF\xFF\xFF\xFF");
}

TEST_F(RegFileTest, BytesThatNoQuotedTextCarriesSurviveARoundTrip) {
  RegKey key;
  ASSERT_EQ(store_.CreateKey(Hive::LocalMachine, "Software\\Bytes", key), RegResult::Ok);
  const struct {
    const char* name;
    std::string data;
    ValueType type;
  } cases[] = {
      {"padded", std::string("/opt/kavel") + std::string(250, '\0'), ValueType::String},
      {"lines", "one\r\ntwo", ValueType::String},
      {"short dword", "\x01\x02", ValueType::Dword},
      {"long binary", std::string(300, '\xAB'), ValueType::Binary},
      {"odd type", "\x01", static_cast<ValueType>(11)},
  };
  for (const auto& c : cases) ASSERT_EQ(key.SetValue(c.name, c.data, c.type), RegResult::Ok);
  const std::string file = Export(store_, "Software\\Bytes");
  for (std::size_t start = 0, end; (end = file.find("\r\n", start)) != std::string::npos;
       start = end + 2)
    EXPECT_LE(end - start, 80u) << "hex lists are wrapped";

  ASSERT_EQ(store_.DeleteKey(Hive::LocalMachine, "Software\\Bytes"), RegResult::Ok);
  RegFileError error;
  ASSERT_TRUE(ImportRegFile(store_, file, error)) << error.line << ": " << error.message;
  ASSERT_EQ(store_.OpenKey(Hive::LocalMachine, "Software\\Bytes", KeyAccess::Read, key),
            RegResult::Ok);
  for (const auto& c : cases) {
    std::string data;
    ValueType type{};
    ASSERT_EQ(key.QueryValue(c.name, data, type), RegResult::Ok) << c.name;
    EXPECT_EQ(data, c.data) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
  }
}

TEST_F(RegFileTest, MalformedFileNamesItsLineAndChangesNothing) {
  RegFileError error;
  ASSERT_TRUE(ImportRegFile(store_, kFile, error)) << error.message;
  const std::string before = Export(store_, "Software");
  const std::string head = "REGEDIT4\n\n[HKLM\\Software\\New]\n\"ok\"=\"1\"\n";
  const struct {
    const char* what;
    std::string file;
    int line;
  } cases[] = {
      {"no header", "[HKLM\\Software\\New]\n", 1},
      {"other header", "Windows Registry Editor Version 5.00\n", 1},
      {"empty file", "", 1},
      {"value before any key", "REGEDIT4\n\"a\"=\"b\"\n", 2},
      {"unknown root", "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n", 2},
      {"no closing bracket", head + "[HKLM\\Software\\X\n", 5},
      {"empty key component", head + "[HKLM\\Software\\\\X]\n", 5},
      {"whole hive removed", head + "[-HKEY_LOCAL_MACHINE]\n", 5},
      {"value after a removal", head + "[-HKLM\\Software\\X]\n\"a\"=\"b\"\n", 6},
      {"unterminated text", head + "\"a\"=\"b\n", 5},
      {"unknown escape", head + "\"a\"=\"b\\n\"\n", 5},
      {"text after the data", head + "\"a\"=\"b\" c\n", 5},
      {"no equals sign", head + "\"a\" \"b\"\n", 5},
      {"dword too long", head + "\"a\"=dword:000000001\n", 5},
      {"bad hex byte", head + "\"a\"=hex:01,zz\n", 5},
      {"hex byte too wide", head + "\"a\"=hex:100\n", 5},
      {"continuation at the end", head + "\"a\"=hex:01,\\\n", 5},
      {"unknown data", head + "\"a\"=qword:1\n", 5},
      {"garbage line", head + "hello\n", 5},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(ImportRegFile(store_, c.file, error)) << c.what;
    EXPECT_EQ(error.line, c.line) << c.what;
    EXPECT_FALSE(error.message.empty()) << c.what;
  }
  EXPECT_EQ(Export(store_, "Software"), before);
}

TEST_F(RegFileTest, ImportIntoReadOnlyStoreFailsWholly) {
  const std::string path = folder_.File("ro.db");
  { RegistryStore create(path); }
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  RegistryStore store(path);
  RegFileError error;
  EXPECT_FALSE(ImportRegFile(store, kFile, error));
  EXPECT_FALSE(error.message.empty());
  RegKey key;
  EXPECT_EQ(store.OpenKey(Hive::LocalMachine, "Software", KeyAccess::Read, key),
            RegResult::NotFound);
}

TEST_F(RegFileTest, ExportOfMissingKeyFails) {
  std::string bytes;
  RegFileError error;
  EXPECT_FALSE(ExportRegFile(store_, Hive::LocalMachine, "Software\\Nope", bytes, error));
  EXPECT_EQ(error.message, "not found");
}

} // namespace
