// Hand maintenance and the historical search on a whole Daily Keno history (a midday and an
// evening draw a day since 29.04.1996): deleting a draw rewrites the file through a synced
// scratch file; the search scores a tip list of 120 tips on every draw of one year.
#include <benchmark/benchmark.h>

#include "draws/draw_maintenance.h"
#include "form/scripted_platform.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"
#include "tips/historical_search.h"

namespace numora {
namespace {

const DayCount kLast = encodeDate(2023, 6, 10);

void BM_DeleteADrawFromAWholeDailyKenoHistory(benchmark::State& state) {
  const auto history = test::generateHistory(encodeDate(1996, 4, 29), kLast, true);
  test::TempHome home;
  Form form;
  form.Home = home.home();
  form.ZahlenFile = "Vuduro.dat";
  form.RadioGroup1.setItemIndex(1);
  form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
  ScriptedPlatform platform;
  DrawFileReader reader;
  for (auto _ : state) {
    state.PauseTiming();
    home.writeDraws("Vuduro.dat", history);
    (void)form.DateTimePicker1.setDate(kLast - 100);
    showDrawByDate(DrawContext{form, platform, reader});
    state.ResumeTiming();
    deleteShownDraw(DrawContext{form, platform, reader});
  }
  state.counters["records"] = static_cast<double>(history.size());
}
BENCHMARK(BM_DeleteADrawFromAWholeDailyKenoHistory)->Unit(benchmark::kMillisecond);

void BM_HistoricalSearchOfOneYearWith120Tips(benchmark::State& state) {
  const auto history = test::generateHistory(encodeDate(1996, 4, 29), kLast, true);
  test::TempHome home;
  home.writeDraws("Vuduro.dat", history);
  Form form;
  form.Home = home.home();
  form.ZahlenFile = "Vuduro.dat";
  form.RadioGroup1.setItemIndex(1);
  form.sortieren = true;
  form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
  form.DateTimePicker2.setMinDate(encodeDate(1996, 4, 29));
  (void)form.DateTimePicker1.setDate(kLast);
  (void)form.DateTimePicker2.setDate(kLast - 364);
  std::vector<std::string> tips;
  for (int i = 0; i < 120; ++i) {
    std::string tip;
    for (int k = 0; k < 10; ++k) tip += (k ? "," : "") + std::to_string((i + 7 * k) % 70 + 1);
    tips.push_back(tip);
  }
  form.ListBox1.setLines(tips);
  ScriptedPlatform platform;
  DrawFileReader reader;
  for (auto _ : state) {
    platform.queueInput(std::string("11"));  // no draw reaches it: no message to wait for
    benchmark::DoNotOptimize(searchTipListHistory(DrawContext{form, platform, reader}));
  }
  state.counters["draws"] = 730;
}
BENCHMARK(BM_HistoricalSearchOfOneYearWith120Tips)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
