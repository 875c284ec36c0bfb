// Reading draw text files: the whole Daily Keno history as CSV (29.04.1996 to 10.12.2026, two
// draws a day, about 22,400 lines), in memory and into an empty draw file; and the files that
// are no draw history at all, read from disk: 63 MB of commas on one line and 15.7 million lines
// of "1,2". Those report their peak memory (the process's resident high-water mark, reset
// before the read) beside the time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "draws/draw_merge.h"
#include "draws/draw_rewrite.h"
#include "draws/draw_text_import.h"
#include "draws/lottery.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora {
namespace {

constexpr DayCount kToday = 46366;  // 10.12.2026

std::string thirtyYearCsv(std::size_t& lines, bool newestFirst, bool middayColumn) {
  auto history = test::generateHistory(lottery(kDailyKeno).firstDrawDate, kToday, true);
  if (newestFirst) std::reverse(history.begin(), history.end());
  std::string text = middayColumn ? "Date,Draw Time" : "Date";
  for (int i = 1; i <= 20; ++i) text += ",N" + std::to_string(i);
  text += "\r\n";
  for (const auto& draw : history) {
    text += formatIsoDate(draw.date);
    if (middayColumn) text += draw.isMidday() ? ",Midday" : ",Evening";
    for (auto n : draw.numbers) text += "," + std::to_string(n);
    text += "\r\n";
  }
  lines = history.size();
  return text;
}

DrawImportRules dailyRules() {
  return {lottery(kDailyKeno).firstDrawDate, kToday, true};
}

// args: newest first, with a midday column.
void BM_ParseThirtyYearCsv(benchmark::State& state) {
  std::size_t lines = 0;
  const auto text = thirtyYearCsv(lines, state.range(0) != 0, state.range(1) != 0);
  const auto rules = dailyRules();
  for (auto _ : state) {
    auto result = parseDrawText(text, rules);
    if (result.draws.size() != lines) state.SkipWithError("lines were rejected");
    benchmark::DoNotOptimize(result.draws.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ParseThirtyYearCsv)
    ->ArgNames({"newest_first", "midday_column"})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond);

// The whole import into an empty draw file: parse, merge and the atomic rewrite to disk.
void BM_ImportThirtyYearCsvIntoEmptyFile(benchmark::State& state) {
  std::size_t lines = 0;
  const auto text = thirtyYearCsv(lines, false, true);
  const auto rules = dailyRules();
  test::TempHome home;
  DrawFileReader reader;
  for (auto _ : state) {
    const auto parsed = parseDrawText(text, rules);
    const auto merge = mergeImportedDraws({}, parsed.draws, rules);
    rewriteDrawFile(home.file("Vuduro.dat"), home.file("Vuduro.dat~"), merge.records, reader);
    if (static_cast<std::size_t>(merge.added) != lines) state.SkipWithError("draws were lost");
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ImportThirtyYearCsvIntoEmptyFile)->Unit(benchmark::kMillisecond);

long residentHighWaterKb() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == "VmHWM:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
  }
  return 0;
}

void resetResidentHighWater() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// Writes the file piece by piece: the generator itself holds no more than one piece.
void writeRepeated(const std::filesystem::path& path, const std::string& piece, std::size_t times,
                   const std::string& ending) {
  std::ofstream out(path, std::ios::binary);
  std::string block;
  for (int i = 0; i < 4096; ++i) block += piece;
  for (std::size_t done = 0; done < times; done += 4096) out << block;
  out << ending;
}

void readNoDrawFile(benchmark::State& state, const std::filesystem::path& path) {
  const auto rules = dailyRules();
  long peakKb = 0;
  long beforeKb = 0;
  for (auto _ : state) {
    resetResidentHighWater();
    beforeKb = std::max(beforeKb, residentHighWaterKb());
    FileByteSource source(path);
    auto result = parseDrawSource(source, rules);
    if (result.refusal.empty()) state.SkipWithError("the file was not refused");
    benchmark::DoNotOptimize(result.refusal.data());
    peakKb = std::max(peakKb, residentHighWaterKb());
  }
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  state.counters["peak_resident_MB"] = static_cast<double>(peakKb) / 1024;
  state.counters["resident_before_MB"] = static_cast<double>(beforeKb) / 1024;
}

// 63 MB of commas and no line end: one line too long, skipped to its end.
void BM_RefuseSixtyThreeMegabytesOfCommas(benchmark::State& state) {
  test::TempHome home;
  const auto path = home.file("commas.csv");
  writeRepeated(path, std::string(16, ','), 63'000'000 / 16, "");
  readNoDrawFile(state, path);
}
BENCHMARK(BM_RefuseSixtyThreeMegabytesOfCommas)->Unit(benchmark::kMillisecond);

// 15.7 million lines of "1,2": the first 1,000 hold no draw, the rest is not read.
void BM_RefuseFifteenMillionShortLines(benchmark::State& state) {
  test::TempHome home;
  const auto path = home.file("short_lines.csv");
  writeRepeated(path, "1,2\n", 15'700'000, "");
  readNoDrawFile(state, path);
}
BENCHMARK(BM_RefuseFifteenMillionShortLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
