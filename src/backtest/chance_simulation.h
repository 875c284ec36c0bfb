// The comparison with chance by simulation: the tips of every cycle stay as the test made them,
// the draws they were scored against are replaced by random draws of 20 out of 70, and the
// observed chi-squared sum is set against the sums of many such random histories. Tips of one
// calculation that share numbers hit the same draw together; the simulation keeps that, where a
// textbook chi-squared law would count their hits as independent.
#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "backtest/backtest_totals.h"
#include "backtest/chance_comparison.h"

namespace numora {

constexpr int kChanceSimulations = 10000;
// The same test always gets the same random histories, so it always gets the same verdict.
constexpr std::uint64_t kChanceSeed = 0x5eed'2026'0020'0001;

struct ChanceSimulationRequest {
  std::vector<ScoredCycle> cycles;
  // The pooled hit counts the chi-squared sum runs over, with what chance expects of each.
  std::vector<HitGroup> groups;
  // The prize per unit stake of each hit count; empty: no winnings are worked out.
  std::vector<double> prizeByHits;
  int simulations = kChanceSimulations;
  std::uint64_t seed = kChanceSeed;
  // Worker threads; 0 takes every core. The result never depends on it.
  unsigned threads = 0;
  // Keep each random history's winnings, in the order of the histories (a sweep sets the
  // settings' winnings on the same random history side by side).
  bool keepWinnings = false;
  // Asked to stop, the simulation ends early; what it returns then means nothing.
  std::stop_token stop;
};

// Winnings per unit stake: the observed history's and the spread of the random histories'.
struct WinningsSpread {
  double observed = 0;
  double mean = 0;
  double low = 0;   // 5 % of the random histories won less
  double high = 0;  // 5 % won more
};

struct ChanceSimulationResult {
  std::int64_t comparisons = 0;  // tip-with-draw comparisons of one history
  double observedChiSquared = 0;
  int simulations = 0;
  std::int64_t atLeastObserved = 0;  // random histories whose sum reached the observed one
  // The observed history counts as one of the histories, so p is never 0 and a verdict at
  // level a is "beyond chance" at most a of the time when chance is the whole truth.
  double pValue = 1;
  std::optional<WinningsSpread> winnings;
  // Per random history, when the request asked to keep them.
  std::vector<double> simulatedWinnings;
};

// The chi-squared sum of a hit-count histogram over the pooled groups; hits past the last group
// count in it.
double pooledChiSquared(const std::vector<std::int64_t>& hitCounts,
                        const std::vector<HitGroup>& groups);

ChanceSimulationResult simulateChance(const ChanceSimulationRequest& request);

}  // namespace numora
