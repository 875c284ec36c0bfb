#include "backtest/backtest_outcome.h"

#include <stdexcept>

#include "backtest/analysis_report.h"
#include "backtest/recurrence_tests.h"
#include "backtest/tip_success_tests.h"
#include "common/atomic_file.h"

namespace numora {
namespace {

bool isTipTest(BacktestKind kind) {
  return kind == BacktestKind::SingleCalculation || kind == BacktestKind::PerDraw;
}

}  // namespace

std::optional<BacktestPlan> prepareBacktest(const BacktestContext& context, BacktestKind kind) {
  if (!isTipTest(kind)) {
    if (!prepareRecurrenceTest(context)) return std::nullopt;
    return BacktestPlan{kind, 0};
  }
  const auto lucky = prepareTipTest(context, kind);
  if (!lucky) return std::nullopt;
  return BacktestPlan{kind, *lucky};
}

BacktestOutcome computeBacktest(const BacktestContext& context, const BacktestPlan& plan) {
  if (isTipTest(plan.kind)) return tipTestOutcome(context, plan.kind, plan.lucky);
  return recurrenceTestOutcome(context, plan.kind);
}

std::vector<std::string> backtestReportLines(const BacktestOutcome& outcome) {
  if (!outcome.stopped) return outcome.lines;
  const std::int64_t finished = outcome.totals ? outcome.totals->cycles : 0;
  std::vector<std::string> lines{"Stopped after " + std::to_string(finished) + " of " +
                                 std::to_string(outcome.plannedCycles) + " cycles."};
  if (outcome.calculated) lines.insert(lines.end(), outcome.lines.begin(), outcome.lines.end());
  return lines;
}

bool writeBacktestReport(Form& form, Platform& platform, const BacktestOutcome& outcome) {
  try {
    writeAndOpenAnalysis(form, platform, backtestReportLines(outcome));
    return true;
  } catch (const FileAccessError& error) {
    // The designed message, and on a line of its own which file failed and why.
    platform.showMessage(std::string(outcome.failureText) + "\n" + error.what());
  } catch (const std::exception&) {
    platform.showMessage(outcome.failureText);
  }
  return false;
}

}  // namespace numora
