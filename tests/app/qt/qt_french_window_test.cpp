// The window in French: the language follows the locale (French for fr_CA and fr_FR, English
// for every other one) unless the "general" options page chose one; captions, patterns with
// numbers and the tabs read in French and fit their places at the design size; so do the
// messages, refusals, prompts, file filters and progress texts the model puts together from
// marked patterns, and the buttons of Qt's own dialogs. With NUMORA_SCREENSHOTS set to a
// folder, every tab is saved there in French as a PNG file.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <functional>

#include "app/qt/language_choice.h"
#include "app/qt/view_translation.h"
#include "app/qt/window_text.h"
#include "app/sweep_page.h"
#include "backtest/backtest_report.h"
#include "common/translatable.h"
#include "draws/current_draw.h"
#include "draws/damaged_records.h"
#include "draws/draw_caption.h"
#include "draws/draw_file.h"
#include "draws/draw_import.h"
#include "draws/draw_merge.h"
#include "draws/draw_text_import.h"
#include "form/progress_display.h"
#include "import/results_page_check.h"
#include "tips/historical_search.h"

namespace numora {
namespace {

using test::answerNextDialog;
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

// The texts of the model that the tests show, each as the model itself puts it together.
std::string importedSummary() {
  // A good line, a line with a number out of range, a line that repeats the first.
  const std::string text =
      "2023-05-01,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\n"
      "2023-05-02,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,71\n"
      "2023-05-01,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\n";
  const DrawImportRules rules{encodeDate(2001, 10, 22), encodeDate(2023, 5, 5), false};
  const DrawTextImport parsed = parseDrawText(text, rules);
  return importSummary(mergeImportedDraws({}, parsed.draws, rules), parsed);
}

std::string missingFileError() {
  try {
    checkImportFile("/no such folder/draws 2023.txt");
  } catch (const DrawFileError& error) {
    return error.what();
  }
  return {};
}

std::string middayCaption() {
  const WeekdayNames names{"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
  return drawCaption(test::dailyKenoDraws()[1], CaptionGap::Normal, names);
}

std::string backtestHeading() {
  BacktestTotals totals;
  totals.kind = BacktestKind::PerDraw;
  totals.hits[0] = 200;
  totals.hits[1] = 40;
  totals.cycles = 1;
  return reportHeading(totals, 1, encodeDate(2023, 5, 1), encodeDate(2023, 5, 5));
}

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
  void modelTextsReadInFrench_data();
  void modelTextsReadInFrench();
  void dialogsShowTheirTextsInFrench();
  void progressAndExplanationReadInFrench();
  void theChancePageReadsInFrench();
  void qtsOwnButtonsReadInFrench();
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

void FrenchWindowTest::modelTextsReadInFrench_data() {
  QTest::addColumn<QString>("english");
  QTest::addColumn<QString>("french");
  const auto row = [](const char* name, const std::string& english, const char* french) {
    QTest::newRow(name) << QString::fromStdString(english) << QString::fromUtf8(french);
  };
  row("a file error names the file", missingFileError(),
      "Impossible d'ouvrir le fichier « /no such folder/draws 2023.txt »");
  row("an import summary, a line at a time", importedSummary(),
      "1 tirages ajoutés, 0 déjà enregistrés, 2 refusés\n"
      "ligne 2 : « 71 » n'est pas un numéro de 1 à 70\n"
      "ligne 3 : répète la ligne 1");
  row("damaged records, sentence by sentence",
      damagedRecordsMessage("Kenoal.dat", DrawFileCheck{{3, 4}, 2}, 5),
      "Le fichier des tirages Kenoal.dat contient 2 enregistrements endommagés "
      "(enregistrements 4, 5 sur 5) : une date impossible, des numéros qui ne forment pas un "
      "tirage ou une date hors d'ordre. La mise à jour reprend après le dernier tirage "
      "intact et n'enregistre jamais un tirage deux fois. Pour les enlever, fermez le "
      "programme, gardez une copie du fichier et réduisez-le à ses 3 premiers enregistrements "
      "(120 octets).");
  row("a results page, its month and the stop", incompletePageMessage(encodeDate(2023, 5, 5)),
      "La page des résultats de mai 2023 est arrivée incomplète. La mise à jour s'est "
      "arrêtée au 05.05.2023; les tirages précédents sont conservés et la prochaine mise à jour "
      "reprendra ce jour-là.");
  row("a midday draw's caption", middayCaption(),
      "Fr 05.05.23   (midi)   1  2  4  5  7  8  10  11  13  14  16  17  19  20  22  23  25  "
      "26  28  29");
  row("the back-test report's heading", backtestHeading(),
      "Test de succès des grilles (un calcul par tirage) \u00b7 Daily Keno \u00b7 du 01.05.2023 "
      "au 05.05.2023 \u00b7 1 cycle \u00b7 240 comparaisons");
  row("a prompt", kSearchThresholdCaption, "Arrêter à x numéros concordants");
}

void FrenchWindowTest::modelTextsReadInFrench() {
  QFETCH(QString, english);
  QFETCH(QString, french);
  // An English window shows every text as the model has it.
  QCOMPARE(windowText(english.toStdString()), english);
  FrenchTranslation translation;
  QVERIFY(translation.loaded());
  QCOMPARE(windowText(english.toStdString()), french);
}

void FrenchWindowTest::dialogsShowTheirTextsInFrench() {
  FrenchTranslation french;
  QVERIFY(french.loaded());
  test::ScreenWindow window;
  QVERIFY(window.show());

  // A message box of the real platform.
  QtPlatform platform;
  QString message;
  answerNextDialog<QMessageBox>([&message](QMessageBox* box) {
    message = box->text();
    box->accept();
  });
  platform.showMessage(kNoDrawFileMessage);
  QCOMPARE(message, QStringLiteral("Lisez d'abord les données des tirages"));

  // The lucky number's input box: its caption and its prompt.
  QString caption;
  QString prompt;
  answerNextDialog<QInputDialog>([&](QInputDialog* dialog) {
    caption = dialog->windowTitle();
    prompt = dialog->labelText();
    dialog->reject();
  });
  window.form1->handle([&] { window.form1->SpeedButton13Click(); });
  QCOMPARE(caption, QStringLiteral("votre numéro chanceux (1-99999999)?"));
  QCOMPARE(prompt, QStringLiteral("Entrez votre numéro chanceux pour le hasard!"));

  // The import's file dialog: its filters.
  QStringList filters;
  answerNextDialog<QFileDialog>([&filters](QFileDialog* dialog) {
    filters = dialog->nameFilters();
    dialog->reject();
  });
  window.form1->handle([&] { window.form1->ImportClick(); });
  QCOMPARE(filters, QStringList({QStringLiteral("Fichiers texte et CSV (*.txt *.csv)"),
                                 QStringLiteral("Tous les fichiers (*)")}));
}

// The chance page's title and memo are whole patterns with their counts as values: they read in
// French with the numbers kept.
void FrenchWindowTest::theChancePageReadsInFrench() {
  FrenchTranslation french;
  QVERIFY(french.loaded());
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  window.showPage("TabSheet2");
  (void)window.form().DateTimePicker1.setDate(encodeDate(2023, 5, 4));
  QTest::mouseClick(window.widget<QPushButton>("Button7"), Qt::LeftButton);
  window.showPage("TabSheetOdds");
  QCoreApplication::processEvents();
  QCOMPARE(window.widget<QLabel>("ChanceTitle")->text(),
           QString::fromUtf8("Test de retour (tirage suivant) contre le hasard : 2 comparaisons "
                             "d'une sonde de 20 numéros avec un tirage (2 cycles)"));
  QVERIFY(window.widget<QPlainTextEdit>("ChanceMemo")
              ->toPlainText()
              .startsWith(QString::fromUtf8("Trop peu de comparaisons pour le test")));
}

void FrenchWindowTest::progressAndExplanationReadInFrench() {
  FrenchTranslation french;
  QVERIFY(french.loaded());
  test::ScreenWindow window(
      test::generateHistory(encodeDate(2023, 3, 1), encodeDate(2023, 5, 5), true, 5));
  QVERIFY(window.show());
  Form& form = window.form();

  // The progress bar's text while a sweep runs.
  {
    ProgressDisplay progress(form.WorkProgress, 10, sweepProgressText({3, 10, 42.0}));
    window.view->refresh();
    QCOMPARE(window.widget<QProgressBar>("WorkProgress")->text(),
             QStringLiteral("Balayage : 3 réglages sur 10, environ 42 s restantes"));
  }

  // A calculation that cannot find its tips says why beside the tip list, in French: six
  // primes and six even numbers in a ten-number tip.
  form.CheckBox22.setChecked(true);
  form.UpDown10.setPosition(6);
  form.CheckBox25.setChecked(true);
  form.UpDown16.setPosition(6);
  form.UpDown7.setPosition(1);
  window.view->refresh();
  QTest::mouseClick(window.widget<QPushButton>("BitBtn4"), Qt::LeftButton);
  QVERIFY(window.waitForWork());
  const QStringList why =
      window.widget<QPlainTextEdit>("TipExplanation")->toPlainText().split(QLatin1Char('\n'));
  QCOMPARE(why.value(0),
           QStringLiteral("Jamais réunis : au moins 6 nombres premiers et au moins 6 nombres "
                          "pairs dans une grille de 10 numéros (2 est le seul nombre premier "
                          "pair) (Options \u203a mathématiques)."));
  QVERIFY2(why.last().startsWith(QStringLiteral("Pour laisser passer le plus de candidates : ")),
           qPrintable(why.last()));
  QCOMPARE(window.panel(1), QStringLiteral("Modifiez les paramètres pour calculer 5 grilles"));
  // The model keeps its English explanation: numora-cli reports it unchanged.
  QVERIFY(form.TipExplanation.text().starts_with("Never met together: "));
}

void FrenchWindowTest::qtsOwnButtonsReadInFrench() {
  QTranslator* qt = installQtTranslation(*QCoreApplication::instance());
  if (!qt) QSKIP("Qt's French translation (qt6-translations-l10n) is not installed");
  QMessageBox box(QMessageBox::Question, QStringLiteral("Numora"), QStringLiteral("?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  const struct {
    QMessageBox::StandardButton button;
    const char* text;
  } cases[] = {
      {QMessageBox::Yes, "&Oui"}, {QMessageBox::No, "&Non"}, {QMessageBox::Cancel, "Annuler"}};
  for (const auto& c : cases) QCOMPARE(box.button(c.button)->text(), QString::fromUtf8(c.text));
  QCoreApplication::removeTranslator(qt);
  delete qt;
}

}  // namespace
}  // namespace numora

QTEST_MAIN(numora::FrenchWindowTest)
#include "qt_french_window_test.moc"
