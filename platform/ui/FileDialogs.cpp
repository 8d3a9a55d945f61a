#include "platform/ui/FileDialogs.h"

#include "platform/text/Text.h"

#include <QFile>
#include <QFileDialog>

namespace platform {
namespace {

QString ToQt(std::string_view cp1252) { return QString::fromStdString(Utf8FromCp1252(cp1252)); }
QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string Run(const FileDialogRequest& request, QWidget* owner, bool save) {
  QFileDialog dialog(owner, ToQt(request.title), FromPath(request.folder));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(ToQt(request.defaultExtension));
  if (!request.fileName.empty()) dialog.selectFile(FromPath(request.fileName));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

} // namespace

QStringList QtNameFilters(std::string_view windowsFilter) {
  std::vector<std::string_view> parts;
  for (size_t start = 0; start <= windowsFilter.size();) {
    size_t bar = windowsFilter.find('|', start);
    if (bar == std::string_view::npos) bar = windowsFilter.size();
    parts.push_back(windowsFilter.substr(start, bar - start));
    start = bar + 1;
  }
  QStringList filters;
  for (size_t i = 0; i + 1 < parts.size() && !Trim(parts[i]).empty(); i += 2) {
    QStringList patterns;
    std::string_view rest = parts[i + 1];
    while (!rest.empty()) {
      const size_t semicolon = std::min(rest.find(';'), rest.size());
      const std::string_view pattern = Trim(rest.substr(0, semicolon));
      if (!pattern.empty()) patterns << (pattern == "*.*" ? QStringLiteral("*") : ToQt(pattern));
      rest.remove_prefix(std::min(semicolon + 1, rest.size()));
    }
    if (!patterns.isEmpty()) filters << ToQt(Trim(parts[i])) + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

std::string QtFileDialogs::Save(const FileDialogRequest& request, QWidget* owner) {
  return Run(request, owner, true);
}

std::string QtFileDialogs::Open(const FileDialogRequest& request, QWidget* owner) {
  return Run(request, owner, false);
}

std::string RecordingFileDialogs::Save(const FileDialogRequest& request, QWidget*) {
  return Answer(true, request);
}

std::string RecordingFileDialogs::Open(const FileDialogRequest& request, QWidget*) {
  return Answer(false, request);
}

std::string RecordingFileDialogs::Answer(bool save, const FileDialogRequest& request) {
  calls.push_back({save, request});
  if (answers.empty()) return {};
  std::string answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

} // namespace platform
