// A back-test's hit counts set against chance: the count each hit count should reach if the
// tips (or probes) hit the draws at random, and a chi-squared goodness-of-fit verdict. The
// recurrence tests compare distinct pairs of independent draws, so the chi-squared law gives
// their p-value; the tips of one calculation share numbers, so a tip success test gets its
// p-value from random histories instead (chance_simulation.h).
#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "backtest/backtest_totals.h"

namespace numora {

// Adjacent hit counts counted together in the test, so that chance expects enough of them.
struct HitGroup {
  int firstHits = 0;
  int lastHits = 0;
  std::int64_t observed = 0;
  double expected = 0;
};

struct ChanceComparison {
  int numbersPerTip = 0;               // the picked numbers of a tip; 20 for a recurrence probe
  std::int64_t comparisons = 0;        // tip-with-draw comparisons counted (tips x cycles)
  std::vector<std::int64_t> observed;  // per hit count 0..numbersPerTip
  std::vector<double> expected;        // comparisons x the chance of that hit count
  std::vector<HitGroup> groups;        // the pooled hit counts the test compares
  bool testable = false;               // at least two groups, so the test has a verdict
  double chiSquared = 0;
  int degreesOfFreedom = 0;
  double pValue = 1;  // of the simulation when there is one, else of the chi-squared law
  // A tip success test's random histories: their count, the observed sum's rank among them,
  // the winnings spread.
  struct Simulation {
    int histories = 0;
    std::int64_t atLeastObserved = 0;
    std::optional<double> observedWinnings;  // per unit stake; none without a prize table
    double meanWinnings = 0;
    double lowWinnings = 0;  // 90 % of the random histories won between low and high
    double highWinnings = 0;
  };
  std::optional<Simulation> simulation;
};

// The smallest expected count a group of hit counts may have in the test.
constexpr double kSmallestExpected = 5.0;

// Pools adjacent hit counts from the lowest up until each group expects at least
// kSmallestExpected; a short last group joins the one before it.
std::vector<HitGroup> poolSparseHitCounts(const std::vector<std::int64_t>& observed,
                                          const std::vector<double>& expected);

// The prize per unit stake of each hit count of the totals' lottery and tip size.
std::vector<double> prizesByHits(const BacktestTotals& totals);

// Compares the totals of a tip success test (hit law of the tip size) or of a recurrence test
// (the numbers two 20-number draws share) with chance.
// A tip success test with its scored cycles is tested by simulation on `threads` threads (0:
// every core); the result does not depend on the thread count.
// Asked to stop, it ends early and its result means nothing.
ChanceComparison compareWithChance(const BacktestTotals& totals, unsigned threads = 0,
                                   std::stop_token stop = {});

}  // namespace numora
