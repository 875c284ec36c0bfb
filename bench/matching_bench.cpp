// The full check of 120 ten-number tips against a draw, and Zettelcheck on probe tips, by text
// and on number sets.
#include <benchmark/benchmark.h>

#include <random>

#include "evaluation/komplettcheck.h"
#include "evaluation/zettelcheck.h"
#include "form/scripted_platform.h"

namespace numora {
namespace {

void fillDraw(Form& form) {
  for (int i = 1; i <= 20; ++i) form.Zahl[i] = i * 3;
}

void BM_KomplettcheckOf120Tips(benchmark::State& state) {
  Form form;
  ScriptedPlatform platform;
  fillDraw(form);
  form.sortieren = true;
  std::mt19937 engine(3);
  std::vector<std::string> tips;
  for (int t = 0; t < 120; ++t) {
    std::string tip;
    for (int i = 0; i < 10; ++i) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "%s%.2d", i ? "," : "",
                    static_cast<int>(1 + engine() % 70));
      tip += buffer;
    }
    tips.push_back(tip);
  }
  form.ListBox1.setLines(tips);
  for (auto _ : state) benchmark::DoNotOptimize(Komplettcheck(form, platform));
}
BENCHMARK(BM_KomplettcheckOf120Tips)->Unit(benchmark::kMicrosecond);

void BM_MillionZettelchecksOnProbeTips(benchmark::State& state) {
  Form form;
  fillDraw(form);
  const char* probes[] = {"01,02,03,04,05,06", "10,11,12", "33,34", "66,67,68,69"};
  for (auto _ : state) {
    int total = 0;
    for (int i = 0; i < 1000000; ++i) {
      Zettelcheck(form, probes[i & 3]);
      total += form.Gewinn;
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_MillionZettelchecksOnProbeTips)->Unit(benchmark::kMillisecond);

void BM_MillionHitCountsOnNumberSets(benchmark::State& state) {
  Form form;
  fillDraw(form);
  const NumberSet draw = drawSet(drawNumbersOf(form.Zahl));
  std::vector<NumberSet> probes(4);
  for (int n : {1, 2, 3, 4, 5, 6}) probes[0].add(n);
  for (int n : {10, 11, 12}) probes[1].add(n);
  for (int n : {33, 34}) probes[2].add(n);
  for (int n : {66, 67, 68, 69}) probes[3].add(n);
  for (auto _ : state) {
    int total = 0;
    for (int i = 0; i < 1000000; ++i) total += probes[i & 3].common(draw);
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_MillionHitCountsOnNumberSets)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
