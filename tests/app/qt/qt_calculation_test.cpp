// The tip calculation in the real window: the start/stop button on the "Keno-Tips" tab starts
// a calculation, the window keeps processing its events while candidates are tested (the status
// line shows them), and a second click on the same button stops it at once.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace numora {
namespace {

using test::ScreenWindow;

std::vector<DrawRecord> history() {
  return test::generateHistory(encodeDate(2023, 3, 1), encodeDate(2023, 5, 5), true, 5);
}

}  // namespace

class CalculationWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theButtonStartsAndStopsACalculation();
  void aCalculationFillsTheTipList();
};

void CalculationWindowTest::theButtonStartsAndStopsACalculation() {
  ScreenWindow window(history());
  QVERIFY(window.show());
  Form& form = window.form();
  // No candidate can pass: six primes in a tip of three numbers; the budget is ten million.
  form.UpDown18.setPosition(3);
  form.CheckBox22.setChecked(true);
  form.UpDown10.setPosition(6);
  form.UpDown7.setPosition(10000);
  window.view->refresh();
  auto* button = window.widget<QPushButton>("BitBtn4");
  QVERIFY(button && button->isVisible());
  QCOMPARE(button->text(), QStringLiteral("calculate Tips "));

  QString captionWhileRunning;
  QString statusWhileRunning;
  QElapsedTimer clock;
  qint64 stoppedAfter = -1;
  QTimer::singleShot(300, [&] {
    captionWhileRunning = button->text();
    statusWhileRunning = window.panel(1);
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
  });
  clock.start();
  QTest::mouseClick(button, Qt::LeftButton);
  stoppedAfter = clock.elapsed();

  QCOMPARE(captionWhileRunning, QStringLiteral("Stop"));
  QVERIFY2(statusWhileRunning.startsWith(QStringLiteral("1.Tip:  ")),
           qPrintable(statusWhileRunning));
  // The stop came through at once, long before the budget.
  QVERIFY2(stoppedAfter < 1000, qPrintable(QString::number(stoppedAfter)));
  QCOMPARE(button->text(), QStringLiteral("calculate tips"));
  QCOMPARE(window.panel(1), QStringLiteral("Tips have been recalculated"));
  QCOMPARE(window.widget<QListWidget>("ListBox1")->count(), 0);
  const auto& counts = window.form1->calculationState().rejections;
  QVERIFY(counts.candidates > 0);
  QVERIFY(counts.byFilter[12] > counts.candidates / 2);
  // Why no tip came: the status line's tooltip.
  QVERIFY2(window.widget<QLabel>("StatusBar1Panel1")->toolTip().contains("prime numbers: "),
           qPrintable(window.widget<QLabel>("StatusBar1Panel1")->toolTip()));
}

void CalculationWindowTest::aCalculationFillsTheTipList() {
  ScreenWindow window(history());
  QVERIFY(window.show());
  auto* button = window.widget<QPushButton>("BitBtn4");
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(window.widget<QListWidget>("ListBox1")->count(), 5);
  QCOMPARE(window.widget<QListWidget>("ListBox2")->count(), 5);
  QCOMPARE(button->text(), QStringLiteral("calculate tips"));
  QCOMPARE(window.panel(1), QStringLiteral("Tips have been recalculated"));
}

}  // namespace numora

QTEST_MAIN(numora::CalculationWindowTest)
#include "qt_calculation_test.moc"
