#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <memory>

#include "loads/load_database.h"
#include "loads/load_rules.h"
#include "main_window.h"
#include "qt_dialogs.h"
#include "shell/application.h"

namespace {

// A load as a user would keep it, with a ten-shot group around the aim point.
deadhold::LoadRecord sampleLoad() {
  deadhold::LoadRecord load = deadhold::blankLoadRecord();
  load.caliber.assign(".308 Win");
  load.bulletMfg.assign("Sierra");
  load.bulletType.assign("MatchKing HPBT");
  load.bulletWeight = 168;
  load.ballisticCoeff = 0.462f;
  load.powderMfg.assign("Hodgdon");
  load.powderType.assign("Varget");
  load.powderWeight = 43.5f;
  load.primerMfg.assign("Federal");
  load.primerType.assign("210M");
  load.primerSize.assign("Large Rifle");
  load.caseMfg.assign("Lapua");
  load.caseWeight = 176.2f;
  load.caseLength = 2.005f;
  load.cartridgeOal = 2.800f;
  load.loadName.assign("Match load, 100 yd test");
  load.targetDistance = 100;
  load.elevation = 850;
  load.temperature = 64;
  load.scopeHeight = 1.6f;
  load.wind.assign("5 mph from 3 o'clock");
  const float holes[10][2] = {{0.21f, 0.35f},  {-0.18f, 0.12f}, {0.05f, -0.22f}, {0.40f, 0.05f},
                              {-0.31f, -0.10f}, {0.12f, 0.48f},  {-0.05f, -0.41f}, {0.28f, -0.30f},
                              {-0.40f, 0.30f},  {0.02f, 0.02f}};
  float velocities = 0;
  for (int i = 0; i < 10; ++i) {
    auto& shot = load.shots[static_cast<size_t>(i)];
    shot.shotX = holes[i][0];
    shot.shotY = holes[i][1];
    shot.shotRadius = std::hypot(shot.shotX, shot.shotY);
    shot.shotPlaced = 1;
    shot.shotVelocity = 2690.0f + static_cast<float>((i * 7) % 23);
    velocities += shot.shotVelocity;
  }
  load.avVelocity = velocities / 10;
  load.avGroup = 0.98f;
  return load;
}

}  // namespace

// Shows the real main window on a sample load book in FOLDER and saves every tab of it as
// OUT/<its caption>.png, so that the README's pictures can be made again after any change.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  if (argc != 3) {
    std::fprintf(stderr, "usage: deadhold-screenshots FOLDER OUT\n");
    return 2;
  }
  QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
  {
    deadhold::LoadDatabase book{std::filesystem::path(deadhold::kDatabaseFileName)};
    book.setCurrentLoad(&book.addLoadCopy(sampleLoad()));
    if (book.writeDatabase()) return 1;
  }
  deadhold::ui::QtDialogs dialogs;
  const auto program = std::make_unique<deadhold::Application>(
      dialogs, deadhold::Application::captureStartDirectory());
  deadhold::ui::MainWindow window(*program);
  window.show();
  auto* tabs = window.findChild<QTabWidget*>();
  if (tabs == nullptr) return 1;
  const QString out = QString::fromLocal8Bit(argv[2]);
  int saved = 0;
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    for (int round = 0; round < 5; ++round) QApplication::processEvents();
    // "Load Information" -> load-information.png; a palette keeps the pictures small.
    const QString name = tabs->tabText(tab).remove('&').toLower().replace(' ', '-');
    const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_Indexed8);
    if (picture.save(QStringLiteral("%1/%2.png").arg(out, name))) ++saved;
  }
  std::printf("%d pictures\n", saved);
  return saved == tabs->count() ? 0 : 1;
}
