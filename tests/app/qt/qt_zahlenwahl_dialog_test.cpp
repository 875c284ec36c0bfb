// The number-choice dialog on screen: its 70 boxes with captions, weights and colours, the
// closing buttons and the default button, the weight rule on a user's tick, the random pick
// driven by its timer, the value-list buttons, and that every way of closing ends a pick.

// First: it declares a member named like Qt's "emit" macro.
#include "form/scripted_platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QToolButton>
#include <memory>
#include <set>

#include "app/number_choice_form.h"
#include "app/qt/zahlenwahl_dialog.h"
#include "common/random.h"

namespace numora {
namespace {

// A dialog on its own model, shown as the platform shows it (without the modal loop).
struct Dialog {
  Dialog() {
    model.useRandom(&random);
    parent.resize(700, 500);
    parent.move(100, 80);
    parent.show();
    view = std::make_unique<ZahlenwahlDialog>(model, platform, &parent);
  }

  bool show() {
    view->show();
    return QTest::qWaitForWindowExposed(view.get());
  }

  template <typename T = QWidget>
  T* widget(const QString& name) const {
    return view->findChild<T*>(name);
  }
  QCheckBox* box(int number) const {
    return widget<QCheckBox>(QStringLiteral("CheckBox%1").arg(number));
  }
  QPushButton* button(const char* name) const {
    return widget<QPushButton>(QString::fromLatin1(name));
  }
  QTimer* timer() const { return view->findChild<QTimer*>(QStringLiteral("Timer1")); }

  // One tick of the pick's timer, without running the event loop (so no other tick comes).
  void tick() const {
    QTimerEvent event(timer()->timerId());
    QCoreApplication::sendEvent(timer(), &event);
  }

  std::set<int> ticked() const {
    std::set<int> numbers;
    for (int n = 1; n <= 70; ++n) {
      if (box(n)->isChecked()) numbers.insert(n);
    }
    return numbers;
  }

  Random random{20230611};
  TForm6 model;
  ScriptedPlatform platform;
  QWidget parent;
  std::unique_ptr<ZahlenwahlDialog> view;
};

QColor shownColour(QCheckBox* box) {
  return box->autoFillBackground() ? box->palette().color(QPalette::Window) : QColor();
}

QColor neutral(QCheckBox* box) {
  return box->palette().color(QPalette::ToolTipBase);
}

}  // namespace

class ZahlenwahlDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void designedStateShowsTheModel();
  void okIsTheDefaultUnderCalculate();
  void editButtonsUncoverOk();
  void drawEntryShowsDateAndMiddayChoice();
  void tipEditingShowsTheTickedCountLive();
  void weightsAndColoursFollowTheModel();
  void userTickAppliesTheWeightRule_data();
  void userTickAppliesTheWeightRule();
  void randomPickWithFixedSeed();
  void timerDrivesThePickUntilClosed();
  void valueListsUseThePlatform();
};

void ZahlenwahlDialogTest::tipEditingShowsTheTickedCountLive() {
  Dialog dialog;
  auto* count = dialog.widget<QLabel>(QStringLiteral("CountLabel"));
  QVERIFY(count);
  QVERIFY(dialog.show());
  QVERIFY2(!count->isVisible(), "no count while calculating");

  // Tip editing as the tip list does it: five numbers, two of them preselected.
  dialog.model.useEditButtons(true);
  dialog.model.setMaxTipp(5);
  dialog.model.clearChoices();
  dialog.model.chooseHighlighted(8);
  dialog.model.chooseHighlighted(30);
  dialog.view->refresh();
  QVERIFY(count->isVisible());
  QCOMPARE(count->text(), QStringLiteral("2 of 5 numbers"));

  // Each tick of the user's shows at once.
  QTest::mouseClick(dialog.box(12), Qt::LeftButton);
  QCOMPARE(count->text(), QStringLiteral("3 of 5 numbers"));
  QTest::mouseClick(dialog.box(8), Qt::LeftButton);
  QCOMPARE(count->text(), QStringLiteral("2 of 5 numbers"));
  const QColor normal = count->palette().color(QPalette::WindowText);
  for (int number : {40, 41, 42, 43}) QTest::mouseClick(dialog.box(number), Qt::LeftButton);
  QCOMPARE(count->text(), QStringLiteral("6 of 5 numbers"));
  QVERIFY2(count->palette().color(QPalette::WindowText) != normal, "too many stand out");

  dialog.model.useEditButtons(false);
  dialog.view->refresh();
  QVERIFY(!count->isVisible());
}

void ZahlenwahlDialogTest::designedStateShowsTheModel() {
  Dialog dialog;
  QVERIFY(dialog.show());
  ZahlenwahlDialog& view = *dialog.view;
  QCOMPARE(view.objectName(), QStringLiteral("Form6"));
  QCOMPARE(view.windowTitle(), QStringLiteral("What numbers to calculate"));
  QCOMPARE(view.minimumSize(), view.maximumSize());

  // Ten rows of seven: each row on one line, left to right, rows top to bottom.
  for (int n = 1; n <= 70; ++n) {
    QCheckBox* box = dialog.box(n);
    QVERIFY2(box, qPrintable(QString::number(n)));
    QCOMPARE(box->text(), QString::number(n));
    QVERIFY(box->isChecked());
    QCOMPARE(box->toolTip(), QString());
    QVERIFY(!box->autoFillBackground());
    if ((n - 1) % 7 != 0) {
      QCOMPARE(box->y(), dialog.box(n - 1)->y());
      QVERIFY(box->x() > dialog.box(n - 1)->x());
    }
    if (n > 7) {
      QCOMPARE(box->x(), dialog.box(n - 7)->x());
      QVERIFY(box->y() > dialog.box(n - 7)->y());
    }
  }

  QCOMPARE(dialog.button("BitBtn1")->text(), QStringLiteral("OK"));
  QCOMPARE(dialog.button("BitBtn2")->text(), QStringLiteral("Abort"));
  QCOMPARE(dialog.button("BitBtn3")->text(), QStringLiteral("Calculate"));
  QCOMPARE(dialog.button("BitBtn4")->text(), QStringLiteral("&Random"));
  QVERIFY(dialog.button("BitBtn4")->isHidden());
  QVERIFY(!dialog.button("BitBtn3")->isHidden());
  QVERIFY(dialog.widget<QDateEdit>("DateTimePicker1")->isHidden());
  QCOMPARE(dialog.widget("SpeedButton1")->toolTip(), QStringLiteral("Speichern der Liste"));
  QCOMPARE(dialog.widget("SpeedButton2")->toolTip(), QStringLiteral("Laden der Liste"));
  QCOMPARE(dialog.timer()->interval(), 25);
  QVERIFY(!dialog.timer()->isActive());

  // Centred on the window it belongs to.
  const QPoint offset = view.frameGeometry().center() - dialog.parent.frameGeometry().center();
  QVERIFY2(offset.manhattanLength() <= 2,
           qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void ZahlenwahlDialogTest::okIsTheDefaultUnderCalculate() {
  Dialog dialog;
  QVERIFY(dialog.show());
  QPushButton* ok = dialog.button("BitBtn1");
  QPushButton* calculate = dialog.button("BitBtn3");
  QVERIFY(ok->isDefault());
  // "Calculate" covers OK exactly: a click at OK's place lands on "Calculate".
  QCOMPARE(calculate->geometry(), ok->geometry());
  QCOMPARE(dialog.view->childAt(ok->geometry().center()), calculate);

  // Enter means OK, also while another button has the focus.
  calculate->setFocus();
  QTest::keyClick(calculate, Qt::Key_Return);
  QVERIFY(!dialog.view->isVisible());
  QCOMPARE(dialog.view->modalResult(), ModalResult::Ok);

  // The visible buttons close with their own results.
  struct Case {
    const char* button;
    ModalResult result;
  };
  for (const Case& c : {Case{"BitBtn3", ModalResult::Retry}, Case{"BitBtn2", ModalResult::Abort}}) {
    QVERIFY(dialog.show());
    QTest::mouseClick(dialog.button(c.button), Qt::LeftButton);
    QVERIFY(!dialog.view->isVisible());
    QCOMPARE(dialog.view->modalResult(), c.result);
  }
  // The close box and Escape cancel, even after a button had closed it before.
  QVERIFY(dialog.show());
  dialog.view->close();
  QCOMPARE(dialog.view->modalResult(), ModalResult::Cancel);
  QVERIFY(dialog.show());
  QTest::keyClick(dialog.box(5), Qt::Key_Escape);
  QVERIFY(!dialog.view->isVisible());
  QCOMPARE(dialog.view->modalResult(), ModalResult::Cancel);
}

void ZahlenwahlDialogTest::editButtonsUncoverOk() {
  Dialog dialog;
  dialog.model.useEditButtons(true);
  dialog.view->refresh();
  QVERIFY(dialog.show());
  QPushButton* ok = dialog.button("BitBtn1");
  QVERIFY(!dialog.button("BitBtn4")->isHidden());
  QVERIFY(dialog.button("BitBtn3")->isHidden());
  QCOMPARE(dialog.view->childAt(ok->geometry().center()), ok);
  QTest::mouseClick(ok, Qt::LeftButton);
  QCOMPARE(dialog.view->modalResult(), ModalResult::Ok);

  // Back to the normal buttons: "Calculate" covers OK again.
  dialog.model.useEditButtons(false);
  dialog.view->refresh();
  QVERIFY(dialog.button("BitBtn4")->isHidden());
  QVERIFY(!dialog.button("BitBtn3")->isHidden());
}

void ZahlenwahlDialogTest::drawEntryShowsDateAndMiddayChoice() {
  Dialog dialog;
  dialog.model.useDrawEntry(true, true);
  dialog.model.setEntryDate(encodeDate(2023, 5, 6));
  dialog.model.setMiddayChosen(true);
  dialog.view->refresh();
  QVERIFY(dialog.show());
  QCOMPARE(dialog.view->windowTitle(), QStringLiteral("numbers and confirm with OK"));
  auto* date = dialog.widget<QDateEdit>(QStringLiteral("DateTimePicker1"));
  auto* midday = dialog.widget<QCheckBox>(QStringLiteral("Midday"));
  QVERIFY(date && !date->isHidden());
  QVERIFY(midday && !midday->isHidden());
  QCOMPARE(date->date(), QDate(2023, 5, 6));
  QVERIFY(midday->isChecked());
  for (const char* hidden : {"BitBtn3", "BitBtn4"}) QVERIFY(dialog.button(hidden)->isHidden());
  QVERIFY(dialog.widget(QStringLiteral("SpeedButton1"))->isHidden());
  QVERIFY(dialog.widget(QStringLiteral("SpeedButton2"))->isHidden());

  // What the user sets reaches the model.
  date->setDate(QDate(2023, 5, 7));
  QCOMPARE(dialog.model.entryDate(), encodeDate(2023, 5, 7));
  QTest::mouseClick(midday, Qt::LeftButton);
  QVERIFY(!dialog.model.middayChosen());
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (!folder.isEmpty()) QVERIFY(dialog.view->grab().save(folder + "/Form6-draw-entry.png"));

  // Back in the normal mode the entry fields are gone and the value lists are back.
  dialog.model.useDrawEntry(false, false);
  dialog.view->refresh();
  QVERIFY(date->isHidden());
  QVERIFY(midday->isHidden());
  QVERIFY(!dialog.widget(QStringLiteral("SpeedButton1"))->isHidden());
  QVERIFY(!dialog.button("BitBtn3")->isHidden());
}

void ZahlenwahlDialogTest::weightsAndColoursFollowTheModel() {
  Dialog dialog;
  QVERIFY(dialog.show());
  TForm6& model = dialog.model;
  model.setNeutralColour();
  model.setWeight(5, "12");
  model.setChecked(6, false);
  model.chooseHighlighted(6);
  model.setCaption("Select numbers for calculation");
  dialog.view->refresh();

  QCOMPARE(dialog.view->windowTitle(), QStringLiteral("Select numbers for calculation"));
  QCOMPARE(dialog.box(5)->toolTip(), QStringLiteral("12"));
  QCOMPARE(dialog.box(6)->toolTip(), QStringLiteral("1"));
  QCOMPARE(shownColour(dialog.box(5)), neutral(dialog.box(5)));
  QCOMPARE(shownColour(dialog.box(6)), QColor(Qt::yellow));
  // What is painted: the yellow box is yellow beside its caption, the neutral one is not.
  const QImage image = dialog.view->grab().toImage();
  const auto painted = [&](int n) {
    QCheckBox* box = dialog.box(n);
    return image.pixelColor(box->geometry().right() - 2, box->geometry().center().y());
  };
  QCOMPARE(painted(6), QColor(Qt::yellow));
  QCOMPARE(painted(5), neutral(dialog.box(5)));
  QVERIFY(neutral(dialog.box(5)) != QColor(Qt::yellow));
}

void ZahlenwahlDialogTest::userTickAppliesTheWeightRule_data() {
  QTest::addColumn<QString>("weight");
  QTest::addColumn<QString>("afterTicking");
  QTest::newRow("whole number") << "3"
                                << "4";
  QTest::newRow("empty") << ""
                         << "1";
  QTest::newRow("no number") << "x7"
                             << "1";
}

void ZahlenwahlDialogTest::userTickAppliesTheWeightRule() {
  QFETCH(QString, weight);
  QFETCH(QString, afterTicking);
  Dialog dialog;
  dialog.model.setWeight(17, weight.toStdString());
  dialog.view->refresh();
  QVERIFY(dialog.show());
  QCheckBox* box = dialog.box(17);

  // Unticking keeps the weight; ticking again raises it.
  QTest::mouseClick(box, Qt::LeftButton);
  QVERIFY(!dialog.model.box(17).checked);
  QCOMPARE(box->toolTip(), weight);
  QTest::mouseClick(box, Qt::LeftButton);
  QVERIFY(dialog.model.box(17).checked);
  QCOMPARE(QString::fromStdString(dialog.model.box(17).weight), afterTicking);
  QCOMPARE(box->toolTip(), afterTicking);
  QVERIFY(box->isChecked());
  // The space key ticks as the mouse does.
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Space);
  QVERIFY(!dialog.model.box(17).checked);
}

void ZahlenwahlDialogTest::randomPickWithFixedSeed() {
  Dialog dialog;
  dialog.model.useEditButtons(true);
  dialog.model.setMaxTipp(3);
  dialog.model.clearChoices();
  dialog.model.setNeutralColour();
  dialog.view->refresh();
  QVERIFY(dialog.show());
  QPushButton* random = dialog.button("BitBtn4");

  // The same steps on a model of its own with the same seed give the numbers to expect.
  Random seed{20230611};
  TForm6 expected;
  expected.useRandom(&seed);
  expected.setMaxTipp(3);
  expected.clearChoices();

  QStringList captions;
  QTest::mouseClick(random, Qt::LeftButton);
  expected.BitBtn4Click();
  QVERIFY(dialog.timer()->isActive());
  for (int slot = 1; slot <= 3; ++slot) {
    for (int i = 0; i < 2; ++i) {
      dialog.tick();
      expected.Timer1Timer();
    }
    captions << random->text();
    QTest::mouseClick(random, Qt::LeftButton);
    expected.BitBtn4Click();
  }
  QCOMPARE(captions, (QStringList{"1 Stopp", "2 Stopp", "3 Stopp"}));
  QCOMPARE(random->text(), QStringLiteral("Zufall"));
  QVERIFY(!dialog.timer()->isActive());
  QVERIFY(!dialog.model.timerEnabled());

  const std::vector<int> numbers = expected.checkedNumbers();
  QCOMPARE(numbers.size(), std::size_t{3});
  QCOMPARE(dialog.ticked(), std::set<int>(numbers.begin(), numbers.end()));
  for (int n = 1; n <= 70; ++n) {
    const bool picked = dialog.ticked().count(n) > 0;
    QCOMPARE(shownColour(dialog.box(n)), picked ? QColor(Qt::yellow) : neutral(dialog.box(n)));
  }
  // The pick ended by its own button: the dialog is still open for OK.
  QVERIFY(dialog.view->isVisible());
}

void ZahlenwahlDialogTest::timerDrivesThePickUntilClosed() {
  Dialog dialog;
  dialog.model.useEditButtons(true);
  dialog.model.setMaxTipp(4);
  dialog.view->refresh();
  QVERIFY(dialog.show());
  QPushButton* random = dialog.button("BitBtn4");
  QSignalSpy ticks(dialog.timer(), &QTimer::timeout);

  QTest::mouseClick(random, Qt::LeftButton);
  // The timer shuffles by itself: the caption comes from its ticks, four numbers are shown.
  QTRY_COMPARE(random->text(), QStringLiteral("1 Stopp"));
  QTRY_VERIFY(ticks.count() >= 2);
  QCOMPARE(dialog.ticked().size(), std::size_t{4});
  QTest::mouseClick(random, Qt::LeftButton);
  QTRY_COMPARE(random->text(), QStringLiteral("2 Stopp"));

  // Closing while it shuffles stops the timer and resets the pick.
  dialog.view->close();
  QCOMPARE(dialog.view->modalResult(), ModalResult::Cancel);
  QVERIFY(!dialog.timer()->isActive());
  QVERIFY(!dialog.model.timerEnabled());
  QCOMPARE(dialog.model.nextPickSlot, 1);
  QCOMPARE(random->text(), QStringLiteral("Zufall"));
  const int after = static_cast<int>(ticks.count());
  QTest::qWait(80);
  QCOMPARE(ticks.count(), after);
}

void ZahlenwahlDialogTest::valueListsUseThePlatform() {
  QTemporaryDir folder;
  QVERIFY(folder.isValid());
  Dialog dialog;
  QVERIFY(dialog.show());
  for (int n = 1; n <= 70; ++n) dialog.model.setChecked(n, n == 5 || n == 9);
  dialog.model.setWeight(5, "2");
  dialog.model.setWeight(9, "");
  dialog.view->refresh();

  const QString saved = folder.filePath(QStringLiteral("list.hlw"));
  dialog.platform.queueFile(saved.toStdString());
  QTest::mouseClick(dialog.widget("SpeedButton1"), Qt::LeftButton);
  QFile file(saved);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  QCOMPARE(lines.size(), 71);
  QCOMPARE(lines[4], QByteArray("2\r"));
  QCOMPARE(lines[8], QByteArray("1\r"));
  QCOMPARE(lines[0], QByteArray("\r"));
  // Saving gave the empty weight its "1"; the box shows it.
  QCOMPARE(dialog.box(9)->toolTip(), QStringLiteral("1"));

  // A list of one weight: box 12 ticked with it, all others unticked with weight 1.
  QFile list(folder.filePath(QStringLiteral("twelve.hlw")));
  QVERIFY(list.open(QIODevice::WriteOnly));
  list.write(QByteArray("\r\n").repeated(11) + "3\r\n");
  list.close();
  dialog.platform.queueFile(list.fileName().toStdString());
  QTest::mouseClick(dialog.widget("SpeedButton2"), Qt::LeftButton);
  QCOMPARE(dialog.ticked(), std::set<int>{12});
  QCOMPARE(dialog.box(12)->toolTip(), QStringLiteral("3"));
  QCOMPARE(dialog.box(5)->toolTip(), QStringLiteral("1"));

  // A file that cannot be written is reported, and the dialog stays open.
  dialog.platform.queueFile(folder.filePath(QStringLiteral("missing/list.hlw")).toStdString());
  QTest::mouseClick(dialog.widget("SpeedButton1"), Qt::LeftButton);
  QCOMPARE(dialog.platform.messages().size(), std::size_t{1});
  QVERIFY(QString::fromStdString(dialog.platform.messages().front()).contains("missing"));
  QVERIFY(dialog.view->isVisible());
  // A cancelled file dialog changes nothing.
  QTest::mouseClick(dialog.widget("SpeedButton2"), Qt::LeftButton);
  QCOMPARE(dialog.ticked(), std::set<int>{12});
}

}  // namespace numora

QTEST_MAIN(numora::ZahlenwahlDialogTest)
#include "qt_zahlenwahl_dialog_test.moc"
