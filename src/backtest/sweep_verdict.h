// The sweep's verdict: the p-values adjusted for the number of settings tried (Holm), the one
// sentence that says whether any setting did better than chance explains, the luck figure and
// the result lines numora-cli prints.
#pragma once

#include <string>
#include <vector>

#include "backtest/sweep_run.h"

namespace numora {

constexpr double kSweepLevel = 0.05;

// The setting's return and p-value against chance from its pooled totals; simulations on one
// thread, so settings can run side by side.
void scoreSweepCell(SweepCell& cell, int simulations);

// Holm's step-down adjustment: the k-th smallest p times the settings not yet passed, never
// below the one before it, at most 1.
void adjustHolm(std::vector<SweepCell>& cells);

// The best return of the settings on each random history; nothing without simulations.
std::optional<LuckFigure> bestOfChance(const std::vector<SweepCell>& cells);

// Whether any setting's adjusted p-value lies below the level.
bool anyBeyondChance(const std::vector<SweepCell>& cells, double level = kSweepLevel);

// The verdict in one sentence.
std::string sweepVerdict(const SweepResult& result);

// A line per setting, each beginning "Sweep: ", then the verdict lines; no timing.
std::vector<std::string> sweepLines(const SweepResult& result);

}  // namespace numora
