// The sweep: 24 settings (numbers per tip 4..9 by the history filter's hits 5..8) x 2 lucky
// numbers of the single-calculation test over a generated ten-year Keno Atlantic history (one
// draw a day from 10.12.2016, about 3,650 draws), the chosen date the first draw, each setting's
// verdict from 10,000 random histories; on one thread and on every core (Arg 0).
#include <benchmark/benchmark.h>

#include <atomic>

#include "app/daruvizo.h"
#include "app/settings_store.h"
#include "backtest/sweep_run.h"
#include "form/scripted_platform.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora {
namespace {

constexpr DayCount kToday = 46366;  // 10.12.2026
constexpr DayCount kFirst = 42714;  // 10.12.2016

void BM_SweepSingleCalculation24x2(benchmark::State& state) {
  test::TempHome home;
  home.writeDraws("Kenoal.dat", test::generateHistory(kFirst, kToday, false));
  ScriptedPlatform platform;
  platform.fixClock(kToday + 0.9);
  MemorySettingsStore settings;
  settings.writeInteger("Radio1", 0);
  TForm1 form1(platform, settings, home.home());
  form1.FormCreate(TForm1::kClientHeight);
  form1.RadioGroup1Click();
  (void)form1.form.DateTimePicker1.setDate(kFirst);

  SweepRequest request;
  request.options = {{"UpDown18", {4, 5, 6, 7, 8, 9}}, {"UpDown6", {5, 6, 7, 8}}};
  request.repeats = 2;
  request.lucky = 4711;
  request.threads = static_cast<unsigned>(state.range(0));
  std::atomic<bool> stop{false};
  std::size_t finished = 0;
  for (auto _ : state) {
    const SweepResult result = runSweep(form1.form, form1.drawReader(), platform, request, stop);
    finished = result.cells.size();
  }
  state.counters["settings"] = static_cast<double>(finished);
}
BENCHMARK(BM_SweepSingleCalculation24x2)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace
}  // namespace numora
