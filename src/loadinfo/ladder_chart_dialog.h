#pragma once

#include <functional>

#include "loadinfo/ladder_chart.h"
#include "platform/surface.h"

namespace deadhold {

// The "Ladder Chart" window: one ladder, drawn to fit the window, with extreme-spread or
// standard-deviation bars, and printed on one page.
class LadderChartDialog {
 public:
  static constexpr const char* kTitle = "Ladder Chart";
  static constexpr const char* kSpreadCaption = "&Extreme spread";
  static constexpr const char* kDeviationCaption = "\xC2\xB1 1 &standard deviation";
  static constexpr const char* kPrintCaption = "&Print";
  static constexpr double kScreenTextScale = 1.2;  // 12-pixel names, a 17-pixel title

  using PrintJob = std::function<void(const LadderChart&, LadderBars)>;
  LadderChartDialog(LadderChart chart, PrintJob print)
      : chart_(std::move(chart)), print_(std::move(print)) {}

  const LadderChart& chart() const { return chart_; }
  LadderBars bars() const { return bars_; }
  void setBars(LadderBars bars) { bars_ = bars; }

  void paint(Surface& surface, const Rect& area) const;
  void print() const;

 private:
  LadderChart chart_;
  PrintJob print_;
  LadderBars bars_ = LadderBars::extremeSpread;
};

}  // namespace deadhold
