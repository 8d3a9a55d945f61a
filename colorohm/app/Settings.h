#pragma once
// Colorohm's settings record: everything the user can choose, read once at start from the
// settings store and written once at the end. Plain logic, no Qt.
//
// Values live under kSettingsKey in the sections "Général", "Interface" and "Dernier état", each a
// string; integers are written as decimal text and read back by their leading integer. Section
// and value names with accents are Windows-1252 bytes in the store, like every text here.

#include "maintenance/common/WinVersion.h"
#include "platform/registry/Registry.h"

#include <array>
#include <string>

namespace colorohm {

inline constexpr char kSettingsKey[] = "Software\\Apps Kavel\\Colorohm\\Version 2.0";
inline constexpr int kNeverPlaced = -6500;
inline constexpr int kSeriesSettings = 7;
inline constexpr int kBandSettings = 6;
inline constexpr int kGroupSettings = 3;

struct SettingsRecord {
  // "Général"
  int premierDemarrage = 1;
  int nombreBandes = 2;
  std::array<int, kSeriesSettings> utiliserSerie{0, 1, 1, 1, 0, 0, 0};
  // "Interface"
  int utiliserDegrade = 1;
  int premierPlan = 0;
  int afficherBarreLaterale = 1;
  int styleAffichage = 1;
  int sensAffichage = 1;
  std::string imageFond = "D\xE9" "faut";  // "" none, "Défaut" built-in picture, else a file
  std::string langue;                      // display name of the language file; "" built-in
  // "Dernier état"
  int posX = kNeverPlaced;
  int posY = kNeverPlaced;
  std::array<int, kBandSettings> bande{};
  std::array<int, kGroupSettings> groupe{1, 1, 1};

  bool operator==(const SettingsRecord&) const = default;
};

// "Style affichage" when the store has none: classic (1) before Windows XP, else the Windows XP
// look (0) while a visual theme is active. An unknown version counts as one later than any
// known, as the requirement checks read it.
int DefaultStyleAffichage(maintenance::WinVersionCode version, bool themeActive);

// Every value at its default, with the given default look.
SettingsRecord DefaultSettings(int styleAffichage);

enum class Exchange { Load, Save };

// Walks the values in their fixed order and reads (missing values keep what they hold) or writes
// each. The walk is one transaction of the store, so another copy of the program never sees half
// of a save; a store that cannot be written leaves the record untouched and saves nothing.
void ExchangeSettings(platform::RegistryStore& store, SettingsRecord& record, Exchange mode);

// A band count outside 0..2 becomes 2 (six bands).
void ValidateSettings(SettingsRecord& record);

}  // namespace colorohm
