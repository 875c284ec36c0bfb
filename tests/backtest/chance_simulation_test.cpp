// The comparison with chance by simulation: calibrated on random histories where chance is the
// whole truth, independent of the thread count, and able to see tips that truly beat chance.
#include "backtest/chance_simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "backtest/chance_comparison.h"
#include "evaluation/odds.h"

namespace numora::test {
namespace {

NumberSet setOf(const std::vector<int>& numbers) {
  NumberSet set;
  for (const int n : numbers) set.add(n);
  return set;
}

// A random 20 of 70 from the test's own generator.
NumberSet randomDraw(std::mt19937_64& random) {
  std::vector<int> numbers(70);
  for (int n = 0; n < 70; ++n) numbers[static_cast<std::size_t>(n)] = n + 1;
  std::shuffle(numbers.begin(), numbers.end(), random);
  numbers.resize(20);
  return setOf(numbers);
}

// Tips of one calculation that share most of their numbers, as a strict filter setting makes
// them: a core of `shared` numbers, the rest of each tip drawn from the others.
std::vector<NumberSet> sharingTips(std::mt19937_64& random, int tips, int size, int shared) {
  std::vector<int> numbers(70);
  for (int n = 0; n < 70; ++n) numbers[static_cast<std::size_t>(n)] = n + 1;
  std::shuffle(numbers.begin(), numbers.end(), random);
  const std::vector<int> core(numbers.begin(), numbers.begin() + shared);
  std::vector<NumberSet> result;
  for (int t = 0; t < tips; ++t) {
    std::vector<int> rest(numbers.begin() + shared, numbers.end());
    std::shuffle(rest.begin(), rest.end(), random);
    std::vector<int> tip = core;
    tip.insert(tip.end(), rest.begin(), rest.begin() + (size - shared));
    result.push_back(setOf(tip));
  }
  return result;
}

// Totals of a tip success test made of the given cycles, as the tests add them up.
BacktestTotals totalsOf(BacktestKind kind, const std::vector<ScoredCycle>& cycles, int size) {
  BacktestTotals totals;
  totals.kind = kind;
  totals.numbersPerTip = size;
  totals.lotteryIndex = 1;
  for (const ScoredCycle& cycle : cycles) {
    for (const NumberSet& draw : cycle.draws) {
      for (const NumberSet& tip : cycle.tips)
        ++totals.hits[static_cast<std::size_t>(tip.common(draw))];
      ++totals.cycles;
    }
  }
  totals.scoredCycles = cycles;
  return totals;
}

// The most "p < 0.05" verdicts among n histories that a 5 % level allows, with a false alarm
// of this test once in a thousand runs: the 99.9 % quantile of the binomial law.
int allowedBeyondChance(int histories) {
  const double p = 0.05;
  double tail = 1;
  for (int k = 0; k <= histories; ++k) {
    const double chance = std::exp(std::lgamma(histories + 1.0) - std::lgamma(k + 1.0) -
                                   std::lgamma(histories - k + 1.0) + k * std::log(p) +
                                   (histories - k) * std::log(1 - p));
    tail -= chance;
    if (tail < 0.001) return k;
  }
  return histories;
}

struct HistoryShape {
  const char* name;
  BacktestKind kind;
  int cycles;
  int drawsPerCycle;
  int tips;
  int shared;
};

TEST(ChanceSimulation, SaysBeyondChanceNoMoreOftenThanItsLevelOnRandomHistories) {
  const HistoryShape shapes[] = {
      {"one calculation, 8 tips sharing 6 numbers, 60 draws", BacktestKind::SingleCalculation, 1,
       60, 8, 6},
      {"a calculation per draw, 6 tips sharing 5 numbers, 50 cycles", BacktestKind::PerDraw, 50, 1,
       6, 5},
  };
  constexpr int kHistories = 300;
  const int allowed = allowedBeyondChance(kHistories);
  for (const auto& shape : shapes) {
    SCOPED_TRACE(shape.name);
    std::mt19937_64 random(20);
    int simulatedBeyond = 0;
    int textbookBeyond = 0;
    for (int h = 0; h < kHistories; ++h) {
      std::vector<ScoredCycle> cycles;
      for (int c = 0; c < shape.cycles; ++c) {
        ScoredCycle cycle{sharingTips(random, shape.tips, 10, shape.shared), {}};
        for (int d = 0; d < shape.drawsPerCycle; ++d) cycle.draws.push_back(randomDraw(random));
        cycles.push_back(std::move(cycle));
      }
      BacktestTotals totals = totalsOf(shape.kind, cycles, 10);
      const ChanceComparison textbook = [&] {
        BacktestTotals counted = totals;
        counted.scoredCycles.clear();  // the chi-squared law alone
        return compareWithChance(counted);
      }();
      textbookBeyond += textbook.testable && textbook.pValue < 0.05;

      ChanceSimulationRequest request;
      request.cycles = cycles;
      request.groups = textbook.groups;
      request.simulations = 400;
      request.seed = static_cast<std::uint64_t>(h) + 1;
      simulatedBeyond += simulateChance(request).pValue < 0.05;
    }
    EXPECT_LE(simulatedBeyond, allowed);
    // The fixture is one where the chi-squared law alone goes wrong: tips sharing numbers.
    EXPECT_GT(textbookBeyond, allowed);
  }
}

ChanceSimulationRequest benchmarkLikeRequest(int tips, int draws, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  ChanceSimulationRequest request;
  ScoredCycle cycle{sharingTips(random, tips, 10, 3), {}};
  for (int d = 0; d < draws; ++d) cycle.draws.push_back(randomDraw(random));
  request.cycles.push_back(cycle);
  const BacktestTotals totals = totalsOf(BacktestKind::SingleCalculation, request.cycles, 10);
  request.groups = compareWithChance([&] {
                     BacktestTotals counted = totals;
                     counted.scoredCycles.clear();
                     return counted;
                   }())
                       .groups;
  request.prizeByHits = {2, 0, 0, 0, 0, 1, 2, 10, 50, 500, 25000};
  return request;
}

TEST(ChanceSimulation, TheResultDoesNotDependOnTheThreadCount) {
  ChanceSimulationRequest request = benchmarkLikeRequest(5, 40, 7);
  request.simulations = 1000;
  std::vector<ChanceSimulationResult> results;
  for (const unsigned threads : {1u, 2u, 5u, 0u}) {
    request.threads = threads;
    results.push_back(simulateChance(request));
  }
  for (const auto& result : results) {
    EXPECT_EQ(result.atLeastObserved, results.front().atLeastObserved);
    EXPECT_EQ(result.pValue, results.front().pValue);
    ASSERT_TRUE(result.winnings);
    EXPECT_EQ(result.winnings->mean, results.front().winnings->mean);
    EXPECT_EQ(result.winnings->low, results.front().winnings->low);
    EXPECT_EQ(result.winnings->high, results.front().winnings->high);
  }
  // Another seed draws other histories.
  request.seed = 99;
  EXPECT_NE(simulateChance(request).winnings->mean, results.front().winnings->mean);
}

TEST(ChanceSimulation, TipsThatTrulyBeatTheDrawsAreBeyondChance) {
  // Every draw holds 5 numbers of each tip: far more hits than chance gives.
  std::mt19937_64 random(3);
  ChanceSimulationRequest request;
  ScoredCycle cycle;
  cycle.tips = {setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
                setOf({11, 12, 13, 14, 15, 16, 17, 18, 19, 20})};
  for (int d = 0; d < 40; ++d) {
    cycle.draws.push_back(
        setOf({1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50}));
  }
  request.cycles.push_back(cycle);
  const BacktestTotals totals = totalsOf(BacktestKind::SingleCalculation, request.cycles, 10);
  BacktestTotals counted = totals;
  counted.scoredCycles.clear();
  request.groups = compareWithChance(counted).groups;
  request.prizeByHits = {0, 0, 0, 0, 0, 2, 5, 20, 100, 1000, 100000};
  const ChanceSimulationResult result = simulateChance(request);
  EXPECT_EQ(result.comparisons, 80);
  EXPECT_EQ(result.atLeastObserved, 0);
  EXPECT_DOUBLE_EQ(result.pValue, 1.0 / (kChanceSimulations + 1));
  ASSERT_TRUE(result.winnings);
  EXPECT_DOUBLE_EQ(result.winnings->observed, 2.0);  // every comparison a 5-hit win of 2
  EXPECT_GT(result.winnings->observed, result.winnings->high);
  EXPECT_LE(result.winnings->low, result.winnings->mean);
  EXPECT_LE(result.winnings->mean, result.winnings->high);
}

TEST(ChanceSimulation, ChanceWinsTheExpectedReturnOfThePrizeTableOnAverage) {
  // Daily Keno, 4-number tips: the mean of the random histories is the odds' expected return.
  ChanceSimulationRequest request = benchmarkLikeRequest(10, 50, 11);
  for (ScoredCycle& cycle : request.cycles) {
    for (NumberSet& tip : cycle.tips) {
      NumberSet four;
      int kept = 0;
      for (int n = 1; n <= 70 && kept < 4; ++n) {
        if (tip.contains(n)) {
          four.add(n);
          ++kept;
        }
      }
      tip = four;
    }
  }
  const OddsTable odds = oddsTable(1, 4);
  request.prizeByHits.assign(5, 0.0);
  for (const OddsRow& row : odds.rows) {
    request.prizeByHits[static_cast<std::size_t>(row.hits)] = static_cast<double>(row.prize);
  }
  request.groups = {{0, 4, 0, 500.0}};
  request.simulations = 4000;
  const ChanceSimulationResult result = simulateChance(request);
  ASSERT_TRUE(result.winnings);
  EXPECT_NEAR(result.winnings->mean, odds.expectedReturn.value(), 0.02);
}

}  // namespace
}  // namespace numora::test
