#include "platform/ui/MessageBoxes.h"

#include "platform/text/Text.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

QString ToQt(const std::string& cp1252) { return QString::fromStdString(Utf8FromCp1252(cp1252)); }

QMessageBox::StandardButton QtButtonOf(MessageAnswer answer) {
  switch (answer) {
  case MessageAnswer::Ok: return QMessageBox::Ok;
  case MessageAnswer::Cancel: return QMessageBox::Cancel;
  case MessageAnswer::Yes: return QMessageBox::Yes;
  case MessageAnswer::No: return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon QtIconOf(MessageIcon icon) {
  switch (icon) {
  case MessageIcon::None: return QMessageBox::NoIcon;
  case MessageIcon::Information: return QMessageBox::Information;
  case MessageIcon::Exclamation: return QMessageBox::Warning;
  case MessageIcon::Question: return QMessageBox::Question;
  case MessageIcon::Stop: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

} // namespace

std::vector<MessageAnswer> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
  case MessageButtons::Ok: return {MessageAnswer::Ok};
  case MessageButtons::OkCancel: return {MessageAnswer::Ok, MessageAnswer::Cancel};
  case MessageButtons::YesNo: return {MessageAnswer::Yes, MessageAnswer::No};
  case MessageButtons::YesNoCancel: return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
  }
  return {MessageAnswer::Ok};
}

MessageAnswer DefaultAnswerOf(const Message& message) {
  const std::vector<MessageAnswer> buttons = ButtonsOf(message.buttons);
  const bool inRange = message.defaultButton >= 0 && message.defaultButton < static_cast<int>(buttons.size());
  return buttons[inRange ? message.defaultButton : 0];
}

MessageAnswer QtMessageBoxes::Show(const Message& message, QWidget* owner) {
  QMessageBox box(owner);
  box.setWindowTitle(ToQt(message.caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQt(message.text));
  box.setIcon(QtIconOf(message.icon));
  const std::vector<MessageAnswer> buttons = ButtonsOf(message.buttons);
  for (MessageAnswer answer : buttons) box.addButton(QtButtonOf(answer));
  box.setDefaultButton(QtButtonOf(DefaultAnswerOf(message)));
  if (message.topmost) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();

  switch (box.standardButton(box.clickedButton())) {
  case QMessageBox::Ok: return MessageAnswer::Ok;
  case QMessageBox::Cancel: return MessageAnswer::Cancel;
  case QMessageBox::Yes: return MessageAnswer::Yes;
  case QMessageBox::No: return MessageAnswer::No;
  default: break;
  }
  if (message.buttons == MessageButtons::OkCancel || message.buttons == MessageButtons::YesNoCancel)
    return MessageAnswer::Cancel;
  return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

MessageAnswer RecordingMessageBoxes::Show(const Message& message, QWidget*) {
  shown.push_back(message);
  if (answers.empty()) return DefaultAnswerOf(message);
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

} // namespace platform
