// Long work in the real window with the real platform: a back-test, a calculation and a sweep
// run beside the window. While each runs the window answers, another tab can be chosen and
// stays chosen, and one Stop (the start/stop button, Esc) ends the work; the end state is the
// one the finished part left.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "app/sweep_page.h"

namespace numora {
namespace {

// Three years of Daily Keno, two draws a day: a per-draw test over them runs for seconds.
std::vector<DrawRecord> longHistory() {
  return test::generateHistory(encodeDate(2020, 5, 1), encodeDate(2023, 5, 5), true, 5);
}

// Answers the next input box (the lucky number) with the text given.
void answerInputBox(const QString& text) {
  QTimer::singleShot(0, [text] {
    if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
      dialog->setTextValue(text);
      dialog->accept();
    }
  });
}

QString currentPage(test::ScreenWindow& window) {
  return window.widget<QTabWidget>("PageControl1")->currentWidget()->objectName();
}

}  // namespace

class LongWorkWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aBacktestStopsAtOnceAndReportsTheFinishedCycles();
  void escStopsACalculationWhileAnotherTabIsShown();
  void theStartStopButtonStopsASweep();
};

void LongWorkWindowTest::aBacktestStopsAtOnceAndReportsTheFinishedCycles() {
  test::ScreenWindow window(longHistory());
  QVERIFY(window.show());
  window.showPage("TabSheet2");
  (void)window.form().DateTimePicker1.setDate(encodeDate(2020, 5, 2));
  window.view->refresh();
  answerInputBox(QStringLiteral("4711"));
  QTest::mouseClick(window.widget<QPushButton>("Erfolgstest"), Qt::LeftButton);
  QVERIFY(window.form1->backgroundWorkRunning());
  // The window answers meanwhile: events pass, and a tab chosen stays chosen.
  QTest::qWait(300);
  window.showPage("TabSheetOdds");
  QTest::qWait(100);
  QVERIFY(window.form1->backgroundWorkRunning());
  QCOMPARE(currentPage(window), QStringLiteral("TabSheetOdds"));
  QElapsedTimer clock;
  clock.start();
  QTest::mouseClick(window.widget<QPushButton>("BitBtn4"), Qt::LeftButton);
  QVERIFY(window.waitForWork());
  const qint64 stoppedAfter = clock.elapsed();
  QVERIFY2(stoppedAfter < 1000, qPrintable(QString::number(stoppedAfter)));
  QCOMPARE(currentPage(window), QStringLiteral("TabSheetOdds"));
  const std::string report = window.home.readBytes("Analyse.txt");
  QVERIFY2(report.starts_with("Stopped after "), report.c_str());
  QVERIFY(window.form1->lastBacktest());
  QVERIFY(window.form1->lastBacktest()->cycles > 0);
  // The comparison with chance of the finished cycles follows beside the window.
  QTRY_VERIFY_WITH_TIMEOUT(
      window.form().ChanceTitle.caption().find(" against chance: ") != std::string::npos, 20000);
  QVERIFY(!window.form().WorkProgress.visible());
  QVERIFY(window.widget<QPushButton>("Erfolgstest")->isEnabled());
}

void LongWorkWindowTest::escStopsACalculationWhileAnotherTabIsShown() {
  test::ScreenWindow window(longHistory());
  QVERIFY(window.show());
  Form& form = window.form();
  // No candidate can pass: six primes in a tip of three numbers; the budget is ten million.
  form.UpDown18.setPosition(3);
  form.CheckBox22.setChecked(true);
  form.UpDown10.setPosition(6);
  form.UpDown7.setPosition(10000);
  window.view->refresh();
  QTest::mouseClick(window.widget<QPushButton>("BitBtn4"), Qt::LeftButton);
  QVERIFY(window.form1->backgroundWorkRunning());
  QTest::qWait(200);
  QCOMPARE(window.widget<QPushButton>("BitBtn4")->text(), QStringLiteral("Stop"));
  window.showPage("TabSheet3");
  QTest::qWait(100);
  QElapsedTimer clock;
  clock.start();
  QTest::keyClick(window.view.get(), Qt::Key_Escape);
  QVERIFY(window.waitForWork());
  QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
  QCOMPARE(currentPage(window), QStringLiteral("TabSheet3"));
  QCOMPARE(window.widget<QPushButton>("BitBtn4")->text(), QStringLiteral("calculate tips"));
  QCOMPARE(window.panel(1), QStringLiteral("Tips have been recalculated"));
  QVERIFY(window.form1->calculationState().rejections.candidates > 0);
  QCOMPARE(form.UpDown7.position(), 10000);
}

void LongWorkWindowTest::theStartStopButtonStopsASweep() {
  test::ScreenWindow window(longHistory());
  QVERIFY(window.show());
  Form& form = window.form();
  setSweepRow(form, "UpDown18", "3..10");
  form.SweepTest.setItemIndex(1);  // the per-draw test: every setting takes seconds
  form.SweepThreads.setPosition(1);
  (void)form.DateTimePicker1.setDate(encodeDate(2020, 5, 2));
  window.view->refresh();
  answerInputBox(QStringLiteral("4711"));
  window.form1->handle(window.form1->handlers().at("SweepClick"));
  QVERIFY(window.form1->backgroundWorkRunning());
  QTest::qWait(300);
  QTest::mouseClick(window.widget<QPushButton>("BitBtn4"), Qt::LeftButton);
  QVERIFY(window.waitForWork());
  QVERIFY(window.form1->lastSweep());
  QVERIFY(window.form1->lastSweep()->stopped);
}

}  // namespace numora

QTEST_MAIN(numora::LongWorkWindowTest)
#include "qt_long_work_test.moc"
