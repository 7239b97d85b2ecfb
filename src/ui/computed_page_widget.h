#pragma once

#include <QWidget>

namespace deadhold::ui {

// A tab whose list and graph follow a computation that a paint may find pending. The computation
// may open a message box, which must not open inside a paint: it runs right after the paint,
// which then comes again. Enter anywhere but on a button runs the page's own command.
class ComputedPageWidget : public QWidget {
 public:
  using QWidget::QWidget;

  // Shows what the page holds now; the program's own writes are not user edits.
  virtual void showState() = 0;

 protected:
  virtual bool computationPending() const = 0;
  virtual void runPendingComputation() = 0;
  virtual void enterPressed() = 0;

  // False while the paint has to wait for the pending computation.
  bool readyToPaint();
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void computeForPaint();

  bool computeQueued_ = false;
};

}  // namespace deadhold::ui
