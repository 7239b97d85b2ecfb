#include "qt_print_target.h"

#include <QPrinter>

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
  printer_->setDocName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  if (!painter_.begin(printer_.get())) return false;
  surface_->applyToPainter();
  firstPage_ = true;
  return true;
}

bool QtPrintTarget::startPage() {
  if (!painter_.isActive()) return false;
  // Beginning the painter opened the first page; every later one has to be asked for.
  if (!firstPage_ && !printer_->newPage()) return false;
  firstPage_ = false;
  return true;
}

bool QtPrintTarget::endPage() {
  return painter_.isActive();
}

bool QtPrintTarget::endDocument() {
  return painter_.isActive() && painter_.end();
}

void QtPrintTarget::abandonDocument() {
  if (!painter_.isActive()) return;
  printer_->abort();
  painter_.end();
}

}  // namespace deadhold::ui
