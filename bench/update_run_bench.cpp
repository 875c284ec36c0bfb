// The update run's own work, without the network: scanning a Daily Keno month page for each of
// its draws with the strict row reading, the check of a whole history for damaged records at
// the start of every run, and a run that takes one year of Daily Keno draws from an in-memory
// site and appends them (each flushed, the file synced at the end).
#include <benchmark/benchmark.h>

#include "draws/damaged_records.h"
#include "draws/lottery.h"
#include "form/scripted_platform.h"
#include "import/page_scan.h"
#include "import/update_run.h"
#include "support/draw_fixtures.h"
#include "support/results_pages.h"
#include "support/temp_home.h"

namespace numora {
namespace {

constexpr DayCount kToday = 46366;  // 10.12.2026

void BM_ScanADailyKenoMonthPage(benchmark::State& state) {
  const auto draws = test::generateHistory(encodeDate(2023, 5, 1), encodeDate(2023, 5, 31), true);
  const std::string page = test::monthPage(true, 2023, 5, draws);
  for (auto _ : state) {
    int valid = 0;
    for (const auto& draw : draws) {
      const auto which = draw.isMidday() ? DrawSought::Midday : DrawSought::Evening;
      const ReadNumbers read = readNumbers(*locateDraw(page, draw.date, which));
      valid += read.result == ReadNumbers::Result::Numbers && isValidDraw(read.numbers);
    }
    benchmark::DoNotOptimize(valid);
  }
  state.counters["draws"] = static_cast<double>(draws.size());
  state.counters["page bytes"] = static_cast<double>(page.size());
}
BENCHMARK(BM_ScanADailyKenoMonthPage)->Unit(benchmark::kMicrosecond);

void BM_CheckAWholeDailyKenoHistoryForDamage(benchmark::State& state) {
  const auto history = test::generateHistory(encodeDate(1996, 4, 29), kToday, true);
  for (auto _ : state) {
    const DrawFileCheck check = checkDrawRecords(history, lottery(kDailyKeno), kToday);
    benchmark::DoNotOptimize(check.lastSound);
  }
  state.counters["records"] = static_cast<double>(history.size());
}
BENCHMARK(BM_CheckAWholeDailyKenoHistoryForDamage)->Unit(benchmark::kMicrosecond);

void BM_UpdateRunOfOneDailyKenoYear(benchmark::State& state) {
  const DayCount first = encodeDate(2023, 1, 1);
  const DayCount last = encodeDate(2023, 12, 31);
  const auto draws = test::generateHistory(first - 1, last, true);
  test::FakeResultsSite site;
  site.publish(true, draws);
  for (auto _ : state) {
    state.PauseTiming();
    test::TempHome home;
    home.writeDraws("Vuduro.dat", {draws[0], draws[1]});  // 31.12.2022
    Form form;
    ScriptedPlatform platform;
    platform.fixClock(last + 1.5);
    DrawFileReader reader;
    UpdateRunState runState;
    form.Home = home.home();
    form.ZahlenFile = "Vuduro.dat";
    form.RadioGroup1.setItemIndex(kDailyKeno);
    form.ResultsSiteEdit.setText("https://results.test");
    form.DateTimePicker1.setMinDate(lottery(kDailyKeno).firstDrawDate);
    (void)form.DateTimePicker1.setDate(first - 1);
    state.ResumeTiming();
    runUpdate(UpdateContext{form, platform, reader, site, runState}, UpdateTrigger::Button);
    benchmark::DoNotOptimize(form.Datum1);
  }
  state.counters["draws"] = static_cast<double>(draws.size() - 2);
}
BENCHMARK(BM_UpdateRunOfOneDailyKenoYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
