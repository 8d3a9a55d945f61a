#pragma once
// Tallyra's settings as plain data, with their values at first start, and the path helpers.
// Settings are stored as texts: numbers in number form (NumberText: " 1", "-1"), read back as
// the leading decimal number of the text, an empty or non-numeric text reading as 0.

#include "tallyra/core/Arrangement.h"

#include <string>
#include <string_view>

namespace tallyra {

struct Settings {
  std::string dataPath;                       // "Chemin"
  ScoreUnit scoreUnit = ScoreUnit::OutOf20;   // "Type note"
  int sortOrder = 0;                          // "Affichage", 0 to 11
  int showToolbar = 1;                        // "Afficher barre outils": -1 or 0 once toggled
  int showStatusBar = 1;                      // "Afficher barre état", likewise
  int flatToolbar = 1;                        // "Barre outils aplatie"
  int toolbarCaptions = 1;                    // "Textes barre outils"
  int windowState = 0;                        // "Plein écran": 0 normal, 1 minimised, 2 maximised
};

// A stored number as a setting: the leading decimal number, 0 when there is none.
int SettingNumber(std::string_view text);
// A stored sort order, 0 when outside 0 to 11 (an arrangement that does not exist shows nothing).
int SortOrderOf(std::string_view text);

// The text before the last '/' of path, empty when it holds none.
std::string FolderOf(std::string_view path);
// The text after the last '/' of path, the whole path when it holds none.
std::string FileNameOf(std::string_view path);

} // namespace tallyra
