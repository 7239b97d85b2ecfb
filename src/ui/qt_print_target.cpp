#include "qt_print_target.h"

#include <QPrinter>

#include "surface/record_text.h"

namespace deadhold::ui {

QtPrintTarget::QtPrintTarget(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  surface_.emplace(painter_, printer_.get());
}

QtPrintTarget::~QtPrintTarget() {
  if (painter_.isActive()) painter_.end();
}

Surface& QtPrintTarget::surface() {
  return *surface_;
}

int QtPrintTarget::printableWidth() const {
  return printer_->pageLayout().paintRectPixels(printer_->resolution()).width();
}

int QtPrintTarget::printableHeight() const {
  return printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
}

bool QtPrintTarget::startDocument(const std::string& name) {
  if (documentStarted_ || !printer_->isValid()) return false;
  printer_->setDocName(fromRecordText(name));
  documentStarted_ = true;
  return true;
}

bool QtPrintTarget::startPage() {
  if (!documentStarted_) return false;
  // The painter begins with the first page (beginning it opens one), so a document without
  // pages sends nothing to the printer; every later page has to be asked for.
  if (!painter_.isActive()) {
    if (!painter_.begin(printer_.get())) return false;
    surface_->applyToPainter();
    return true;
  }
  return printer_->newPage();
}

bool QtPrintTarget::endPage() {
  return painter_.isActive();
}

bool QtPrintTarget::endDocument() {
  if (!documentStarted_) return false;
  documentStarted_ = false;
  return !painter_.isActive() || painter_.end();
}

void QtPrintTarget::abandonDocument() {
  documentStarted_ = false;
  if (!painter_.isActive()) return;
  printer_->abort();
  painter_.end();
}

}  // namespace deadhold::ui
