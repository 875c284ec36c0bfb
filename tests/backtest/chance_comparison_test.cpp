// The comparison of back-test totals with chance, checked against chance_reference.py (exact
// fractions and the closed-form chi-squared tail), and the pooling of sparse hit counts.
#include "backtest/chance_comparison.h"
#include "backtest/chance_page.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace numora::test {
namespace {

BacktestTotals totals(BacktestKind kind, int picked, const std::vector<std::int64_t>& hits) {
  BacktestTotals result;
  result.kind = kind;
  result.numbersPerTip = picked;
  for (std::size_t k = 0; k < hits.size(); ++k) result.hits[k] = hits[k];
  return result;
}

struct ReferenceCase {
  const char* name;
  BacktestTotals totals;
  std::vector<std::pair<int, int>> groups;
  double chiSquared;
  double pValue;
};

TEST(ChanceComparison, MatchesTheIndependentReference) {
  const ReferenceCase cases[] = {
      {"a 4-number tip close to chance",
       totals(BacktestKind::PerDraw, 4, {252, 428, 253, 62, 5}),
       {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}},
       0.02177691835972908,
       0.9999411492830381},
      {"a 4-number tip clearly off chance",
       totals(BacktestKind::SingleCalculation, 4, {300, 420, 215, 60, 5}),
       {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}},
       15.659372913667147,
       0.0035120093121110336},
      {"two draws, both tails pooled",
       totals(BacktestKind::NextDraw, 20, {0, 0, 2, 8, 15, 21, 22, 17, 9, 4, 2}),
       {{0, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 20}},
       0.15820543850968888,
       0.9999222485028956},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ChanceComparison result = compareWithChance(c.totals);
    ASSERT_TRUE(result.testable);
    std::vector<std::pair<int, int>> groups;
    for (const HitGroup& group : result.groups)
      groups.emplace_back(group.firstHits, group.lastHits);
    EXPECT_EQ(groups, c.groups);
    EXPECT_EQ(result.degreesOfFreedom, static_cast<int>(c.groups.size()) - 1);
    EXPECT_NEAR(result.chiSquared, c.chiSquared, 1e-9);
    EXPECT_NEAR(result.pValue, c.pValue, 1e-9);
  }
}

TEST(ChanceComparison, ExpectsComparisonsTimesTheChanceOfEachHitCount) {
  // 1000 comparisons of a 4-number tip; the reference gives the expected counts.
  const ChanceComparison result =
      compareWithChance(totals(BacktestKind::PerDraw, 4, {252, 428, 253, 62, 5}));
  EXPECT_EQ(result.comparisons, 1000);
  const std::vector<double> expected{251.173799, 427.52987, 253.84586, 62.166333, 5.284138};
  ASSERT_EQ(result.expected.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_NEAR(result.expected[k], expected[k], 1e-6);
}

TEST(ChanceComparison, PoolsUntilEveryGroupExpectsAtLeastFive) {
  const std::vector<std::int64_t> observed{1, 2, 3, 4, 5, 6};
  struct Case {
    std::vector<double> expected;
    std::vector<std::pair<int, int>> groups;
  };
  const Case cases[] = {
      {{5, 5, 5, 5, 5, 5}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}},
      {{1, 2, 3, 9, 1, 1}, {{0, 2}, {3, 5}}},  // a short last group joins the one before
      {{4.99, 0.01, 6, 2, 2, 1}, {{0, 1}, {2, 2}, {3, 5}}},
      {{1, 1, 1, 1, 0.5, 0.4}, {{0, 5}}},  // one group only: no test
  };
  for (const auto& c : cases) {
    const auto groups = poolSparseHitCounts(observed, c.expected);
    std::vector<std::pair<int, int>> ranges;
    std::int64_t observedSum = 0;
    for (const HitGroup& group : groups) {
      ranges.emplace_back(group.firstHits, group.lastHits);
      observedSum += group.observed;
      if (groups.size() > 1) {
        EXPECT_GE(group.expected, kSmallestExpected);
      }
    }
    EXPECT_EQ(ranges, c.groups);
    EXPECT_EQ(observedSum, 21);  // nothing lost in pooling
  }
}

TEST(ChanceComparison, TooFewComparisonsGiveNoVerdict) {
  for (const std::vector<std::int64_t>& hits :
       std::vector<std::vector<std::int64_t>>{{}, {0, 0, 0, 0, 0, 1, 1, 1}}) {
    const ChanceComparison result = compareWithChance(totals(BacktestKind::NextDraw, 20, hits));
    EXPECT_FALSE(result.testable);
    EXPECT_EQ(result.pValue, 1);
  }
}

TEST(ChancePage, TheVerdictSaysWhetherTheDifferenceIsWithinChance) {
  struct Case {
    std::vector<std::int64_t> hits;
    const char* firstRow;
    const char* verdict;
  };
  const Case cases[] = {
      {{252, 428, 253, 62, 5},
       "0 | 252 | 251.17 | 0",
       "Verdict: the difference is within chance (p >= 0.05)."},
      {{300, 420, 215, 60, 5},
       "0 | 300 | 251.17 | 0",
       "Verdict: the difference is larger than chance explains (p < 0.05)."},
  };
  for (const auto& c : cases) {
    Form form;
    showChanceComparison(form, totals(BacktestKind::PerDraw, 4, c.hits));
    const auto lines = chanceLines(form);
    ASSERT_EQ(lines.size(), 2u + 5u + 5u);  // title, columns, hit counts 0..4, memo
    EXPECT_EQ(lines[2], c.firstRow);
    EXPECT_EQ(lines[7], c.verdict);
  }
}

}  // namespace
}  // namespace numora::test

namespace numora::test {
namespace {

NumberSet numbers(int first, int count) {
  NumberSet set;
  for (int n = first; n < first + count; ++n) set.add(n);
  return set;
}

// A tip success test of the given cycles, its hit counts counted from them.
BacktestTotals scoredTest(BacktestKind kind, const std::vector<ScoredCycle>& cycles,
                          int cycleCount) {
  BacktestTotals result;
  result.kind = kind;
  result.numbersPerTip = 4;
  result.lotteryIndex = 1;
  result.cycles = cycleCount;
  result.scoredCycles = cycles;
  for (const ScoredCycle& cycle : cycles) {
    for (const NumberSet& draw : cycle.draws) {
      for (const NumberSet& tip : cycle.tips)
        ++result.hits[static_cast<std::size_t>(tip.common(draw))];
    }
  }
  return result;
}

TEST(ChancePage, SaysHowTheTestCountedAndWhatChanceWins) {
  // 40 cycles of three 4-number tips against one draw each: 120 comparisons.
  std::vector<ScoredCycle> perDraw;
  for (int c = 0; c < 40; ++c) {
    perDraw.push_back(
        {{numbers(1 + c % 3, 4), numbers(20, 4), numbers(40, 4)}, {numbers(1 + c % 50, 20)}});
  }
  // One calculation of 30 tips, scored against one draw.
  ScoredCycle single;
  for (int t = 0; t < 30; ++t) single.tips.push_back(numbers(1 + t, 4));
  single.draws.push_back(numbers(11, 20));

  Form form;
  showChanceComparison(form, scoredTest(BacktestKind::PerDraw, perDraw, 40));
  auto lines = chanceLines(form);
  EXPECT_EQ(lines[0],
            "Tip success test (a calculation per draw) against chance: 120 comparisons of a "
            "4-number tip with a draw (40 cycles)");
  const auto memoAt = [&](std::size_t k) { return lines[lines.size() - 6 + k]; };
  EXPECT_EQ(memoAt(1).rfind("Simulated test: X2 = ", 0), 0u) << memoAt(1);
  EXPECT_NE(memoAt(1).find(" of 10,000 random histories reached it, p = "), std::string::npos);
  EXPECT_EQ(memoAt(2).rfind("Winnings per unit stake: observed ", 0), 0u) << memoAt(2);
  EXPECT_NE(memoAt(2).find("; chance gives "), std::string::npos);
  EXPECT_NE(memoAt(2).find(" on average, 90 % of the random histories between "),
            std::string::npos);
  EXPECT_NE(memoAt(3).find("expected = the tips of each cycle, summed over the cycles, x chance"),
            std::string::npos);

  showChanceComparison(form, scoredTest(BacktestKind::SingleCalculation, {single}, 1));
  lines = chanceLines(form);
  EXPECT_EQ(lines[0],
            "Tip success test (one calculation) against chance: 30 comparisons of a 4-number tip "
            "with a draw (30 tips x 1 cycle)");

  // Two groups of the recurrence law: one degree of freedom.
  BacktestTotals recurrence;
  recurrence.kind = BacktestKind::NextDraw;
  recurrence.numbersPerTip = 20;
  recurrence.cycles = 10;
  recurrence.hits[5] = 10;
  recurrence.hits[6] = 10;
  showChanceComparison(form, recurrence);
  lines = chanceLines(form);
  bool found = false;
  for (const auto& line : lines) {
    if (line.rfind("Chi-squared goodness of fit: ", 0) == 0) {
      found = true;
      EXPECT_NE(line.find(" with 1 degree of freedom, p = "), std::string::npos) << line;
    }
  }
  EXPECT_TRUE(found);
  EXPECT_NE(lines.back().find("so the chi-squared law holds"), std::string::npos);
}

TEST(ChanceComparison, TheSameTipTestGetsTheSameVerdictOnAnyThreadCount) {
  std::vector<ScoredCycle> cycles;
  for (int c = 0; c < 30; ++c) {
    cycles.push_back({{numbers(1, 4), numbers(3, 4)}, {numbers(1 + c, 20), numbers(30, 20)}});
  }
  const BacktestTotals test = scoredTest(BacktestKind::SingleCalculation, cycles, 60);
  const ChanceComparison once = compareWithChance(test, 1);
  const ChanceComparison shared = compareWithChance(test, 4);
  ASSERT_TRUE(once.simulation);
  EXPECT_EQ(once.pValue, shared.pValue);
  EXPECT_EQ(once.simulation->meanWinnings, shared.simulation->meanWinnings);
  EXPECT_EQ(compareWithChance(test).pValue, once.pValue);
}

}  // namespace
}  // namespace numora::test
