// One guard for long work. A calculation, a back-test, an update run and the historical search
// let the window process its events while they run, so any click could reach a handler in their
// middle; one that writes the draw file, the tip list, the options or the settings would write
// from the running work's half-finished state (a back-test's shortened view of the history, the
// draw the calculation looked at last, a file the update run is still appending to). While long
// work runs only what cannot disturb it gets through: the stop buttons, the views that only read
// (tabs, hints, the list selection, the "Odds" tab, web addresses) and the window's close.
// Everything else is refused with one message naming the running work; a handler or control that
// is not named below is refused, so what is added later is safe until someone decides otherwise.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/controls.h"

namespace numora {

enum class LongWork { Calculation, Backtest, UpdateRun, HistoricalSearch, Sweep };

// A control's value (a position, a tick, a date, a list's selection), or the lines of a list.
enum class ControlChange { Value, Lines };

// "A back-test is running; press Stop or Esc first." and the like.
std::string runningWorkRefusal(LongWork work);
// The work's name as numora-cli prints it: "calculation", "back-test", ...
const char* longWorkName(LongWork work);

class LongWorkGuard {
 public:
  // Marks work as running for its lifetime. Work inside other work keeps the outer work's name.
  class Run {
   public:
    Run(LongWorkGuard& guard, LongWork work);
    ~Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;
    bool outermost() const { return outermost_; }

   private:
    LongWorkGuard& guard_;
    bool outermost_;
  };

  std::optional<LongWork> running() const { return running_; }

  // Nothing when the handler may run now, otherwise the message that refuses it. The start/stop
  // button of the calculation is a stop button while a calculation, a back-test or a sweep
  // runs.
  std::optional<std::string> refusesHandler(std::string_view handler,
                                            bool calculationRunning) const;
  // Nothing when the user may change the control (or a script the field) now.
  std::optional<std::string> refusesChange(std::string_view controlName,
                                           ControlChange change = ControlChange::Value) const;
  // Whether the control may be used while the work runs; the window disables the others.
  bool allowsControl(std::string_view controlName) const;

 private:
  std::optional<LongWork> running_;
};

// Holds every control that takes input and may not be used while the work runs (the window
// shows them disabled), or releases them all when no work runs.
void holdControls(const ControlRegistry& registry, const LongWorkGuard& guard);

}  // namespace numora
