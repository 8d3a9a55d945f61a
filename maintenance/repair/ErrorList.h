#pragma once
// The requirement errors found by the repair wizard's analysis: a fixed list of 200 records,
// ordered by application and then by check-file line. Titles and descriptions are string ids of
// KavelRepair's string table (titles 500-514, descriptions 600-614).

#include <array>
#include <string>
#include <string_view>

namespace maintenance {

inline constexpr int kErrorListCapacity = 200;

// Title ids; each description id is its title id + 100.
enum ErrorTitleId : int {
  ErrCheckFileMissing = 500,
  ErrVb6Runtime = 501,
  ErrCommonControls = 502,
  ErrFreeDisk = 503,
  ErrColours = 504,
  ErrCpuFrequency = 505,
  ErrHtmlHelp = 506,
  ErrMfc6Runtime = 507,
  ErrMfc7Runtime = 508,
  ErrVc6Runtime = 509,
  ErrVc7Runtime = 510,
  ErrMemory = 511,
  ErrSoundCard = 512,
  ErrBrowserVersion = 513,
  ErrWindowsVersion = 514,
};

constexpr int DescriptionId(ErrorTitleId title) { return title + 100; }

struct ErrorRecord {
  int appIndex = 0;  // record of the AppTable; 0 when there is no application
  int titleId = 0;
  int textId = 0;
  std::string link;  // opened by "Visiter site"; empty when the error has none
};

struct ErrorList {
  std::array<ErrorRecord, kErrorListCapacity> records;
  int count = 0;
};

// Appends an error; past 200 it is dropped and the count stays 200.
void AddError(ErrorList& list, int appIndex, int titleId, int textId, std::string_view link);

} // namespace maintenance
