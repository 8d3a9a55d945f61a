#pragma once
// The message and file dialog helpers that Tallyra's windows share. Texts and titles are
// Windows-1252; paths are file-system paths.

#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"

#include <string>
#include <string_view>

class QWidget;

namespace tallyra {

// The text of id: a language library would supply it; Tallyra loads none, so it is always the
// built-in default.
std::string LookupText(std::string_view defaultText, int id);

// A message whose text and title are looked up by id (an empty title becomes "Mentiva").
platform::MessageAnswer ShowTextMessage(platform::MessageBoxes& boxes, QWidget* owner,
                                        std::string_view text, platform::MessageButtons buttons,
                                        platform::MessageIcon icon, std::string_view title,
                                        int textId, int titleId);

// The chosen path, or the empty text when the user cancels. filter holds "description|pattern"
// pairs. Unless noQuestion is set, the dialog asks before an existing file is replaced.
std::string SaveFileDialog(platform::FileDialogs& dialogs, QWidget* owner, std::string_view filter,
                           std::string_view title, const std::string& folder, bool noQuestion,
                           const std::string& defaultName);
// An existing file chosen, or the empty text.
std::string OpenFileDialog(platform::FileDialogs& dialogs, QWidget* owner, std::string_view filter,
                           std::string_view title, const std::string& folder);

} // namespace tallyra
