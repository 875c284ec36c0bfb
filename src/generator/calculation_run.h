// The calculation run: the start/stop button, the calculation from the preparation to the
// filled tip list, and its state between handlers. Everything runs on the window's thread; once
// per candidate the window processes its events, so a second click on the button arrives as a
// stop request.
#pragma once

#include <string>

#include "common/translatable.h"
#include "generator/calculation_context.h"
#include "generator/candidate.h"
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

// The calculation itself; refused while another one runs.
void calculateTips(const CalculationContext& context, CalculationState& state);

// A tip as the tip list holds it: two digits a number, joined by commas ("03,17,25").
std::string tipLine(const Candidate& candidate);

}  // namespace numora
