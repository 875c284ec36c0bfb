// The tip panel of the "Keno-Tips" tab: its buttons reach their handlers, the total-tips field
// and the cost choice take only what the model accepts, and editing a tip runs end to end
// through the real number-choice dialog.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>

#include "app/qt/zahlenwahl_dialog.h"
#include "evaluation/evaluation_report.h"

namespace numora {
namespace {

using test::ScreenWindow;
using test::Window;

QStringList shownLines(QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

void selectRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

// What the user does in the number-choice dialog once it is open. Should the dialog stay open
// after the steps (a failed step), it is closed, so the modal loop never waits for nobody.
struct DialogSteps {
  std::function<void(ZahlenwahlDialog*)> steps;
  bool opened = false;
  QStringList checked;  // the ticked boxes when the dialog opened
  QStringList yellow;   // the yellow ones among them
  bool randomShown = false;
  bool calculateShown = false;

  void arm() {
    QTimer::singleShot(0, [this] {
      auto* dialog = qobject_cast<ZahlenwahlDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      opened = true;
      for (int n = 1; n <= 70; ++n) {
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
        if (!box->isChecked()) continue;
        checked << box->text();
        if (box->palette().color(QPalette::Window) == QColor(Qt::yellow)) yellow << box->text();
      }
      randomShown = dialog->findChild<QPushButton*>("BitBtn4")->isVisible();
      calculateShown = dialog->findChild<QPushButton*>("BitBtn3")->isVisible();
      steps(dialog);
      if (dialog->isVisible()) dialog->reject();
    });
  }
};

void clickBox(ZahlenwahlDialog* dialog, int number) {
  QTest::mouseClick(dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(number)),
                    Qt::LeftButton);
}

}  // namespace

class TipPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void tipButtonsRunTheirHandlers();
  void totalTipsFieldTakesWhatTheModelAccepts();
  void costChoiceTakesNoTypedText();
  void editingATipGoesThroughTheDialog();
};

void TipPanelTest::tipButtonsRunTheirHandlers() {
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  Form& form = window.form();
  form.ListBox1.setLines({"01,02,03", "44,46,47", "03,09,12"});
  window.form1->handle([&window] { window.form1->Komplettcheck(); });
  window.view->refresh();
  auto* tips = window.widget<QListWidget>("ListBox1");
  auto* hits = window.widget<QListWidget>("ListBox2");
  QCOMPARE(shownLines(hits), (QStringList{"0", "3", "0"}));

  // The evaluation report of the list as it stands.
  const std::size_t before = window.platform.messages().size();
  QTest::mouseClick(window.widget("auswertung"), Qt::LeftButton);
  QCOMPARE(window.platform.messages().size(), before + 1);
  QCOMPARE(window.platform.messages().back(), evaluationReport(form, stakePerTip(form)).written());

  // Deleting all tips empties both lists; the selection labels keep their texts.
  selectRow(tips, 2);
  QCOMPARE(window.widget<QLabel>("Label24")->text(), QStringLiteral("3. tip"));
  QTest::mouseClick(window.widget("SpeedButton11"), Qt::LeftButton);
  QCOMPARE(tips->count(), 0);
  QCOMPARE(hits->count(), 0);
  QCOMPARE(form.ListBox1.count(), std::size_t{0});
  QCOMPARE(window.widget<QLabel>("Label23")->text(), QStringLiteral("1. ticket"));
  QCOMPARE(window.widget<QLabel>("Label24")->text(), QStringLiteral("3. tip"));

  // "Undo" beside the list brings the deleted tips back, scored; so does Ctrl+Z.
  QTest::mouseClick(window.widget("UndoTips"), Qt::LeftButton);
  QCOMPARE(shownLines(tips), (QStringList{"01,02,03", "44,46,47", "03,09,12"}));
  QCOMPARE(shownLines(hits), (QStringList{"0", "3", "0"}));
  QTest::mouseClick(window.widget("SpeedButton11"), Qt::LeftButton);
  QCOMPARE(tips->count(), 0);
  window.view->activateWindow();
  QTest::keyClick(window.view.get(), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(tips->count(), 3);
}

void TipPanelTest::totalTipsFieldTakesWhatTheModelAccepts() {
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  Form& form = window.form();
  auto* total = window.widget<QSpinBox>("UpDown9");
  auto* field = total->findChild<QLineEdit*>("Edit1");
  QVERIFY(field);
  total->setFocus();

  struct Case {
    const char* typed;
    int position;
  };
  // Leading zeros go; letters and numbers above 120 are refused as they are typed.
  for (const Case& c :
       {Case{"007", 7}, Case{"120", 120}, Case{"12x", 12}, Case{"999", 99}, Case{"42", 42}}) {
    field->selectAll();
    QTest::keyClicks(field, c.typed);
    QCOMPARE(form.UpDown9.position(), c.position);
    QCOMPARE(form.Edit1.text(), std::to_string(c.position));
  }

  // Leaving the field runs the full check of the tip list.
  form.ListBox1.setLines({"44,46,47"});
  form.ListBox2.clear();
  window.view->refresh();
  QVERIFY(form.sortieren);
  QTest::keyClick(total, Qt::Key_Return);
  QCOMPARE(shownLines(window.widget<QListWidget>("ListBox2")), QStringList{"3"});
}

void TipPanelTest::costChoiceTakesNoTypedText() {
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  auto* cost = window.widget<QComboBox>("ComboBox1");
  QVERIFY(!cost->isEditable());
  QCOMPARE(cost->lineEdit(), nullptr);
  cost->setFocus();
  // Typing looks for an entry: "5" chooses the entry "5", a later "7" finds none.
  QTest::keyClicks(cost, "5");
  QCOMPARE(cost->currentText(), QStringLiteral("5"));
  QCOMPARE(window.form().ComboBox1.itemIndex(), 2);
  QTest::qWait(QApplication::keyboardInputInterval() + 50);
  QTest::keyClicks(cost, "7");
  QCOMPARE(cost->currentText(), QStringLiteral("5"));
  QCOMPARE(window.form().ComboBox1.itemIndex(), 2);
  QCOMPARE(stakePerTip(window.form()), 5);
}

void TipPanelTest::editingATipGoesThroughTheDialog() {
  ScreenWindow window(test::dailyKenoDraws());
  QVERIFY(window.show());
  Form& form = window.form();
  form.ListBox1.setLines({"01,02,03,04,05,06,07,08,09,10", "11,12,13"});
  window.view->refresh();
  auto* tips = window.widget<QListWidget>("ListBox1");
  auto* hits = window.widget<QListWidget>("ListBox2");
  selectRow(tips, 0);

  // Untick 10, tick 70, OK: the line holds the new tip, scored against the shown draw (the
  // evening draw of 05.05.2023, which holds 70 and none of 1..9).
  DialogSteps edit;
  edit.steps = [](ZahlenwahlDialog* dialog) {
    clickBox(dialog, 10);
    clickBox(dialog, 70);
    QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
  };
  edit.arm();
  QTest::mouseClick(window.widget("SpeedEdit"), Qt::LeftButton);
  QVERIFY(edit.opened);
  const QStringList first = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
  QCOMPARE(edit.checked, first);
  QCOMPARE(edit.yellow, first);
  QVERIFY(edit.randomShown);
  QVERIFY(!edit.calculateShown);
  QCOMPARE(shownLines(tips), (QStringList{"01,02,03,04,05,06,07,08,09,70", "11,12,13"}));
  QCOMPARE(shownLines(hits), (QStringList{"1", "0"}));
  // The dialog is back to its normal buttons and caption.
  QCOMPARE(window.form1->Form6.caption(), std::string("Select numbers for calculation"));
  QVERIFY(window.form1->Form6.BitBtn3.visible);
  QVERIFY(!window.form1->Form6.BitBtn4.visible);

  // Closed with its close box: the tip stays as it was.
  selectRow(tips, 1);
  DialogSteps cancel;
  cancel.steps = [](ZahlenwahlDialog* dialog) {
    clickBox(dialog, 14);
    dialog->close();
  };
  cancel.arm();
  QTest::mouseClick(window.widget("SpeedEdit"), Qt::LeftButton);
  QVERIFY(cancel.opened);
  QCOMPARE(cancel.checked, (QStringList{"11", "12", "13"}));
  QCOMPARE(shownLines(tips), (QStringList{"01,02,03,04,05,06,07,08,09,70", "11,12,13"}));
}

}  // namespace numora

QTEST_MAIN(numora::TipPanelTest)
#include "qt_tip_panel_test.moc"
