#pragma once
// Printing on the default printer, without a print dialog. QtPrinter drives QPrinter;
// RecordingPrinter (for tests) paints the pages into images and keeps them.

#include <QImage>
#include <QRect>

#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace platform {

// Paints page number page (from 0) with painter; pageRect is the printable area in the
// device's pixels (origin at its top-left corner, as the painter's).
using PagePainter = std::function<void(QPainter& painter, int page, const QRect& pageRect)>;

class Printer {
public:
  virtual ~Printer() = default;
  // Prints a document of pageCount pages named documentName (Windows-1252). False, with
  // nothing printed, when there is no default printer, pageCount is below 1, or the document
  // cannot start; false too when a later page cannot start (the document is then aborted).
  virtual bool Print(const std::string& documentName, int pageCount, const PagePainter& paint) = 0;
};

class QtPrinter : public Printer {
public:
  bool Print(const std::string& documentName, int pageCount, const PagePainter& paint) override;
};

class RecordingPrinter : public Printer {
public:
  struct Document {
    std::string name;
    std::vector<QImage> pages;
  };
  bool Print(const std::string& documentName, int pageCount, const PagePainter& paint) override;

  bool available = true;              // false: behaves as a machine without a printer
  QSize pageSize{794, 1123};          // A4 at 96 dpi, painted white before each page
  std::vector<Document> documents;
};

} // namespace platform
