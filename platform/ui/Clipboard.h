#pragma once
// The clipboard. Each write replaces everything on it, so only one format is offered at a time.

#include <QImage>

#include <optional>
#include <string>

namespace platform {

class Clipboard {
public:
  virtual ~Clipboard() = default;
  virtual void SetText(const std::string& cp1252) = 0;
  virtual void SetImage(const QImage& image) = 0;
};

class QtClipboard : public Clipboard {
public:
  void SetText(const std::string& cp1252) override;
  void SetImage(const QImage& image) override;
};

// Keeps what was last put on it, as the real clipboard would offer it.
class RecordingClipboard : public Clipboard {
public:
  void SetText(const std::string& cp1252) override;
  void SetImage(const QImage& image) override;

  std::optional<std::string> text;  // Windows-1252, as given
  std::optional<QImage> image;
  int writes = 0;
};

} // namespace platform
