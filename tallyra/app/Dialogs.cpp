#include "tallyra/app/Dialogs.h"

#include "platform/text/Text.h"
#include "tallyra/app/Texts.h"

namespace tallyra {

std::string LookupText(std::string_view defaultText, int /*id*/) {
  return std::string(defaultText);
}

platform::MessageAnswer ShowTextMessage(platform::MessageBoxes& boxes, QWidget* owner,
                                        std::string_view text, platform::MessageButtons buttons,
                                        platform::MessageIcon icon, std::string_view title,
                                        int textId, int titleId) {
  platform::Message message;
  message.text = LookupText(text, textId);
  message.caption = LookupText(title, titleId);
  if (message.caption.empty()) {
    message.caption = platform::Cp1252FromUtf8(texts::kProductName);
  }
  message.buttons = buttons;
  message.icon = icon;
  return boxes.Show(message, owner);
}

std::string SaveFileDialog(platform::FileDialogs& dialogs, QWidget* owner, std::string_view filter,
                           std::string_view title, const std::string& folder, bool noQuestion,
                           const std::string& defaultName) {
  platform::FileDialogRequest request;
  request.title = title;
  request.filter = filter;
  request.folder = folder;
  request.fileName = defaultName;
  request.confirmOverwrite = !noQuestion;
  return dialogs.Save(request, owner);
}

std::string OpenFileDialog(platform::FileDialogs& dialogs, QWidget* owner, std::string_view filter,
                           std::string_view title, const std::string& folder) {
  platform::FileDialogRequest request;
  request.title = title;
  request.filter = filter;
  request.folder = folder;
  return dialogs.Open(request, owner);
}

} // namespace tallyra
