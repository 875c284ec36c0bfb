// The main window as data: every named control and field of TForm1. Handlers in the subsystem
// folders read and change it; the Qt view and numora-cli only show it and forward events.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/day_date.h"
#include "common/number_format.h"
#include "common/random.h"
#include "common/translatable.h"
#include "form/controls.h"
#include "form/string_grid.h"

namespace numora {

// Design date of the date pickers and their lower limit until the lottery is switched.
inline const DayCount kDesignPickerDate = encodeDate(2001, 10, 22);

// The product's page, and the paths of the two lotteries' results pages on the results site.
constexpr const char* kProductPage = "https://www.veltrin.example/numora-canada";
constexpr const char* kDailyKenoResultsPath = "/canada/dailykeno-numbers";
constexpr const char* kAtlanticResultsPath = "/canada/atlantic-keno-numbers";

// Indexes of tabs in PageControl1 that operations bring to the front.
constexpr int kKenoTipsPage = 0;
constexpr int kChartPage = 2;
// The index of the "Odds" tab, filled whenever it is shown.
constexpr int kOddsPage = 4;

struct Form {
  Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Declared first: every control below registers itself here.
  ControlRegistry registry;

  // ---- The window frame ----
  // The six tabs: "Keno-Tips", "Options", "Chart", "Database", "Odds", "Internet-Options".
  PageControl PageControl1{
      &registry,
      "PageControl1",
      {NUMORA_TRANSLATABLE("Numora", "Keno-Tips"), NUMORA_TRANSLATABLE("Numora", "Options"),
       NUMORA_TRANSLATABLE("Numora", "Chart"), NUMORA_TRANSLATABLE("Numora", "Database"),
       NUMORA_TRANSLATABLE("Numora", "Odds"), NUMORA_TRANSLATABLE("Numora", "Internet-Options")}};
  // Panel 0: status of long work ("Loading", a tip being tested); panel 1: the hint line.
  StatusBar StatusBar1{&registry, "StatusBar1"};
  // Beside the status panels while a back-test runs: the date reached and the cycles counted.
  Label ReplayProgress{&registry, "ReplayProgress"};
  // Progress of the update run or the calculation, in the status bar while one runs.
  ProgressBar WorkProgress{&registry, "WorkProgress"};

  // ---- "Keno-Tips" tab: lottery and current draw ----
  // The lottery: 0 = Keno Atlantic, 1 = Daily Keno (the default).
  RadioGroup RadioGroup1{&registry, "RadioGroup1", {"Keno Atlantic", "Daily Keno"}, 1};
  Label Label35{&registry, "Label35"};  // the current draw's caption, copied from Label29
  Label Label13{&registry, "Label13"};  // the current draw's cross sum
  Button SpeedButton6{&registry, "SpeedButton6"};    // step to the previous draw
  Button SpeedButton7{&registry, "SpeedButton7"};    // step to the next draw
  Button SpeedButton10{&registry, "SpeedButton10"};  // update run
  // "Stop reading" in the update button's place while an update run goes.
  Button StopUpdateButton{&registry, "StopUpdateButton"};

  // ---- "Keno-Tips" tab: tip list, hit list and their settings ----
  Label Label25{&registry, "Label25"};                // "Tip series"
  Label Label26{&registry, "Label26"};                // "properly             "
  ListBox ListBox1{&registry, "ListBox1"};            // the tip list: one tip text a line
  ListBox ListBox2{&registry, "ListBox2"};            // the hit list: line i = hits of tip i
  Label Label61{&registry, "Label61"};                // "Numbers per Tip"
  UpDown UpDown18{&registry, "UpDown18", 2, 10, 10};  // numbers per tip, 2..10
  Label Label16{&registry, "Label16"};                // "Tips per ticket"
  UpDown UpDown8{&registry, "UpDown8", 1, 5, 5};      // tips per ticket, 1..5
  Label Label22{&registry, "Label22"};                // "Total Tips"
  UpDown UpDown9{&registry, "UpDown9", 1, 120, 5};    // total tips, 1..120
  Edit Edit1{&registry, "Edit1", "5"};                // the total-tips field of UpDown9
  Label Label30{&registry, "Label30"};                // "Cost per Tip"
  // Stake per tip: items "1", "2", "5", "10"; no item chosen = stake 1.
  ComboBox ComboBox1{&registry, "ComboBox1", {"1", "2", "5", "10"}, -1, "1"};
  CheckBox CheckBox28{&registry, "CheckBox28", true};  // delete the tip list before calculating
  Label Label23{&registry, "Label23"};                 // ticket of the selected tip ("1. ticket")
  Label Label24{&registry, "Label24"};  // place of the selected tip in its ticket ("1. tip")
  Label Label43{&registry, "Label43"};  // banner: the maker's address, spaced out
  Label Label44{&registry, "Label44"};  // banner: the product name and version
  Button CloseButton{&registry, "CloseButton"};
  Button SpeedEdit{&registry, "SpeedEdit"};          // edit the selected tip
  Button SpeedButton11{&registry, "SpeedButton11"};  // delete all tips
  Button auswertung{&registry, "auswertung"};        // evaluation report of the hit list
  Button BitBtn4{&registry, "BitBtn4"};  // start/stop of the calculation; "Stop" while it runs
  Button SpeedButton13{&registry, "SpeedButton13"};  // "Lucky Number": seeds the generator

  // ---- "Keno-Tips" tab: tip files, ticket sheet, tip distribution, historical search ----
  Button SpeedButton15{&registry, "SpeedButton15"};  // save the tip list to a tip file
  Button SpeedButton16{&registry, "SpeedButton16"};  // load a tip file as the tip list
  Button BitBtn7{&registry, "BitBtn7"};              // "Tip": write and open the ticket sheet
  Button Button6{&registry, "Button6"};              // chart how often each number is tipped
  Button PrintButton{&registry, "PrintButton"};      // "Print…": the printouts and their PDFs
  Button SpeedButton4{&registry, "SpeedButton4"};    // score the tip list over the window

  // ---- "Keno-Tips" tab: why the last calculation the player started found too few tips ----
  Memo TipExplanation{&registry, "TipExplanation"};  // empty until a calculation ends short

  // ---- The last back-test's report, shown in a window of its own as Analyse.txt holds it ----
  Label ReportWindow{&registry, "ReportWindow"};  // the window: caption and whether it shows
  Label ReportTitle{&registry, "ReportTitle"};    // the test, lottery, dates, cycles, comparisons
  Memo ReportMemo{&registry, "ReportMemo"};       // the report's lines, read-only
  Button ReportOpenButton{&registry, "ReportOpenButton"};  // "Open in editor"
  Button ReportSaveButton{&registry, "ReportSaveButton"};  // "Save as…"

  // ---- "Options" tab, page "statistical": pool preferences and history filters ----
  CheckBox CheckBox2{&registry, "CheckBox2", false};    // prefer frequently drawn numbers
  UpDown UpDown12{&registry, "UpDown12", 5, 75, 30};    // frequent-numbers band, percent
  CheckBox CheckBox10{&registry, "CheckBox10", true};   // prefer the longest overdue numbers
  UpDown UpDown13{&registry, "UpDown13", 5, 75, 30};    // overdue band, percent
  CheckBox CheckBox14{&registry, "CheckBox14", true};   // prefer rarely drawn numbers
  UpDown UpDown14{&registry, "UpDown14", 5, 75, 30};    // rare-numbers band, percent
  CheckBox CheckBox9{&registry, "CheckBox9", true};     // history filter on
  UpDown UpDown6{&registry, "UpDown6", 1, 10, 8};       // history filter: hits that reject
  CheckBox CheckBox17{&registry, "CheckBox17", true};   // recent-draws filter on
  UpDown UpDown19{&registry, "UpDown19", 1, 10, 5};     // recent-draws filter: hits that reject
  UpDown UpDown20{&registry, "UpDown20", 1, 356, 12};   // recent-draws filter: draws looked at
  CheckBox CheckBox4{&registry, "CheckBox4", true};     // hit range against the last draw
  UpDown UpDown4{&registry, "UpDown4", 0, 10, 0};       // last draw: most hits (0 = none)
  UpDown UpDown21{&registry, "UpDown21", 0, 10, 0};     // last draw: fewest hits
  CheckBox CheckBox5{&registry, "CheckBox5", true};     // hit range against the second-last draw
  UpDown UpDown5{&registry, "UpDown5", 0, 10, 1};       // second-last draw: most hits
  UpDown UpDown22{&registry, "UpDown22", 0, 10, 0};     // second-last draw: fewest hits
  CheckBox CheckBox23{&registry, "CheckBox23", true};   // hit range against the third-last draw
  UpDown UpDown11{&registry, "UpDown11", 0, 10, 2};     // third-last draw: most hits
  UpDown UpDown23{&registry, "UpDown23", 0, 10, 0};     // third-last draw: fewest hits
  Label Label62{&registry, "Label62"};                  // "Extra-Option:", heads the group below
  CheckBox CheckBox19{&registry, "CheckBox19", false};  // prefer neighbours of the last draw
  CheckBox CheckBox31{&registry, "CheckBox31", false};  // start the pool with the last draws
  ComboBox ComboBox3{&registry, "ComboBox3", {"1", "2", "3"}, -1, ""};  // how many last draws
  CheckBox CheckBox30{&registry, "CheckBox30", false};  // add the draws of one date in all years
  DatePicker DateTimePicker3{&registry, "DateTimePicker3", kDesignPickerDate, 0};  // that date
  // Hidden weekday choice with its label: saved and restored, read by nothing else.
  Label Label48{&registry, "Label48"};
  ComboBox ComboBox2{&registry,
                     "ComboBox2",
                     {"alle Tage verwenden", "Montag", "Dienstag", "Mittwoch", "Donnerstag",
                      "Freitag", "Sonnabend", "Sonntag"},
                     -1,
                     "Nein alle Tage verwenden"};

  // ---- "Options" tab, page "ticket optimization": matches between tips, runs, groups ----
  CheckBox CheckBox3{&registry, "CheckBox3", true};     // at most N matches with other tips
  UpDown UpDown3{&registry, "UpDown3", 0, 9, 4};        // that maximum
  CheckBox CheckBox24{&registry, "CheckBox24", true};   // at least N matches with other tips
  UpDown UpDown1{&registry, "UpDown1", 0, 9, 1};        // that minimum
  CheckBox CheckBox27{&registry, "CheckBox27", true};   // both bounds apply to every tip
  CheckBox CheckBox8{&registry, "CheckBox8", false};    // a tip must hold a consecutive pair
  CheckBox CheckBox18{&registry, "CheckBox18", true};   // no three consecutive numbers
  CheckBox CheckBox1{&registry, "CheckBox1", false};    // prefer frequent pairs
  CheckBox CheckBox11{&registry, "CheckBox11", false};  // prefer rare pairs
  CheckBox CheckBox6{&registry, "CheckBox6", false};    // prefer frequent triples
  CheckBox CheckBox12{&registry, "CheckBox12", false};  // prefer rare triples
  CheckBox CheckBox7{&registry, "CheckBox7", false};    // prefer frequent four-groups
  CheckBox CheckBox13{&registry, "CheckBox13", false};  // prefer rare four-groups

  // ---- "Options" tab, page "mathematically": cross sum, primes, even and odd ----
  Label Label42{&registry, "Label42"};  // the cross-sum sentence around the two bounds
  UpDown UpDown2{&registry, "UpDown2", 1, 750, 100};        // scaled cross sum: minimum
  UpDown UpDown15{&registry, "UpDown15", 750, 1400, 1200};  // scaled cross sum: maximum
  CheckBox CheckBox22{&registry, "CheckBox22", false};      // at least N primes (1 counts)
  UpDown UpDown10{&registry, "UpDown10", 0, 6, 2};          // that N
  CheckBox CheckBox25{&registry, "CheckBox25", false};      // at least N even numbers
  UpDown UpDown16{&registry, "UpDown16", 0, 6, 2};          // that N
  CheckBox CheckBox26{&registry, "CheckBox26", false};      // at least N odd numbers
  UpDown UpDown17{&registry, "UpDown17", 0, 6, 2};          // that N

  // ---- "Options" tab, page "general" ----
  CheckBox CheckBox20{&registry, "CheckBox20", false};  // show the pool for editing
  CheckBox CheckBox15{&registry, "CheckBox15", false};  // only preferred numbers in the pool
  Label Label57{&registry, "Label57"};                  // "Max calculation runs"
  UpDown UpDown7{&registry, "UpDown7", 1, 10000, 10};   // candidates per tip, in thousands
  Label Label58{&registry, "Label58"};                  // "thousand"

  // ---- "Chart" tab: the statistics buttons above the chart ----
  Button SpeedButton2{&registry, "SpeedButton2"};    // number distribution
  Button SpeedButton9{&registry, "SpeedButton9"};    // cross-sum distribution
  Button SpeedButton1{&registry, "SpeedButton1"};    // pair search
  Button SpeedButton3{&registry, "SpeedButton3"};    // triple search
  Button SpeedButton17{&registry, "SpeedButton17"};  // four-group search
  Button SpeedButton19{&registry, "SpeedButton19"};  // overdue numbers
  // "Save chart as…": the chart as PNG or SVG.
  Button SaveChartButton{&registry, "SaveChartButton"};
  // The statistics chart; later readers take its bars and value-axis range as data.
  Chart Chart1{&registry, "Chart1"};
  // The statistics start date: the window runs from it to the picked date.
  DatePicker DateTimePicker2{&registry, "DateTimePicker2", kDesignPickerDate, kDesignPickerDate};

  // ---- "Database" tab: the picked date, the update run, searches, maintenance, back-tests ----
  // The picked date: normally the current draw's date.
  DatePicker DateTimePicker1{&registry, "DateTimePicker1", kDesignPickerDate, kDesignPickerDate};
  Button SpeedButton5{&registry, "SpeedButton5"};  // show the draw of the picked date
  Label Label29{&registry, "Label29"};             // the draw caption
  Button BitBtn1{&registry, "BitBtn1"};            // update run
  Button SpeedButton8{&registry, "SpeedButton8"};  // "Stop reading", shown during a run
  Memo Memo1{&registry, "Memo1"};                  // the update run's page text, never shown
  Button ImportButton{&registry, "ImportButton"};  // "Import from Text": draws from a file
  Button Button2{&registry, "Button2"};            // pair search
  Button Button3{&registry, "Button3"};            // triple search
  Button Button4{&registry, "Button4"};            // four-group search
  Button Button5{&registry, "Button5"};            // overdue numbers
  Button BitBtn6{&registry, "BitBtn6"};            // "delete": remove the shown draw
  Button BitBtn8{&registry, "BitBtn8"};            // "insert/edit": enter a draw
  Button BitBtn3{&registry, "BitBtn3"};            // "Export to Text": draws to a text file
  // Back-tests from the picked date on: the two tip success tests and the five recurrence tests.
  Label TipTestsLabel{&registry, "TipTestsLabel"};  // heads the tip success tests
  Button BitBtn9{&registry, "BitBtn9"};             // one calculation, scored to the end
  Button Erfolgstest{&registry, "Erfolgstest"};     // a calculation per draw, scored on the next
  Label RecurrenceTestsLabel{&registry, "RecurrenceTestsLabel"};  // heads the recurrence tests
  Button Button7{&registry, "Button7"};                           // recurrence in the next draw
  Button Button8{&registry, "Button8"};                           // in the second next draw
  Button Button9{&registry, "Button9"};                           // in the third next draw
  Button Button10{&registry, "Button10"};                         // in the next three draws
  Button Button11{&registry, "Button11"};                         // in the last three draws

  // ---- "Database" tab, "Sweep": a tip success test over a grid of settings ----
  RadioGroup SweepTest{&registry,
                       "SweepTest",
                       {NUMORA_TRANSLATABLE("Numora", "one calculation"),
                        NUMORA_TRANSLATABLE("Numora", "a calculation per draw")},
                       0};
  // The options varied: "NAME VALUES" a row ("UpDown6 5..9"); an empty row varies nothing.
  Edit SweepVary1{&registry, "SweepVary1"};
  Edit SweepVary2{&registry, "SweepVary2"};
  Edit SweepVary3{&registry, "SweepVary3"};
  UpDown SweepRepeats{&registry, "SweepRepeats", 1, 100, 1};  // lucky numbers L, L+1, ...
  UpDown SweepThreads{&registry, "SweepThreads", 0, 256, 0};  // 0: every core
  Button SweepButton{&registry, "SweepButton"};               // "Sweep"
  Button SweepStopButton{&registry, "SweepStopButton"};       // "Stop" while a sweep runs
  Button SweepApplyButton{&registry, "SweepApplyButton"};     // the selected setting to Options
  Button SweepSaveButton{&registry, "SweepSaveButton"};       // "Save as CSV"
  ListBox SweepList{&registry, "SweepList"};  // a line per finished setting, best return first
  Memo SweepVerdictMemo{&registry, "SweepVerdictMemo"};  // the verdict and the luck figure

  // ---- "Odds" tab: what one tip wins by chance ----
  Label OddsTitle{&registry, "OddsTitle"};  // the lottery and what the table shows
  // Every tip size 2..10 instead of the numbers per tip of UpDown18.
  CheckBox OddsAllSizesCheckBox{&registry, "OddsAllSizesCheckBox", false};
  // One row per tip size and hit count: the chance, the prize per unit stake, its share.
  StringGrid OddsGrid{
      &registry,
      "OddsGrid",
      {NUMORA_TRANSLATABLE("Numora", "Numbers"), NUMORA_TRANSLATABLE("Numora", "Hits"),
       NUMORA_TRANSLATABLE("Numora", "Chance"), NUMORA_TRANSLATABLE("Numora", "Prize"),
       NUMORA_TRANSLATABLE("Numora", "Share of return")}};
  Memo OddsMemo{&registry, "OddsMemo"};  // per tip size: the expected return, the win chance
  // The last back-test against chance: which test and how many comparisons it counted.
  Label ChanceTitle{&registry, "ChanceTitle"};
  // One row per hit count: observed, expected by chance, the pooled group it is tested in.
  StringGrid ChanceGrid{
      &registry,
      "ChanceGrid",
      {NUMORA_TRANSLATABLE("Numora", "Hits"), NUMORA_TRANSLATABLE("Numora", "Observed"),
       NUMORA_TRANSLATABLE("Numora", "Expected"), NUMORA_TRANSLATABLE("Numora", "Tested as")}};
  Memo ChanceMemo{&registry, "ChanceMemo"};  // the law, the verdict, pooling and assumptions

  // ---- "Internet-Options" tab: proxy, results site, web addresses ----
  Label Label50{&registry, "Label50"};  // "Proxy-Server"
  Edit ProxyHostEdit{&registry, "ProxyHostEdit"};
  Label Label51{&registry, "Label51"};  // "Porxy-Port"
  Edit ProxyPortEdit{&registry, "ProxyPortEdit", "80"};
  Edit URLEdit{&registry, "URLEdit"};                  // hidden: the product page
  Label Label60{&registry, "Label60"};                 // "Results site"
  Edit ResultsSiteEdit{&registry, "ResultsSiteEdit"};  // https address of the results site
  // Accept a results site whose certificate does not verify.
  CheckBox AnyCertificateCheckBox{&registry, "AnyCertificateCheckBox", false};
  Label Label45{&registry, "Label45"};  // explanatory texts of the address labels
  Label Label46{&registry, "Label46"};
  Label Label47{&registry, "Label47"};
  Label Label49{&registry, "Label49"};
  Label Label52{&registry, "Label52"};  // web addresses, opened on a click
  Label Label53{&registry, "Label53"};
  Label Label54{&registry, "Label54"};
  Label Label55{&registry, "Label55"};
  Label Label56{&registry, "Label56"};
  Label Label59{&registry, "Label59"};

  // ---- Fields: the current draw ----
  DayCount Datum1 = 0;         // its date
  std::array<int, 21> Zahl{};  // its numbers, Zahl[1..20]; [0] unused
  std::array<int, 6> Zahl5{};  // its record's five extra bytes (midday flag first); [0] unused
  int Position = 0;            // its record index in the draw file
  DayCount aktDatum = 0;       // working date of show by date and the statistics

  // ---- Fields: tip matching ----
  std::uint8_t Gewinn = 0;          // hits of the last Zettelcheck
  std::array<int, 21> Statistik{};  // tips per hit count of the last full check
  bool sortieren = false;           // scoring allowed: off while a calculation fills the tips

  // Set when the main window closes: long operations still running end without further output.
  bool closing = false;

  // ---- Fields: start-up state ----
  std::string Home;        // the folder of the program's files, with a trailing separator
  std::string ZahlenFile;  // the draw file name of the selected lottery
  std::string SoundName;   // the hit sound, Home + "yippee.wav"
  int LaufMax = 100000;    // candidates per tip before a calculation gives up
  int groesse = 0;         // the window height the page contents are scaled for
  Random random;           // the program's one random generator

  // ---- Fields: values only the settings store keeps ----
  int System = 0;  // the cost-per-tip choice the activation restores: stored, then the latest
  double Preis = 0;
  int Neuerschein = 0;
  bool Plus5 = true;
  int Land = 1;
  int TippTop = 39;
  int TippLeft = 47;

  // Readable names for the settings core code reads most.
  int numbersPerTip() const { return UpDown18.position(); }
  int tipsPerTicket() const { return UpDown8.position(); }
  int totalTips() const { return UpDown9.position(); }
  int lotteryIndex() const { return RadioGroup1.itemIndex(); }

  // The up-down controls 1..23 by number (the settings store walks them in this order).
  UpDown* upDown(int number);
  // The check boxes by number; nothing for the numbers that have none (16, 21, 29).
  CheckBox* checkBox(int number);
};

}  // namespace numora
