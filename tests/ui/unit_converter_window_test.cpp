#include "unit_converter_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "ui/window_grab.h"

using deadhold::ui::UnitConverterWindow;

namespace {

const char* const kFields[] = {"Inches", "Feet", "Yards", "Millimeters", "Centimeters", "Meters",
                               "Ft/s",   "M/s",  "Mph",   "Kph",         "Farenheight", "Celsius"};

QLineEdit* field(QWidget& window, const char* label) {
  auto* edit = window.findChild<QLineEdit*>(label);
  if (edit == nullptr) qFatal("no field %s", label);
  return edit;
}

QString text(QWidget& window, const char* label) {
  return field(window, label)->text();
}

// Replaces a field's text by typing, keystroke by keystroke, as a user does.
void retype(QWidget& window, const char* label, const QString& typed) {
  QLineEdit* edit = field(window, label);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, typed);
}

}  // namespace

class UnitConverterWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<UnitConverterWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void opensOnOneFootAndSeventyDegrees() {
    QCOMPARE(window_->windowTitle(), QString("English/Metric Unit Converter"));
    const QStringList expected = {"12.000", "1.000", "0.333", "304.800", "30.480", "0.305",
                                  "1.000",  "0.305", "0.682", "1.098",   "70.000", "21.111"};
    for (int i = 0; i < 12; ++i) QCOMPARE(text(*window_, kFields[i]), expected[i]);
    QStringList groups;
    for (const QGroupBox* group : window_->findChildren<QGroupBox*>()) groups << group->title();
    QCOMPARE(groups, (QStringList{"English Units", "Metric Units"}));
    QCOMPARE(window_->findChild<QPushButton*>("okButton")->text(), QString("OK"));
  }

  void yardsConvertLiveAndKeepTheTypedText() {
    retype(*window_, "Yards", "100");
    QCOMPARE(text(*window_, "Yards"), QString("100"));
    QCOMPARE(text(*window_, "Inches"), QString("3600.000"));
    QCOMPARE(text(*window_, "Feet"), QString("300.000"));
    QCOMPARE(text(*window_, "Millimeters"), QString("91440.000"));
    QCOMPARE(text(*window_, "Centimeters"), QString("9144.000"));
    QCOMPARE(text(*window_, "Meters"), QString("91.440"));
    // The other quantities are rewritten from their unchanged values.
    QCOMPARE(text(*window_, "Mph"), QString("0.682"));
    QCOMPARE(text(*window_, "Celsius"), QString("21.111"));
    deadhold::testing::saveWindowGrab(*window_, "unit-converter");
  }

  void programWritesAreNotEdits() {
    QSignalSpy inchesChanged(field(*window_, "Inches"), &QLineEdit::textChanged);
    retype(*window_, "Yards", "100");
    QCOMPARE(inchesChanged.count(), 0);
    QCOMPARE(text(*window_, "Inches"), QString("3600.000"));
    // The common value comes from the typed field, never back from a rounded text.
    retype(*window_, "Meters", "1");
    QCOMPARE(text(*window_, "Yards"), QString("1.094"));
    QCOMPARE(text(*window_, "Millimeters"), QString("1000.000"));
  }

  void speedsAndTemperatures() {
    retype(*window_, "Ft/s", "3000");
    QCOMPARE(text(*window_, "Ft/s"), QString("3000"));
    QCOMPARE(text(*window_, "Mph"), QString("2045.455"));
    QCOMPARE(text(*window_, "M/s"), QString("914.400"));
    QCOMPARE(text(*window_, "Kph"), QString("3291.840"));
    retype(*window_, "Celsius", "100");
    QCOMPARE(text(*window_, "Farenheight"), QString("212.000"));
    // The field typed in before is written again as soon as another is edited.
    QCOMPARE(text(*window_, "Ft/s"), QString("3000.000"));
    retype(*window_, "Celsius", "warm");
    QCOMPARE(text(*window_, "Farenheight"), QString("32.000"));
    QCOMPARE(text(*window_, "Celsius"), QString("warm"));
  }

  void emptyingAFieldZeroesItsQuantity() {
    retype(*window_, "Feet", "");
    QCOMPARE(text(*window_, "Feet"), QString(""));
    for (const char* label : {"Inches", "Yards", "Millimeters", "Centimeters", "Meters"})
      QCOMPARE(text(*window_, label), QString("0.000"));
    QCOMPARE(text(*window_, "Farenheight"), QString("70.000"));
  }

  void typingStopsAtSixteenButLongResultsShowInFull() {
    retype(*window_, "Meters", "12345678901234567890");
    QCOMPARE(text(*window_, "Meters"), QString("1234567890123456"));
    const QString millimeters = text(*window_, "Millimeters");
    QVERIFY2(millimeters.size() == 23 && millimeters.startsWith("12345678901234") &&
                 millimeters.endsWith(".000"),
             qPrintable(millimeters));
    // Typing never lengthens it, but it may be shortened: it reads back and converts, and the
    // others go on converting.
    QLineEdit* longField = field(*window_, "Millimeters");
    longField->setFocus();
    longField->end(false);
    QTest::keyClicks(longField, "5");
    QCOMPARE(longField->text(), millimeters);
    QCOMPARE(text(*window_, "Meters"), QString("1234567890123456"));
    retype(*window_, "Millimeters", "");
    QCOMPARE(text(*window_, "Meters"), QString("0.000"));
    retype(*window_, "Inches", "12");
    QCOMPARE(text(*window_, "Feet"), QString("1.000"));
  }

  void okCloses() {
    QTest::mouseClick(window_->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->result(), int(QDialog::Accepted));
  }

 private:
  std::unique_ptr<UnitConverterWindow> window_;
};

QTEST_MAIN(UnitConverterWindowTest)
#include "unit_converter_window_test.moc"
