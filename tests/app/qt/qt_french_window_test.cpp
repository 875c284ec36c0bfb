// The window in French: the language follows the locale (French for fr_CA and fr_FR, English
// for every other one) unless the "general" options page chose one; captions, patterns with
// numbers and the tabs read in French and fit their places at the design size. With
// NUMORA_SCREENSHOTS set to a folder, every tab is saved there in French as a PNG file.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include "app/qt/language_choice.h"
#include "app/qt/view_translation.h"

namespace numora {
namespace {

using test::Window;

constexpr const char* kPages[] = {"TabSheet1", "TabSheet6",    "TabSheet5",
                                  "TabSheet2", "TabSheetOdds", "TabSheet3"};
constexpr const char* kOptionPages[] = {"TabSheet8", "TabSheet9", "TabSheet10", "TabSheet11"};

// The window's French translation, loaded as the program loads it at start.
class FrenchTranslation {
 public:
  FrenchTranslation() {
    for (const QString& folder : translationFolders()) {
      if (translator_.load(QStringLiteral("numora_fr"), folder)) break;
    }
    loaded_ = !translator_.isEmpty() && QCoreApplication::installTranslator(&translator_);
  }
  ~FrenchTranslation() { QCoreApplication::removeTranslator(&translator_); }
  bool loaded() const { return loaded_; }

 private:
  QTranslator translator_;
  bool loaded_ = false;
};

// Every label and button on the widget's visible pages that shows more text than its width
// holds (a word-wrapped label may take more lines).
QStringList cutTexts(QWidget* page) {
  QStringList cut;
  for (QWidget* widget : page->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(page)) continue;
    QString text;
    int room = 0;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->wordWrap() || label->text().contains(QLatin1Char('\n'))) continue;
      text = label->text();
      room = label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      if (button->text().isEmpty() || !button->icon().isNull()) continue;
      text = button->text();
      // The check box's or radio button's indicator and the push button's bevel take some room.
      room = button->width() - (qobject_cast<QPushButton*>(button) ? 8 : 20);
    } else {
      continue;
    }
    const int needed = widget->fontMetrics().horizontalAdvance(text.trimmed());
    if (needed > room) {
      cut << QStringLiteral("%1 (%2 of %3 px): %4")
                 .arg(widget->objectName())
                 .arg(needed)
                 .arg(room)
                 .arg(text);
    }
  }
  return cut;
}

class FrenchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void languageFollowsTheLocaleUnlessChosen_data();
  void languageFollowsTheLocaleUnlessChosen();
  void theChoiceIsKeptInTheSettings();
  void textsWithNumbersKeepTheirNumbers();
  void englishWindowStaysEnglish();
  void frenchWindowReadsInFrench();
  void frenchTextsFitAtTheDesignSize();
};

void FrenchWindowTest::languageFollowsTheLocaleUnlessChosen_data() {
  QTest::addColumn<int>("choice");
  QTest::addColumn<QString>("locale");
  QTest::addColumn<bool>("french");
  QTest::newRow("automatic, fr_CA") << 0 << "fr_CA" << true;
  QTest::newRow("automatic, fr_FR") << 0 << "fr_FR" << true;
  QTest::newRow("automatic, en_CA") << 0 << "en_CA" << false;
  QTest::newRow("automatic, de_DE") << 0 << "de_DE" << false;
  QTest::newRow("English, fr_CA") << 1 << "fr_CA" << false;
  QTest::newRow("French, en_US") << 2 << "en_US" << true;
}

void FrenchWindowTest::languageFollowsTheLocaleUnlessChosen() {
  QFETCH(int, choice);
  QFETCH(QString, locale);
  QFETCH(bool, french);
  QCOMPARE(windowInFrench(static_cast<LanguageChoice>(choice), QLocale(locale)), french);
}

void FrenchWindowTest::theChoiceIsKeptInTheSettings() {
  Window window;
  QVERIFY(window.show());
  QCOMPARE(readLanguageChoice(window.settings), LanguageChoice::Automatic);
  // A value no version wrote reads as automatic.
  window.settings.writeInteger(kLanguageSetting, 7);
  QCOMPARE(readLanguageChoice(window.settings), LanguageChoice::Automatic);

  window.showPage("TabSheet6");
  auto* choice = window.widget<QComboBox>("LanguageComboBox");
  QVERIFY(choice);
  QCOMPARE(choice->count(), 3);
  QCOMPARE(choice->itemText(2), QStringLiteral("Français"));
  choice->setCurrentIndex(2);
  emit choice->activated(2);
  QCOMPARE(readLanguageChoice(window.settings), LanguageChoice::French);
}

void FrenchWindowTest::textsWithNumbersKeepTheirNumbers() {
  // Without a translation every text shows as the model has it.
  QCOMPARE(viewText("3. ticket"), QStringLiteral("3. ticket"));
  FrenchTranslation french;
  QVERIFY(french.loaded());
  struct Case {
    const char* shown;
    const char* expected;
  };
  const Case cases[] = {
      {"Total Tips", "Grilles au total"},
      {"3. ticket", "Billet 3"},
      {"12. tip", "Grille 12"},
      {"Test how often the numbers appear in the next 3 drawings",  // a whole text first
       "Tester combien de numéros reviennent dans les 3 tirages suivants"},
      {"Import from Text: 37%", "Importation du texte : 37 %"},
      {"No date before 22.10.2001: the field shows the earliest one",
       "Aucune date avant le 22.10.2001 : le champ affiche la plus ancienne"},
      {"Keno Atlantic", "Keno Atlantic"},  // lottery names stay
      {"10", "10"},                        // a number alone is no text
      {"", ""},
      {"A text nobody marked 5", "A text nobody marked 5"},
  };
  for (const Case& c : cases) {
    QCOMPARE(viewText(c.shown), QString::fromUtf8(c.expected));
  }
}

void FrenchWindowTest::englishWindowStaysEnglish() {
  Window window;
  QVERIFY(window.show());
  auto* tabs = window.widget<QTabWidget>("PageControl1");
  QCOMPARE(tabs->tabText(0), QStringLiteral("Keno-Tips"));
  QCOMPARE(window.widget<QLabel>("Label61")->text(), QStringLiteral("Numbers per Tip"));
  QCOMPARE(window.widget<QLabel>("Label23")->text(), QStringLiteral("1. ticket"));
}

void FrenchWindowTest::frenchWindowReadsInFrench() {
  FrenchTranslation french;
  QVERIFY(french.loaded());
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  auto* tabs = window.widget<QTabWidget>("PageControl1");
  QCOMPARE(tabs->tabText(0), QStringLiteral("Grilles Keno"));
  QCOMPARE(tabs->tabText(3), QStringLiteral("Tirages"));
  QCOMPARE(window.widget<QLabel>("Label61")->text(), QStringLiteral("Numéros par grille"));
  QCOMPARE(window.widget<QAbstractButton>("ImportButton")->text(),
           QStringLiteral("Importer un texte"));
  QCOMPARE(window.widget<QWidget>("SpeedButton11")->toolTip(),
           QStringLiteral("Effacer toutes les grilles"));
  // The lottery names stay as they are.
  QCOMPARE(window.widget<QAbstractButton>("RadioGroup1Item1")->text(),
           QStringLiteral("Daily Keno"));
  // A caption the model puts together with a number: the third tip of two per ticket.
  for (const char* tip : {"1,2,3,4,5", "6,7,8,9,10", "11,12,13,14,15"}) {
    window.form().ListBox1.add(tip);
  }
  window.form().UpDown8.setPosition(2);
  window.form().ListBox1.setItemIndex(2);
  window.form1->handle([&] { window.form1->ListBox1Click(); });
  window.view->refresh();
  QCOMPARE(window.widget<QLabel>("Label23")->text(), QStringLiteral("Billet 2"));
  QCOMPARE(window.widget<QLabel>("Label24")->text(), QStringLiteral("Grille 1"));
  // The model keeps its English texts: numora-cli and the files see them unchanged.
  QCOMPARE(window.form().Label23.caption(), std::string("2. ticket"));
  QCOMPARE(window.form().PageControl1.pages().front(), std::string("Keno-Tips"));
}

void FrenchWindowTest::frenchTextsFitAtTheDesignSize() {
  FrenchTranslation french;
  QVERIFY(french.loaded());
  Window window;  // no draws: the first-start hint takes the draw caption
  QVERIFY(window.show());
  window.view->resize(TForm1::kClientWidth, TForm1::kClientHeight);
  QCoreApplication::processEvents();
  const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
  auto* options = window.widget<QTabWidget>("PageControl2");
  QStringList cut;
  const auto look = [&](const QString& name, QWidget* page) {
    QCoreApplication::processEvents();
    cut << cutTexts(page);
    if (!folder.isEmpty()) {
      QVERIFY(window.view->grab().save(QStringLiteral("%1/fr-%2.png").arg(folder, name)));
    }
  };
  for (const char* page : kPages) {
    window.showPage(page);
    if (QLatin1String(page) != QLatin1String("TabSheet6")) {
      look(QString::fromLatin1(page), window.widget(page));
      continue;
    }
    for (const char* inner : kOptionPages) {
      options->setCurrentWidget(window.widget(inner));
      look(QStringLiteral("%1-%2").arg(QString::fromLatin1(page), QString::fromLatin1(inner)),
           window.widget(inner));
    }
  }
  QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

}  // namespace
}  // namespace numora

QTEST_MAIN(numora::FrenchWindowTest)
#include "qt_french_window_test.moc"
