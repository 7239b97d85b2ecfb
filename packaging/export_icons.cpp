#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "app_icon.h"

namespace {

using Paint = void (*)(QPainter&, int);

bool exportIcon(const QString& theme, const QString& context, const QString& name, Paint paint) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1/%2x%2/%3").arg(theme).arg(size).arg(context);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      paint(painter, size);
    }
    if (!QDir().mkpath(folder) || !image.save(folder + "/" + name + ".png")) return false;
  }
  const QString folder = QStringLiteral("%1/scalable/%2").arg(theme, context);
  if (!QDir().mkpath(folder)) return false;
  QSvgGenerator svg;
  svg.setFileName(folder + "/" + name + ".svg");
  svg.setSize(QSize(256, 256));
  svg.setViewBox(QRect(0, 0, 256, 256));
  svg.setTitle(name);
  QPainter painter(&svg);
  paint(painter, 256);
  return painter.end();
}

}  // namespace

// Writes the program's icon and its load files' icon into THEME/<n>x<n>/{apps,mimetypes} and
// THEME/scalable/..., drawn by the same code as the window's icon.
int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: deadhold-export-icons THEME-FOLDER\n");
    return 2;
  }
  const QString theme = QString::fromLocal8Bit(argv[1]);
  const bool written =
      exportIcon(theme, "apps", "deadhold", deadhold::ui::paintApplicationIcon) &&
      exportIcon(theme, "mimetypes", "application-x-deadhold-load", deadhold::ui::paintLoadFileIcon);
  if (!written) std::fprintf(stderr, "deadhold-export-icons: could not write into %s\n", argv[1]);
  return written ? 0 : 1;
}
