#include "platform/ui/Clipboard.h"

#include "platform/text/Text.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void QtClipboard::SetText(const std::string& cp1252) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(Utf8FromCp1252(cp1252)));
}

void QtClipboard::SetImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

void RecordingClipboard::SetText(const std::string& cp1252) {
  text = cp1252;
  image.reset();
  ++writes;
}

void RecordingClipboard::SetImage(const QImage& picture) {
  image = picture;
  text.reset();
  ++writes;
}

} // namespace platform
