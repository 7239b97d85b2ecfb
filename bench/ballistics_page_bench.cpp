#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "ballistics/ballistics_page.h"

namespace deadhold {
namespace {

// Answers nothing: the benchmarked inputs are valid, so no message is ever asked for.
class SilentDialogs : public Dialogs {
 public:
  Answer messageBox(const std::string&, const std::string&, Buttons, Icon) override {
    return Answer::Ok;
  }
  std::optional<std::filesystem::path> promptSave(const FilePrompt&) override { return {}; }
  std::optional<std::filesystem::path> promptOpen(const FilePrompt&) override { return {}; }
  std::unique_ptr<PrintTarget> choosePrinter() override { return nullptr; }
};

// Measures like a 14-pixel screen font and draws nowhere, counting the lines.
class CountingSurface : public Surface {
 public:
  void setFont(const Font& font) override { font_ = font; }
  Font font() const override { return font_; }
  void setPen(const Pen& pen) override { pen_ = pen; }
  Pen pen() const override { return pen_; }
  TextSize measureText(std::string_view text) override {
    return {static_cast<int>(text.size()) * font_.cellHeight / 2, font_.cellHeight};
  }
  void drawText(int, int, std::string_view) override {}
  void moveTo(int, int) override {}
  void lineTo(int, int) override { ++lines; }
  void ellipse(const Rect&, Color) override {}
  void drawImage(const Image&, const Rect&, const Rect&) override {}

  long lines = 0;

 private:
  Font font_;
  Pen pen_;
};

struct PageUnderTest {
  PageUnderTest() : page(*engine, database, dialogs, folder) {
    engine->setDiagnosticStream(diagnostics);
    page.initialise();
    page.setInputsFromLoad(0.436, 130, 3016, 250, 1.5, 70, 500,
                           "Default Load: .270 Winchester, 130 grn Sierra Gameking");
  }
  std::ostringstream diagnostics;
  std::unique_ptr<Engine> engine = std::make_unique<Engine>();
  LoadDatabase database{"RELOADER.DAT"};  // never read or written here
  SilentDialogs dialogs;
  std::filesystem::path folder;
  BallisticsPage page;
};

// "&Re-Compute": parse, validate, compute the table and build the list rows.
void BM_ReComputeAndList(benchmark::State& state) {
  PageUnderTest test;
  test.page.chooseRangeIncrement(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    test.page.reCompute();
    benchmark::DoNotOptimize(test.page.listRows().data());
  }
  state.SetLabel(std::to_string(test.page.listRows().size()) + " rows");
}
BENCHMARK(BM_ReComputeAndList)->Arg(2)->Arg(0)->Unit(benchmark::kMicrosecond);

// The page's paint after a hand-over: Re-Compute, then the graph.
void BM_PaintAfterHandOver(benchmark::State& state) {
  PageUnderTest test;
  test.page.chooseRangeIncrement(0);
  CountingSurface surface;
  for (auto _ : state) {
    test.page.setRecomputePending(true);
    test.page.paint(surface);
  }
  benchmark::DoNotOptimize(surface.lines);
}
BENCHMARK(BM_PaintAfterHandOver)->Unit(benchmark::kMicrosecond);

void BM_TrajectoryGraph(benchmark::State& state) {
  PageUnderTest test;
  test.page.reCompute();
  CountingSurface surface;
  for (auto _ : state)
    benchmark::DoNotOptimize(test.page.drawTrajectoryGraph(surface, 10, 5, 1, 1));
}
BENCHMARK(BM_TrajectoryGraph)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace deadhold
