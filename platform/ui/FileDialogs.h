#pragma once
// Open and save file dialogs. Windows ask through FileDialogs: QtFileDialogs shows QFileDialog,
// RecordingFileDialogs (for tests) records each request and answers with scripted paths.

#include <QStringList>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace platform {

struct FileDialogRequest {
  std::string title;             // Windows-1252
  std::string filter;            // Windows-1252, "Images Bitmap|*.bmp|Tous les fichiers|*.*||"
  std::string folder;            // initial folder (a path)
  std::string fileName;          // initial file name (a path or a bare name)
  std::string defaultExtension;  // "bmp": added when the name typed has none
  bool confirmOverwrite = true;  // save: ask before replacing a file that exists
};

// Qt name filters from a Windows filter: each "description|patterns" pair becomes
// "description (patterns)", the ';' between patterns become blanks and "*.*" becomes "*" (Qt
// would need a dot in the name). Reading stops at an empty description ("||" ends the list);
// pairs without a pattern are dropped.
QStringList QtNameFilters(std::string_view windowsFilter);

class FileDialogs {
public:
  virtual ~FileDialogs() = default;
  // The path chosen (UTF-8 file name bytes), or "" when the user cancels.
  virtual std::string Save(const FileDialogRequest& request, QWidget* owner = nullptr) = 0;
  // An existing file chosen, or "" when the user cancels.
  virtual std::string Open(const FileDialogRequest& request, QWidget* owner = nullptr) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
  std::string Save(const FileDialogRequest& request, QWidget* owner = nullptr) override;
  std::string Open(const FileDialogRequest& request, QWidget* owner = nullptr) override;
};

class RecordingFileDialogs : public FileDialogs {
public:
  struct Call {
    bool save;
    FileDialogRequest request;
  };
  std::string Save(const FileDialogRequest& request, QWidget* owner = nullptr) override;
  std::string Open(const FileDialogRequest& request, QWidget* owner = nullptr) override;

  std::vector<Call> calls;
  std::deque<std::string> answers;  // next paths; "" or an empty queue is a cancel

private:
  std::string Answer(bool save, const FileDialogRequest& request);
};

} // namespace platform
