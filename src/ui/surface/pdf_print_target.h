#pragma once

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <functional>
#include <optional>

#include "common/safe_file_writer.h"
#include "platform/print_target.h"
#include "surface/qpainter_surface.h"

namespace deadhold::ui {

// A print job into a PDF file: the pages are made in memory and the file is replaced in one
// safe step when the document ends, so a job that fails or is abandoned leaves whatever the
// file held before. A document without a page writes no file.
class PdfPrintTarget : public PrintTarget {
 public:
  // `onWriteFailure` (may be empty) hears why the finished document could not be written.
  PdfPrintTarget(std::filesystem::path file, const QPageLayout& layout, int resolution,
                 std::function<void(const FileError&)> onWriteFailure = {});
  ~PdfPrintTarget() override;

  Surface& surface() override { return surface_; }
  int printableWidth() const override;
  int printableHeight() const override;

  bool startDocument(const std::string& name) override;
  bool startPage() override;
  bool endPage() override;
  bool endDocument() override;
  void abandonDocument() override;

  const std::optional<FileError>& writeError() const { return writeError_; }

 private:
  std::filesystem::path file_;
  std::function<void(const FileError&)> onWriteFailure_;
  QBuffer buffer_;
  QPdfWriter writer_;
  QPainter painter_;
  QPainterSurface surface_;
  bool documentStarted_ = false;
  bool pageStarted_ = false;
  std::optional<FileError> writeError_;
};

}  // namespace deadhold::ui
