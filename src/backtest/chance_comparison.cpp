#include "backtest/chance_comparison.h"

#include <boost/math/distributions/chi_squared.hpp>

#include "backtest/chance_simulation.h"
#include "evaluation/hit_law.h"
#include "evaluation/prize_table.h"

namespace numora {

std::vector<HitGroup> poolSparseHitCounts(const std::vector<std::int64_t>& observed,
                                          const std::vector<double>& expected) {
  std::vector<HitGroup> groups;
  HitGroup open;
  bool isOpen = false;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    if (!isOpen) {
      open = HitGroup{static_cast<int>(k), static_cast<int>(k), 0, 0};
      isOpen = true;
    }
    open.lastHits = static_cast<int>(k);
    open.observed += observed[k];
    open.expected += expected[k];
    if (open.expected >= kSmallestExpected) {
      groups.push_back(open);
      isOpen = false;
    }
  }
  if (isOpen) {
    if (groups.empty()) {
      groups.push_back(open);
    } else {
      HitGroup& last = groups.back();
      last.lastHits = open.lastHits;
      last.observed += open.observed;
      last.expected += open.expected;
    }
  }
  return groups;
}

std::vector<double> prizesByHits(const BacktestTotals& totals) {
  std::vector<double> prizes;
  for (const PrizeClass& prize : prizeClasses(totals.lotteryIndex, totals.numbersPerTip)) {
    if (prize.hits < 0) continue;
    const auto at = static_cast<std::size_t>(prize.hits);
    if (prizes.size() <= at) prizes.resize(at + 1, 0.0);
    prizes[at] = static_cast<double>(prize.prize);
  }
  return prizes;
}

namespace {

bool isTipTest(BacktestKind kind) {
  return kind == BacktestKind::SingleCalculation || kind == BacktestKind::PerDraw;
}

void simulate(const BacktestTotals& totals, unsigned threads, std::stop_token stop,
              ChanceComparison& result) {
  ChanceSimulationRequest request;
  request.stop = std::move(stop);
  request.cycles = totals.scoredCycles;
  request.groups = result.groups;
  request.prizeByHits = prizesByHits(totals);
  request.threads = threads;
  const ChanceSimulationResult simulated = simulateChance(request);
  result.chiSquared = simulated.observedChiSquared;
  result.pValue = simulated.pValue;
  ChanceComparison::Simulation simulation;
  simulation.histories = simulated.simulations;
  simulation.atLeastObserved = simulated.atLeastObserved;
  if (simulated.winnings) {
    simulation.observedWinnings = simulated.winnings->observed;
    simulation.meanWinnings = simulated.winnings->mean;
    simulation.lowWinnings = simulated.winnings->low;
    simulation.highWinnings = simulated.winnings->high;
  }
  result.simulation = simulation;
}

}  // namespace

ChanceComparison compareWithChance(const BacktestTotals& totals, unsigned threads,
                                   std::stop_token stop) {
  ChanceComparison result;
  const int picked = totals.numbersPerTip;
  result.numbersPerTip = picked;
  // A recurrence probe is a whole draw: the law of the numbers two draws share.
  const std::vector<double> chance = hitProbabilities(picked);
  for (int k = 0; k <= picked; ++k) {
    const std::int64_t count = totals.hits[static_cast<std::size_t>(k)];
    result.observed.push_back(count);
    result.comparisons += count;
  }
  for (int k = 0; k <= picked; ++k) {
    result.expected.push_back(static_cast<double>(result.comparisons) *
                              chance[static_cast<std::size_t>(k)]);
  }
  result.groups = poolSparseHitCounts(result.observed, result.expected);
  result.testable = result.groups.size() >= 2;
  if (!result.testable) return result;
  for (const HitGroup& group : result.groups) {
    const double difference = static_cast<double>(group.observed) - group.expected;
    result.chiSquared += difference * difference / group.expected;
  }
  // No parameter is estimated from the data: one degree of freedom less than the groups.
  result.degreesOfFreedom = static_cast<int>(result.groups.size()) - 1;
  if (isTipTest(totals.kind) && !totals.scoredCycles.empty()) {
    simulate(totals, threads, std::move(stop), result);
    return result;
  }
  const boost::math::chi_squared law(result.degreesOfFreedom);
  result.pValue = boost::math::cdf(boost::math::complement(law, result.chiSquared));
  return result;
}

}  // namespace numora
