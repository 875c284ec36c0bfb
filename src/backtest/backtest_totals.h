// What a back-test added up: the number of counted cycles and, per hit count 0..20, how many
// tips (or probes) reached it. Kept on the main window after a test, so the odds page can set
// the results against chance.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "evaluation/number_set.h"

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

// One cycle of a tip success test: the tips it scored and the draws it scored each of them
// against.
struct ScoredCycle {
  std::vector<NumberSet> tips;
  std::vector<NumberSet> draws;
};

struct BacktestTotals {
  BacktestKind kind = BacktestKind::SingleCalculation;
  std::array<std::int64_t, 21> hits{};  // hits[i]: tips or probes with i hits
  std::int64_t cycles = 0;
  int numbersPerTip = 10;  // the tip size the test scored (20 for the recurrence tests)
  int lotteryIndex = 0;    // the lottery whose prizes the tips would have won
  // A tip success test's tips of each cycle and the draws it scored them against, so the
  // comparison with chance can keep the tips and replace the draws by random ones.
  std::vector<ScoredCycle> scoredCycles;
};

}  // namespace numora
