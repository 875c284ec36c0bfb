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
