// The update run from the window against the local HTTPS results site: the user sets the site
// and the certificate choice, picks Keno Atlantic and clicks "update database"; the draw file
// receives the draws of the site's May and June pages and the evaluation report comes last.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <fstream>
#include <iterator>

#include "evaluation/evaluation_report.h"
#include "support/results_site.h"

namespace numora {
namespace {

constexpr const char* kFixture = "kenoatlantic-2023-04-20_2023-06-10.dat";

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The records of the fixture before a date, as bytes.
std::string recordsBefore(const std::string& bytes, DayCount date) {
  std::string kept;
  for (std::size_t at = 0; at + DrawRecord::kSize <= bytes.size(); at += DrawRecord::kSize) {
    std::array<std::uint8_t, DrawRecord::kSize> record{};
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), DrawRecord::kSize, record.begin());
    if (DrawRecord::decode(record).date < date) kept.append(bytes, at, DrawRecord::kSize);
  }
  return kept;
}

}  // namespace

class UpdateRunWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void updateButtonReadsTheSitesMonths();
};

void UpdateRunWindowTest::updateButtonReadsTheSitesMonths() {
  test::ResultsSite site;
  const std::string fixture = readFile(test::testData(kFixture));
  const std::string april = recordsBefore(fixture, encodeDate(2023, 5, 1));
  QVERIFY(!april.empty());
  QVERIFY(april.size() < fixture.size());

  // Shown first as the scripted tests show it: Daily Keno, nothing due, no network.
  test::Window window(test::dailyKenoDraws());
  window.home.writeBytes("Kenoal.dat", april);
  QVERIFY(window.show());
  window.form1->setHttpClient(nullptr);  // the program's own libcurl client from now on
  window.platform.fixClock(encodeDate(2023, 6, 11) + 20.0 / 24);

  window.showPage("TabSheet3");
  auto* address = window.widget<QLineEdit>("ResultsSiteEdit");
  address->selectAll();
  QTest::keyClicks(address, QString::fromStdString(site.url()));
  QCOMPARE(window.form().ResultsSiteEdit.text(), site.url());
  auto* anyCertificate = window.widget<QCheckBox>("AnyCertificateCheckBox");
  // On its box: a click beyond the caption's end does not reach a check box.
  QTest::mouseClick(anyCertificate, Qt::LeftButton, {}, QPoint(8, anyCertificate->height() / 2));
  QVERIFY(window.form().AnyCertificateCheckBox.checked());

  window.showPage("TabSheet1");
  QTest::mouseClick(window.widget<QRadioButton>("RadioGroup1Item0"), Qt::LeftButton);
  QCOMPARE(window.form().ZahlenFile, std::string("Kenoal.dat"));
  QCOMPARE(window.widget<QDateEdit>("DateTimePicker1")->date(), QDate(2023, 4, 30));

  window.showPage("TabSheet2");
  const std::size_t messages = window.platform.messages().size();
  // While the run goes, the status bar shows its progress and the "Keno-Tips" tab a stop button
  // in the update button's place.
  auto* progress = window.widget<QProgressBar>("WorkProgress");
  QVERIFY(progress);
  QVERIFY(progress->isHidden());
  QStringList progressTexts;
  bool stopShown = true;
  window.platform.onProcessEvents = [&] {
    window.view->refresh();
    if (progress->isHidden()) return;
    progressTexts << progress->text();
    stopShown = stopShown && !window.widget("StopUpdateButton")->isHidden() &&
                window.widget("SpeedButton10")->isHidden();
  };
  QTest::mouseClick(window.widget("BitBtn1"), Qt::LeftButton);
  window.platform.onProcessEvents = nullptr;
  // While May loads, then one pass a day from 01.05. to today, 11.06.
  QCOMPARE(progressTexts.front(), QStringLiteral("Update: 0 of 2 months, reading 01.05.2023"));
  QVERIFY(progressTexts.contains(QStringLiteral("Update: 1 of 2 months, reading 31.05.2023")));
  QCOMPARE(progressTexts.back(), QStringLiteral("Update: 2 of 2 months, reading 11.06.2023"));
  QCOMPARE(progress->maximum(), 2);
  QVERIFY(stopShown);
  QVERIFY(progress->isHidden());
  QVERIFY(window.widget("StopUpdateButton")->isHidden());
  QVERIFY(!window.widget("SpeedButton10")->isHidden());

  // April as it was, then every draw the May and June pages list, up to 10.06.2023.
  QCOMPARE(window.home.readBytes("Kenoal.dat").size(), fixture.size());
  QVERIFY(window.home.readBytes("Kenoal.dat") == fixture);
  QCOMPARE(site.requestsFor(2023, 5), 1);
  QCOMPARE(site.requestsFor(2023, 6), 1);
  QCOMPARE(site.requests().size(), std::size_t{2});

  // The latest draw is shown, the run's buttons are back, and the report is the last message.
  QCOMPARE(window.widget<QDateEdit>("DateTimePicker1")->date(), QDate(2023, 6, 10));
  QVERIFY(window.widget<QLabel>("Label35")->text().contains("10.06.23"));
  QVERIFY(window.widget("SpeedButton8")->isHidden());
  QVERIFY(window.widget("BitBtn1")->isEnabled());
  QCOMPARE(window.platform.messages().size(), messages + 1);
  // Headed by what the run added; the priced hits follow.
  const std::string report = window.platform.messages().back();
  QVERIFY(report.rfind("40 draws added, 01.05.2023 \u2013 10.06.2023\n\n", 0) == 0);
  QVERIFY(report.ends_with(evaluationReport(window.form(), stakePerTip(window.form())).written()));
}

}  // namespace numora

QTEST_MAIN(numora::UpdateRunWindowTest)
#include "qt_update_run_test.moc"
