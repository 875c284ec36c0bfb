// The tip calculation in the real window: the start/stop button on the "Keno-Tips" tab starts
// a calculation, the window keeps processing its events while candidates are tested (the status
// line shows them), and a second click on the same button stops it at once.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/qt/zahlenwahl_dialog.h"

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
  void theEditListShowsThePoolAndCalculates();
  void aShortCalculationSaysWhyBesideTheTipList();
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
  QVERIFY(window.waitForWork());
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
  QVERIFY(window.waitForWork());
  QCOMPARE(window.widget<QListWidget>("ListBox1")->count(), 5);
  QCOMPARE(window.widget<QListWidget>("ListBox2")->count(), 5);
  QCOMPARE(button->text(), QStringLiteral("calculate tips"));
  QCOMPARE(window.panel(1), QStringLiteral("Tips have been recalculated"));
}

void CalculationWindowTest::theEditListShowsThePoolAndCalculates() {
  ScreenWindow window(history());
  QVERIFY(window.show());
  Form& form = window.form();
  form.CheckBox20.setChecked(true);
  form.CheckBox10.setChecked(false);
  form.CheckBox14.setChecked(false);
  form.UpDown18.setPosition(2);
  form.UpDown9.setPosition(1);
  window.view->refresh();
  bool opened = false;
  bool calculateShown = false;
  bool randomShown = true;
  int ticked = 0;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<ZahlenwahlDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    opened = true;
    calculateShown = dialog->findChild<QPushButton*>("BitBtn3")->isVisible();
    randomShown = dialog->findChild<QPushButton*>("BitBtn4")->isVisible();
    // Only 7 and 9 stay ticked; "Calculate" takes them.
    for (int n = 1; n <= 70; ++n) {
      auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
      ticked += box->isChecked();
      if (box->isChecked() != (n == 7 || n == 9)) QTest::mouseClick(box, Qt::LeftButton);
    }
    QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn3"), Qt::LeftButton);
  });
  QTest::mouseClick(window.widget<QPushButton>("BitBtn4"), Qt::LeftButton);
  QVERIFY(window.waitForWork());
  QVERIFY(opened);
  QVERIFY(calculateShown);
  QVERIFY(!randomShown);
  // The pool held every number once, minus the last draw's (its maximum of hits is 0).
  QCOMPARE(ticked, 50);
  auto* tips = window.widget<QListWidget>("ListBox1");
  QCOMPARE(tips->count(), 1);
  QCOMPARE(tips->item(0)->text(), QStringLiteral("07,09"));
}

void CalculationWindowTest::aShortCalculationSaysWhyBesideTheTipList() {
  ScreenWindow window(history());
  QVERIFY(window.show());
  auto* why = window.widget<QPlainTextEdit>("TipExplanation");
  QVERIFY(why);
  QVERIFY(!why->isVisible());
  // Six primes and six even numbers in a ten-number tip, a budget of 1,000 candidates.
  Form& form = window.form();
  form.CheckBox22.setChecked(true);
  form.UpDown10.setPosition(6);
  form.CheckBox25.setChecked(true);
  form.UpDown16.setPosition(6);
  form.UpDown7.setPosition(1);
  window.view->refresh();
  QTest::mouseClick(window.widget<QPushButton>("BitBtn4"), Qt::LeftButton);
  QVERIFY(window.waitForWork());
  QVERIFY(why->isVisible());
  QVERIFY(why->isReadOnly());
  QVERIFY(why->toPlainText().startsWith(
      QStringLiteral("Never met together: at least 6 prime numbers and at least 6 even numbers")));
  QVERIFY(why->toPlainText().contains(QStringLiteral("To let most candidates through: ")));
  // The status line keeps its text; its tooltip explains too.
  QCOMPARE(window.panel(1), QStringLiteral("Change the parameters to calculate 5  Tips "));
  QVERIFY(QString::fromStdString(form.StatusBar1.hint()).startsWith(why->toPlainText()));
  // Beside the tip list: inside the lists' column, under the settings' column edge.
  const QRect list = window.widget("ListBox1")->geometry();
  QVERIFY(why->geometry().left() >= list.left());
  QVERIFY(why->geometry().right() < window.widget("Label61")->geometry().left());
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (!folder.isEmpty()) QVERIFY(window.view->grab().save(folder + "/KenoTipsWhy.png"));

  // The next calculation that finds its tips takes the panel away.
  form.CheckBox22.setChecked(false);
  form.CheckBox25.setChecked(false);
  form.UpDown7.setPosition(10);
  window.view->refresh();
  QTest::mouseClick(window.widget<QPushButton>("BitBtn4"), Qt::LeftButton);
  QVERIFY(window.waitForWork());
  QCOMPARE(window.widget<QListWidget>("ListBox1")->count(), 5);
  QVERIFY(!why->isVisible());
}

}  // namespace numora

QTEST_MAIN(numora::CalculationWindowTest)
#include "qt_calculation_test.moc"
