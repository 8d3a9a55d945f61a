#pragma once
// REGEDIT4 files, as the Windows registry editor writes them: the line "REGEDIT4", then
// [HKEY_...\Key] sections of "Name"="text", @="default", dword:0000000a and hex:../hex(N):..
// values (hex lists may go on over lines ending in '\'). Windows-1252 bytes, CR LF line ends
// written, CR LF or LF read. On import [-KEY] removes a key tree and "Name"=- a value.

#include "platform/registry/Registry.h"

#include <string>
#include <string_view>
#include <vector>

namespace kavelreg {

struct RegFileEntry {
  enum class Kind { Key, DeleteTree, SetValue, DeleteValue };
  Kind kind = Kind::Key;
  int line = 0;
  platform::Hive hive = platform::Hive::LocalMachine;
  std::string path;  // the section's key
  std::string name;  // value entries only
  std::string data;
  platform::ValueType type = platform::ValueType::String;
};

struct RegFileError {
  int line = 0;  // 0 when the error belongs to no line
  std::string message;
};

// Reads a whole file into entries, in file order. False, with the first error, when malformed.
bool ParseRegFile(std::string_view bytes, std::vector<RegFileEntry>& entries,
                  RegFileError& error);

// Parses and applies a file in one transaction: on any error the store is left unchanged.
bool ImportRegFile(platform::RegistryStore& store, std::string_view bytes, RegFileError& error);

// The file for the key at `path` and everything below it, keys depth-first in enumeration order.
bool ExportRegFile(platform::RegistryStore& store, platform::Hive hive, std::string_view path,
                   std::string& bytes, RegFileError& error);

} // namespace kavelreg
