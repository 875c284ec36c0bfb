// Show by date of the latest draw, then 10,000 steps back, on a generated Daily Keno history
// from 29.04.1996 to today (two draws a day).
#include <benchmark/benchmark.h>

#include "draws/current_draw.h"
#include "form/scripted_platform.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora {
namespace {

constexpr DayCount kToday = 46366;  // 10.12.2026

void BM_ShowLatestThenTenThousandStepsBack(benchmark::State& state) {
  test::TempHome home;
  const auto history = test::generateHistory(encodeDate(1996, 4, 29), kToday, true);
  home.writeDraws("Vuduro.dat", history);
  Form form;
  ScriptedPlatform platform;
  platform.fixClock(kToday + 0.5);
  DrawFileReader reader;
  form.Home = home.home();
  form.ZahlenFile = "VuduRO.dat";  // the start-up spelling: found by its other case
  form.sortieren = true;
  form.ListBox1.setLines(std::vector<std::string>(120, "01,05,09,13,17,21,25,29,33,37"));
  form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
  for (auto _ : state) {
    (void)form.DateTimePicker1.setDate(kToday);
    showDrawByDate({form, platform, reader});
    for (int i = 0; i < 10000; ++i) stepToPreviousDraw({form, platform, reader});
    benchmark::DoNotOptimize(form.Position);
  }
  state.counters["records"] = static_cast<double>(history.size());
}
BENCHMARK(BM_ShowLatestThenTenThousandStepsBack)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
