// What a back-test added up: the number of counted cycles and, per hit count 0..20, how many
// tips (or probes) reached it. Kept on the main window after a test, so the odds page can set
// the results against chance.
#pragma once

#include <array>
#include <cstdint>

namespace numora {

enum class BacktestKind {
  SingleCalculation,  // one calculation, scored against every later draw
  PerDraw,            // a calculation at every draw, scored against the next one
  NextDraw,
  SecondNextDraw,
  ThirdNextDraw,
  NextThreeDraws,
  LastThreeDraws,
};

struct BacktestTotals {
  BacktestKind kind = BacktestKind::SingleCalculation;
  std::array<std::int64_t, 21> hits{};  // hits[i]: tips or probes with i hits
  std::int64_t cycles = 0;
  int numbersPerTip = 10;  // the tip size the test scored (20 for the recurrence tests)
};

}  // namespace numora
