// A back-test in three steps: prepared on the window's form (the chosen draw shown, the lucky
// number asked), computed on a copy of the form beside the window, and its report written and
// opened on the window's thread when it has ended.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "backtest/backtest_totals.h"
#include "backtest/replay.h"

namespace numora {

struct BacktestPlan {
  BacktestKind kind = BacktestKind::SingleCalculation;
  std::int32_t lucky = 0;  // the tip success tests' lucky number
};

struct BacktestOutcome {
  // Nothing when the test failed; its message was given.
  std::optional<BacktestTotals> totals;
  std::vector<std::string> lines;  // the report of the finished cycles
  std::int64_t plannedCycles = 0;  // the cycles of a run to the end of the history
  bool stopped = false;
  // False when a stop came before the single-calculation test had its tips: the report is the
  // heading alone.
  bool calculated = true;
  // The designed message when the report cannot be written.
  const char* failureText = "";
};

// Shows the chosen draw and asks what the test needs (the lucky number); nothing, with the
// message given, when the test cannot start.
std::optional<BacktestPlan> prepareBacktest(const BacktestContext& context, BacktestKind kind);

// Runs the test's cycles; a stop request (the form's closing) ends it after the last finished
// cycle, dropping the cycle in progress.
BacktestOutcome computeBacktest(const BacktestContext& context, const BacktestPlan& plan);

// The report's lines: a stopped test's are headed "Stopped after N of M cycles.".
std::vector<std::string> backtestReportLines(const BacktestOutcome& outcome);

// Writes the report and opens it; false, with the designed message naming the file and the
// system's error, when it cannot be written.
bool writeBacktestReport(Form& form, Platform& platform, const BacktestOutcome& outcome);

}  // namespace numora
