// The "Odds" tab: it sits after "Database", is filled when the user opens it, and shows every
// tip size when its check box is ticked. With NUMORA_SCREENSHOTS set to a folder, the tab is
// saved there as PNG files to be looked at.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace numora {

using test::Window;

class OddsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void openingTheTabFillsTheTable();
  void tickingEverySizeShowsAllTables();
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
