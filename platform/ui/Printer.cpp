#include "platform/ui/Printer.h"

#include "platform/text/Text.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

bool QtPrinter::Print(const std::string& documentName, int pageCount, const PagePainter& paint) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull() || pageCount < 1) return false;
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(Utf8FromCp1252(documentName)));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect pageRect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  for (int page = 0; page < pageCount; ++page) {
    if (page > 0 && !printer.newPage()) {
      printer.abort();
      return false;
    }
    painter.save();
    paint(painter, page, pageRect);
    painter.restore();
  }
  return painter.end();
}

bool RecordingPrinter::Print(const std::string& documentName, int pageCount, const PagePainter& paint) {
  if (!available || pageCount < 1) return false;
  Document document{documentName, {}};
  for (int page = 0; page < pageCount; ++page) {
    QImage image(pageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, page, image.rect());
    painter.end();
    document.pages.push_back(std::move(image));
  }
  documents.push_back(std::move(document));
  return true;
}

} // namespace platform
