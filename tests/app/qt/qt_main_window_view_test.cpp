// The main window's widgets: every control of this stage exists under its designed name with its
// designed state, the user's clicks and changes reach the form model and its handlers, the hint
// line follows the mouse, and a taller window scales the tab contents.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <memory>

#include "app/qt/date_conversion.h"
#include "app/qt/hint_panel.h"
#include "app/qt/statistics_chart_view.h"
#include "draws/draw_caption.h"
#include "draws/first_start_hint.h"
#include "draws/lottery.h"

namespace numora {
namespace {

using test::dailyKenoDraws;
using test::enter;
using test::leave;
using test::Window;

const DayCount kToday = test::kWindowToday;
constexpr const char* kNoDrawFile = "First read the data of draws";
constexpr const char* kOffline = test::OfflineSite::kError;

int count(const std::vector<std::string>& messages, const std::string& text) {
  return static_cast<int>(std::count(messages.begin(), messages.end(), text));
}

// The text a widget shows as its caption.
QString windowText(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
  if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) return memo->toPlainText();
  return {};
}

QString caption(const DrawRecord& record, CaptionGap gap) {
  ScriptedPlatform names;
  return QString::fromStdString(drawCaption(record, gap, names.shortDayNames()));
}

}  // namespace

class MainWindowViewTest : public QObject {
  Q_OBJECT

 private slots:
  void windowHasDesignedFrame();
  void controlsShowDesignedCaptions_data();
  void controlsShowDesignedCaptions();
  void controlsHaveDesignedState();
  void firstActivationRunsOnce();
  void firstStartHintLeavesWithTheFirstDraw();
  void drawButtonsReachTheirHandlers();
  void updateButtonsStartTheUpdateRun();
  void lotteryClickSwitchesTheLottery();
  void hintLineFollowsTheMouse_data();
  void hintLineFollowsTheMouse();
  void userChangesReachTheModel();
  void typedDatesAreTakenWhole_data();
  void typedDatesAreTakenWhole();
  void typedTextThatIsNoDateChangesNothing();
  void tipAndHitListSelectTogether();
  void addressLabelsOpenTheirAddress_data();
  void addressLabelsOpenTheirAddress();
  void tallerWindowScalesTheTabContents();
  void closeButtonSavesTheSettings();
  void windowGoesWithTheFocusInAField();
};

void MainWindowViewTest::windowHasDesignedFrame() {
  Window window;
  QVERIFY(window.show());
  QCOMPARE(window.view->windowTitle(), QStringLiteral("Veltrin's Numora  Canada  2-10 of 70"));
  // The program's own drawing, the one the desktop menu shows.
  const QPixmap icon = window.view->windowIcon().pixmap(128, 128);
  QVERIFY(!icon.isNull());
  if (const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS"); !folder.isEmpty()) {
    QVERIFY(icon.save(folder + "/window-icon.png"));
  }
  QCOMPARE(window.view->size(), QSize(582, 534));
  // The design size is the smallest the window gets, so every tab stays readable.
  QCOMPARE(window.view->minimumSize(), QSize(582, 534));
  window.view->resize(232, 138);
  QCOMPARE(window.view->size(), QSize(582, 534));
  QCOMPARE(window.view->font().family(), QStringLiteral("Arial"));
  QCOMPARE(window.view->font().pixelSize(), 13);

  auto* tabs = window.widget<QTabWidget>("PageControl1");
  QVERIFY(tabs);
  const QStringList captions = {"Keno-Tips", "Options", "Chart",
                                "Database",  "Odds",    "Internet-Options"};
  const QStringList names = {"TabSheet1", "TabSheet6",    "TabSheet5",
                             "TabSheet2", "TabSheetOdds", "TabSheet3"};
  QCOMPARE(tabs->count(), captions.size());
  for (int i = 0; i < tabs->count(); ++i) {
    QCOMPARE(tabs->tabText(i), captions[i]);
    QCOMPARE(tabs->widget(i)->objectName(), names[i]);
  }
  QCOMPARE(tabs->currentIndex(), 0);

  // The page control fills the window above the status bar.
  auto* bar = window.widget<QStatusBar>("StatusBar1");
  QVERIFY(bar);
  QCOMPARE(window.view->statusBar(), bar);
  QCOMPARE(tabs->geometry().bottom() + 1, bar->geometry().top());
  auto* panel0 = window.widget<QLabel>("StatusBar1Panel0");
  auto* panel1 = window.widget<QLabel>("StatusBar1Panel1");
  QVERIFY(panel0 && panel1);
  QCOMPARE(panel0->width(), 150);
  QCOMPARE(panel1->minimumWidth(), 50);
  QVERIFY(panel1->geometry().left() > panel0->geometry().left());
}

void MainWindowViewTest::controlsShowDesignedCaptions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  const std::string hint = firstStartHint(kDailyKeno);
  const std::pair<const char*, const char*> rows[] = {
      {"RadioGroup1", "Keno Lottery"},
      {"RadioGroup1Item0", "Keno Atlantic"},
      {"RadioGroup1Item1", "Daily Keno"},
      {"Label13", "Summer cross"},
      {"Label25", "Tip series"},
      {"Label26", "properly             "},
      {"Label61", "Numbers per Tip"},
      {"Label16", "Tips per ticket"},
      {"Label22", "Total Tips"},
      {"Label30", "Cost per Tip"},
      {"CheckBox28", "Delete before calculating"},
      {"Label23", "1. ticket"},
      {"Label24", "1. tip"},
      {"Label43", "w w w . v e l t r i n . e x a m p l e"},
      {"Label44", "    N U M O R A   C a n a d a     V  2 . 2"},
      {"CloseButton", "close"},
      {"BitBtn1", "update database"},
      {"SpeedButton8", "Stop reading"},
      // No draw file on a first start: the caption says what to do.
      {"Label29", hint.c_str()},
      {"SpeedButton2", ""},
      {"SpeedButton9", "Cross sum "},
      {"SpeedButton1", "pairs"},
      {"SpeedButton3", "three"},
      {"SpeedButton17", "four"},
      {"SpeedButton19", "pending"},
      {"Button2", "pairs seeking"},
      {"Button3", "three search"},
      {"Button4", "four search"},
      {"Button5", "pending"},
      {"BitBtn7", "Tip"},
      {"Button6", "Tip distribution"},
      {"BitBtn6", "delete"},
      {"BitBtn8", "insert/edit"},
      {"BitBtn3", "Export to Text"},
      {"Memo1", ""},
      {"Label50", "Proxy-Server"},
      {"ProxyHostEdit", ""},
      {"Label51", "Porxy-Port"},
      {"ProxyPortEdit", "80"},
      {"Label45", "For updates and the latest version is available from:"},
      {"Label46", "The current draws and rates from Ontario Daily Keno see:"},
      {"Label47", "The current draws and rates from Atlantic Keno see:"},
      {"Label49", "More programs by Veltrin software can be found at:"},
      {"Label60", "Results site"},
      {"AnyCertificateCheckBox", "Accept any certificate"},
      {"Label52", "https://www.veltrin.example/numora-canada"},
      {"Label55", "https://www.veltrin.example"},
  };
  for (const auto& [name, text] : rows) QTest::newRow(name) << name << text;
}

void MainWindowViewTest::controlsShowDesignedCaptions() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  Window window;
  QVERIFY(window.show());
  QWidget* widget = window.view->findChild<QWidget*>(name);
  QVERIFY2(widget, qPrintable(name));
  QCOMPARE(windowText(widget), text);
}

void MainWindowViewTest::firstStartHintLeavesWithTheFirstDraw() {
  Window window;
  QVERIFY(window.show());
  auto* chart = window.view->findChild<StatisticsChartView*>("Chart1");
  QVERIFY(chart);
  const QString hint = QString::fromStdString(firstStartHint(kDailyKeno));
  QCOMPARE(chart->hintLabel()->text(), hint);
  QVERIFY(!chart->hintLabel()->isHidden());
  QCOMPARE(window.widget<QLabel>("Label35")->text(), hint);

  // The activation's update run has made an empty draw file under the start-up spelling.
  window.home.writeDraws(window.form().ZahlenFile, dailyKenoDraws());
  window.form1->SpeedButton5Click();
  window.view->refresh();
  QVERIFY(chart->hintLabel()->isHidden());
  QCOMPARE(window.widget<QLabel>("Label29")->text(),
           caption(dailyKenoDraws()[1], CaptionGap::Normal));
}

void MainWindowViewTest::controlsHaveDesignedState() {
  Window window;
  // Before the first activation the picked date is today, as the window's creation set it.
  QCOMPARE(window.widget<QDateEdit>("DateTimePicker1")->date(), QDate(2023, 5, 5));
  QVERIFY(window.show());

  // Every control of the model that has a widget shows its hint as tooltip.
  for (const Control* control : window.form1->form.registry.all()) {
    QWidget* widget = window.view->controlWidget(control->name());
    if (!widget) continue;
    QCOMPARE(widget->objectName(), QString::fromStdString(control->name()));
    QCOMPARE(widget->toolTip(), QString::fromStdString(control->hint()));
  }
  QCOMPARE(window.widget("SpeedButton10")->toolTip(),
           QStringLiteral("Updating the lottery numbers from the Internet"));

  QVERIFY(window.widget<QRadioButton>("RadioGroup1Item1")->isChecked());
  QVERIFY(!window.widget<QRadioButton>("RadioGroup1Item0")->isChecked());
  QCOMPARE(window.widget<QToolButton>("SpeedButton6")->arrowType(), Qt::LeftArrow);
  QCOMPARE(window.widget<QToolButton>("SpeedButton7")->arrowType(), Qt::RightArrow);
  auto* draw = window.widget<QLabel>("Label35");
  QVERIFY(draw->font().bold());
  QCOMPARE(draw->palette().color(QPalette::Window), draw->palette().color(QPalette::ToolTipBase));
  // The sunken frame shows on all four sides, not only at the top and on the left.
  const QImage drawn = draw->grab().toImage();
  const QColor fill = draw->palette().color(QPalette::Window);
  const QPoint edges[] = {{drawn.width() / 2, 0},
                          {drawn.width() / 2, drawn.height() - 1},
                          {0, drawn.height() / 2},
                          {drawn.width() - 1, drawn.height() / 2}};
  for (const QPoint& edge : edges) {
    const int contrast = std::abs(drawn.pixelColor(edge).lightness() - fill.lightness());
    QVERIFY2(contrast >= 40,
             qPrintable(QStringLiteral("edge at %1,%2").arg(edge.x()).arg(edge.y())));
  }
  QCOMPARE(window.widget<QLabel>("Label26")->alignment() & Qt::AlignHorizontal_Mask,
           Qt::AlignRight);
  QVERIFY(window.widget<QListWidget>("ListBox1"));
  QVERIFY(window.widget<QListWidget>("ListBox2")->width() <
          window.widget<QListWidget>("ListBox1")->width());

  struct SpinState {
    const char* name;
    const char* edit;
    int min, max, value;
  };
  for (const auto& spin :
       {SpinState{"UpDown18", "Edit5", 2, 10, 10}, SpinState{"UpDown8", "Edit80", 1, 5, 5},
        SpinState{"UpDown9", "Edit1", 1, 120, 5}}) {
    auto* box = window.widget<QSpinBox>(spin.name);
    QVERIFY2(box, spin.name);
    QCOMPARE(box->minimum(), spin.min);
    QCOMPARE(box->maximum(), spin.max);
    QCOMPARE(box->value(), spin.value);
    QVERIFY2(box->findChild<QLineEdit*>(spin.edit), spin.edit);
  }

  auto* cost = window.widget<QComboBox>("ComboBox1");
  QVERIFY(!cost->isEditable());
  QCOMPARE(cost->count(), 4);
  const QStringList items = {"1", "2", "5", "10"};
  for (int i = 0; i < 4; ++i) QCOMPARE(cost->itemText(i), items[i]);
  QVERIFY(window.widget<QCheckBox>("CheckBox28")->isChecked());

  for (const char* name : {"DateTimePicker1", "DateTimePicker2"}) {
    auto* picker = window.widget<QDateEdit>(name);
    QVERIFY2(picker, name);
    QCOMPARE(picker->displayFormat(), QStringLiteral("dd.MM.yyyy"));
    QVERIFY(picker->calendarPopup());
    // Daily Keno, the default lottery, from its first draw.
    QCOMPARE(picker->minimumDate(), QDate(1996, 4, 29));
  }

  // Hidden controls: checked against the page they sit on, as their page may not be shown.
  auto* stop = window.widget("SpeedButton8");
  QVERIFY(stop->isHidden());
  QVERIFY(!window.widget("BitBtn1")->isHidden());
  auto* url = window.widget<QLineEdit>("URLEdit");
  QVERIFY(url->isHidden());
  QVERIFY(!url->isEnabled());
  QVERIFY(window.widget<QPlainTextEdit>("Memo1")->isReadOnly());

  for (const char* name : {"Label52", "Label53", "Label54", "Label55", "Label56", "Label59"}) {
    auto* label = window.widget<QLabel>(name);
    QVERIFY2(label, name);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
  }
  QVERIFY(window.widget<QFrame>("Panel43"));
  QVERIFY(window.widget<QFrame>("Panel44"));
}

void MainWindowViewTest::firstActivationRunsOnce() {
  Window window;
  QVERIFY(window.show());
  // Without a draw file the activation's show-by-date reports the missing file, and its update
  // run asks the results site once and reports the failure.
  QCOMPARE(window.platform.messages(), (std::vector<std::string>{kNoDrawFile, kOffline}));
  QCOMPARE(window.site->requests, 1);

  // Window-system activations and showing the window again do not start the sequence again.
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(window.view.get(), &activate);
  window.view->hide();
  window.view->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.view.get()));
  QCoreApplication::processEvents();
  QCOMPARE(window.site->requests, 1);
  QCOMPARE(window.platform.messages().size(), std::size_t{2});
}

void MainWindowViewTest::drawButtonsReachTheirHandlers() {
  const auto draws = dailyKenoDraws();
  Window window(draws);
  QVERIFY(window.show());
  QCOMPARE(count(window.platform.messages(), kNoDrawFile), 0);
  QCOMPARE(window.site->requests, 0);
  auto* shown = window.widget<QLabel>("Label35");
  auto* database = window.widget<QLabel>("Label29");
  auto* crossSum = window.widget<QLabel>("Label13");
  auto* picked = window.widget<QDateEdit>("DateTimePicker1");

  // The first activation shows the latest draw: today lies after it.
  QCOMPARE(shown->text(), caption(draws[2], CaptionGap::Normal));
  QCOMPARE(database->text(), shown->text());
  QCOMPARE(crossSum->text(), QStringLiteral("cross sum: %1").arg(draws[2].crossSum()));

  struct Step {
    const char* button;
    std::size_t draw;
  };
  // Back to the first draw and past it, then forward again.
  for (const Step& step : {Step{"SpeedButton6", 1}, Step{"SpeedButton6", 0},
                           Step{"SpeedButton6", 0}, Step{"SpeedButton7", 1}}) {
    QTest::mouseClick(window.widget(step.button), Qt::LeftButton);
    QCOMPARE(shown->text(), caption(draws[step.draw], CaptionGap::Normal));
    QCOMPARE(database->text(), shown->text());
    QCOMPARE(crossSum->text(), QStringLiteral("cross sum: %1").arg(draws[step.draw].crossSum()));
    QCOMPARE(picked->date(), toQDate(draws[step.draw].date));
  }

  // Show by date on the "Database" tab: a date before the first draw shows the first draw, with
  // the wider gap of the file's first record.
  window.showPage("TabSheet2");
  picked->setDate(QDate(2023, 5, 1));
  QCOMPARE(window.form1->form.DateTimePicker1.date(), encodeDate(2023, 5, 1));
  QTest::mouseClick(window.widget("SpeedButton5"), Qt::LeftButton);
  QCOMPARE(database->text(), caption(draws[0], CaptionGap::Wide));
  QCOMPARE(shown->text(), database->text());
  QCOMPARE(picked->date(), QDate(2023, 5, 4));
  QCOMPARE(count(window.platform.messages(), kNoDrawFile), 0);

  // "delete" removes the shown draw (the first) and shows the draw after it.
  QTest::mouseClick(window.widget("BitBtn6"), Qt::LeftButton);
  QCOMPARE(database->text(), caption(draws[1], CaptionGap::Wide));
  QCOMPARE(window.form1->drawReader().load(window.home.file("Vuduro.dat"))->records.size(),
           draws.size() - 1);
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (!folder.isEmpty()) {
    QVERIFY(window.view->grab().save(folder + "/TabSheet2.png"));
    window.showPage("TabSheet1");
    QVERIFY(window.view->grab().save(folder + "/TabSheet1.png"));
  }
}

void MainWindowViewTest::updateButtonsStartTheUpdateRun() {
  Window window(dailyKenoDraws());
  QVERIFY(window.show());
  // Days later draws are due: each update button asks the results site, and the failure
  // reaches the user.
  window.platform.fixClock(kToday + 5);
  const std::size_t before = window.platform.messages().size();
  QTest::mouseClick(window.widget("SpeedButton10"), Qt::LeftButton);
  QCOMPARE(window.site->requests, 1);
  QCOMPARE(window.platform.messages().size(), before + 1);
  QCOMPARE(window.platform.messages().back(), std::string(kOffline));

  window.showPage("TabSheet2");
  QTest::mouseClick(window.widget("BitBtn1"), Qt::LeftButton);
  QCOMPARE(window.site->requests, 2);
  // The run is over: its stop button is hidden again and the buttons enabled.
  QVERIFY(window.widget("SpeedButton8")->isHidden());
  QVERIFY(window.widget("BitBtn1")->isEnabled());
  QVERIFY(window.widget("SpeedButton10")->isEnabled());
}

void MainWindowViewTest::lotteryClickSwitchesTheLottery() {
  Window window(dailyKenoDraws());
  QVERIFY(window.show());
  Form& form = window.form1->form;
  auto* picked = window.widget<QDateEdit>("DateTimePicker1");
  auto* statsStart = window.widget<QDateEdit>("DateTimePicker2");

  QTest::mouseClick(window.widget("RadioGroup1Item0"), Qt::LeftButton);
  QCOMPARE(form.RadioGroup1.itemIndex(), 0);
  QCOMPARE(form.ZahlenFile, std::string("Kenoal.dat"));
  QCOMPARE(window.platform.messages().back(), std::string(kNoDrawFile));
  const std::size_t messages = window.platform.messages().size();
  QCOMPARE(statsStart->date(), QDate(2001, 10, 22));
  QCOMPARE(picked->minimumDate(), QDate(2001, 10, 22));

  QTest::mouseClick(window.widget("RadioGroup1Item1"), Qt::LeftButton);
  QCOMPARE(form.RadioGroup1.itemIndex(), 1);
  QCOMPARE(form.ZahlenFile, std::string("Vuduro.dat"));
  QCOMPARE(picked->minimumDate(), QDate(1996, 4, 29));
  QCOMPARE(statsStart->minimumDate(), QDate(1996, 4, 29));
  QCOMPARE(statsStart->date(), QDate(1996, 4, 29));
  // Today's first draw: the midday draw.
  QCOMPARE(window.widget<QLabel>("Label35")->text(),
           caption(dailyKenoDraws()[1], CaptionGap::Normal));

  // A click on the item already chosen switches nothing.
  QTest::mouseClick(window.widget("RadioGroup1Item1"), Qt::LeftButton);
  QCOMPARE(window.platform.messages().size(), messages);
  QVERIFY(window.widget<QRadioButton>("RadioGroup1Item1")->isChecked());
}

void MainWindowViewTest::hintLineFollowsTheMouse_data() {
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("hint");
  QTest::newRow("update button") << "TabSheet1"
                                 << "SpeedButton10"
                                 << "Updating the lottery numbers from the Internet";
  QTest::newRow("update database") << "TabSheet2"
                                   << "BitBtn1"
                                   << "update database";
  QTest::newRow("statistics start date") << "TabSheet5"
                                         << "DateTimePicker2"
                                         << "With the chosen date starts the evaluation";
  const std::pair<const char*, const char*> chartButtons[] = {
      {"SpeedButton2", "Distribution of numbers drawn"},
      {"SpeedButton9", "Distribution of cross sums"},
      {"SpeedButton1", "How many pairs of which was drawn. Below is the first number of the pair"},
      {"SpeedButton3", "How often triple what was drawn. Below is the first number of the three"},
      {"SpeedButton17", "How often which of four was drawn. Below is the first number of the four"},
      {"SpeedButton19", "Which number was not drawn the longest?"}};
  for (const auto& [button, hint] : chartButtons) {
    QTest::newRow(button) << "TabSheet5" << button << hint;
  }
  QTest::newRow("edit tip") << "TabSheet1"
                            << "SpeedEdit"
                            << "numbers of the selected editing tips";
  QTest::newRow("delete tips") << "TabSheet1"
                               << "SpeedButton11"
                               << "Delete all tips";
  // Once every button beside it showed the hint of "Delete all tips".
  QTest::newRow("evaluation") << "TabSheet1"
                              << "auswertung"
                              << "Auswertung und Ermittlung der Gewinnsumme";
  QTest::newRow("previous draw") << "TabSheet1"
                                 << "SpeedButton6"
                                 << "previous draw";
  QTest::newRow("close") << "TabSheet1"
                         << "CloseButton"
                         << "close";
}

void MainWindowViewTest::hintLineFollowsTheMouse() {
  QFETCH(QString, page);
  QFETCH(QString, control);
  QFETCH(QString, hint);
  Window window;
  QVERIFY(window.show());
  window.showPage(qPrintable(page));
  enter(window.widget(qPrintable(control)));
  QCOMPARE(window.panel(1), hint);
  // The panel reaches to the window's edge, not its designed 50 pixels. A hint that still does
  // not fit ends in "…", and the panel's tooltip holds all of it.
  auto* panel = window.widget<HintPanel>("StatusBar1Panel1");
  QCoreApplication::processEvents();
  QVERIFY(panel->contentsRect().width() > 350);
  // Beside the first panel, not over it, however long the hint.
  QVERIFY(panel->geometry().left() > window.widget("StatusBar1Panel0")->geometry().right());
  QVERIFY(window.view->width() <= 582);
  if (panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(hint) + 6) {
    QCOMPARE(panel->shownText(), hint);
  } else {
    QVERIFY(panel->shownText().endsWith(QChar(0x2026)));
    QVERIFY(hint.startsWith(panel->shownText().chopped(1)));
    QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), panel->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(panel, &help);
    QTRY_COMPARE(QToolTip::text(), hint);
    QToolTip::hideText();
    // Wide enough, the window shows the whole hint.
    window.view->resize(900, window.view->height());
    QTRY_COMPARE(panel->shownText(), hint);
  }

  // A control without a hint leaves the line alone; leaving the control clears it.
  window.showPage("TabSheet1");
  enter(window.widget("ListBox1"));
  QCOMPARE(window.panel(1), hint);
  leave(window.widget(qPrintable(control)));
  QCOMPARE(window.panel(1), QString());

  // A notice written while the mouse is over the control stays when it leaves.
  enter(window.widget(qPrintable(control)));
  window.form1->form.StatusBar1.setPanel(1, "Reading 05.05.2023");
  window.view->refresh();
  leave(window.widget(qPrintable(control)));
  QCOMPARE(window.panel(1), QStringLiteral("Reading 05.05.2023"));
}

void MainWindowViewTest::userChangesReachTheModel() {
  Window window;
  QVERIFY(window.show());
  Form& form = window.form1->form;

  window.widget<QSpinBox>("UpDown18")->setValue(7);
  QCOMPARE(form.UpDown18.position(), 7);
  auto* tips = window.widget<QSpinBox>("UpDown9");
  tips->setFocus();
  QTest::keyClick(tips, Qt::Key_Up);
  QCOMPARE(form.UpDown9.position(), 6);
  // The up-down's edit field is a control of its own: its text follows.
  QCOMPARE(form.Edit1.text(), std::string("6"));

  auto* cost = window.widget<QComboBox>("ComboBox1");
  cost->setFocus();
  // The activation put the stored choice (the first item) back.
  QCOMPARE(cost->currentIndex(), 0);
  QTest::keyClick(cost, Qt::Key_Down);
  QCOMPARE(form.ComboBox1.itemIndex(), 1);
  // Its change handler ran: the price is stake 2 x 5 tips per ticket x 6 tips.
  QCOMPARE(form.Preis, 60.0);

  QTest::mouseClick(window.widget("CheckBox28"), Qt::LeftButton);
  QVERIFY(!form.CheckBox28.checked());

  window.showPage("TabSheet3");
  auto* host = window.widget<QLineEdit>("ProxyHostEdit");
  QTest::keyClicks(host, "proxy.lan");
  QCOMPARE(form.ProxyHostEdit.text(), std::string("proxy.lan"));
  // Showing the model's text again does not throw the user's cursor back.
  QCOMPARE(host->cursorPosition(), 9);
  auto* port = window.widget<QLineEdit>("ProxyPortEdit");
  port->selectAll();
  QTest::keyClicks(port, "3128");
  QCOMPARE(form.ProxyPortEdit.text(), std::string("3128"));

  // And the other way: what a handler changes in the model shows in the widgets.
  form.UpDown18.setPosition(3);
  form.StatusBar1.setPanel(0, "Max Win:  3x");
  form.SpeedButton8.setVisible(true);
  window.view->refresh();
  QCOMPARE(window.widget<QSpinBox>("UpDown18")->value(), 3);
  QCOMPARE(window.panel(0), QStringLiteral("Max Win:  3x"));
  QVERIFY(!window.widget("SpeedButton8")->isHidden());
}

void MainWindowViewTest::typedDatesAreTakenWhole_data() {
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("picker");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("taken");
  QTest::addColumn<bool>("refused");
  // Typed dates once came out as 09.03.2024 and 22.10.2020.
  QTest::newRow("picked date") << "TabSheet2"
                               << "DateTimePicker1"
                               << "15.03.2024"
                               << "15.03.2024" << false;
  QTest::newRow("a new year's day") << "TabSheet2"
                                    << "DateTimePicker1"
                                    << "01.01.2020"
                                    << "01.01.2020" << false;
  QTest::newRow("statistics start") << "TabSheet5"
                                    << "DateTimePicker2"
                                    << "15.03.2024"
                                    << "15.03.2024" << false;
  QTest::newRow("the limit itself") << "TabSheet5"
                                    << "DateTimePicker2"
                                    << "29.04.1996"
                                    << "29.04.1996" << false;
  QTest::newRow("below the limit") << "TabSheet2"
                                   << "DateTimePicker1"
                                   << "01.01.1990"
                                   << "29.04.1996" << true;
  QTest::newRow("a day below the limit") << "TabSheet5"
                                         << "DateTimePicker2"
                                         << "28.04.1996"
                                         << "29.04.1996" << true;
}

void MainWindowViewTest::typedDatesAreTakenWhole() {
  QFETCH(QString, page);
  QFETCH(QString, picker);
  QFETCH(QString, typed);
  QFETCH(QString, taken);
  QFETCH(bool, refused);
  Window window;
  QVERIFY(window.show());
  window.showPage(qPrintable(page));
  auto* field = window.widget<QDateEdit>(qPrintable(picker));
  auto* model = dynamic_cast<DatePicker*>(window.form1->form.registry.find(picker.toStdString()));
  QVERIFY(field && model);
  window.form1->form.StatusBar1.setPanel(1, "");
  window.view->refresh();

  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, typed);
  QTest::keyClick(field, Qt::Key_Return);
  const QDate expected = QDate::fromString(taken, QStringLiteral("dd.MM.yyyy"));
  QCOMPARE(toQDate(model->date()), expected);
  QCOMPARE(field->date(), expected);
  QCOMPARE(field->text(), taken);
  if (refused) {
    QCOMPARE(window.panel(1),
             QStringLiteral("No date before 29.04.1996: the field shows the earliest one"));
  } else {
    QCOMPARE(window.panel(1), QString());
  }
}

void MainWindowViewTest::typedTextThatIsNoDateChangesNothing() {
  Window window;
  QVERIFY(window.show());
  window.showPage("TabSheet2");
  auto* field = window.widget<QDateEdit>("DateTimePicker1");
  const DayCount before = window.form1->form.DateTimePicker1.date();
  struct Typing {
    const char* text;
    Qt::Key end;
    const char* hint;
  };
  const Typing typings[] = {
      {"31.02.2024", Qt::Key_Return, "31.02.2024 is no date: type it as dd.mm.yyyy"},
      {"15.03", Qt::Key_Return, "15.03 is no date: type it as dd.mm.yyyy"},
      {"15.03.2024", Qt::Key_Escape, ""}};
  for (const Typing& typing : typings) {
    window.form1->form.StatusBar1.setPanel(1, "");
    window.view->refresh();
    QTest::keyClicks(field, QString::fromLatin1(typing.text));
    QTest::keyClick(field, typing.end);
    QCOMPARE(window.form1->form.DateTimePicker1.date(), before);
    QCOMPARE(field->date(), toQDate(before));
    QCOMPARE(window.panel(1), QString::fromLatin1(typing.hint));
  }
}

void MainWindowViewTest::tipAndHitListSelectTogether() {
  Window window;
  QVERIFY(window.show());
  Form& form = window.form1->form;
  form.ListBox1.setLines({"01,02,03", "04,05,06", "07,08,09"});
  form.ListBox2.setLines({"0", "1", "2"});
  window.view->refresh();
  auto* tips = window.widget<QListWidget>("ListBox1");
  auto* hits = window.widget<QListWidget>("ListBox2");
  QCOMPARE(tips->count(), 3);

  QTest::mouseClick(tips->viewport(), Qt::LeftButton, {},
                    tips->visualItemRect(tips->item(1)).center());
  QCOMPARE(form.ListBox1.itemIndex(), 1);
  QCOMPARE(form.ListBox2.itemIndex(), 1);
  QCOMPARE(hits->currentRow(), 1);
  QCOMPARE(window.widget<QLabel>("Label23")->text(), QStringLiteral("1. ticket"));
  QCOMPARE(window.widget<QLabel>("Label24")->text(), QStringLiteral("2. tip"));

  QTest::mouseClick(hits->viewport(), Qt::LeftButton, {},
                    hits->visualItemRect(hits->item(2)).center());
  QCOMPARE(form.ListBox1.itemIndex(), 2);
  QCOMPARE(tips->currentRow(), 2);
  QCOMPARE(window.widget<QLabel>("Label24")->text(), QStringLiteral("3. tip"));
}

void MainWindowViewTest::addressLabelsOpenTheirAddress_data() {
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("opened");
  const QString product = QStringLiteral("https://www.veltrin.example/numora-canada");
  QTest::newRow("product page") << "TabSheet3"
                                << "Label52" << product;
  QTest::newRow("maker") << "TabSheet3"
                         << "Label55"
                         << "https://www.veltrin.example";
  QTest::newRow("other product") << "TabSheet3"
                                 << "Label59"
                                 << "https://www.veltrin.example/numora-euro";
  QTest::newRow("banner address") << "TabSheet1"
                                  << "Label43" << product;
  QTest::newRow("banner name") << "TabSheet1"
                               << "Label44" << product;
  QTest::newRow("banner panel") << "TabSheet1"
                                << "Panel44" << product;
}

void MainWindowViewTest::addressLabelsOpenTheirAddress() {
  QFETCH(QString, page);
  QFETCH(QString, control);
  QFETCH(QString, opened);
  Window window;
  QVERIFY(window.show());
  window.showPage(qPrintable(page));
  QWidget* widget = window.widget(qPrintable(control));
  QVERIFY(widget);
  // On a banner panel the click lands beside its label, on the panel's frame.
  const QPoint where = control.startsWith("Panel") ? QPoint(1, 1) : widget->rect().center();
  QTest::mouseClick(widget, Qt::LeftButton, {}, where);
  QCOMPARE(window.platform.opened(), std::vector<std::string>{opened.toStdString()});
}

void MainWindowViewTest::tallerWindowScalesTheTabContents() {
  Window window;
  QVERIFY(window.show());
  auto* header = window.widget<QLabel>("Label25");
  auto* draw = window.widget<QLabel>("Label35");
  const QRect designed = header->geometry();
  QCOMPARE(header->font().pixelSize(), 13);
  const int drawFont = draw->font().pixelSize();

  // A third taller: positions, sizes and fonts a third larger.
  window.view->resize(582, 712);
  QTRY_COMPARE(window.view->height(), 712);
  QCOMPARE(header->font().pixelSize(), 17);
  QCOMPARE(draw->font().pixelSize(), qRound(drawFont * 4.0 / 3.0));
  QCOMPARE(header->geometry(),
           QRect(qRound(designed.x() * 4.0 / 3.0), qRound(designed.y() * 4.0 / 3.0),
                 qRound(designed.width() * 4.0 / 3.0), qRound(designed.height() * 4.0 / 3.0)));
  const QRect scaled = header->geometry();

  // On the "Chart" tab the button row grows with the rest, and the chart fills what it leaves.
  window.showPage("TabSheet5");
  auto* row = window.widget("Panel16");
  auto* chart = window.widget("Chart1");
  QWidget* page = window.widget("TabSheet5");
  QTRY_COMPARE(row->height(), 48);
  QTRY_COMPARE(chart->geometry(), QRect(0, row->geometry().bottom() + 1, page->width(),
                                        page->height() - row->height()));

  // Wider alone: nothing changes but the chart's width.
  window.view->resize(800, 712);
  QTRY_COMPARE(window.view->width(), 800);
  QTRY_COMPARE(chart->width(), page->width());
  QCOMPARE(row->height(), 48);
  QCOMPARE(header->font().pixelSize(), 17);
  QCOMPARE(header->geometry(), scaled);

  // Back to the designed height: the designed geometry again, without rounding drift.
  window.view->resize(800, 534);
  QTRY_COMPARE(window.view->height(), 534);
  QCOMPARE(header->font().pixelSize(), 13);
  QCOMPARE(header->geometry(), designed);
}

void MainWindowViewTest::closeButtonSavesTheSettings() {
  Window window;
  QVERIFY(window.show());
  QTest::mouseClick(window.widget<QRadioButton>("RadioGroup1Item0"), Qt::LeftButton);
  // Saved as it changed, not only at closing.
  QCOMPARE(window.settings.readInteger("Radio1"), std::optional<int>(0));
  window.settings.writeInteger("Radio1", 1);
  QTest::mouseClick(window.widget("CloseButton"), Qt::LeftButton);
  QVERIFY(!window.view->isVisible());
  QCOMPARE(window.settings.readInteger("Radio1"), std::optional<int>(0));
  QCOMPARE(window.settings.readString("ProxyPortEdit"), std::optional<std::string>("80"));
}

void MainWindowViewTest::windowGoesWithTheFocusInAField() {
  // The focus leaves the total-tips field only as the window is destroyed: no handler runs any
  // more (the full check would rebuild the hit list).
  Window window(dailyKenoDraws());
  QVERIFY(window.show());
  Form& form = window.form();
  form.ListBox1.setLines({"44,46,47"});
  form.ListBox2.setLines({"kept"});
  window.view->refresh();
  auto* total = window.widget<QSpinBox>("UpDown9");
  total->setFocus();
  QVERIFY(total->hasFocus());
  window.view.reset();
  QCOMPARE(form.ListBox2.lines(), std::vector<std::string>{"kept"});
}

}  // namespace numora

QTEST_MAIN(numora::MainWindowViewTest)
#include "qt_main_window_view_test.moc"
