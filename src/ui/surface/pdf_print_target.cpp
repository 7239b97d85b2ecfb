#include "surface/pdf_print_target.h"

#include <string_view>

#include "surface/record_text.h"

namespace deadhold::ui {

PdfPrintTarget::PdfPrintTarget(std::filesystem::path file, const QPageLayout& layout,
                               int resolution, std::function<void(const FileError&)> onWriteFailure)
    : file_(std::move(file)),
      onWriteFailure_(std::move(onWriteFailure)),
      writer_(&buffer_),
      surface_(painter_, &writer_) {
  writer_.setResolution(resolution);
  writer_.setPageLayout(layout);
  writer_.setCreator("Deadhold");
  // The surface picked its first font before the resolution was known.
  surface_.setFont(surface_.font());
}

PdfPrintTarget::~PdfPrintTarget() {
  if (painter_.isActive()) painter_.end();
}

int PdfPrintTarget::printableWidth() const {
  return writer_.pageLayout().paintRectPixels(writer_.resolution()).width();
}

int PdfPrintTarget::printableHeight() const {
  return writer_.pageLayout().paintRectPixels(writer_.resolution()).height();
}

bool PdfPrintTarget::startDocument(const std::string& name) {
  if (documentStarted_) return false;
  writer_.setTitle(fromRecordText(name));
  documentStarted_ = buffer_.open(QIODevice::WriteOnly | QIODevice::Truncate);
  return documentStarted_;
}

bool PdfPrintTarget::startPage() {
  if (!documentStarted_ || pageStarted_) return false;
  // The painter begins with the first page, so a document without pages stays empty.
  if (!painter_.isActive()) {
    if (!painter_.begin(&writer_)) return false;
    surface_.applyToPainter();
  } else if (!writer_.newPage()) {
    return false;
  }
  pageStarted_ = true;
  return true;
}

bool PdfPrintTarget::endPage() {
  const bool ended = pageStarted_ && painter_.isActive();
  pageStarted_ = false;
  return ended;
}

bool PdfPrintTarget::endDocument() {
  if (!documentStarted_ || pageStarted_) return false;
  documentStarted_ = false;
  if (!painter_.isActive()) return true;
  if (!painter_.end()) return false;
  const QByteArray& bytes = buffer_.data();
  writeError_ = writeFileSafely(
      file_, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (writeError_ && onWriteFailure_) onWriteFailure_(*writeError_);
  return !writeError_;
}

void PdfPrintTarget::abandonDocument() {
  if (painter_.isActive()) painter_.end();
  buffer_.close();
  buffer_.setData(QByteArray());
  documentStarted_ = false;
  pageStarted_ = false;
}

}  // namespace deadhold::ui
