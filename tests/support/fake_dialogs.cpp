#include "support/fake_dialogs.h"

namespace deadhold::testing {

bool FakePrintTarget::startDocument(const std::string& name) {
  events.push_back("startDocument:" + name);
  return !failStartDocument;
}

bool FakePrintTarget::startPage() {
  events.push_back("startPage");
  pageStarts.push_back(surface_.ops.size());
  return true;
}

bool FakePrintTarget::endPage() {
  events.push_back("endPage");
  return pagesEnded_++ != failEndPageAt;
}

bool FakePrintTarget::endDocument() {
  events.push_back("endDocument");
  return true;
}

void FakePrintTarget::abandonDocument() { events.push_back("abandonDocument"); }

Answer FakeDialogs::messageBox(const std::string& text, const std::string& title,
                               Buttons buttons, Icon icon) {
  messages.push_back({text, title, buttons, icon});
  if (!answers.empty()) {
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<std::filesystem::path> FakeDialogs::promptSave(const FilePrompt& prompt) {
  savePrompts.push_back(prompt);
  if (savePaths.empty()) return std::nullopt;
  auto path = savePaths.front();
  savePaths.pop_front();
  return path;
}

std::optional<std::filesystem::path> FakeDialogs::promptOpen(const FilePrompt& prompt) {
  openPrompts.push_back(prompt);
  if (openPaths.empty()) return std::nullopt;
  auto path = openPaths.front();
  openPaths.pop_front();
  return path;
}

// The job owns the printer it gets; a forwarding target keeps the fake alive for the test.
namespace {
class ForwardingTarget : public PrintTarget {
 public:
  explicit ForwardingTarget(FakePrintTarget& target) : target_(target) {}
  Surface& surface() override { return target_.surface(); }
  int printableWidth() const override { return target_.printableWidth(); }
  int printableHeight() const override { return target_.printableHeight(); }
  bool startDocument(const std::string& name) override { return target_.startDocument(name); }
  bool startPage() override { return target_.startPage(); }
  bool endPage() override { return target_.endPage(); }
  bool endDocument() override { return target_.endDocument(); }
  void abandonDocument() override { target_.abandonDocument(); }

 private:
  FakePrintTarget& target_;
};
}  // namespace

std::unique_ptr<PrintTarget> FakeDialogs::choosePrinter() {
  ++printDialogsShown;
  if (printers.empty()) return nullptr;
  keptPrinters_.push_back(std::move(printers.front()));
  printers.pop_front();
  auto* fake = static_cast<FakePrintTarget*>(keptPrinters_.back().get());
  usedPrinters.push_back(fake);
  return std::make_unique<ForwardingTarget>(*fake);
}

}  // namespace deadhold::testing
