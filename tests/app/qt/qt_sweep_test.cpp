// The sweep's window in the real widgets: opened from the "Database" tab, a sweep from its
// button fills the result list, the verdict and the chart; "Apply" copies the best setting into
// the options.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QChartView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "support/draw_fixtures.h"

namespace numora {

class SweepWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aSweepFromTheWindowShowsItsResultAndAppliesASetting();
};

void SweepWindowTest::aSweepFromTheWindowShowsItsResultAndAppliesASetting() {
  test::Window window(
      test::generateHistory(encodeDate(2023, 3, 1), encodeDate(2023, 5, 5), true, 3));
  QVERIFY(window.show());
  window.showPage("TabSheet2");
  auto* open = window.widget<QPushButton>("SweepOpenButton");
  QVERIFY(open && open->isVisible());
  QTest::mouseClick(open, Qt::LeftButton);
  auto* sweepWindow = window.widget("SweepWindow");
  QVERIFY(sweepWindow && sweepWindow->isVisible() && sweepWindow->isWindow());

  (void)window.form().DateTimePicker1.setDate(encodeDate(2023, 4, 1));
  window.form().UpDown9.setPosition(2);
  auto* first = window.widget<QLineEdit>("SweepVary1");
  auto* second = window.widget<QLineEdit>("SweepVary2");
  first->setText(QStringLiteral("UpDown18 4..7"));
  second->setText(QStringLiteral("CheckBox18 0,1"));
  window.platform.queueInput("4711");
  QTest::mouseClick(window.widget<QPushButton>("SweepButton"), Qt::LeftButton);

  auto* list = window.widget<QListWidget>("SweepList");
  QCOMPARE(list->count(), 8);
  QVERIFY(list->item(0)->text().startsWith(QStringLiteral("UpDown18=")));
  const QString verdict = window.widget<QPlainTextEdit>("SweepVerdictMemo")->toPlainText();
  QVERIFY2(verdict.contains(QStringLiteral("Verdict: ")), qPrintable(verdict));
  auto* chart = window.widget<QChartView>("SweepChart");
  QVERIFY(chart && chart->chart()->series().size() == 4);
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (!folder.isEmpty()) QVERIFY(sweepWindow->grab().save(folder + "/Sweep.png"));

  // The best setting into the options.
  const SweepCell& best = window.form1->lastSweep()->cells.front();
  window.form().UpDown18.setPosition(10);
  list->setCurrentRow(0);
  QTest::mouseClick(window.widget<QPushButton>("SweepApplyButton"), Qt::LeftButton);
  QCOMPARE(window.form().UpDown18.position(), best.setting.values[0]);
  QCOMPARE(window.form().CheckBox18.checked(), best.setting.values[1] != 0);
}

}  // namespace numora

QTEST_MAIN(numora::SweepWindowTest)
#include "qt_sweep_test.moc"
