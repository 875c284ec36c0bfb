// The tip calculation over the whole generated Daily Keno history (29.04.1996 to 10.12.2026,
// two draws a day, about 22,000 records) with the statistics window spanning all of it: a
// calculation with the default options, a tip no candidate can satisfy with the budget at its
// maximum (ten million candidates), and one test of the history filter.
#include <benchmark/benchmark.h>

#include "app/daruvizo.h"
#include "app/settings_store.h"
#include "draws/lottery.h"
#include "form/scripted_platform.h"
#include "generator/tip_filters.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora {
namespace {

constexpr DayCount kFirstDraw = 35184;  // 29.04.1996
constexpr DayCount kToday = 46366;      // 10.12.2026

struct Window {
  Window() {
    home.writeDraws("Vuduro.dat", test::generateHistory(kFirstDraw, kToday, true));
    platform.fixClock(kToday + 0.9);
    form1 = std::make_unique<TForm1>(platform, settings, home.home());
    form1->FormCreate(TForm1::kClientHeight);
    Form& form = form1->form;
    form.DateTimePicker1.setMinDate(kFirstDraw);
    form.DateTimePicker2.setMinDate(kFirstDraw);
    (void)form.DateTimePicker1.setDate(kToday);
    (void)form.DateTimePicker2.setDate(kFirstDraw);
    form1->SpeedButton5Click();
    form.sortieren = true;
  }
  Form& form() { return form1->form; }
  std::int64_t candidates() const { return form1->calculationState().rejections.candidates; }

  test::TempHome home;
  ScriptedPlatform platform;
  MemorySettingsStore settings;
  std::unique_ptr<TForm1> form1;
};

void reportCandidates(benchmark::State& state, std::int64_t candidates) {
  state.counters["candidates"] = static_cast<double>(candidates);
  state.counters["candidates/s"] =
      benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
}

void BM_CalculationDefaultOptions(benchmark::State& state) {
  Window window;
  std::int64_t candidates = 0;
  std::uint32_t seed = 1;
  std::int64_t tips = 0;
  for (auto _ : state) {
    window.form().random.setSeed(seed++);
    window.form1->BitBtn19Click();
    candidates += window.candidates();
    tips += static_cast<std::int64_t>(window.form().ListBox1.count());
  }
  reportCandidates(state, candidates);
  // Over thirty years of draws the history filter (8 hits) and the recent-draws filter reject
  // most candidates: a run may end before its fifth tip.
  state.counters["tips"] =
      benchmark::Counter(static_cast<double>(tips), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CalculationDefaultOptions)->Unit(benchmark::kMillisecond);

// Three numbers can never have the scaled cross sum 750 (sum × 20 / 3 is never within half of
// it), so every candidate of the ten million is rejected.
void BM_UnsatisfiableTenMillionCandidates(benchmark::State& state) {
  Window window;
  Form& form = window.form();
  form.UpDown18.setPosition(3);
  form.UpDown15.setPosition(750);
  form.UpDown2.setPosition(750);
  form.UpDown7.setPosition(10000);
  std::int64_t candidates = 0;
  for (auto _ : state) {
    window.form1->BitBtn19Click();
    candidates += window.candidates();
    if (window.candidates() != 10000000) state.SkipWithError("not ten million candidates");
  }
  reportCandidates(state, candidates);
}
BENCHMARK(BM_UnsatisfiableTenMillionCandidates)->Unit(benchmark::kSecond)->Iterations(1);

// Unsatisfiable after the database filters, so every candidate that passes filters 1 to 7 is
// tested against the history: six primes in three numbers (a three-number tip can never reach
// the history threshold of 8, so only draws holding a number twice are scored), and six even
// and six odd numbers in ten (the window is scored until a draw reaches 8 hits).
void BM_UnsatisfiableAfterTheDatabaseFilters(benchmark::State& state) {
  Window window;
  Form& form = window.form();
  if (state.range(0) == 3) {
    form.UpDown18.setPosition(3);
    form.CheckBox22.setChecked(true);
    form.UpDown10.setPosition(6);
  } else {
    form.CheckBox25.setChecked(true);
    form.UpDown16.setPosition(6);
    form.CheckBox26.setChecked(true);
    form.UpDown17.setPosition(6);
  }
  form.UpDown7.setPosition(10);
  std::int64_t candidates = 0;
  std::int64_t scanned = 0;
  for (auto _ : state) {
    window.form1->BitBtn19Click();
    candidates += window.candidates();
    const auto& counts = window.form1->calculationState().rejections.byFilter;
    for (int k = 8; k <= 12; ++k) scanned += counts[static_cast<std::size_t>(k)];
  }
  reportCandidates(state, candidates);
  state.counters["reached database filters"] =
      benchmark::Counter(static_cast<double>(scanned), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_UnsatisfiableAfterTheDatabaseFilters)->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond);

// One history filter test of a ten-number tip that no draw matches 8 times: the whole window
// of about 22,000 draws is scored.
void BM_HistoryFilterTest(benchmark::State& state) {
  Window window;
  Form& form = window.form();
  const auto path = currentDrawFile(DrawContext{form, window.platform, window.form1->drawReader()});
  const auto draws = window.form1->drawReader().load(path);
  const DrawHistorySets history(
      draws, *window.form1->drawReader().walk(draws, lottery(form.lotteryIndex()),
                                              window.platform.today()));
  const ComparisonTable table;
  const LastDrawCounts last{};
  TipFilters filters(form, table, last, history);
  Candidate candidate;
  candidate.size = 10;
  const int numbers[] = {3, 9, 14, 22, 27, 35, 41, 50, 58, 66};
  for (int i = 0; i < 10; ++i) candidate.tipp[static_cast<std::size_t>(i + 1)] = numbers[i];
  for (auto _ : state) benchmark::DoNotOptimize(filters.Secheroderfuenfer(candidate, 8));
  state.counters["draws"] = static_cast<double>(history.history()->records.size());
}
BENCHMARK(BM_HistoryFilterTest)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace numora
