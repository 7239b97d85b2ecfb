#include "surface/qpainter_surface.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include "surface/font_mapping.h"

using deadhold::Color;
using deadhold::Font;
using deadhold::Image;
using deadhold::Pen;
using deadhold::PenStyle;
using deadhold::Rect;
using deadhold::ui::QPainterSurface;

namespace {

QImage whiteImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// The smallest distance from the wanted cell height that any pixel size of the face realises.
int closestRealisableError(const Font& font, const QPaintDevice& device) {
  QFont probe = deadhold::ui::qtFontFor(font, &device);
  int best = font.cellHeight;
  for (int pixels = 1; pixels <= 2 * font.cellHeight; ++pixels) {
    probe.setPixelSize(pixels);
    best = std::min(best, std::abs(QFontMetrics(probe, &device).height() - font.cellHeight));
  }
  return best;
}

bool isDark(QRgb pixel) {
  return qGray(pixel) < 128;
}

// The smallest rectangle holding every dark pixel, or a null rect.
QRect inkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (isDark(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace

class QPainterSurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void facesResolveToMetricCompatibleFamilies() {
    QCOMPARE(QFontInfo(deadhold::ui::qtFontFor({"Arial", 14, 400}, nullptr)).family(),
             QString("Liberation Sans"));
    QCOMPARE(QFontInfo(deadhold::ui::qtFontFor({"Verdana", 14, 400}, nullptr)).family(),
             QString("DejaVu Sans"));
    QCOMPARE(QFontInfo(deadhold::ui::qtFontFor({"MS Sans Serif", 13, 400}, nullptr)).family(),
             QString("Liberation Sans"));
  }

  void cellHeightsAreRealisedAsCloselyAsTheFaceAllows() {
    QImage image = whiteImage(50, 50);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.setFont({"Arial", 14, 400});
    QCOMPARE(surface.measureText("Ballistic Coeff:").height, 14);
    for (int cell = 6; cell <= 60; ++cell) {
      for (const char* face : {"Arial", "Verdana"}) {
        for (int weight : {400, 700}) {
          surface.setFont({face, cell, weight});
          const int realised = surface.measureText("Ballistic Coeff:").height;
          const int best = closestRealisableError({face, cell, weight}, image);
          QVERIFY2(
              std::abs(realised - cell) == best && best <= 1,
              qPrintable(QString("%1 %2/%3: %4").arg(face).arg(cell).arg(weight).arg(realised)));
        }
      }
    }
    QCOMPARE(surface.font(), (Font{"Verdana", 60, 700}));
  }

  void measuredWidthGrowsWithTheText() {
    QImage image = whiteImage(10, 10);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.setFont({"Arial", 14, 400});
    const int one = surface.measureText("8").width;
    QVERIFY(one > 3 && one < 14);
    const int eight = surface.measureText("88888888").width;
    QVERIFY(eight > 7 * one && eight <= 8 * one);  // advances add up without rounding each
    QCOMPARE(surface.measureText("").width, 0);
    surface.setFont({"Arial", 14, 700});
    QVERIFY(surface.measureText("Weight").width > 0);
  }

  void textCellsTopLeftIsWhereAsked() {
    QImage image = whiteImage(120, 60);
    {
      QPainter painter(&image);
      QPainterSurface surface(painter);
      surface.setFont({"Arial", 14, 400});
      surface.drawText(10, 20, "HgW");
    }
    const QRect ink = inkBounds(image);
    QVERIFY(!ink.isNull());
    QVERIFY2(ink.left() >= 10 && ink.left() <= 12, qPrintable(QString::number(ink.left())));
    QVERIFY(ink.top() >= 20 && ink.top() <= 24);  // capitals start below the cell's top
    QVERIFY(ink.bottom() <= 33);                  // the descender of g stays in the cell
    QVERIFY(ink.bottom() >= 29);
    QCOMPARE(image.pixel(5, 5), qRgb(255, 255, 255));  // background left untouched
  }

  void textIsDrawnBlackWhateverThePen() {
    QImage image = whiteImage(60, 30);
    {
      QPainter painter(&image);
      QPainterSurface surface(painter);
      surface.setPen({PenStyle::Solid, 1, deadhold::kRed});
      surface.setFont({"Arial", 20, 700});
      surface.drawText(2, 2, "I");
      QCOMPARE(surface.pen(), (Pen{PenStyle::Solid, 1, deadhold::kRed}));
    }
    const QRect ink = inkBounds(image);
    QVERIFY(!ink.isNull());
    QCOMPARE(image.pixel(ink.center()), qRgb(0, 0, 0));
  }

  void linesRunFromThePenPosition() {
    QImage image = whiteImage(40, 40);
    {
      QPainter painter(&image);
      QPainterSurface surface(painter);
      surface.setPen({PenStyle::Solid, 0, Color{0, 0, 255}});
      surface.moveTo(5, 10);
      surface.lineTo(30, 10);
      surface.lineTo(30, 35);  // continues from where the first line ended
    }
    QCOMPARE(image.pixel(5, 10), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(17, 10), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(30, 20), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(17, 11), qRgb(255, 255, 255));  // the thinnest pen is one pixel
    QCOMPARE(image.pixel(17, 9), qRgb(255, 255, 255));
  }

  void widePensAndDottedPens() {
    QImage image = whiteImage(60, 40);
    {
      QPainter painter(&image);
      QPainterSurface surface(painter);
      surface.setPen({PenStyle::Solid, 4, deadhold::kBlack});
      surface.moveTo(0, 10);
      surface.lineTo(59, 10);
      surface.setPen({PenStyle::Dotted, 1, deadhold::kBlack});
      surface.moveTo(0, 30);
      surface.lineTo(59, 30);
    }
    int thick = 0;
    for (int y = 0; y < 20; ++y) thick += isDark(image.pixel(30, y));
    QCOMPARE(thick, 4);
    int dark = 0;
    for (int x = 0; x < 60; ++x) dark += isDark(image.pixel(x, 30));
    QVERIFY2(dark > 15 && dark < 45, qPrintable(QString::number(dark)));  // gaps between dots
  }

  void ellipseHasABlackOutlineAndItsFillInsideTheBox() {
    QImage image = whiteImage(40, 40);
    {
      QPainter painter(&image);
      QPainterSurface surface(painter);
      surface.setPen({PenStyle::Solid, 3, deadhold::kRed});  // not used for the outline
      surface.ellipse({10, 10, 30, 30}, deadhold::kRed);
    }
    QCOMPARE(image.pixel(20, 20), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(10, 20), qRgb(0, 0, 0));  // left edge of the box is outline
    QCOMPARE(image.pixel(20, 10), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(29, 20), qRgb(0, 0, 0));  // right and bottom edges are exclusive
    QCOMPARE(image.pixel(20, 29), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(30, 20), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(20, 30), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(11, 11), qRgb(255, 255, 255));  // the box's corner is outside
  }

  void imagePartIsCopiedScaled() {
    Image picture;
    picture.width = 4;
    picture.height = 4;
    picture.pixels.assign(16, 0xFFFFFFu);
    picture.pixels[2 * 4 + 2] = 0xFF6B39u;  // one orange pixel at (2, 2)
    QImage image = whiteImage(40, 40);
    {
      QPainter painter(&image);
      QPainterSurface surface(painter);
      // The lower right quarter, 2 x 2 picture pixels, into a 20 x 20 square at (10, 10).
      surface.drawImage(picture, {2, 2, 4, 4}, {10, 10, 30, 30});
    }
    QCOMPARE(image.pixel(14, 14), qRgb(255, 107, 57));
    QCOMPARE(image.pixel(25, 25), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(5, 5), qRgb(255, 255, 255));
  }

  void printerResolutionsRealiseCellHeightsToo() {
    QTemporaryDir folder;
    QPdfWriter writer(folder.filePath("probe.pdf"));
    writer.setResolution(1200);
    QPainter painter(&writer);
    QPainterSurface surface(painter);
    surface.setFont({"Arial", 14 * 8, 700});
    QCOMPARE(surface.measureText("Cartridge Load Information").height, 112);
    for (int cell : {96, 98, 100, 140}) {
      surface.setFont({"Arial", cell, 400});
      QVERIFY(std::abs(surface.measureText("Shot").height - cell) <= 1);
    }
  }
};

QTEST_MAIN(QPainterSurfaceTest)
#include "qpainter_surface_test.moc"
