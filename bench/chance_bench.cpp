// How long the "Odds" tab takes to set a back-test against chance: the hit law, the pooling,
// the chi-squared tail and the text of the grid and memo.
#include <benchmark/benchmark.h>

#include "backtest/chance_page.h"

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

}  // namespace
}  // namespace numora
