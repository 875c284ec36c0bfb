// The replay that every back-test runs: from the draw of the chosen date, cycle after cycle,
// to the end of the history. A cycle moves through the history with the ordinary draw steps,
// so every step scores the tip list (the full check) as a click on the step buttons would.
// The replay ends when a forward step finds no further draw; a chosen date equal to today runs
// no cycle. Calculations inside a test see only the draws up to the cycle's current draw.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/progress_display.h"
#include "generator/calculation_run.h"

namespace numora {

// InMemory steps over the history read once per test; Literal re-reads the draw file from its
// first record at every step and calculation, as the plain description of the replay does (the
// tests compare both).
enum class ReplayMode { InMemory, Literal };

struct BacktestContext {
  CalculationContext calculation;
  CalculationState& state;
  ReplayMode mode = ReplayMode::InMemory;

  Form& form() const { return calculation.form; }
  Platform& platform() const { return calculation.platform; }
  DrawContext draws() const { return calculation.draws(); }
};

class Replay {
 public:
  explicit Replay(const BacktestContext& context) : context_(context) {}
  // The progress text goes when the test ends, however it ends.
  ~Replay() { finish(); }
  Replay(const Replay&) = delete;
  Replay& operator=(const Replay&) = delete;

  // Notes the chosen date and shows its draw; false (the message shown) without a draw file or
  // without a stored draw.
  bool showChosenDraw();
  // False when the chosen date is today's: the replay runs no cycle.
  bool runsCycles() const;

  // Whether the current draw lies after the one the last cycle started from. A cycle that does
  // not move forward would start again for ever: the test ends there instead.
  bool startsNewCycle();
  // The step to the next draw; false when there is none (the last draw stays current).
  bool forward();
  void back();
  // Counts a completed cycle and shows the progress beside the status panels.
  void cycleCounted();
  std::int64_t cycles() const { return cycles_; }
  // The draws after the chosen one that the steps reach.
  std::int64_t drawsAfterChosen() const { return drawsAfter_; }
  int chosenPosition() const { return firstPosition_; }
  // The records after the chosen draw the steps passed over (damaged or out of order).
  std::size_t skippedRecords() const { return skipped_; }

  // A calculation at the current draw that sees no later draw, run to its end.
  void calculate();
  // After a stop: the tip list the last counted cycle left (the one before the first cycle when
  // none was counted), scored against the shown draw.
  void restoreFinishedList();

 private:
  void finish();
  void prepareRead();

  const BacktestContext& context_;
  // The bar over the draws after the chosen one, in the status bar while the test runs.
  std::optional<ProgressDisplay> progress_;
  int firstPosition_ = 0;
  int lastCycleStart_ = -1;
  DayCount chosen_ = 0;
  std::int64_t cycles_ = 0;
  std::size_t skipped_ = 0;
  std::int64_t drawsAfter_ = 0;
  std::vector<std::string> finishedList_;
};

}  // namespace numora
