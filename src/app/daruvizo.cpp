#include "app/daruvizo.h"

#include <exception>

#include "app/printouts.h"
#include "backtest/backtest_report.h"
#include "backtest/chance_page.h"
#include "backtest/recurrence_tests.h"
#include "backtest/tip_success_tests.h"
#include "draws/current_draw.h"
#include "draws/draw_export.h"
#include "draws/draw_import.h"
#include "draws/draw_maintenance.h"
#include "evaluation/evaluation_report.h"
#include "evaluation/komplettcheck.h"
#include "evaluation/odds_page.h"
#include "evaluation/zettelcheck.h"
#include "generator/lucky_number.h"
#include "generator/option_coupling.h"
#include "import/month_request.h"
#include "stats/group_search.h"
#include "stats/number_distribution.h"
#include "stats/overdue_numbers.h"
#include "tips/historical_search.h"
#include "tips/ticket_sheet.h"
#include "tips/tip_distribution.h"
#include "tips/tip_editing.h"
#include "tips/tip_file.h"
#include "tips/tip_list.h"

namespace numora {
TForm1::TForm1(Platform& platform, SettingsStore& settings, std::string home)
    : platform_(platform), settings_(settings) {
  form.Home = std::move(home);
  Form6.useRandom(&form.random);
  registerHandlers();
  showChanceComparison(form, lastBacktest_);
}

TForm1::~TForm1() {
  stopBackgroundTask();
  comparisonStop_.request_stop();
}

void TForm1::registerHandlers() {
  handlers_ = {
      {"FormActivate", [this] { FormActivate(); }},
      {"FormClose", [this] { FormClose(); }},
      {"SpeedButton5Click", [this] { SpeedButton5Click(); }},
      {"SpeedButton6Click", [this] { SpeedButton6Click(); }},
      {"SpeedButton7Click", [this] { SpeedButton7Click(); }},
      {"RadioGroup1Click", [this] { RadioGroup1Click(); }},
      {"Komplettcheck", [this] { Komplettcheck(); }},
      {"Label43Click", [this] { Label43Click(); }},
      {"ResultsSiteEditChange", [this] { ResultsSiteEditChange(); }},
      {"ListBox1Click", [this] { ListBox1Click(); }},
      {"ListBox2Click", [this] { ListBox2Click(); }},
      {"Edit1Change", [this] { Edit1Change(); }},
      {"Edit1Exit", [this] { Edit1Exit(); }},
      {"ComboBox1Change", [this] { ComboBox1Change(); }},
      {"SpeedButton11Click", [this] { SpeedButton11Click(); }},
      {"SpeedEditClick", [this] { SpeedEditClick(); }},
      {"auswertungClick", [this] { auswertungClick(); }},
      {"SpeedButton15Click", [this] { SpeedButton15Click(); }},
      {"SpeedButton16Click", [this] { SpeedButton16Click(); }},
      {"BitBtn7Click", [this] { BitBtn7Click(); }},
      {"Button6Click", [this] { Button6Click(); }},
      {"PrintTipsClick", [this] { PrintTipsClick(); }},
      {"PrintTipsPdfClick", [this] { PrintTipsPdfClick(); }},
      {"PrintTicketSheetClick", [this] { PrintTicketSheetClick(); }},
      {"PrintTicketSheetPdfClick", [this] { PrintTicketSheetPdfClick(); }},
      {"PrintEvaluationClick", [this] { PrintEvaluationClick(); }},
      {"PrintEvaluationPdfClick", [this] { PrintEvaluationPdfClick(); }},
      {"PrintBacktestClick", [this] { PrintBacktestClick(); }},
      {"PrintBacktestPdfClick", [this] { PrintBacktestPdfClick(); }},
      {"SaveChartClick", [this] { SaveChartClick(); }},
      {"SpeedButton4Click", [this] { SpeedButton4Click(); }},
      {"BitBtn4Click", [this] { BitBtn4Click(); }},
      {"UndoTipsClick", [this] { UndoTipsClick(); }},
      {"UndoDrawClick", [this] { UndoDrawClick(); }},
      {"BitBtn8Click", [this] { BitBtn8Click(); }},
      {"BitBtn3Click", [this] { BitBtn3Click(); }},
      {"PageControl1Change", [this] { PageControl1Change(); }},
      {"OddsAllSizesCheckBoxChange", [this] { OddsAllSizesCheckBoxChange(); }},
      {"SpeedButton2Click", [this] { SpeedButton2Click(); }},
      {"SpeedButton9Click", [this] { SpeedButton9Click(); }},
      {"Button2Click", [this] { Button2Click(); }},
      {"Button3Click", [this] { Button3Click(); }},
      {"Button4Click", [this] { Button4Click(); }},
      {"Button5Click", [this] { Button5Click(); }},
      // The "Chart" tab's buttons run the searches of the "Database" tab.
      {"SpeedButton1Click", [this] { Button2Click(); }},
      {"SpeedButton3Click", [this] { Button3Click(); }},
      {"SpeedButton17Click", [this] { Button4Click(); }},
      {"SpeedButton19Click", [this] { Button5Click(); }},
      {"ZentorClick", [this] { ZentorClick(); }},
      {"BitBtn1Click", [this] { ZentorClick(); }},
      {"SpeedButton10Click", [this] { ZentorClick(); }},
      {"SpeedButton8Click", [this] { SpeedButton8Click(); }},
      {"StopUpdateButtonClick", [this] { SpeedButton8Click(); }},
      {"ImportClick", [this] { ImportClick(); }},
      {"BitBtn19Click", [this] { BitBtn19Click(); }},
      {"StopClick", [this] { StopClick(); }},
      {"Label28Click", [this] { Label28Click(); }},
      {"SpeedButton13Click", [this] { SpeedButton13Click(); }},
      {"BitBtn9Click", [this] { BitBtn9Click(); }},
      {"ErfolgstestClick", [this] { ErfolgstestClick(); }},
      {"SweepClick", [this] { SweepClick(); }},
      {"SweepStopButtonClick", [this] { SweepStopButtonClick(); }},
      {"SweepApplyButtonClick", [this] { SweepApplyButtonClick(); }},
      {"SweepSaveButtonClick", [this] { SweepSaveButtonClick(); }},
      {"ReportOpenButtonClick", [this] { ReportOpenButtonClick(); }},
      {"ReportSaveButtonClick", [this] { ReportSaveButtonClick(); }},
      {"Button7Click", [this] { Button7Click(); }},
      {"Button8Click", [this] { Button8Click(); }},
      {"Button9Click", [this] { Button9Click(); }},
      {"Button10Click", [this] { Button10Click(); }},
      {"Button11Click", [this] { Button11Click(); }},
      {"UpDown3MouseDown", [this] { UpDown3MouseDown(); }},
      {"UpDown1MouseUp", [this] { UpDown1MouseUp(); }},
      {"UpDown16MouseUp", [this] { UpDown16MouseUp(); }},
      {"UpDown17MouseUp", [this] { UpDown17MouseUp(); }},
      {"UpDown17MouseDown", [this] { UpDown17MouseDown(); }},
      {"UpDown7Changing", [this] { UpDown7Changing(); }},
  };
  // Every control with a hint shows it in the hint line while the mouse is over it.
  for (const Control* control : form.registry.all()) {
    if (control->hint().empty()) continue;
    const std::string name = control->name();
    handlers_[name + "MouseEnter"] = [this, name] { MouseEnter(name); };
    handlers_[name + "MouseLeave"] = [this, name] { MouseLeave(name); };
  }
  for (const char* label : {"Label52", "Label53", "Label54", "Label55", "Label56", "Label59"}) {
    handlers_[std::string(label) + "Click"] = [this, label] { Label52Click(label); };
  }
  // Last: every entry, also one added above later, runs only when the long-work guard lets it.
  for (auto& [name, handler] : handlers_) handler = guarded(name, std::move(handler));
}

std::function<void()> TForm1::guarded(const std::string& name, std::function<void()> handler) {
  return [this, name, handler = std::move(handler)] {
    if (const auto refusal = longWork_.refusesHandler(name, calculation_.running)) {
      platform_.showMessage(*refusal);
      return;
    }
    handler();
  };
}

bool TForm1::mayChange(const std::string& controlName, ControlChange change) {
  const auto refusal = longWork_.refusesChange(controlName, change);
  if (refusal) platform_.showMessage(*refusal);
  return !refusal;
}

void TForm1::runLongWork(LongWork work, const std::function<void()>& body) {
  // Whatever way the click came (a handler called directly included), long work never starts
  // inside other long work.
  if (const auto running = longWork_.running()) {
    platform_.showMessage(runningWorkRefusal(*running));
    return;
  }
  std::exception_ptr failure;
  {
    LongWorkGuard::Run run(longWork_, work);
    holdControls(form.registry, longWork_);
    try {
      body();
    } catch (...) {
      failure = std::current_exception();
    }
  }
  holdControls(form.registry, longWork_);
  if (closePending_) {
    closePending_ = false;
    finishClose();
  }
  if (failure) std::rethrow_exception(failure);
}

void TForm1::runReportingErrors(const std::function<void()>& handler) {
  ++handlerDepth_;
  try {
    handler();
  } catch (const std::exception& error) {
    platform_.setWaitCursor(false);
    platform_.showMessage(error.what());
  }
  --handlerDepth_;
}

void TForm1::handle(const std::function<void()>& handler) {
  runReportingErrors(handler);
  if (handlerDepth_ == 0) autosave();
}

void TForm1::SpeedButton5Click() {
  showDrawByDate(drawContext());
}
void TForm1::SpeedButton6Click() {
  stepToPreviousDraw(drawContext());
}
void TForm1::SpeedButton7Click() {
  stepToNextDraw(drawContext());
}
void TForm1::RadioGroup1Click() {
  switchLottery(drawContext());
}

void TForm1::ImportClick() {
  importDrawsFromText(drawContext());
}

void TForm1::Zettelcheck(const std::string& tipText) {
  form.Gewinn = static_cast<std::uint8_t>(tipHits(form, tipText));
}
int TForm1::Komplettcheck() {
  return numora::Komplettcheck(form, platform_);
}

void TForm1::SpeedButton2Click() {
  chartNumberDistribution(drawContext());
}
void TForm1::SpeedButton9Click() {
  chartCrossSumDistribution(drawContext());
}
void TForm1::Button2Click() {
  countPairs(drawContext());
}
void TForm1::Button3Click() {
  countTriples(drawContext());
}
void TForm1::Button4Click() {
  countFourGroups(drawContext());
}
void TForm1::Button5Click() {
  chartOverdueNumbers(drawContext());
}

void TForm1::ZentorClick(UpdateTrigger trigger) {
  if (!http_) http_ = makeCurlHttpClient();
  runLongWork(LongWork::UpdateRun, [this, trigger] {
    runUpdate(UpdateContext{form, platform_, reader_, *http_, updateState_}, trigger);
  });
}

void TForm1::SpeedButton8Click() {
  requestUpdateStop(form);
}

void TForm1::ListBox1Click() {
  followTipSelection(form);
}
void TForm1::ListBox2Click() {
  followHitSelection(form);
}
void TForm1::Edit1Change() {
  keepTotalTipsNumeric(form);
}
void TForm1::Edit1Exit() {
  leaveTotalTips(form, platform_);
}
void TForm1::ComboBox1Change() {
  // The choice of this run is the one every later activation restores.
  form.System = form.ComboBox1.itemIndex();
  applyCostPerTip(form);
}
void TForm1::SpeedButton11Click() {
  TipListAction action(tipHistory_, form);
  deleteAllTips(form);
}
void TForm1::SpeedEditClick() {
  TipListAction action(tipHistory_, form);
  editSelectedTip(form, platform_, Form6);
}
void TForm1::auswertungClick() {
  showEvaluationReport(form, platform_);
}

void TForm1::BitBtn19Click() {
  // While long work runs beside the window the start/stop button is its stop.
  if (task_) {
    stopBackgroundTask();
    return;
  }
  startCalculation(true);
}
void TForm1::StopClick() {
  // The one stop of whatever long work runs: the button's Stop and Esc.
  if (task_) {
    stopBackgroundTask();
  } else if (longWork_.running() == LongWork::UpdateRun) {
    requestUpdateStop(form);
  } else if (longWork_.running() == LongWork::HistoricalSearch) {
    searchStop_ = true;
  }
}
void TForm1::Label28Click() {
  startCalculation(false);
}
void TForm1::SpeedButton13Click() {
  askLuckyNumber(form, platform_);
}
void TForm1::SpeedButton15Click() {
  saveTipFile(form, platform_);
}
void TForm1::SpeedButton16Click() {
  TipListAction action(tipHistory_, form);
  loadTipFile(drawContext());
}
void TForm1::BitBtn7Click() {
  writeTicketSheet(form, platform_);
}
void TForm1::PrintTipsClick() {
  printTips(drawContext(), PrintTarget::Printer);
}
void TForm1::PrintTipsPdfClick() {
  printTips(drawContext(), PrintTarget::Pdf);
}
void TForm1::PrintTicketSheetClick() {
  printTicketSheet(form, platform_, PrintTarget::Printer);
}
void TForm1::PrintTicketSheetPdfClick() {
  printTicketSheet(form, platform_, PrintTarget::Pdf);
}
void TForm1::PrintEvaluationClick() {
  printEvaluation(form, platform_, PrintTarget::Printer);
}
void TForm1::PrintEvaluationPdfClick() {
  printEvaluation(form, platform_, PrintTarget::Pdf);
}
void TForm1::PrintBacktestClick() {
  printBacktestReport(form, platform_, PrintTarget::Printer);
}
void TForm1::PrintBacktestPdfClick() {
  printBacktestReport(form, platform_, PrintTarget::Pdf);
}
void TForm1::SaveChartClick() {
  saveChart(form, platform_);
}
void TForm1::Button6Click() {
  chartTipDistribution(form, platform_);
}
void TForm1::SpeedButton4Click() {
  searchStop_ = false;
  runLongWork(LongWork::HistoricalSearch,
              [this] { searchTipListHistory(drawContext(), &searchStop_); });
}

void TForm1::BitBtn4Click() {
  drawDeletions_.beforeDelete(drawContext());
  try {
    deleteShownDraw(drawContext());
  } catch (...) {
    drawDeletions_.afterDelete(drawContext());
    throw;
  }
  drawDeletions_.afterDelete(drawContext());
}
void TForm1::UndoTipsClick() {
  tipHistory_.undo(form, platform_);
}
void TForm1::UndoDrawClick() {
  drawDeletions_.undo(drawContext());
}
void TForm1::autosave() {
  autosave_.saveChanges(form, platform_, settings_);
}
void TForm1::BitBtn8Click() {
  enterDraw(drawContext(), Form6);
}
void TForm1::BitBtn3Click() {
  exportDraws(drawContext());
}

void TForm1::PageControl1Change() {
  if (form.PageControl1.activePage() != kOddsPage) return;
  showOdds(form);
  // The comparison with chance was worked out when the back-test ended and stays on the page:
  // the simulation behind it takes seconds.
}
void TForm1::OddsAllSizesCheckBoxChange() {
  showOdds(form);
}

void TForm1::ReportOpenButtonClick() {
  openReportInEditor(form, platform_);
}
void TForm1::ReportSaveButtonClick() {
  saveReportAs(form, platform_);
}
void TForm1::UpDown3MouseDown() {
  coupleMatchesBeforeMaximumSteps(form);
}
void TForm1::UpDown1MouseUp() {
  floorMaximumMatchesAtMinimum(form);
}
void TForm1::UpDown16MouseUp() {
  capEvenByOdd(form);
}
void TForm1::UpDown17MouseUp() {
  capOddByEven(form);
}
void TForm1::UpDown17MouseDown() {
  capEvenByOdd(form);
}
void TForm1::UpDown7Changing() {
  applyRunBudget(form);
  // A calculation running beside the window takes the new budget from its next candidate on.
  if (task_) task_->runBudget->store(form.LaufMax);
}

void TForm1::controlChanged(const std::string& controlName) {
  const bool isList = controlName == "ListBox1" || controlName == "ListBox2";
  auto handler = handlers_.find(controlName + (isList ? "Click" : "Change"));
  // An up-down's handler runs as its position changes.
  if (handler == handlers_.end()) handler = handlers_.find(controlName + "Changing");
  if (handler != handlers_.end()) handle(handler->second);
}

void TForm1::MouseEnter(const std::string& controlName) {
  const Control* control = form.registry.find(controlName);
  form.StatusBar1.setPanel(1, control ? control->hint() : std::string());
}

void TForm1::MouseLeave(const std::string& controlName) {
  // A notice written since the mouse came (the update run's, the calculation's) stays.
  const Control* control = form.registry.find(controlName);
  if (control && form.StatusBar1.panel(1) == control->hint()) form.StatusBar1.setPanel(1, "");
}

void TForm1::ResultsSiteEditChange() {
  // The results pages of the two lotteries lie on the results site the user set.
  const std::pair<Control*, const char*> pages[] = {{&form.Label53, kDailyKenoResultsPath},
                                                    {&form.Label54, kAtlanticResultsPath}};
  for (const auto& [label, path] : pages) {
    label->setCaption(resultsSiteAddress(form, path).value_or(path));
  }
}

void TForm1::Label52Click(const std::string& labelName) {
  const Control* label = form.registry.find(labelName);
  if (!label) return;
  // A results page without a site has no address to open yet.
  if (label->caption().starts_with('/')) {
    platform_.showMessage(kNoResultsSite);
    return;
  }
  platform_.shellOpen(label->caption());
}

void TForm1::Label43Click() {
  platform_.shellOpen(kProductPage);
}

}  // namespace numora
