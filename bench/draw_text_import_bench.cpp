// Reading the whole Daily Keno history as CSV (29.04.1996 to 10.12.2026, two draws a day, about
// 22,400 lines, header, ISO dates, midday/evening column) into draws, without the file system.
#include <benchmark/benchmark.h>

#include "draws/draw_merge.h"
#include "draws/draw_rewrite.h"
#include "draws/draw_text_import.h"
#include "draws/lottery.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora {
namespace {

constexpr DayCount kToday = 46366;  // 10.12.2026

std::string thirtyYearCsv(std::size_t& lines) {
  const auto history = test::generateHistory(lottery(kDailyKeno).firstDrawDate, kToday, true);
  std::string text = "Date,Draw Time";
  for (int i = 1; i <= 20; ++i) text += ",N" + std::to_string(i);
  text += "\r\n";
  for (const auto& draw : history) {
    text += formatIsoDate(draw.date) + (draw.isMidday() ? ",Midday" : ",Evening");
    for (auto n : draw.numbers) text += "," + std::to_string(n);
    text += "\r\n";
  }
  lines = history.size();
  return text;
}

void BM_ParseThirtyYearCsv(benchmark::State& state) {
  std::size_t lines = 0;
  const auto text = thirtyYearCsv(lines);
  const auto& daily = lottery(kDailyKeno);
  const DrawImportRules rules{daily.firstDrawDate, kToday, true};
  for (auto _ : state) {
    auto result = parseDrawText(text, rules);
    if (result.draws.size() != lines) state.SkipWithError("lines were rejected");
    benchmark::DoNotOptimize(result.draws.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ParseThirtyYearCsv)->Unit(benchmark::kMillisecond);

// The whole import into an empty draw file: parse, merge and the atomic rewrite to disk.
void BM_ImportThirtyYearCsvIntoEmptyFile(benchmark::State& state) {
  std::size_t lines = 0;
  const auto text = thirtyYearCsv(lines);
  const auto& daily = lottery(kDailyKeno);
  const DrawImportRules rules{daily.firstDrawDate, kToday, true};
  test::TempHome home;
  DrawFileReader reader;
  for (auto _ : state) {
    const auto parsed = parseDrawText(text, rules);
    const auto merge = mergeImportedDraws({}, parsed.draws);
    rewriteDrawFile(home.file("Vuduro.dat"), home.file("Vuduro.dat~"), merge.records, reader);
    if (static_cast<std::size_t>(merge.added) != lines) state.SkipWithError("draws were lost");
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ImportThirtyYearCsvIntoEmptyFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
