#pragma once
// Message boxes. Windows show them through MessageBoxes: QtMessageBoxes asks the user,
// RecordingMessageBoxes (for tests) records each message and answers from a script.

#include <deque>
#include <string>
#include <vector>

class QWidget;

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Exclamation, Question, Stop };
// The button chosen, with the Windows ids (IDOK, IDCANCEL, IDYES, IDNO).
enum class MessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct Message {
  std::string text;     // Windows-1252
  std::string caption;  // Windows-1252
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  int defaultButton = 0;  // index into ButtonsOf(buttons); out of range means the first
  bool topmost = false;   // stays in front of every window
};

// The buttons of a box in their Windows order (OK, Cancel / Yes, No, Cancel).
std::vector<MessageAnswer> ButtonsOf(MessageButtons buttons);
// The answer Enter gives: the default button.
MessageAnswer DefaultAnswerOf(const Message& message);

class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  // Shows the message modally over owner (none: no owner) and returns the button chosen.
  virtual MessageAnswer Show(const Message& message, QWidget* owner = nullptr) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
  // Closing the box without a button answers as Escape does: Cancel when there is one, else
  // OK for a lone OK button, else No.
  MessageAnswer Show(const Message& message, QWidget* owner = nullptr) override;
};

class RecordingMessageBoxes : public MessageBoxes {
public:
  MessageAnswer Show(const Message& message, QWidget* owner = nullptr) override;

  std::vector<Message> shown;          // every message, texts as given (Windows-1252)
  std::deque<MessageAnswer> answers;   // next answers; once empty, the default button
};

} // namespace platform
