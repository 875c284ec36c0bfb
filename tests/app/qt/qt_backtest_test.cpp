// The back-tests in the real window: their buttons under their labels on the "Database" tab,
// a click that writes and opens the report, and the progress label in the status bar.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace numora {

class BacktestWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theButtonsSitOnTheDatabaseTab();
  void aClickWritesAndOpensTheReport();
  void theReportShowsInAWindowOfItsOwn();
};

void BacktestWindowTest::theButtonsSitOnTheDatabaseTab() {
  test::Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  window.showPage("TabSheet2");
  QCoreApplication::processEvents();
  const char* buttons[] = {"BitBtn9", "Erfolgstest", "Button7", "Button8",
                           "Button9", "Button10",    "Button11"};
  int lastBottom = window.widget("RecurrenceTestsLabel")->geometry().bottom();
  QVERIFY(window.widget("TipTestsLabel")->geometry().bottom() <
          window.widget("BitBtn9")->geometry().top());
  for (const char* name : buttons) {
    auto* button = window.widget<QPushButton>(name);
    QVERIFY2(button && button->isVisible(), name);
    if (std::string(name).rfind("Button", 0) == 0) {
      QVERIFY2(button->geometry().top() > lastBottom, name);
      lastBottom = button->geometry().bottom();
    }
  }
  QCOMPARE(window.widget<QPushButton>("Button10")->text(),
           QStringLiteral("Test how often the numbers appear in the next 3 drawings"));
  QVERIFY(window.widget<QLabel>("ReplayProgress"));
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (!folder.isEmpty()) QVERIFY(window.view->grab().save(folder + "/Database.png"));
}

void BacktestWindowTest::aClickWritesAndOpensTheReport() {
  test::Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  window.showPage("TabSheet2");
  (void)window.form().DateTimePicker1.setDate(encodeDate(2023, 5, 4));
  QTest::mouseClick(window.widget<QPushButton>("Button7"), Qt::LeftButton);
  // Three draws, the midday and the evening draw of the second date among them: two cycles.
  const std::string report = window.home.readBytes("Analyse.txt");
  QVERIFY(report.find("\r\nat 2 draw\r\n") != std::string::npos);
  QCOMPARE(window.platform.opened(), std::vector<std::string>{window.home.home() + "Analyse.txt"});
  QCOMPARE(window.widget<QLabel>("ReplayProgress")->text(), QString());
}

void BacktestWindowTest::theReportShowsInAWindowOfItsOwn() {
  test::Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  auto* report = window.widget("ReportWindow");
  QVERIFY(report);
  QVERIFY(!report->isVisible());
  window.showPage("TabSheet2");
  const DayCount chosen = encodeDate(2023, 5, 4);
  (void)window.form().DateTimePicker1.setDate(chosen);
  QTest::mouseClick(window.widget<QPushButton>("Button7"), Qt::LeftButton);
  QVERIFY(report->isVisible());
  QVERIFY(report->isWindow());
  QVERIFY(!report->isModal());
  QCOMPARE(window.widget<QLabel>("ReportTitle")->text(),
           QString::fromUtf8("Recurrence test (next draw) \u00b7 Daily Keno \u00b7 04.05.2023 to "
                             "05.05.2023 \u00b7 2 cycles \u00b7 2 comparisons"));
  auto* text = window.widget<QPlainTextEdit>("ReportMemo");
  QVERIFY(text->isReadOnly());
  QVERIFY(QFontInfo(text->font()).fixedPitch());
  const std::string bytes = window.home.readBytes("Analyse.txt");
  QCOMPARE(text->toPlainText().toStdString() + "\n",
           QString::fromStdString(bytes)
               .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
               .toStdString());
  QCOMPARE(window.widget<QPushButton>("ReportOpenButton")->text(),
           QStringLiteral("Open in editor"));
  QCOMPARE(window.widget<QPushButton>("ReportSaveButton")->text(),
           QString::fromUtf8("Save as\u2026"));
  // The picked date is the chosen one again.
  QCOMPARE(window.form().DateTimePicker1.date(), chosen);
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (!folder.isEmpty()) QVERIFY(report->grab().save(folder + "/Report.png"));

  QTest::mouseClick(window.widget<QPushButton>("ReportOpenButton"), Qt::LeftButton);
  QCOMPARE(window.platform.opened().size(), 2u);
  // Closed by the user, it shows again with the next report.
  report->close();
  QVERIFY(!report->isVisible());
  QTest::mouseClick(window.widget<QPushButton>("Button7"), Qt::LeftButton);
  QVERIFY(report->isVisible());
}

}  // namespace numora

QTEST_MAIN(numora::BacktestWindowTest)
#include "qt_backtest_test.moc"
