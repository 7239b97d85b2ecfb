#pragma once

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "support/recording_surface.h"

namespace deadhold::testing {

struct RecordedMessage {
  std::string text;
  std::string title;
  Buttons buttons;
  Icon icon;
};

// A printer that records what a print job does and draws on a RecordingSurface.
class FakePrintTarget : public PrintTarget {
 public:
  FakePrintTarget(int width, int height) : width_(width), height_(height) {}

  Surface& surface() override { return surface_; }
  int printableWidth() const override { return width_; }
  int printableHeight() const override { return height_; }
  bool startDocument(const std::string& name) override;
  bool startPage() override;
  bool endPage() override;
  bool endDocument() override;
  void abandonDocument() override;

  RecordingSurface surface_;
  std::vector<std::string> events;  // "startDocument:<name>", "startPage", "endPage", ...
  std::vector<std::size_t> pageStarts;  // the surface's op count at each startPage
  bool failStartDocument = false;
  int failEndPageAt = -1;  // the 0-based page whose endPage fails, -1 for none

 private:
  int width_;
  int height_;
  int pagesEnded_ = 0;
};

// Records every message and prompt, and answers them from scripts. An empty answer script
// answers OK, Yes for a Yes/No question; an empty prompt script cancels.
class FakeDialogs : public Dialogs {
 public:
  Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon) override;
  std::optional<std::filesystem::path> promptSave(const FilePrompt& prompt) override;
  std::optional<std::filesystem::path> promptOpen(const FilePrompt& prompt) override;
  std::unique_ptr<PrintTarget> choosePrinter() override;

  std::vector<RecordedMessage> messages;
  std::deque<Answer> answers;
  std::vector<FilePrompt> savePrompts;
  std::vector<FilePrompt> openPrompts;
  std::deque<std::optional<std::filesystem::path>> savePaths;
  std::deque<std::optional<std::filesystem::path>> openPaths;

  // Printers handed out by choosePrinter, in order; none left means the user cancels.
  std::deque<std::unique_ptr<FakePrintTarget>> printers;
  // The printers already handed out, still readable after the job released them.
  std::vector<FakePrintTarget*> usedPrinters;
  int printDialogsShown = 0;

 private:
  std::vector<std::unique_ptr<PrintTarget>> keptPrinters_;
};

}  // namespace deadhold::testing
