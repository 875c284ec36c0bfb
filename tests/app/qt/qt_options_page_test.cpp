// The "Options" tab: every option control is on one of its four pages with its caption, the
// up-downs show thousands grouped and bring a typed value into their range when the field is
// left, and the arrows of the coupled up-downs run their handlers. With NUMORA_SCREENSHOTS set
// to a folder, the four pages are saved there as PNG files to be looked at.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QStyleOptionSpinBox>

namespace numora {
namespace {

using test::Window;

// The page an option control sits on, by the designed name of that page.
struct OptionControl {
  const char* name;
  const char* page;
};

const OptionControl kOptionControls[] = {
    {"CheckBox2", "TabSheet8"},   {"UpDown12", "TabSheet8"},        {"CheckBox10", "TabSheet8"},
    {"UpDown13", "TabSheet8"},    {"CheckBox14", "TabSheet8"},      {"UpDown14", "TabSheet8"},
    {"CheckBox9", "TabSheet8"},   {"UpDown6", "TabSheet8"},         {"CheckBox17", "TabSheet8"},
    {"UpDown19", "TabSheet8"},    {"UpDown20", "TabSheet8"},        {"CheckBox4", "TabSheet8"},
    {"UpDown4", "TabSheet8"},     {"UpDown21", "TabSheet8"},        {"CheckBox5", "TabSheet8"},
    {"UpDown5", "TabSheet8"},     {"UpDown22", "TabSheet8"},        {"CheckBox23", "TabSheet8"},
    {"UpDown11", "TabSheet8"},    {"UpDown23", "TabSheet8"},        {"Label62", "TabSheet8"},
    {"CheckBox19", "TabSheet8"},  {"CheckBox31", "TabSheet8"},      {"ComboBox3", "TabSheet8"},
    {"CheckBox30", "TabSheet8"},  {"DateTimePicker3", "TabSheet8"}, {"Label48", "TabSheet8"},
    {"ComboBox2", "TabSheet8"},   {"CheckBox3", "TabSheet9"},       {"UpDown3", "TabSheet9"},
    {"CheckBox24", "TabSheet9"},  {"UpDown1", "TabSheet9"},         {"CheckBox27", "TabSheet9"},
    {"CheckBox8", "TabSheet9"},   {"CheckBox18", "TabSheet9"},      {"CheckBox1", "TabSheet9"},
    {"CheckBox11", "TabSheet9"},  {"CheckBox6", "TabSheet9"},       {"CheckBox12", "TabSheet9"},
    {"CheckBox7", "TabSheet9"},   {"CheckBox13", "TabSheet9"},      {"Label42", "TabSheet10"},
    {"UpDown2", "TabSheet10"},    {"UpDown15", "TabSheet10"},       {"CheckBox22", "TabSheet10"},
    {"UpDown10", "TabSheet10"},   {"CheckBox25", "TabSheet10"},     {"UpDown16", "TabSheet10"},
    {"CheckBox26", "TabSheet10"}, {"UpDown17", "TabSheet10"},       {"CheckBox20", "TabSheet11"},
    {"CheckBox15", "TabSheet11"}, {"Label57", "TabSheet11"},        {"UpDown7", "TabSheet11"},
    {"Label58", "TabSheet11"},
};

QString shownCaption(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  return {};
}

bool isOn(QWidget* widget, QWidget* page) {
  for (QWidget* w = widget; w; w = w->parentWidget()) {
    if (w == page) return true;
  }
  return false;
}

// Presses and releases the mouse on an up-down's upper or lower arrow.
void clickArrow(QSpinBox* spin, bool up) {
  QStyleOptionSpinBox option;
  option.initFrom(spin);
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  const QRect arrow = spin->style()->subControlRect(
      QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, spin);
  QTest::mouseClick(spin, Qt::LeftButton, {}, arrow.center());
}

}  // namespace

class OptionsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::Canada)); }
  void init();
  void cleanup();
  void everyOptionControlSitsOnItsPageWithItsCaption();
  void upDownsGroupThousandsAndBringTypedValuesIntoTheirRange();
  void upDownsFollowTheUsersLocale();
  void arrowsRunTheCouplingHandlers();
  void screenshots();

 private:
  QSpinBox* spin(const char* name) { return window->widget<QSpinBox>(name); }
  int position(const char* upDown) {
    return window->form().upDown(std::stoi(std::string(upDown).substr(6)))->position();
  }
  void showInner(const char* pageName) {
    window->widget<QTabWidget>("PageControl2")->setCurrentWidget(window->widget(pageName));
    QCoreApplication::processEvents();
  }

  std::unique_ptr<Window> window;
};

void OptionsPageTest::init() {
  window = std::make_unique<Window>();
  QVERIFY(window->show());
  window->showPage("TabSheet6");
}

void OptionsPageTest::cleanup() {
  window.reset();
}

void OptionsPageTest::everyOptionControlSitsOnItsPageWithItsCaption() {
  for (const auto& [name, page] : kOptionControls) {
    QWidget* widget = window->widget(name);
    QVERIFY2(widget, name);
    QVERIFY2(isOn(widget, window->widget(page)), name);
    const Control& control = *window->form().registry.find(name);
    QCOMPARE(shownCaption(widget).toStdString(), control.caption());
    QCOMPARE(widget->toolTip().toStdString(), control.hint());
  }
  // The weekday choice is kept but never shown.
  QVERIFY(window->widget("ComboBox2")->isHidden());
  QVERIFY(window->widget("Label48")->isHidden());
  QCOMPARE(window->widget<QCheckBox>("CheckBox9")->text(),
           QStringLiteral("Tip must still comply with any               from the database"));
  QCOMPARE(
      window->widget<QSpinBox>("UpDown12")->toolTip(),
      QStringLiteral("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen"));
  const QStringList tabs = {"statistical", "ticket optimization", "mathematically", "general"};
  auto* inner = window->widget<QTabWidget>("PageControl2");
  QCOMPARE(inner->count(), tabs.size());
  for (int i = 0; i < inner->count(); ++i) QCOMPARE(inner->tabText(i), tabs[i]);
}

void OptionsPageTest::upDownsGroupThousandsAndBringTypedValuesIntoTheirRange() {
  // Focus moves only within the active window.
  window->view->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window->view.get()));
  showInner("TabSheet10");
  QSpinBox* maximum = spin("UpDown15");
  // The user's locale groups the thousands (English here: see initTestCase).
  QCOMPARE(maximum->findChild<QLineEdit*>("Edit38")->text(), QStringLiteral("1,200"));
  QCOMPARE(maximum->minimum(), 750);
  QCOMPARE(maximum->maximum(), 1400);

  // Typed values: a keystroke that goes above the range is not taken; a value below it goes to
  // the lower limit when the field is left.
  struct TypedCase {
    const char* upDown;
    const char* typed;
    int position;
    const char* shown;
  };
  const TypedCase cases[] = {
      {"UpDown15", "700", 750, "750"},
      {"UpDown15", "1,300", 1300, "1,300"},
      {"UpDown2", "0", 1, "1"},
      {"UpDown15", "9999", 999, "999"},
  };
  for (const auto& c : cases) {
    const QByteArray what = QByteArray(c.upDown) + " typed " + c.typed;
    QSpinBox* box = spin(c.upDown);
    QLineEdit* line = box->findChild<QLineEdit*>();
    box->setFocus();
    line->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(c.typed));
    // Leaving the field.
    spin("UpDown10")->setFocus();
    QCoreApplication::processEvents();
    QVERIFY2(position(c.upDown) == c.position, what.constData());
    QVERIFY2(line->text() == QString::fromLatin1(c.shown),
             (what + ": " + line->text().toUtf8()).constData());
  }
}

// The thousands read as the user reads them, never as a German "1.200" (1.2 to an English eye).
void OptionsPageTest::upDownsFollowTheUsersLocale() {
  const struct {
    QLocale locale;
    QString shown;
  } cases[] = {
      {QLocale(QLocale::English, QLocale::Canada), QStringLiteral("1,200")},
      // A (no-break) space between the thousands, whichever one the locale data names.
      {QLocale(QLocale::French, QLocale::Canada),
       QStringLiteral("1") + QLocale(QLocale::French, QLocale::Canada).groupSeparator() + "200"},
  };
  QVERIFY(QLocale(QLocale::French, QLocale::Canada).groupSeparator().at(0).isSpace());
  for (const auto& c : cases) {
    QLocale::setDefault(c.locale);
    window = std::make_unique<Window>();
    QVERIFY(window->show());
    window->showPage("TabSheet6");
    showInner("TabSheet10");
    QCOMPARE(spin("UpDown15")->findChild<QLineEdit*>("Edit38")->text(), c.shown);
  }
  QLocale::setDefault(QLocale(QLocale::English, QLocale::Canada));
}

void OptionsPageTest::arrowsRunTheCouplingHandlers() {
  Form& form = window->form();
  showInner("TabSheet9");
  form.UpDown3.setPosition(2);
  window->view->refresh();
  // Pressing the maximum's arrow while it shows 2 caps the minimum at 2.
  clickArrow(spin("UpDown3"), true);
  QCOMPARE(form.UpDown3.position(), 3);
  QCOMPARE(form.UpDown1.max(), 2);
  QCOMPARE(spin("UpDown1")->maximum(), 2);
  // Releasing the minimum's arrow at 2 makes 2 the lowest maximum.
  clickArrow(spin("UpDown1"), true);
  QCOMPARE(form.UpDown1.position(), 2);
  QCOMPARE(form.UpDown3.min(), 2);

  showInner("TabSheet10");
  form.UpDown17.setPosition(4);
  window->view->refresh();
  clickArrow(spin("UpDown16"), true);
  QCOMPARE(form.UpDown16.max(), 2);
  QCOMPARE(form.UpDown16.position(), 2);
  QCOMPARE(spin("UpDown16")->value(), 2);

  // The budget follows the position the arrow gives.
  showInner("TabSheet11");
  clickArrow(spin("UpDown7"), true);
  QCOMPARE(form.UpDown7.position(), 11);
  QCOMPARE(form.LaufMax, 11000);
}

void OptionsPageTest::screenshots() {
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  if (folder.isEmpty()) QSKIP("NUMORA_SCREENSHOTS not set");
  for (const char* page : {"TabSheet8", "TabSheet9", "TabSheet10", "TabSheet11"}) {
    showInner(page);
    QVERIFY(window->view->grab().save(folder + "/" + page + ".png"));
  }
  // Taller by a third: the up-downs stay in the gaps of their sentences.
  window->view->resize(window->view->width(), window->view->height() * 4 / 3);
  QCoreApplication::processEvents();
  showInner("TabSheet8");
  QVERIFY(window->view->grab().save(folder + "/TabSheet8-taller.png"));
}

}  // namespace numora

QTEST_MAIN(numora::OptionsPageTest)
#include "qt_options_page_test.moc"
