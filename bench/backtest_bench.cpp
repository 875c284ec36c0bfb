// The seven back-tests with the default options over a generated Keno Atlantic history from
// 22.10.2001 to 10.12.2026 (one draw a day, about 9,200 draws), the chosen date the first
// draw; and the per-draw test over the generated Daily Keno history from 29.04.1996 (two draws
// a day, about 22,000 draws).
#include <benchmark/benchmark.h>

#include "app/daruvizo.h"
#include "app/settings_store.h"
#include "form/scripted_platform.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora {
namespace {

constexpr DayCount kToday = 46366;  // 10.12.2026

struct Window {
  explicit Window(int lottery) {
    const bool daily = lottery == 1;
    first = daily ? 35184 : 37186;  // 29.04.1996, 22.10.2001
    home.writeDraws(daily ? "Vuduro.dat" : "Kenoal.dat",
                    test::generateHistory(first, kToday, daily));
    platform.fixClock(kToday + 0.9);
    settings.writeInteger("Radio1", lottery);
    form1 = std::make_unique<TForm1>(platform, settings, home.home());
    form1->FormCreate(TForm1::kClientHeight);
    form1->RadioGroup1Click();
    form1->form.sortieren = true;
  }
  // Runs a test from the first draw; the cycles it counted.
  std::int64_t run(void (TForm1::*test)()) {
    (void)form1->form.DateTimePicker1.setDate(first);
    platform.queueInput("4711");
    (form1.get()->*test)();
    return form1->lastBacktest() ? form1->lastBacktest()->cycles : -1;
  }

  DayCount first = 0;
  test::TempHome home;
  ScriptedPlatform platform;
  MemorySettingsStore settings;
  std::unique_ptr<TForm1> form1;
};

void runTest(benchmark::State& state, void (TForm1::*test)(), int lottery) {
  Window window(lottery);
  std::int64_t cycles = 0;
  for (auto _ : state) cycles = window.run(test);
  state.counters["cycles"] = static_cast<double>(cycles);
  state.counters["cycles/s"] =
      benchmark::Counter(static_cast<double>(cycles) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

void BM_BacktestSingleCalculation(benchmark::State& state) {
  runTest(state, &TForm1::BitBtn9Click, 0);
}
void BM_BacktestPerDraw(benchmark::State& state) {
  runTest(state, &TForm1::ErfolgstestClick, 0);
}
void BM_BacktestPerDrawDailyKeno(benchmark::State& state) {
  runTest(state, &TForm1::ErfolgstestClick, 1);
}
void BM_BacktestNextDraw(benchmark::State& state) {
  runTest(state, &TForm1::Button7Click, 0);
}
void BM_BacktestSecondNextDraw(benchmark::State& state) {
  runTest(state, &TForm1::Button8Click, 0);
}
void BM_BacktestThirdNextDraw(benchmark::State& state) {
  runTest(state, &TForm1::Button9Click, 0);
}
void BM_BacktestNextThreeDraws(benchmark::State& state) {
  runTest(state, &TForm1::Button10Click, 0);
}
void BM_BacktestLastThreeDraws(benchmark::State& state) {
  runTest(state, &TForm1::Button11Click, 0);
}

// A visit of the "Odds" tab after a per-draw test over the whole Keno Atlantic history: the tab
// shows the comparison with chance the test left.
void BM_OddsTabVisitAfterPerDrawTest(benchmark::State& state) {
  Window window(0);
  if (window.run(&TForm1::ErfolgstestClick) <= 0) state.SkipWithError("the test ran no cycle");
  window.form1->form.PageControl1.setActivePage(kOddsPage);
  for (auto _ : state) window.form1->PageControl1Change();
}

BENCHMARK(BM_BacktestSingleCalculation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OddsTabVisitAfterPerDrawTest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BacktestNextDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BacktestSecondNextDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BacktestThirdNextDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BacktestNextThreeDraws)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BacktestLastThreeDraws)->Unit(benchmark::kMillisecond);
// A calculation at every draw: one round is long.
BENCHMARK(BM_BacktestPerDraw)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_BacktestPerDrawDailyKeno)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace numora
