// Typed dates in the real date fields: whatever the player types, the window stays; a typed date
// is taken when the field is left, on Enter or by a click on any button, with or without
// separators; a non-date changes nothing and the hint line says why. The same holds for the
// date field of the number-choice dialog's draw entry. While long work runs, the window shows
// the controls the long-work guard holds disabled, and gives them back afterwards.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "app/qt/date_conversion.h"
#include "app/qt/zahlenwahl_dialog.h"
#include "common/random.h"
#include "generator/zahlenwahl.h"

namespace numora {
namespace {

using test::Window;

// The fixture's three draws of 04. and 05.05.2023 and one of 15.06.2020 before them.
std::vector<DrawRecord> drawsWithAnOldOne() {
  std::vector<DrawRecord> records = test::dailyKenoDraws();
  records.insert(records.begin(),
                 test::makeDraw(encodeDate(2020, 6, 15), {2,  4,  6,  8,  10, 12, 14, 16, 18, 20,
                                                          22, 24, 26, 28, 30, 32, 34, 36, 38, 40}));
  return records;
}

// Selects the field's whole text, as a double click or Ctrl+A does, and types.
void typeInto(QDateEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  // The keyboard's keys go to the widget with the focus, as the window system sends them.
  for (const QChar c : text) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClicks(focused ? focused : field, QString(c));
  }
}

// The number-choice dialog in its draw-entry mode, shown over a parent window.
struct DrawEntryDialog {
  DrawEntryDialog() {
    model.useRandom(&random);
    model.useDrawEntry(true, true);
    model.setEntryDate(encodeDate(2023, 5, 6));
    parent.resize(700, 500);
    parent.show();
    view = std::make_unique<ZahlenwahlDialog>(model, platform, &parent);
    view->refresh();
  }
  bool show() {
    view->show();
    return QTest::qWaitForWindowExposed(view.get());
  }
  template <typename T = QWidget>
  T* widget(const char* name) const {
    return view->findChild<T*>(QString::fromLatin1(name));
  }

  Random random{7};
  TForm6 model;
  ScriptedPlatform platform;
  QWidget parent;
  std::unique_ptr<ZahlenwahlDialog> view;
};

}  // namespace

class DateFieldTest : public QObject {
  Q_OBJECT

 private slots:
  void typingAnythingKeepsTheWindow_data();
  void typingAnythingKeepsTheWindow();
  void aButtonClickTakesTheTypedDate_data();
  void aButtonClickTakesTheTypedDate();
  void leavingTheFieldTakesTheTypedDate();
  void aNonDateChangesNothingAndSaysWhy_data();
  void aNonDateChangesNothingAndSaysWhy();
  void theDrawEntryTakesTypedDates_data();
  void theDrawEntryTakesTypedDates();
  void theDrawEntryRefusesANonDate();
  void longWorkDisablesWhatItWouldRefuse();
};

void DateFieldTest::typingAnythingKeepsTheWindow_data() {
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("picker");
  QTest::newRow("picked date") << "TabSheet2"
                               << "DateTimePicker1";
  QTest::newRow("statistics start") << "TabSheet5"
                                    << "DateTimePicker2";
}

// Typing more than the old field took handed the key back and forth until the stack ran out.
void DateFieldTest::typingAnythingKeepsTheWindow() {
  QFETCH(QString, page);
  QFETCH(QString, picker);
  Window window;
  QVERIFY(window.show());
  window.showPage(qPrintable(page));
  auto* field = window.widget<QDateEdit>(qPrintable(picker));
  auto* model = dynamic_cast<DatePicker*>(window.form().registry.find(picker.toStdString()));
  QVERIFY(field && model);

  typeInto(field, QStringLiteral("05052023"));
  typeInto(field, QStringLiteral("05.05.2023"));
  QTest::keyClick(field, Qt::Key_Return);
  QCOMPARE(toQDate(model->date()), QDate(2023, 5, 5));
  QCOMPARE(field->date(), QDate(2023, 5, 5));

  // Keys no date field takes, typed after a date, are dropped without a word.
  typeInto(field, QStringLiteral("1.1.2020xyz!?%&/()=0123456789.-.-"));
  QTest::keyClick(field, Qt::Key_Up);
  QTest::keyClick(field, Qt::Key_F5);
  QTest::keyClick(field, Qt::Key_Escape);
  QCOMPARE(toQDate(model->date()), QDate(2023, 5, 5));
  QVERIFY(window.view->isVisible());
}

void DateFieldTest::aButtonClickTakesTheTypedDate_data() {
  QTest::addColumn<QString>("typed");
  for (const char* typed : {"15.06.2020", "15062020", "15.6.2020", "15.06.20", "2020-06-15"}) {
    QTest::newRow(typed) << QString::fromLatin1(typed);
  }
}

// The magnifier shows the draw of the date just typed, not the one picked before.
void DateFieldTest::aButtonClickTakesTheTypedDate() {
  QFETCH(QString, typed);
  Window window(drawsWithAnOldOne());
  QVERIFY(window.show());
  window.showPage("TabSheet2");
  QCOMPARE(window.form().Datum1, encodeDate(2023, 5, 5));

  typeInto(window.widget<QDateEdit>("DateTimePicker1"), typed);
  QTest::mouseClick(window.widget<QToolButton>("SpeedButton5"), Qt::LeftButton);
  QCOMPARE(window.form().DateTimePicker1.date(), encodeDate(2020, 6, 15));
  QCOMPARE(window.form().Datum1, encodeDate(2020, 6, 15));
  QVERIFY(window.widget<QLabel>("Label29")->text().contains(QStringLiteral("15.06.20")));
}

void DateFieldTest::leavingTheFieldTakesTheTypedDate() {
  Window window;
  QVERIFY(window.show());
  window.showPage("TabSheet5");
  auto* field = window.widget<QDateEdit>("DateTimePicker2");
  typeInto(field, QStringLiteral("4.5.23"));
  window.widget("SpeedButton9")->setFocus();
  QCOMPARE(window.form().DateTimePicker2.date(), encodeDate(2023, 5, 4));
  QCOMPARE(field->date(), QDate(2023, 5, 4));
}

void DateFieldTest::aNonDateChangesNothingAndSaysWhy_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("hint");
  QTest::newRow("no such day") << "31.02.2024"
                               << "31.02.2024 is no date: type it as dd.mm.yyyy";
  QTest::newRow("no year") << "1503"
                           << "1503 is no date: type it as dd.mm.yyyy";
  QTest::newRow("letters after a digit") << "1x"
                                         << "1x is no date: type it as dd.mm.yyyy";
}

void DateFieldTest::aNonDateChangesNothingAndSaysWhy() {
  QFETCH(QString, typed);
  QFETCH(QString, hint);
  Window window(drawsWithAnOldOne());
  QVERIFY(window.show());
  window.showPage("TabSheet2");
  const DayCount before = window.form().DateTimePicker1.date();
  const DayCount shown = window.form().Datum1;
  auto* field = window.widget<QDateEdit>("DateTimePicker1");
  typeInto(field, typed);
  QTest::mouseClick(window.widget<QToolButton>("SpeedButton5"), Qt::LeftButton);
  QCOMPARE(window.form().DateTimePicker1.date(), before);
  QCOMPARE(window.form().Datum1, shown);
  QCOMPARE(field->date(), toQDate(before));
  QCOMPARE(window.panel(1), hint);
}

void DateFieldTest::theDrawEntryTakesTypedDates_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QDate>("date");
  QTest::newRow("dotted") << "07.05.2023" << QDate(2023, 5, 7);
  QTest::newRow("digits only") << "07052023" << QDate(2023, 5, 7);
  QTest::newRow("short year") << "7.5.23" << QDate(2023, 5, 7);
  QTest::newRow("ISO") << "2023-05-07" << QDate(2023, 5, 7);
}

// Typed digits reach the draw entry's date; OK takes what is typed, without Enter.
void DateFieldTest::theDrawEntryTakesTypedDates() {
  QFETCH(QString, typed);
  QFETCH(QDate, date);
  DrawEntryDialog dialog;
  QVERIFY(dialog.show());
  typeInto(dialog.widget<QDateEdit>("DateTimePicker1"), typed);
  QTest::mouseClick(dialog.widget<QPushButton>("BitBtn1"), Qt::LeftButton);
  QCOMPARE(dialog.view->modalResult(), ModalResult::Ok);
  QCOMPARE(toQDate(dialog.model.entryDate()), date);
}

void DateFieldTest::theDrawEntryRefusesANonDate() {
  DrawEntryDialog dialog;
  QVERIFY(dialog.show());
  auto* field = dialog.widget<QDateEdit>("DateTimePicker1");
  typeInto(field, QStringLiteral("31.02.2023"));
  QTest::keyClick(field, Qt::Key_Tab);
  QCOMPARE(dialog.model.entryDate(), encodeDate(2023, 5, 6));
  QCOMPARE(field->date(), QDate(2023, 5, 6));
  auto* hint = dialog.widget<QLabel>("DateHint");
  QVERIFY(hint && hint->isVisible());
  QCOMPARE(hint->text(), QStringLiteral("31.02.2023 is no date: type it as dd.mm.yyyy"));
  // A date typed next clears the hint.
  typeInto(field, QStringLiteral("08.05.2023"));
  QTest::keyClick(field, Qt::Key_Return);
  QCOMPARE(dialog.model.entryDate(), encodeDate(2023, 5, 8));
  QVERIFY(!hint->isVisible());
}

// During a calculation: delete, import, the options and the date field are disabled; the stop
// button, the tabs and the close button are not.
void DateFieldTest::longWorkDisablesWhatItWouldRefuse() {
  Window window(drawsWithAnOldOne());
  QVERIFY(window.show());
  window.form().UpDown9.setPosition(1);
  const char* held[] = {"BitBtn6",   "ImportButton", "SpeedButton5", "DateTimePicker1",
                        "CheckBox9", "UpDown18",     "SpeedButton11"};
  const char* free[] = {"BitBtn4", "PageControl1", "CloseButton", "ListBox1"};
  bool checked = false;
  window.platform.onProcessEvents = [&] {
    if (checked) return;
    checked = true;
    window.view->refresh();
    for (const char* name : held) QVERIFY2(!window.widget(name)->isEnabled(), name);
    for (const char* name : free) QVERIFY2(window.widget(name)->isEnabled(), name);
    // A click on the disabled delete button deletes nothing.
    QTest::mouseClick(window.widget("BitBtn6"), Qt::LeftButton);
  };
  QTest::mouseClick(window.widget("BitBtn4"), Qt::LeftButton);
  QVERIFY(checked);
  QCOMPARE(std::filesystem::file_size(window.home.file("Vuduro.dat")), std::uintmax_t{4 * 40});
  for (const char* name : held) QVERIFY2(window.widget(name)->isEnabled(), name);
}

}  // namespace numora

QTEST_MAIN(numora::DateFieldTest)
#include "qt_date_field_test.moc"
