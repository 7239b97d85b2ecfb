#pragma once

#include <string>

#include "platform/surface.h"

namespace deadhold {

// A printer chosen in the print dialog: its drawing surface in device units and the document
// and page brackets of a print job.
class PrintTarget {
 public:
  virtual ~PrintTarget() = default;

  virtual Surface& surface() = 0;
  virtual int printableWidth() const = 0;
  virtual int printableHeight() const = 0;

  virtual bool startDocument(const std::string& name) = 0;
  virtual bool startPage() = 0;
  virtual bool endPage() = 0;
  virtual bool endDocument() = 0;
  virtual void abandonDocument() = 0;
};

}  // namespace deadhold
