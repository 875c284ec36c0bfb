// The "Odds" tab: it sits after "Database", is filled when the user opens it, and shows every
// tip size when its check box is ticked. With NUMORA_SCREENSHOTS set to a folder, the tab is
// saved there as PNG files to be looked at.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <algorithm>
#include <numeric>
#include <random>

#include "app/qt/view_translation.h"
#include "draws/draw_export.h"

namespace numora {

using test::Window;

class OddsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void openingTheTabFillsTheTable();
  void tickingEverySizeShowsAllTables();
  void aBackTestShowsBesideChance();
  void aTipTestGivesAVerdict();
  void numbersFollowTheUsersLocale();
  void screenshots();
};

void OddsPageTest::openingTheTabFillsTheTable() {
  Window window;
  QVERIFY(window.show());
  auto* tabs = window.widget<QTabWidget>("PageControl1");
  QCOMPARE(tabs->tabText(4), QStringLiteral("Odds"));
  auto* grid = window.widget<QTableWidget>("OddsGrid");
  QVERIFY(grid);
  QCOMPARE(grid->rowCount(), 0);

  window.form().UpDown18.setPosition(5);
  tabs->setCurrentIndex(4);
  QCoreApplication::processEvents();
  QCOMPARE(window.form().PageControl1.activePage(), kOddsPage);
  QCOMPARE(grid->columnCount(), 5);
  QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Chance"));
  QCOMPARE(grid->rowCount(), 6);
  QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("1 in 780.6"));
  QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("250"));
  QVERIFY(window.widget<QPlainTextEdit>("OddsMemo")
              ->toPlainText()
              .startsWith(QStringLiteral("5 numbers per tip: on average a stake of 1 returns ")));
}

// One format on every tab and in every message: the grouping and decimal separator of the
// user's locale, whatever numora-cli and the files write.
void OddsPageTest::numbersFollowTheUsersLocale() {
  const QLocale french(QLocale::French, QLocale::Canada);
  const QString space = french.groupSeparator();
  QLocale::setDefault(french);
  Window window;
  QVERIFY(window.show());
  window.form().UpDown18.setPosition(10);
  window.showPage("TabSheetOdds");
  QCoreApplication::processEvents();
  auto* grid = window.widget<QTableWidget>("OddsGrid");
  QCOMPARE(grid->item(0, 2)->text(), "1 in 2" + space + "147" + space + "181");
  QCOMPARE(grid->item(0, 3)->text(), "250" + space + "000");
  QCOMPARE(grid->item(0, 4)->text(), QStringLiteral("26,0 %"));
  QVERIFY(window.widget<QPlainTextEdit>("OddsMemo")
              ->toPlainText()
              .contains(QRegularExpression(QStringLiteral("a stake of 1 returns 0,\\d\\d;"))));
  // A message keeps its values too: a count is grouped, dates and file names stay as they are.
  QCOMPARE(viewText(exportSummary(1234, encodeDate(2023, 5, 2), encodeDate(2023, 5, 5), "x%1.txt")),
           "1" + space + "234 draws from 02.05.2023 to 05.05.2023 written to x%1.txt");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::Canada));
}

void OddsPageTest::tickingEverySizeShowsAllTables() {
  Window window;
  QVERIFY(window.show());
  window.showPage("TabSheetOdds");
  QCoreApplication::processEvents();
  auto* box = window.widget<QCheckBox>("OddsAllSizesCheckBox");
  QVERIFY(box);
  QCOMPARE(box->text(), QStringLiteral("every tip size 2..10"));
  box->click();
  QCoreApplication::processEvents();
  QCOMPARE(window.widget<QTableWidget>("OddsGrid")->rowCount(), 63);
  QCOMPARE(window.widget<QPlainTextEdit>("OddsMemo")->toPlainText().count('\n'), 8);
}

void OddsPageTest::aBackTestShowsBesideChance() {
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  auto* chance = window.widget<QTableWidget>("ChanceGrid");
  QVERIFY(chance);
  QCOMPARE(chance->rowCount(), 0);
  window.showPage("TabSheet2");
  (void)window.form().DateTimePicker1.setDate(encodeDate(2023, 5, 4));
  QTest::mouseClick(window.widget<QPushButton>("Button7"), Qt::LeftButton);
  window.showPage("TabSheetOdds");
  QCoreApplication::processEvents();
  // Two comparisons of a draw with the next: every hit count 0..20, too few for a verdict.
  QCOMPARE(chance->rowCount(), 21);
  QCOMPARE(chance->horizontalHeaderItem(2)->text(), QStringLiteral("Expected"));
  QVERIFY(window.widget<QLabel>("ChanceTitle")
              ->text()
              .startsWith(QStringLiteral("Recurrence test (next draw) against chance: 2 ")));
  QVERIFY(window.widget<QPlainTextEdit>("ChanceMemo")
              ->toPlainText()
              .contains(QStringLiteral("Too few comparisons for the chi-squared")));
}

// Sixty evening draws of Daily Keno from a fixed seed, enough comparisons for a verdict.
std::vector<DrawRecord> sixtyDraws() {
  std::mt19937 random(15);
  std::vector<int> pool(70);
  std::iota(pool.begin(), pool.end(), 1);
  std::vector<DrawRecord> records;
  for (int day = 0; day < 60; ++day) {
    std::shuffle(pool.begin(), pool.end(), random);
    records.push_back(test::makeDraw(encodeDate(2023, 3, 1) + day,
                                     std::vector<int>(pool.begin(), pool.begin() + 20)));
  }
  return records;
}

void OddsPageTest::aTipTestGivesAVerdict() {
  Window window(sixtyDraws());
  QVERIFY(window.show());
  window.showPage("TabSheet2");
  (void)window.form().DateTimePicker1.setDate(encodeDate(2023, 3, 1));
  window.platform.queueInput("4711");
  QTest::mouseClick(window.widget<QPushButton>("Erfolgstest"), Qt::LeftButton);
  window.showPage("TabSheetOdds");
  QCoreApplication::processEvents();
  QVERIFY(window.widget<QLabel>("ChanceTitle")
              ->text()
              .startsWith(QStringLiteral("Tip success test (a calculation per draw) against")));
  QCOMPARE(window.widget<QTableWidget>("ChanceGrid")->rowCount(), 11);
  const QString memo = window.widget<QPlainTextEdit>("ChanceMemo")->toPlainText();
  QVERIFY2(memo.contains(QStringLiteral(" random histories reached it, p = ")), qPrintable(memo));
  QVERIFY2(memo.contains(QStringLiteral("Winnings per unit stake: observed ")), qPrintable(memo));
  QVERIFY(memo.contains(QStringLiteral("Verdict: the difference is")));
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (!folder.isEmpty()) QVERIFY(window.view->grab().save(folder + "/odds-chance.png"));
}

void OddsPageTest::screenshots() {
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (folder.isEmpty()) QSKIP("NUMORA_SCREENSHOTS not set");
  Window window;
  QVERIFY(window.show());
  window.form().RadioGroup1.setItemIndex(0);
  window.showPage("TabSheetOdds");
  QCoreApplication::processEvents();
  QVERIFY(window.view->grab().save(folder + "/odds-atlantic-10.png"));
  window.widget<QCheckBox>("OddsAllSizesCheckBox")->click();
  QCoreApplication::processEvents();
  QVERIFY(window.view->grab().save(folder + "/odds-atlantic-all.png"));
}

}  // namespace numora

QTEST_MAIN(numora::OddsPageTest)
#include "qt_odds_page_test.moc"
