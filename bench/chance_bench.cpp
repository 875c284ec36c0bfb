// How long the "Odds" tab takes to set a back-test against chance: the hit law, the pooling,
// the chi-squared tail and the text of the grid and memo; and the simulation of random
// histories that gives a tip success test its p-value (20 tips x 2,000 draws, 10,000
// histories) on every core and on one.
#include <benchmark/benchmark.h>

#include <random>

#include "backtest/chance_page.h"
#include "backtest/chance_simulation.h"

namespace numora {
namespace {

void BM_ShowChanceComparison(benchmark::State& state) {
  BacktestTotals totals;
  totals.kind = state.range(0) ? BacktestKind::NextDraw : BacktestKind::PerDraw;
  totals.numbersPerTip = state.range(0) ? 20 : 10;
  totals.cycles = 1000;
  for (int k = 0; k <= totals.numbersPerTip; ++k) totals.hits[static_cast<std::size_t>(k)] = 50;
  Form form;
  for (auto _ : state) {
    showChanceComparison(form, totals);
    benchmark::DoNotOptimize(form.ChanceMemo.text().data());
  }
}
BENCHMARK(BM_ShowChanceComparison)->Arg(0)->Arg(1)->ArgName("recurrence");

// One calculation's 20 ten-number tips scored against 2,000 draws.
ChanceSimulationRequest twentyTipsTwoThousandDraws() {
  std::mt19937_64 random(2026);
  std::vector<int> numbers(70);
  for (int n = 0; n < 70; ++n) numbers[static_cast<std::size_t>(n)] = n + 1;
  const auto randomSet = [&](int size) {
    std::shuffle(numbers.begin(), numbers.end(), random);
    NumberSet set;
    for (int i = 0; i < size; ++i) set.add(numbers[static_cast<std::size_t>(i)]);
    return set;
  };
  ScoredCycle cycle;
  for (int t = 0; t < 20; ++t) cycle.tips.push_back(randomSet(10));
  for (int d = 0; d < 2000; ++d) cycle.draws.push_back(randomSet(20));
  ChanceSimulationRequest request;
  request.cycles.push_back(cycle);
  BacktestTotals totals;
  totals.numbersPerTip = 10;
  totals.lotteryIndex = 1;
  for (const NumberSet& draw : cycle.draws) {
    for (const NumberSet& tip : cycle.tips)
      ++totals.hits[static_cast<std::size_t>(tip.common(draw))];
  }
  request.groups = compareWithChance(totals).groups;
  request.prizeByHits = {2, 0, 0, 0, 0, 2, 5, 20, 100, 1000, 100000};
  return request;
}

void BM_SimulateChance(benchmark::State& state) {
  ChanceSimulationRequest request = twentyTipsTwoThousandDraws();
  request.threads = static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    const ChanceSimulationResult result = simulateChance(request);
    benchmark::DoNotOptimize(result.pValue);
  }
  state.counters["histories"] = request.simulations;
}
// threads 0: every core.
BENCHMARK(BM_SimulateChance)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
}  // namespace numora
