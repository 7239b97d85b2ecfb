// The Open Load window and the program's start-up, with a book of 10 loads and of 100,000: the
// time until the list, or the main window, is first painted. Beside them the floor a list of as
// many rows costs in this widget.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "bench_book.h"
#include "bench_doubles.h"
#include "loadinfo/open_load_dialog.h"
#include "main_window.h"
#include "open_load_window.h"
#include "shell/application.h"

namespace deadhold {
namespace {

// Runs the event loop until `widget` has been painted.
void waitForPaint(QWidget& widget) {
  struct PaintSeen : QObject {
    bool seen = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) seen = true;
      return false;
    }
  } paint;
  widget.installEventFilter(&paint);
  while (!paint.seen) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  widget.removeEventFilter(&paint);
}

// A book of `loads` loads, all of one caliber, read as the program reads it.
std::unique_ptr<LoadDatabase> oneCaliberBook(const bench::ScratchFolder& folder, int loads) {
  const auto file = folder / ("BOOK" + std::to_string(loads) + ".DAT");
  bench::writeRandomBook(file, loads, [](std::minstd_rand&) { return std::string(".308 Win"); });
  auto book = std::make_unique<LoadDatabase>(file);
  book->readDatabase();
  return book;
}

void BM_OpenLoadShown(benchmark::State& state) {
  const bench::ScratchFolder folder;
  const auto book = oneCaliberBook(folder, static_cast<int>(state.range(0)));
  bench::SilentDialogs dialogs;
  for (auto _ : state) {
    OpenLoadDialog browser(*book, dialogs, folder.path(), {});
    browser.open();
    ui::OpenLoadWindow window(browser);
    window.show();
    waitForPaint(*window.loadList()->viewport());
  }
}
BENCHMARK(BM_OpenLoadShown)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);

// The floor for any list of N rows in this widget: a bare table view over N rows of nine
// constant cells, shown until painted.
class ConstantRows : public QAbstractTableModel {
 public:
  explicit ConstantRows(int rows) : rows_(rows) {}
  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 9; }
  QVariant data(const QModelIndex&, int role) const override {
    return role == Qt::DisplayRole ? QVariant(QStringLiteral("150 grns")) : QVariant();
  }

 private:
  int rows_;
};

void BM_BareTableViewShown(benchmark::State& state) {
  ConstantRows rows(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QTableView view;
    view.verticalHeader()->hide();
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(18);
    view.setShowGrid(false);
    view.setModel(&rows);
    view.show();
    waitForPaint(*view.viewport());
  }
}
BENCHMARK(BM_BareTableViewShown)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);

// From the application's objects to the main window's first paint, library loading aside; the
// book is one the program wrote, some four hundred calibers in order.
void BM_StartUp(benchmark::State& state) {
  const bench::ScratchFolder folder;
  const auto loads = static_cast<int>(state.range(0));
  bench::writeRandomBook(folder / kDatabaseFileName, loads, bench::manyCalibers);
  bench::sortBook(folder / kDatabaseFileName);
  bench::SilentDialogs dialogs;
  for (auto _ : state) {
    auto application = std::make_unique<Application>(dialogs, folder.path());
    auto window = std::make_unique<ui::MainWindow>(*application);
    window->show();
    waitForPaint(*window);
    // Shut-down writes the book back; that is no part of starting.
    state.PauseTiming();
    window.reset();
    application.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUp)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);

constexpr const char* kStartUpChild = "--start-up-in=";

// The program as a user starts it: this benchmark again, as a new process that loads the
// libraries, opens the main window on the book and ends at its first paint.
void BM_ProgramStartUp(benchmark::State& state) {
  const bench::ScratchFolder folder;
  const auto loads = static_cast<int>(state.range(0));
  bench::writeRandomBook(folder / kDatabaseFileName, loads, bench::manyCalibers);
  bench::sortBook(folder / kDatabaseFileName);
  std::string argument = kStartUpChild + folder.path().string();
  char* arguments[] = {const_cast<char*>("deadhold-ui-bench"), argument.data(), nullptr};
  for (auto _ : state) {
    pid_t child = 0;
    if (::posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, arguments, environ) != 0)
      state.SkipWithError("cannot start the program");
    int status = 0;
    ::waitpid(child, &status, 0);
    if (status != 0) state.SkipWithError("the program failed");
  }
}
BENCHMARK(BM_ProgramStartUp)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The child of BM_ProgramStartUp: it ends at the first paint, before shut-down writes anything.
int startUpIn(const std::filesystem::path& folder, int argc, char** argv) {
  QApplication qt(argc, argv);
  bench::SilentDialogs dialogs;
  Application application(dialogs, folder);
  ui::MainWindow window(application);
  window.show();
  waitForPaint(window);
  std::_Exit(0);
}

}  // namespace
}  // namespace deadhold

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 2 && std::string_view(argv[1]).starts_with(deadhold::kStartUpChild))
    return deadhold::startUpIn(argv[1] + std::strlen(deadhold::kStartUpChild), argc, argv);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
