// TForm1, the main window (module daruvizo): owns the form model and exposes every handler
// under its designed name. Each handler only forwards to its subsystem; errors that a handler
// does not catch reach the user as a message box with the error's own text.
#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/autosave.h"
#include "app/background_task.h"
#include "app/long_work_guard.h"
#include "app/number_choice_form.h"
#include "app/settings_store.h"
#include "backtest/backtest_totals.h"
#include "backtest/replay.h"
#include "backtest/sweep_run.h"
#include "draws/current_draw.h"
#include "draws/draw_file.h"
#include "draws/draw_undo.h"
#include "form/form.h"
#include "form/platform.h"
#include "form/worker_platform.h"
#include "generator/calculation_run.h"
#include "import/http_client.h"
#include "import/update_run.h"
#include "tips/tip_list_history.h"

namespace numora {

struct BacktestWork;
struct CalculationWork;
struct SweepWork;

class TForm1 {
 public:
  static constexpr const char* kCaption = "Veltrin's Numora  Canada  2-10 of 70";
  static constexpr const char* kApplicationTitle = "Veltrins Numora Canada";
  static constexpr int kClientWidth = 582;
  static constexpr int kClientHeight = 534;

  TForm1(Platform& platform, SettingsStore& settings, std::string home);
  // Stops work still running beside the window; its end is then never applied.
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  Form form;
  // The number-choice dialog; it lives as long as the main window.
  TForm6 Form6;

  // Start-up, activation, resizing and closing.
  void FormCreate(int windowHeight);
  void FormActivate();
  // The scale factor for the page control's contents when the height changed.
  std::optional<double> FormResize(int windowHeight);
  void FormClose();

  // The current draw.
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void RadioGroup1Click();

  // Tip matching.
  void Zettelcheck(const std::string& tipText);
  int Komplettcheck();

  // Statistics, charted in Chart1.
  void SpeedButton2Click();  // number distribution
  void SpeedButton9Click();  // cross-sum distribution
  void Button2Click();       // pairs
  void Button3Click();       // triples
  void Button4Click();       // four-groups
  void Button5Click();       // overdue numbers

  // The update run, from a button (BitBtn1, SpeedButton10) or the activation sequence.
  void ZentorClick(UpdateTrigger trigger = UpdateTrigger::Button);
  void SpeedButton8Click();
  // "Import from Text": draws from a text or CSV file into the selected lottery's draw file.
  void ImportClick();
  // The web client of the update run (libcurl unless a test puts another one in).
  void setHttpClient(std::unique_ptr<HttpClient> http) { http_ = std::move(http); }

  // The tip list, its settings and the evaluation report.
  void ListBox1Click();
  void ListBox2Click();
  void Edit1Change();
  void Edit1Exit();
  void ComboBox1Change();
  void SpeedButton11Click();
  void SpeedEditClick();
  void auswertungClick();

  // Tip calculation: the start/stop button, the calculation itself, the lucky number.
  void BitBtn19Click();
  // The one stop of whatever long work runs (the calculation's Stop, Esc).
  void StopClick();
  void Label28Click();
  void SpeedButton13Click();
  const CalculationState& calculationState() const { return calculation_; }

  // Tip files, the ticket sheet, the tip distribution and the historical search.
  void SpeedButton15Click();  // save the tip list
  void SpeedButton16Click();  // load a tip file
  void BitBtn7Click();        // the ticket sheet
  void Button6Click();        // the tip distribution
  void SpeedButton4Click();   // the historical search

  // Printouts on the print dialog's printer or into a PDF file, and the chart as an image.
  void PrintTipsClick();  // the tip list as playslips
  void PrintTipsPdfClick();
  void PrintTicketSheetClick();  // the ticket sheet
  void PrintTicketSheetPdfClick();
  void PrintEvaluationClick();  // the evaluation report
  void PrintEvaluationPdfClick();
  void PrintBacktestClick();  // the last back-test's report
  void PrintBacktestPdfClick();
  void SaveChartClick();  // the statistics chart as PNG or SVG
  // Undo: the tip list before the newest action that replaced it; the newest deleted draw.
  void UndoTipsClick();
  void UndoDrawClick();
  const TipListHistory& tipListHistory() const { return tipHistory_; }

  // Writes the tip list and the settings when they changed (after every handler; numora-cli
  // also after every script command).
  void autosave();

  // Hand maintenance of the draw history ("Database" tab).
  void BitBtn4Click();  // "delete" (BitBtn6): the shown draw
  void BitBtn8Click();  // "insert/edit": enter a draw
  void BitBtn3Click();  // "Export to Text"

  // The "Odds" tab is filled when it is shown and when its choice of tip sizes changes.
  void PageControl1Change();
  void OddsAllSizesCheckBoxChange();

  // Back-tests from the picked date on, reported in "Analyse.txt": the tip success tests and
  // the five number recurrence tests.
  void BitBtn9Click();      // one calculation, scored against every later draw
  void ErfolgstestClick();  // a calculation at every draw, scored against the next draw
  void Button7Click();      // recurrence in the next draw
  void Button8Click();      // in the second next draw
  void Button9Click();      // in the third next draw
  void Button10Click();     // in the next three draws
  void Button11Click();     // in the last three draws
  // The report window's buttons: "Open in editor" and "Save as…".
  void ReportOpenButtonClick();
  void ReportSaveButtonClick();
  // The sweep ("Database" tab): the chosen tip success test over a grid of settings, side by
  // side on every core; the stop keeps what finished; the selected setting into the options;
  // the result table as CSV.
  void SweepClick();
  void SweepStopButtonClick();
  void SweepApplyButtonClick();
  void SweepSaveButtonClick();
  const std::optional<SweepResult>& lastSweep() const { return lastSweep_; }
  // The totals of the last back-test that wrote its report.
  const std::optional<BacktestTotals>& lastBacktest() const { return lastBacktest_; }
  // Literal makes the back-tests re-read the draw file at every step (for comparisons).
  void setReplayMode(ReplayMode mode) { replayMode_ = mode; }

  // Couplings of the generator options, run on a mouse press or release on an up-down's
  // arrows; UpDown7Changing runs whenever the budget's position changes.
  void UpDown3MouseDown();
  void UpDown1MouseUp();
  void UpDown16MouseUp();
  void UpDown17MouseUp();
  void UpDown17MouseDown();
  void UpDown7Changing();

  // A front end changed a control's value as the user would: runs the control's change
  // handler ("Edit1" runs Edit1Change, "UpDown7" runs UpDown7Changing), if it has one.
  void controlChanged(const std::string& controlName);

  // Hint line: the hint of the control the mouse entered goes to status panel 1, and leaves it
  // with the mouse.
  void MouseEnter(const std::string& controlName);
  void MouseLeave(const std::string& controlName);
  // A new results site address also changes the addresses of the two results pages.
  void ResultsSiteEditChange();
  // Web-address labels and the banner.
  void Label52Click(const std::string& labelName);
  void Label43Click();

  // Handlers by name, for numora-cli and the window's buttons: each runs as a click would, and
  // each is refused while long work runs unless the long-work guard lets it through.
  const std::map<std::string, std::function<void()>>& handlers() const { return handlers_; }
  // The long work running now, if any; while it runs the window shows the controls it holds
  // disabled.
  const LongWorkGuard& longWork() const { return longWork_; }
  // Whether long work runs beside the window (a calculation, a back-test, a sweep); the window
  // closes once it has ended.
  bool backgroundWorkRunning() const { return task_ != nullptr; }
  // Asked by a front end before it changes a control (or a script a field) as the user would:
  // false, with the message said, while long work runs that the change could disturb.
  bool mayChange(const std::string& controlName, ControlChange change = ControlChange::Value);
  // Runs a handler as the event loop would: errors become message boxes, and an input box or
  // dialog shown on the way re-runs the activation sequence afterwards.
  void handle(const std::function<void()>& handler);

  bool activationRunning() const { return activating_; }
  Platform& platform() { return platform_; }
  // The per-user settings, where the window also keeps its own choices (the language).
  SettingsStore& settings() { return settings_; }
  DrawFileReader& drawReader() { return reader_; }

 private:
  DrawContext drawContext() { return DrawContext{form, platform_, reader_}; }
  CalculationContext calculationContext() {
    return CalculationContext{form, platform_, reader_, Form6};
  }
  // Runs a handler; an error it does not catch becomes a message box with the error's text.
  void runReportingErrors(const std::function<void()>& handler);
  void registerHandlers();
  BacktestContext backtestContext() {
    return BacktestContext{calculationContext(), calculation_, replayMode_};
  }
  // Runs long work under the guard: refused while other long work runs; controls that could
  // disturb it are held meanwhile. A close asked for meanwhile is finished when the work ends.
  void runLongWork(LongWork work, const std::function<void()>& body);
  // Wraps a handler of the table so that the guard decides whether it runs.
  std::function<void()> guarded(const std::string& name, std::function<void()> handler);
  // Saves what the close saves.
  void finishClose();
  // Starts a back-test beside the window; its result is applied and its totals kept when it
  // ends.
  void runBacktest(BacktestKind kind);
  void finishBacktest(BacktestWork& work, DayCount chosen, std::exception_ptr failure);
  // After the result of work beside the window was applied: the guard lets go, a close asked
  // for meanwhile is finished, the changes are saved.
  void endBackgroundTask();
  // Starts a calculation beside the window, from the start/stop button or the tip list's label.
  void startCalculation(bool fromButton);
  void finishCalculation(CalculationWork& work, std::exception_ptr failure);
  void finishSweep(SweepWork& work, std::exception_ptr failure);
  void stopBackgroundTask();
  // Ends a task whose work could not start (an error before or while starting it).
  void abandonBackgroundTask();
  // The comparison with chance of a stopped test's cycles, worked out beside the window after
  // the test has ended; the "Odds" tab says so meanwhile.
  void compareLastBacktestWithChance();
  // Shows the latest progress a work on a form copy published.
  void showWorkProgress(const LatestValue<FormProgress>& progress);
  // The window's state taken from the form copy the work ended with.
  void applyWorkForm(const Form& copy);
  // The activation after the program's own dialogs: keeps the current draw when it lies on the
  // picked date and scores the tips against it; false when show by date has to run.

  Platform& platform_;
  SettingsStore& settings_;
  DrawFileReader reader_;
  std::unique_ptr<HttpClient> http_;
  UpdateRunState updateState_;
  CalculationState calculation_;
  std::optional<BacktestTotals> lastBacktest_;
  std::optional<SweepResult> lastSweep_;
  Autosave autosave_;
  TipListHistory tipHistory_;
  DrawDeletionHistory drawDeletions_;
  ReplayMode replayMode_ = ReplayMode::InMemory;
  LongWorkGuard longWork_;
  // Long work running beside the window, from its start until its result was applied.
  std::unique_ptr<BackgroundTask> task_;
  // Expires with the window: what work beside it hands back later finds no window to apply to.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  // Counts the back-tests applied: a comparison worked out late shows only for the latest.
  int comparisonGeneration_ = 0;
  std::stop_source comparisonStop_;
  // Stop or Esc during the historical search (it runs on the window's thread).
  bool searchStop_ = false;
  // The window closed while long work ran: the saving waits until the work has stopped.
  bool closePending_ = false;
  std::map<std::string, std::function<void()>> handlers_;
  int handlerDepth_ = 0;
  bool activating_ = false;
  bool activatedBefore_ = false;
};

}  // namespace numora
