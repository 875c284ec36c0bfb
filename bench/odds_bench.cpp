// Filling the "Odds" tab: one tip size, and every size 2..10 as the check box asks.
#include <benchmark/benchmark.h>

#include "evaluation/odds_page.h"

namespace numora {
namespace {

void BM_ShowOdds(benchmark::State& state) {
  Form form;
  form.OddsAllSizesCheckBox.setChecked(state.range(0) != 0);
  for (auto _ : state) {
    showOdds(form);
    benchmark::DoNotOptimize(form.OddsGrid.rows().data());
  }
}
BENCHMARK(BM_ShowOdds)->Arg(0)->Arg(1)->ArgName("allSizes");

}  // namespace
}  // namespace numora
