// The window reads right at any size: the draw captions keep all twenty numbers on one line at
// the design size and larger. With NUMORA_SCREENSHOTS set to a folder, every tab is saved there
// at the design size and at 1280x900 as PNG files to be looked at.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTabWidget>

namespace numora {
namespace {

using test::Window;

// Midday captions are the longest: the weekday, the date, " (Midday) " and twenty numbers.
std::vector<DrawRecord> longCaptionDraws() {
  std::vector<DrawRecord> records;
  const DayCount first = encodeDate(2023, 5, 3);
  for (int day = 0; day < 3; ++day) {
    records.push_back(test::makeDraw(
        first + day,
        {51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70}, true));
    records.push_back(test::makeDraw(first + day, {41, 42, 43, 44, 45, 46, 47, 48, 49, 50,
                                                   61, 62, 63, 64, 65, 66, 67, 68, 69, 70}));
  }
  return records;
}

class ReadableTest : public QObject {
  Q_OBJECT

 private slots:
  void captionsFitOnOneLine_data();
  void captionsFitOnOneLine();
  void screenshots();
};

void ReadableTest::captionsFitOnOneLine_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("position");
  QTest::newRow("design size, first draw (wide gaps), midday") << QSize(582, 534) << 0;
  QTest::newRow("design size, midday") << QSize(582, 534) << 2;
  QTest::newRow("design size, evening") << QSize(582, 534) << 3;
  QTest::newRow("1280x900, midday") << QSize(1280, 900) << 2;
}

void ReadableTest::captionsFitOnOneLine() {
  QFETCH(QSize, size);
  QFETCH(int, position);
  Window window(longCaptionDraws());
  QVERIFY(window.show());
  window.view->resize(size);
  QCoreApplication::processEvents();
  // Show by date on the first date gives the first draw with its wide gaps; steps go on.
  (void)window.form().DateTimePicker1.setDate(encodeDate(2023, 5, 3));
  window.form1->handle([&] { window.form1->SpeedButton5Click(); });
  for (int i = 0; i < position; ++i)
    window.form1->handle([&] { window.form1->SpeedButton7Click(); });
  window.view->refresh();
  QCOMPARE(window.form().Position, position);
  for (const char* name : {"Label29", "Label35"}) {
    auto* label = window.widget<QLabel>(name);
    QVERIFY(label);
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    QVERIFY2(needed <= label->contentsRect().width(),
             qPrintable(QStringLiteral("%1 needs %2 px of %3: %4")
                            .arg(name)
                            .arg(needed)
                            .arg(label->contentsRect().width())
                            .arg(label->text())));
  }
}

void ReadableTest::screenshots() {
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (folder.isEmpty()) QSKIP("NUMORA_SCREENSHOTS not set");
  Window window(longCaptionDraws());
  QVERIFY(window.show());
  for (const char* tips : {"01,02,03,04,05,06,07,08,09,10", "51,52,53,54,55,56,57,58,59,60",
                           "11,22,33,44,55,66,67,68,69,70"}) {
    window.form().ListBox1.add(tips);
  }
  window.form1->handle([&] {
    window.form1->SpeedButton6Click();
    window.form1->SpeedButton2Click();
  });
  window.form().StatusBar1.setPanel(1,
                                    "Updating the lottery numbers from the Internet-Options "
                                    "tab's results site, a hint longer than the panel");
  window.view->refresh();
  const char* pages[] = {"TabSheet1", "TabSheet6",    "TabSheet5",
                         "TabSheet2", "TabSheetOdds", "TabSheet3"};
  for (const QSize size : {QSize(582, 534), QSize(1280, 900)}) {
    window.view->resize(size);
    QCoreApplication::processEvents();
    for (const char* page : pages) {
      window.showPage(page);
      QCoreApplication::processEvents();
      const QString file = QStringLiteral("%1/%2-%3x%4.png")
                               .arg(folder, QString::fromLatin1(page))
                               .arg(size.width())
                               .arg(size.height());
      QVERIFY(window.view->grab().save(file));
    }
    // The four pages of the Options tab.
    window.showPage("TabSheet6");
    auto* options = window.widget<QTabWidget>("PageControl2");
    QVERIFY(options);
    for (int index = 0; index < options->count(); ++index) {
      options->setCurrentIndex(index);
      QCoreApplication::processEvents();
      const QString file = QStringLiteral("%1/%2-%3x%4.png")
                               .arg(folder, options->currentWidget()->objectName())
                               .arg(size.width())
                               .arg(size.height());
      QVERIFY(window.view->grab().save(file));
    }
  }
}

}  // namespace
}  // namespace numora

QTEST_MAIN(numora::ReadableTest)
#include "qt_readable_test.moc"
