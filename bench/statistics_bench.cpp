// The statistics over the whole generated Daily Keno history (29.04.1996 to 10.12.2026, two
// draws a day): number distribution, cross sums, the three group searches, overdue numbers.
#include <benchmark/benchmark.h>

#include "form/scripted_platform.h"
#include "stats/group_search.h"
#include "stats/number_distribution.h"
#include "stats/overdue_numbers.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora {
namespace {

constexpr DayCount kToday = 46366;  // 10.12.2026

struct WholeHistory {
  WholeHistory() {
    home.writeDraws("Vuduro.dat", test::generateHistory(encodeDate(1996, 4, 29), kToday, true));
    form.Home = home.home();
    form.ZahlenFile = "Vuduro.dat";
    form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
    form.DateTimePicker2.setMinDate(encodeDate(1996, 4, 29));
    (void)form.DateTimePicker1.setDate(kToday);
    (void)form.DateTimePicker2.setDate(encodeDate(1996, 4, 29));
  }
  DrawContext context() { return DrawContext{form, platform, reader}; }

  test::TempHome home;
  Form form;
  ScriptedPlatform platform;
  DrawFileReader reader;
};

template <void (*Statistic)(DrawContext)>
void BM_Statistic(benchmark::State& state) {
  WholeHistory history;
  Statistic(history.context());  // the first run loads the file
  for (auto _ : state) Statistic(history.context());
}
BENCHMARK_TEMPLATE(BM_Statistic, chartNumberDistribution)
    ->Name("NumberDistribution")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Statistic, chartCrossSumDistribution)
    ->Name("CrossSumDistribution")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Statistic, countPairs)->Name("PairSearch")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Statistic, countTriples)->Name("TripleSearch")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Statistic, countFourGroups)
    ->Name("FourGroupSearch")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Statistic, chartOverdueNumbers)
    ->Name("OverdueNumbers")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
