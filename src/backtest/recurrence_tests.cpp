#include "backtest/recurrence_tests.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "backtest/analysis_report.h"
#include "backtest/backtest_guards.h"
#include "common/translatable.h"
#include "tips/tip_list.h"

namespace numora {
namespace {

constexpr const char* kReportFailure =
    NUMORA_TRANSLATABLE("Numora", "Error when adding the random number");

// The moves of a cycle, in order: 'F' a forward step, 'S' a forward step that scores, 'B' a
// step back, 'P' a step back that scores.
const char* movesOf(BacktestKind kind) {
  switch (kind) {
    case BacktestKind::NextDraw:
      return "S";
    case BacktestKind::SecondNextDraw:
      return "FSB";
    case BacktestKind::ThirdNextDraw:
      return "FFSBB";
    case BacktestKind::NextThreeDraws:
      return "SSSBB";
    case BacktestKind::LastThreeDraws:
      return "PPPFFFF";
    default:
      throw std::logic_error("no recurrence test");
  }
}

// The cycles of a run to the end of the history: one from each draw after the chosen one that
// has the draws its moves need.
std::int64_t plannedCycles(const Replay& replay, BacktestKind kind) {
  if (!replay.runsCycles()) return 0;
  const std::int64_t later = replay.drawsAfterChosen();
  switch (kind) {
    case BacktestKind::SecondNextDraw:
      return std::max<std::int64_t>(later - 1, 0);
    case BacktestKind::ThirdNextDraw:
    case BacktestKind::NextThreeDraws:
      return std::max<std::int64_t>(later - 2, 0);
    case BacktestKind::LastThreeDraws:
      // From the chosen draw itself, once three draws lie before the probe.
      return later + 1 -
             std::min<std::int64_t>(std::max(3 - replay.chosenPosition(), 0), later + 1);
    default:
      return later;
  }
}

bool hasExtremes(BacktestKind kind) {
  return kind == BacktestKind::NextThreeDraws || kind == BacktestKind::LastThreeDraws;
}

// The smallest and largest cycle totals and the dates of the cycles that first reached them.
struct Extremes {
  int smallest = 1000;
  DayCount smallestDate = 0;
  int largest = 0;
  DayCount largestDate = 0;

  void add(int total, DayCount date) {
    if (total < smallest) {
      smallest = total;
      smallestDate = date;
    }
    if (total > largest) {
      largest = total;
      largestDate = date;
    }
  }
};

enum class CycleEnd { Counted, Skipped, EndOfHistory, CountedAtEnd };

// One cycle from the current draw k; its scores go into the totals only when it completes.
CycleEnd runCycle(Replay& replay, Form& form, BacktestKind kind, BacktestTotals& totals,
                  int& cycleTotal) {
  if (!replay.startsNewCycle()) return CycleEnd::EndOfHistory;
  // Decision: a probe with fewer than three earlier draws has no last three draws; the replay
  // steps on to the next draw without counting.
  if (kind == BacktestKind::LastThreeDraws && form.Position < 3) {
    return replay.forward() ? CycleEnd::Skipped : CycleEnd::EndOfHistory;
  }
  deleteAllTips(form);
  form.ListBox1.add(probeTip(form));
  std::array<std::int64_t, 21> taken{};
  cycleTotal = 0;
  bool reachedEnd = false;
  for (const char* move = movesOf(kind); *move; ++move) {
    const bool scores = *move == 'S' || *move == 'P';
    if (*move == 'F' || *move == 'S') {
      if (!replay.forward()) {
        // Before all scoring the cycle is dropped; after it (the last-three test's forward
        // moves) the cycle counts and the replay ends.
        if (kind != BacktestKind::LastThreeDraws || form.closing) return CycleEnd::EndOfHistory;
        reachedEnd = true;
        break;
      }
    } else {
      replay.back();
    }
    if (scores) {
      for (std::size_t i = 0; i < taken.size(); ++i) {
        taken[i] += form.Statistik[i];
        cycleTotal += static_cast<int>(i) * form.Statistik[i];
      }
    }
  }
  for (std::size_t i = 0; i < taken.size(); ++i) totals.hits[i] += taken[i];
  return reachedEnd ? CycleEnd::CountedAtEnd : CycleEnd::Counted;
}

std::vector<std::string> recurrenceReport(const BacktestTotals& totals, const Extremes& extremes) {
  std::vector<std::string> lines =
      hitCountReport(totals, totals.kind == BacktestKind::NextDraw ? " draw" : " draws");
  // Decision: without a counted cycle the extremes have no date, and their lines are left out.
  if (hasExtremes(totals.kind) && totals.cycles > 0) {
    lines.push_back("at the " + formatDate(extremes.smallestDate) + " from it " +
                    std::to_string(extremes.smallest) + " matches");
    lines.push_back("at the " + formatDate(extremes.largestDate) + " from it " +
                    std::to_string(extremes.largest) + " matches");
  }
  return lines;
}

}  // namespace

std::string probeTip(const Form& form) {
  std::string tip;
  for (int i = 1; i <= 20; ++i) {
    const int number = form.Zahl[static_cast<std::size_t>(i)];
    if (i > 1) tip += ',';
    if (number < 10) tip += '0';
    tip += std::to_string(number);
  }
  return tip;
}

bool prepareRecurrenceTest(const BacktestContext& context) {
  context.form().Memo1.setText("");
  // The tip size ends at 10 however the test ends, also when it cannot start.
  TwentyNumbersPerTip twenty(context.form());
  Replay replay(context);
  return replay.showChosenDraw();
}

BacktestOutcome recurrenceTestOutcome(const BacktestContext& context, BacktestKind kind) {
  Form& form = context.form();
  Platform& platform = context.platform();
  WaitCursor cursor(platform);
  form.Memo1.setText("");
  TwentyNumbersPerTip twenty(form);
  Replay replay(context);
  BacktestOutcome outcome;
  outcome.failureText = kReportFailure;
  if (!replay.showChosenDraw()) return outcome;
  BacktestTotals totals;
  totals.kind = kind;
  totals.numbersPerTip = 20;
  Extremes extremes;
  try {
    bool more = replay.runsCycles();
    // A stop ends the test after the last whole cycle: a cycle stopped midway stepped no
    // further than the end of the history would have let it.
    while (more && !form.closing) {
      int cycleTotal = 0;
      const CycleEnd end = runCycle(replay, form, kind, totals, cycleTotal);
      if (end == CycleEnd::EndOfHistory) break;
      if (end == CycleEnd::Skipped) continue;
      replay.cycleCounted();
      if (hasExtremes(kind)) extremes.add(cycleTotal, form.DateTimePicker1.date());
      more = end == CycleEnd::Counted;
    }
    // A stop leaves the list as the last finished cycle left it.
    if (form.closing) replay.restoreFinishedList();
    totals.cycles = replay.cycles();
    outcome.lines = recurrenceReport(totals, extremes);
    outcome.plannedCycles = plannedCycles(replay, kind);
    // A stop noticed after the last cycle stopped nothing.
    outcome.stopped = form.closing && totals.cycles < outcome.plannedCycles;
    noteSkippedRecords(outcome.lines, replay.skippedRecords());
    outcome.totals = std::move(totals);
  } catch (const std::exception&) {
    platform.showMessage(kReportFailure);
  }
  return outcome;
}

}  // namespace numora
