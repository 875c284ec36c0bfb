#include "generator/calculation_run.h"

#include "common/translatable.h"

#include <atomic>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

#include "common/grouped_number.h"
#include "draws/lottery.h"
#include "evaluation/komplettcheck.h"
#include "form/progress_display.h"
#include "generator/comparison_table.h"
#include "generator/generator_options.h"
#include "generator/last_draws.h"
#include "generator/option_coupling.h"
#include "generator/pool_preparation.h"
#include "generator/shortfall_explanation.h"
#include "generator/tip_filters.h"
#include "tips/tip_list.h"

namespace numora {
namespace {

// The bar and its text move on every this many candidates.
constexpr long long kCandidatesPerProgressStep = 100;

bool stopRequested(const Form& form) {
  return form.BitBtn4.caption() != kStopCaption || form.closing;
}

std::string giveUpLine(const Form& form) {
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "Change the parameters to calculate %1  Tips "),
                     {std::to_string(form.totalTips())});
}

// Puts back what a calculation changed for its run when an error ends it: the error's message
// follows; the button goes back to idle.
class RunGuard {
 public:
  RunGuard(Form& form, Platform& platform, CalculationState& state, bool pairRequired)
      : form_(form), platform_(platform), state_(state), pairRequired_(pairRequired) {
    state_.running = true;
  }
  ~RunGuard() {
    if (handedOver_) return;
    state_.running = false;
    if (!finished_) putBackAfterFailure(form_, platform_, pairRequired_);
  }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

  void finished() { finished_ = true; }
  // The run goes on in the search, which has a guard of its own.
  void handOver() { handedOver_ = true; }

 private:
  Form& form_;
  Platform& platform_;
  CalculationState& state_;
  bool pairRequired_;
  bool finished_ = false;
  bool handedOver_ = false;
};

// The draw history the database filters scan, read when the calculation starts; nothing, with
// the message said, when there is no draw file.
std::optional<DrawHistorySets> readHistory(const CalculationContext& context) {
  const auto path = currentDrawFile(context.draws());
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    context.platform.showMessage(kNoDrawFileMessage);
    return std::nullopt;
  }
  try {
    const auto history = context.reader.load(path);
    const auto walk = context.reader.walk(history, lottery(context.form.lotteryIndex()),
                                          context.platform.today());
    return DrawHistorySets(history, *walk);
  } catch (const DrawFileError& failure) {
    context.platform.showMessage(failure.what());
    return std::nullopt;
  }
}

// Empties or keeps the tip list and reads it into the comparison table; the first tip number.
int prepareTipList(const CalculationContext& context, ComparisonTable& table) {
  Form& form = context.form;
  int first = 1;
  if (form.CheckBox28.checked()) {
    deleteAllTips(form);
  } else {
    first = static_cast<int>(form.ListBox1.count()) + 1;
  }
  if (!table.read(form.ListBox1.lines()))
    context.platform.showMessage(NUMORA_TRANSLATABLE("Numora", "ERROR"));
  table.clearFrom(first);
  return first;
}

std::string tipsFoundText(int found, int asked) {
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "Calculation: %1 of %2 tips found"),
                     {std::to_string(found), std::to_string(asked)});
}

// The bar moves with the candidates tried against the run budget of each tip asked.
std::string candidatesText(int found, int asked, long long tried, long long budget) {
  return fillPattern(
      NUMORA_TRANSLATABLE("Numora",
                          "Calculation: %1 of %2 tips found; candidate %3 of %4 for tip %5"),
      {std::to_string(found), std::to_string(asked), formatGrouped(tried), formatGrouped(budget),
       std::to_string(found + 1)});
}

// The bar counts in candidates; the whole run budget of every tip asked must fit its range.
int progressUnits(long long candidates, long long budget, int asked) {
  const long long whole = budget * asked;
  if (whole <= 0 || whole <= std::numeric_limits<int>::max()) return static_cast<int>(candidates);
  return static_cast<int>(candidates * std::numeric_limits<int>::max() / whole);
}

// How the search of the asked tips ended.
enum class SearchOutcome { AllFound, Stopped, BudgetUsedUp, PoolTooSmall };

// Searches tips first..total; each gets LaufMax candidates at most.
SearchOutcome searchTips(const CalculationContext& context, CalculationState& state,
                         const CandidatePool& pool, ComparisonTable& table, TipFilters& filters,
                         int first, const std::atomic<int>* liveBudget) {
  Form& form = context.form;
  Platform& platform = context.platform;
  const int size = form.numbersPerTip();
  const int total = form.totalTips();
  if (first <= total && pool.distinctNumbers() < size) {
    // Such a pool can never fill a tip.
    platform.showMessage(fillPattern(
        NUMORA_TRANSLATABLE("Numora",
                            "The number pool holds only %1 different numbers; a tip needs %2."),
        {std::to_string(pool.distinctNumbers()), std::to_string(size)}));
    form.StatusBar1.setPanel(1, giveUpLine(form));
    return SearchOutcome::PoolTooSmall;
  }
  Candidate candidate;
  const int asked = total - first + 1;
  const long long budget = form.LaufMax;
  std::optional<ProgressDisplay> progress;
  if (asked > 0) {
    progress.emplace(form.WorkProgress, progressUnits(budget * asked, budget, asked),
                     tipsFoundText(0, asked));
  }
  for (int t = first; t <= total; ++t) {
    long long runs = 0;
    bool accepted = false;
    const int found = t - first;
    while (!accepted && runs < form.LaufMax && !stopRequested(form)) {
      platform.processEvents();
      // A budget changed in the window meanwhile applies from this candidate on.
      if (liveBudget) form.LaufMax = liveBudget->load(std::memory_order_relaxed);
      ++runs;
      if (runs % kCandidatesPerProgressStep == 0) {
        progress->show(progressUnits(found * budget + runs, budget, asked),
                       candidatesText(found, asked, runs, budget));
      }
      // Half the budget gone: the consecutive pair is no longer required.
      if (runs * 2 == form.LaufMax) form.CheckBox8.setChecked(false);
      drawCandidate(candidate, size, pool, form.random);
      // The line of the candidate tried is written only when the window will show it.
      if (platform.wantsProgress()) {
        form.StatusBar1.setPanel(1, candidateStatusLine(t, candidate));
        platform.repaint();
      }
      ++state.rejections.candidates;
      const int failing = filters.firstFailing(candidate, t);
      if (failing == 0) {
        accepted = true;
      } else {
        ++state.rejections.byFilter[static_cast<std::size_t>(failing)];
      }
    }
    const bool withinBudget = runs < form.LaufMax;
    form.StatusBar1.setPanel(1, withinBudget
                                    ? NUMORA_TRANSLATABLE("Numora", "Tips have been recalculated")
                                    : giveUpLine(form));
    // A stopped search, or one whose last run used up the budget, lists nothing and ends the
    // calculation.
    if (stopRequested(form)) return SearchOutcome::Stopped;
    if (!withinBudget) return SearchOutcome::BudgetUsedUp;
    table.setRow(t, candidate);
    form.ListBox1.add(tipLine(candidate));
    progress->show(progressUnits((found + 1) * budget, budget, asked),
                   tipsFoundText(found + 1, asked));
    platform.repaint();
  }
  return SearchOutcome::AllFound;
}

// Why the search ended short, beside the tip list, in the status line's tooltip and as the
// platform's details.
void showShortfallExplanation(const CalculationContext& context, const CalculationState& state,
                              SearchOutcome outcome) {
  Form& form = context.form;
  const std::vector<std::string> lines = explainShortfall(
      state.rejections, readGeneratorOptions(form), outcome == SearchOutcome::PoolTooSmall);
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  form.TipExplanation.setText(text);
  form.TipExplanation.setVisible(!text.empty());
  std::string hint = text;
  if (state.rejections.candidates > 0) {
    hint += (hint.empty() ? "" : "\n\n") + rejectionSummary(state.rejections);
  }
  form.StatusBar1.setHint(hint);
  context.platform.reportDetails(lines);
}

}  // namespace

std::string tipLine(const Candidate& candidate) {
  std::string line;
  for (const int number : candidate.numbers()) {
    if (!line.empty()) line += ',';
    if (number < 10) line += '0';
    line += std::to_string(number);
  }
  return line;
}

void putBackAfterFailure(Form& form, Platform& platform, bool pairRequired) {
  form.sortieren = true;
  form.CheckBox8.setChecked(pairRequired);
  platform.setWaitCursor(false);
  form.BitBtn4.setCaption(kIdleCaption);
}

std::optional<PreparedCalculation> prepareCalculation(const CalculationContext& context,
                                                      CalculationState& state) {
  if (state.running) return std::nullopt;
  Form& form = context.form;
  Platform& platform = context.platform;
  auto history = readHistory(context);
  if (!history) {
    form.BitBtn4.setCaption(kIdleCaption);
    return std::nullopt;
  }
  PreparedCalculation prepared;
  prepared.history = std::move(*history);
  prepared.pairRequired = form.CheckBox8.checked();
  RunGuard guard(form, platform, state, prepared.pairRequired);
  state.rejections = RejectionCounts{};
  form.StatusBar1.setHint("");
  if (context.explainsShortfall) {
    form.TipExplanation.setText("");
    form.TipExplanation.setVisible(false);
  }
  form.sortieren = false;
  applyRunBudget(form);
  platform.setWaitCursor(true);

  prepared.picked = rememberPickedDraw(context);
  prepared.last = readLastDraws(context, prepared.picked);
  prepared.first = prepareTipList(context, prepared.table);

  if (preparePool(context, readGeneratorOptions(form), prepared.last, prepared.picked,
                  prepared.pool) == PoolOutcome::Cancelled) {
    form.BitBtn4.setCaption(kCancelledCaption);
    form.sortieren = true;
    platform.setWaitCursor(false);
    guard.finished();
    return std::nullopt;
  }

  form.StatusBar1.setPanel(1, NUMORA_TRANSLATABLE("Numora", "start of calculation"));
  platform.repaint();
  form.PageControl1.setActivePage(kKenoTipsPage);
  applyRunBudget(form);
  guard.handOver();
  return prepared;
}

void searchPreparedTips(const CalculationContext& context, CalculationState& state,
                        PreparedCalculation& prepared, const std::atomic<int>* liveBudget) {
  Form& form = context.form;
  Platform& platform = context.platform;
  RunGuard guard(form, platform, state, prepared.pairRequired);
  const LastDrawCounts lastCounts = countLastDraws(prepared.last.draws);
  TipFilters filters(form, prepared.table, lastCounts, prepared.history);
  const SearchOutcome outcome = searchTips(context, state, prepared.pool, prepared.table, filters,
                                           prepared.first, liveBudget);

  form.sortieren = true;
  platform.setWaitCursor(false);
  form.CheckBox8.setChecked(prepared.pairRequired);
  showPickedDraw(context, prepared.picked);
  Komplettcheck(form, platform);
  form.BitBtn4.setCaption(kIdleCaption);
  if (state.rejections.candidates > 0) form.StatusBar1.setHint(rejectionSummary(state.rejections));
  const bool endedShort =
      outcome == SearchOutcome::BudgetUsedUp || outcome == SearchOutcome::PoolTooSmall;
  if (endedShort && context.explainsShortfall) showShortfallExplanation(context, state, outcome);
  platform.repaint();
  guard.finished();
}

void calculateTips(const CalculationContext& context, CalculationState& state) {
  auto prepared = prepareCalculation(context, state);
  if (prepared) searchPreparedTips(context, state, *prepared);
}

void startOrStopCalculation(const CalculationContext& context, CalculationState& state) {
  Form& form = context.form;
  if (form.BitBtn4.caption() == kStopCaption) {
    form.BitBtn4.setCaption(kIdleCaption);
    return;
  }
  // A click while a stop request is pending reaches here through the running calculation's
  // event processing: it must not start a second calculation inside the first.
  if (state.running) return;
  form.BitBtn4.setCaption(kStopCaption);
  calculateTips(context, state);
}

}  // namespace numora
