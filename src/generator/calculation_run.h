// The calculation run: the start/stop button, the calculation from the preparation to the
// filled tip list, and its state between handlers. Everything runs on the window's thread; once
// per candidate the window processes its events, so a second click on the button arrives as a
// stop request.
#pragma once

#include <atomic>
#include <optional>
#include <string>

#include "common/translatable.h"
#include "generator/calculation_context.h"
#include "generator/candidate.h"
#include "generator/candidate_pool.h"
#include "generator/comparison_table.h"
#include "generator/draw_history_sets.h"
#include "generator/last_draws.h"
#include "generator/rejection_counts.h"

namespace numora {

// The start/stop button's captions: "Stop" while a calculation runs.
constexpr const char* kStopCaption = NUMORA_TRANSLATABLE("Numora", "Stop");
constexpr const char* kIdleCaption = NUMORA_TRANSLATABLE("Numora", "calculate tips");
constexpr const char* kCancelledCaption = NUMORA_TRANSLATABLE("Numora", "calculation tip");

struct CalculationState {
  bool running = false;
  RejectionCounts rejections;  // of the last calculation
};

// The start/stop button: a click while a calculation runs asks it to stop; a click while a stop
// request is still pending starts nothing; otherwise the calculation runs to its end.
void startOrStopCalculation(const CalculationContext& context, CalculationState& state);

// The calculation itself, prepared and searched on one form; refused while another one runs.
void calculateTips(const CalculationContext& context, CalculationState& state);

// What a calculation prepares before its search: the history the filters scan, the picked
// draw, the last draws, the comparison table of the listed tips, the pool; the pair option as
// the user set it.
struct PreparedCalculation {
  DrawHistorySets history;
  PickedDraw picked;
  LastDraws last;
  ComparisonTable table;
  int first = 1;  // the number of the first tip to search
  CandidatePool pool;
  bool pairRequired = false;
};

// Everything before the search, on the window's form: reads the history, empties or keeps the
// tip list, prepares the pool (the number-choice dialog among it). Nothing when the calculation
// does not run (no draw file, the dialog cancelled, another calculation running); the state
// stays running otherwise, until the search ends.
std::optional<PreparedCalculation> prepareCalculation(const CalculationContext& context,
                                                      CalculationState& state);

// The search of the tips and the end of the run: the tip list, the full check, the status line.
// With a live budget the budget is read from it at every candidate.
void searchPreparedTips(const CalculationContext& context, CalculationState& state,
                        PreparedCalculation& prepared,
                        const std::atomic<int>* liveBudget = nullptr);

// What a run that an error ended puts back: the sort, the pair option, the cursor, the button.
void putBackAfterFailure(Form& form, Platform& platform, bool pairRequired);

// A tip as the tip list holds it: two digits a number, joined by commas ("03,17,25").
std::string tipLine(const Candidate& candidate);

}  // namespace numora
