#pragma once
// The applications a wizard found under its registry key: a fixed table of 50 records, filled in
// enumeration order and never shrunk while the wizard runs. Row i of the program list and
// application i of an error record are record i.

#include <array>
#include <string>

namespace maintenance {

inline constexpr int kAppTableCapacity = 50;

// One application subkey; texts are Windows-1252 as the store holds them.
struct AppRecord {
  std::string displayName;  // default value of the subkey
  std::string versionText;  // "Version"
  std::string checkFile;    // "FichierConfig" (repair wizard only)
  std::string iconFile;     // "Icon"
  bool selected = false;    // check box of the program list
};

struct AppTable {
  std::array<AppRecord, kAppTableCapacity> records;
  int count = 0;

  bool IsFull() const { return count >= kAppTableCapacity; }
};

} // namespace maintenance
