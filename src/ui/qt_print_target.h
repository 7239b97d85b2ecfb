#pragma once

#include <QPainter>
#include <memory>
#include <optional>

#include "platform/print_target.h"
#include "surface/qpainter_surface.h"

class QPrinter;

namespace deadhold::ui {

// A printer (or the print dialog's PDF file) chosen by the user, as a print job sees it:
// device pixels at the printer's resolution, origin at the printable area's top-left corner.
class QtPrintTarget : public PrintTarget {
 public:
  explicit QtPrintTarget(std::unique_ptr<QPrinter> printer);
  ~QtPrintTarget() override;

  // Before startDocument the surface only measures; it draws once the document has started.
  Surface& surface() override;
  int printableWidth() const override;
  int printableHeight() const override;

  bool startDocument(const std::string& name) override;
  bool startPage() override;
  bool endPage() override;
  bool endDocument() override;
  void abandonDocument() override;

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  std::optional<QPainterSurface> surface_;
  bool documentStarted_ = false;
};

}  // namespace deadhold::ui
