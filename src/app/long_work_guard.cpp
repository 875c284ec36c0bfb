#include "app/long_work_guard.h"

#include "common/translatable.h"

#include <array>

namespace numora {
namespace {

struct Allowed {
  std::string_view name;
  const char* why;
};

// Handlers that may run whatever long work runs.
constexpr std::array kAllowedHandlers = {
    Allowed{"SpeedButton8Click", "stops the update run"},
    Allowed{"StopUpdateButtonClick", "stops the update run"},
    Allowed{"PageControl1Change", "shows another tab"},
    Allowed{"OddsAllSizesCheckBoxChange", "fills the \"Odds\" tab, a view of its own"},
    Allowed{"ListBox1Click", "moves the selection of the hit list with the tip list"},
    Allowed{"ListBox2Click", "moves the selection of the tip list with the hit list"},
    Allowed{"Label43Click", "opens the product page"},
    Allowed{"Label52Click", "opens a web address"},
    Allowed{"Label53Click", "opens a web address"},
    Allowed{"Label54Click", "opens a web address"},
    Allowed{"Label55Click", "opens a web address"},
    Allowed{"Label56Click", "opens a web address"},
    Allowed{"Label59Click", "opens a web address"},
    Allowed{"FormClose", "stops the work, then closes"},
    Allowed{"StopClick", "stops whatever work runs (Esc)"},
};

// Controls the user may use whatever long work runs.
constexpr std::array kAllowedControls = {
    Allowed{"PageControl1", "the tabs"},
    Allowed{"OddsAllSizesCheckBox", "what the \"Odds\" tab shows"},
    Allowed{"ListBox1", "the selection, not the lines"},
    Allowed{"ListBox2", "the selection, not the lines"},
    Allowed{"SpeedButton8", "\"Stop reading\""},
    Allowed{"StopUpdateButton", "\"Stop reading\" on the \"Keno-Tips\" tab"},
    Allowed{"CloseButton", "closes the window"},
};

template <std::size_t N>
bool listed(const std::array<Allowed, N>& list, std::string_view name) {
  for (const Allowed& entry : list) {
    if (entry.name == name) return true;
  }
  return false;
}

bool isHint(std::string_view handler) {
  return handler.ends_with("MouseEnter") || handler.ends_with("MouseLeave");
}

// The calculation's start/stop button is the stop of a calculation, a back-test and a sweep.
bool stoppedByStartStopButton(LongWork work) {
  return work == LongWork::Calculation || work == LongWork::Backtest || work == LongWork::Sweep;
}

// Controls that take input from the user; labels, panels and the read-only views never do.
bool takesInput(const Control& control) {
  if (dynamic_cast<const Memo*>(&control)) return false;
  return dynamic_cast<const Button*>(&control) || dynamic_cast<const UpDown*>(&control) ||
         dynamic_cast<const CheckBox*>(&control) || dynamic_cast<const Edit*>(&control) ||
         dynamic_cast<const ComboBox*>(&control) || dynamic_cast<const RadioGroup*>(&control) ||
         dynamic_cast<const DatePicker*>(&control) || dynamic_cast<const ListBox*>(&control) ||
         dynamic_cast<const PageControl*>(&control);
}

}  // namespace

std::string runningWorkRefusal(LongWork work) {
  switch (work) {
    case LongWork::Calculation:
      return NUMORA_TRANSLATABLE("Numora", "A calculation is running; press Stop or Esc first.");
    case LongWork::Backtest:
      return NUMORA_TRANSLATABLE("Numora", "A back-test is running; press Stop or Esc first.");
    case LongWork::UpdateRun:
      return NUMORA_TRANSLATABLE("Numora",
                                 "An update run is running; press Stop reading or Esc first.");
    case LongWork::HistoricalSearch:
      return NUMORA_TRANSLATABLE("Numora", "A search is running; press Stop or Esc first.");
    case LongWork::Sweep:
      return NUMORA_TRANSLATABLE("Numora", "A sweep is running; press Stop or Esc first.");
  }
  return {};
}

const char* longWorkName(LongWork work) {
  switch (work) {
    case LongWork::Calculation:
      return "calculation";
    case LongWork::Backtest:
      return "back-test";
    case LongWork::UpdateRun:
      return "update run";
    case LongWork::HistoricalSearch:
      return "search";
    case LongWork::Sweep:
      return "sweep";
  }
  return "";
}

LongWorkGuard::Run::Run(LongWorkGuard& guard, LongWork work)
    : guard_(guard), outermost_(!guard.running_) {
  if (outermost_) guard_.running_ = work;
}

LongWorkGuard::Run::~Run() {
  if (outermost_) guard_.running_.reset();
}

std::optional<std::string> LongWorkGuard::refusesHandler(std::string_view handler,
                                                         bool calculationRunning) const {
  if (!running_) return std::nullopt;
  if (listed(kAllowedHandlers, handler) || isHint(handler)) return std::nullopt;
  // The calculation's start/stop button stops a calculation, a back-test or a sweep as a whole.
  if (handler == "BitBtn19Click" && (calculationRunning || stoppedByStartStopButton(*running_))) {
    return std::nullopt;
  }
  // The sweep's stop button stops a running sweep and nothing else.
  if (handler == "SweepStopButtonClick" && running_ == LongWork::Sweep) return std::nullopt;
  // The run budget is the one option made to change while a calculation runs: it applies from
  // the next candidate.
  if (handler == "UpDown7Changing" && running_ == LongWork::Calculation) return std::nullopt;
  return runningWorkRefusal(*running_);
}

std::optional<std::string> LongWorkGuard::refusesChange(std::string_view controlName,
                                                        ControlChange change) const {
  if (!running_) return std::nullopt;
  // The lists a user may click in during long work are the ones the work fills.
  if (change == ControlChange::Value && allowsControl(controlName)) return std::nullopt;
  return runningWorkRefusal(*running_);
}

bool LongWorkGuard::allowsControl(std::string_view controlName) const {
  if (!running_ || listed(kAllowedControls, controlName)) return true;
  if (controlName == "BitBtn4") return stoppedByStartStopButton(*running_);
  if (controlName == "SweepStopButton") return running_ == LongWork::Sweep;
  return controlName == "UpDown7" && running_ == LongWork::Calculation;
}

void holdControls(const ControlRegistry& registry, const LongWorkGuard& guard) {
  for (Control* control : registry.all()) {
    control->setHeld(takesInput(*control) && !guard.allowsControl(control->name()));
  }
}

}  // namespace numora
