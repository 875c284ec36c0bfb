#include "backtest/tip_success_tests.h"

#include <optional>
#include <stdexcept>

#include "backtest/analysis_report.h"
#include "backtest/backtest_guards.h"
#include "common/text.h"
#include "common/translatable.h"
#include "evaluation/tip_text.h"

namespace numora {
namespace {

// The texts that tell the two tests apart.
struct TipTestTexts {
  const char* promptTitle;
  const char* status;  // %1: the lucky number
  const char* failure;
};

constexpr TipTestTexts kSingleTexts{
    NUMORA_TRANSLATABLE("Numora", "Your lucky number (1-99999999)?"),
    NUMORA_TRANSLATABLE("Numora", "lucky number %1 set"),
    NUMORA_TRANSLATABLE("Numora", "Error - lucky number")};
constexpr TipTestTexts kPerDrawTexts{
    NUMORA_TRANSLATABLE("Numora", "your lucky number (1-99999999)?"),
    NUMORA_TRANSLATABLE("Numora", "have lucky number %1 set"),
    NUMORA_TRANSLATABLE("Numora", "Error when adding the random number")};

class TestFailure : public std::runtime_error {
 public:
  TestFailure() : std::runtime_error("back-test failed") {}
};

// Proposes a number from the random generator, asks for the lucky number (a cancel keeps the
// proposal), seeds the generator with it and reports it in the status line.
std::int32_t askForLuckyNumber(const BacktestContext& context, const TipTestTexts& texts) {
  Form& form = context.form();
  const std::string proposal = std::to_string(form.random.next(99999));
  const std::string answer = context.platform().inputBox(
      texts.promptTitle,
      NUMORA_TRANSLATABLE("Numora", "Enter your lucky number for the random number generator!"),
      proposal);
  const auto number = parseStrictInt(trim(answer));
  if (!number) throw TestFailure();
  form.random.setSeed(*number);
  form.StatusBar1.setPanel(1, fillPattern(texts.status, {std::to_string(*number)}));
  return *number;
}

void addScores(const Form& form, BacktestTotals& totals) {
  for (int i = 0; i <= totals.numbersPerTip; ++i) {
    totals.hits[static_cast<std::size_t>(i)] += form.Statistik[static_cast<std::size_t>(i)];
  }
}

// The tips of the list as sets of the numbers scoring compares.
std::vector<NumberSet> listedTips(const Form& form) {
  std::vector<NumberSet> tips;
  for (const std::string& line : form.ListBox1.lines()) {
    if (trim(line).empty()) continue;
    const TipNumbers numbers = readTipNumbers(line, form.numbersPerTip());
    NumberSet tip;
    for (int i = 0; i < numbers.count; ++i) tip.add(numbers.values[static_cast<std::size_t>(i)]);
    tips.push_back(tip);
  }
  return tips;
}

NumberSet shownDraw(const Form& form) {
  NumberSet draw;
  for (std::size_t i = 1; i < form.Zahl.size(); ++i) draw.add(form.Zahl[i]);
  return draw;
}

// Notes the shown draw as scored against the cycle's tips, when the full check scored them all.
void noteScoredDraw(const Form& form, ScoredCycle& cycle) {
  std::int64_t scored = 0;
  for (const int count : form.Statistik) scored += count;
  if (!cycle.tips.empty() && scored == static_cast<std::int64_t>(cycle.tips.size())) {
    cycle.draws.push_back(shownDraw(form));
  }
}

std::vector<std::string> singleReport(const BacktestTotals& totals) {
  std::vector<std::string> lines{"Current setting brought: "};
  for (int i = 0; i <= totals.numbersPerTip; ++i) {
    lines.push_back(std::to_string(i) + "x \t => " +
                    std::to_string(totals.hits[static_cast<std::size_t>(i)]));
  }
  lines.push_back(" ");
  lines.push_back("by " + std::to_string(totals.cycles) + " draw");
  return lines;
}

const TipTestTexts& textsOf(BacktestKind kind) {
  return kind == BacktestKind::PerDraw ? kPerDrawTexts : kSingleTexts;
}

// Runs a tip success test with a lucky number: the frame both share, with the test's cycles in
// between.
template <typename Cycles>
BacktestOutcome runTipTest(const BacktestContext& context, BacktestKind kind, Cycles runCycles,
                           std::int32_t lucky) {
  Form& form = context.form();
  Platform& platform = context.platform();
  WaitCursor cursor(platform);
  form.Memo1.setText("");
  EditListOff editList(form);
  Replay replay(context);
  BacktestOutcome outcome;
  outcome.failureText = textsOf(kind).failure;
  if (!replay.showChosenDraw()) return outcome;
  try {
    BacktestTotals totals;
    totals.kind = kind;
    totals.numbersPerTip = form.numbersPerTip();
    totals.lotteryIndex = form.lotteryIndex();
    outcome.lines = runCycles(replay, lucky, totals, outcome);
    outcome.plannedCycles = replay.runsCycles() ? replay.drawsAfterChosen() : 0;
    // A stop noticed after the last cycle stopped nothing.
    outcome.stopped =
        form.closing && (!outcome.calculated || totals.cycles < outcome.plannedCycles);
    noteSkippedRecords(outcome.lines, replay.skippedRecords());
    outcome.totals = std::move(totals);
  } catch (const std::exception&) {
    platform.showMessage(outcome.failureText);
  }
  return outcome;
}

// The single-calculation test's cycles.
auto singleCycles(const BacktestContext& context) {
  return [&context](Replay& replay, std::int32_t lucky, BacktestTotals& totals,
                    BacktestOutcome& outcome) {
    Form& form = context.form();
    form.random.setSeed(lucky);
    replay.calculate();
    // Stopped before the tips were whole: there is nothing to score, and the list stays.
    outcome.calculated = !form.closing;
    if (!outcome.calculated) {
      replay.restoreFinishedList();
      return std::vector<std::string>{};
    }
    ScoredCycle scored{listedTips(form), {}};
    if (replay.runsCycles()) {
      // A cycle: the next draw, scored with the tips of the one calculation.
      while (replay.forward()) {
        addScores(form, totals);
        noteScoredDraw(form, scored);
        replay.cycleCounted();
      }
    }
    totals.scoredCycles.push_back(std::move(scored));
    totals.cycles = replay.cycles();
    return singleReport(totals);
  };
}

// The per-draw test's cycles.
auto perDrawCycles(const BacktestContext& context) {
  return [&context](Replay& replay, std::int32_t lucky, BacktestTotals& totals, BacktestOutcome&) {
    Form& form = context.form();
    // A stop drops the cycle in progress and leaves the list as the last finished cycle left
    // it, scored as it was.
    if (replay.runsCycles()) {
      // A cycle: a calculation from the lucky number at the current draw,
      // scored against the next draw.
      while (replay.startsNewCycle()) {
        form.random.setSeed(lucky);
        replay.calculate();
        if (form.closing) break;
        ScoredCycle scored{listedTips(form), {}};
        if (!replay.forward()) break;
        context.platform().repaint();
        addScores(form, totals);
        noteScoredDraw(form, scored);
        totals.scoredCycles.push_back(std::move(scored));
        replay.cycleCounted();
      }
    }
    if (form.closing) replay.restoreFinishedList();
    totals.cycles = replay.cycles();
    return hitCountReport(totals, " draws");
  };
}

}  // namespace

std::optional<std::int32_t> prepareTipTest(const BacktestContext& context, BacktestKind kind) {
  const TipTestTexts& texts = textsOf(kind);
  context.form().Memo1.setText("");
  Replay replay(context);
  if (!replay.showChosenDraw()) return std::nullopt;
  try {
    return askForLuckyNumber(context, texts);
  } catch (const std::exception&) {
    context.platform().showMessage(texts.failure);
    return std::nullopt;
  }
}

BacktestOutcome tipTestOutcome(const BacktestContext& context, BacktestKind kind,
                               std::int32_t lucky) {
  if (kind == BacktestKind::PerDraw) {
    return runTipTest(context, kind, perDrawCycles(context), lucky);
  }
  return runTipTest(context, BacktestKind::SingleCalculation, singleCycles(context), lucky);
}

std::optional<BacktestTotals> tipTestTotals(const BacktestContext& context, BacktestKind kind,
                                            std::int32_t lucky) {
  BacktestOutcome outcome = tipTestOutcome(context, kind, lucky);
  // A stopped run's totals are part of no result.
  if (outcome.stopped) return std::nullopt;
  return std::move(outcome.totals);
}

}  // namespace numora
