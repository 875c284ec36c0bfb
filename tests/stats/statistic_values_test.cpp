// The statistics as values, computed from a window of draws in memory without a form, and the
// charts filled from them.
#include <gtest/gtest.h>

#include <numeric>

#include "form/form.h"
#include "stats/group_search.h"
#include "stats/number_distribution.h"
#include "stats/overdue_numbers.h"
#include "support/draw_fixtures.h"

namespace numora {
namespace {

const DayCount kDay = encodeDate(2023, 5, 10);

std::vector<int> numbersFrom(int first) {
  std::vector<int> numbers(20);
  std::iota(numbers.begin(), numbers.end(), first);
  return numbers;
}

// Three draws on kDay - 1, kDay, kDay + 1 holding 1..20, 11..30 and 51..70.
StatisticsWindow windowOf(DayCount start, DayCount end, bool includesStart) {
  StatisticsWindow window;
  window.history = std::make_shared<DrawHistory>(
      DrawHistory{{test::makeDraw(kDay - 1, numbersFrom(1)), test::makeDraw(kDay, numbersFrom(11)),
                   test::makeDraw(kDay + 1, numbersFrom(51))}});
  window.start = start;
  window.end = end;
  window.includesStart = includesStart;
  return window;
}

TEST(StatisticValuesTest, NumberCountsCrossSumsAndGapsOfTheWindow) {
  struct Case {
    bool includesStart;
    int draws;
    int count15;    // drawn on kDay - 1 and kDay
    int count25;    // drawn on kDay
    int crossSums;  // 210 + 410
  };
  for (const Case& c : {Case{true, 2, 2, 1, 620}, Case{false, 1, 1, 1, 410}}) {
    const auto window = windowOf(kDay - 1, kDay, c.includesStart);
    const NumberDistribution numbers = countNumbers(window);
    EXPECT_EQ(numbers.draws, c.draws);
    EXPECT_EQ(numbers.counts[15], c.count15);
    EXPECT_EQ(numbers.counts[25], c.count25);
    EXPECT_EQ(numbers.counts[60], 0) << "the draw after the window";
    EXPECT_EQ(numbers.crossSums, c.crossSums);

    const OverdueGaps gaps = overdueGaps(window);
    EXPECT_EQ(gaps[25], 1);
    EXPECT_EQ(gaps[5], 2) << "drawn first of two, or never in one";
    EXPECT_EQ(gaps[60], c.draws + 1) << "never drawn in the window";
  }
  const CrossSumDistribution sums = countCrossSums(windowOf(kDay - 2, kDay + 1, false));
  EXPECT_EQ(sums.draws, 3);
  EXPECT_EQ(sums.smallest, 210);
  EXPECT_EQ(sums.largest, 1210);
  EXPECT_EQ(sums.counts[410], 1);
}

TEST(StatisticValuesTest, GroupBarsAndTheirAxisRange) {
  // 1..20, 20..39, 39..58 and 51..70: every pair is drawn, pairs from 51 to 57 twice; the
  // triple and the four-group starting at 19 are never drawn.
  StatisticsWindow window;
  window.history = std::make_shared<DrawHistory>(DrawHistory{
      {test::makeDraw(kDay, numbersFrom(1)), test::makeDraw(kDay + 1, numbersFrom(20)),
       test::makeDraw(kDay + 2, numbersFrom(39)), test::makeDraw(kDay + 3, numbersFrom(51))}});
  window.start = kDay - 1;
  window.end = kDay + 3;
  struct Case {
    GroupKind kind;
    std::size_t bars;
    AxisRange range;  // the four-groups' axis is automatic: from 0
  };
  for (const Case& c : {Case{GroupKind::Pairs, 69, {1, 2}}, Case{GroupKind::Triples, 68, {0, 2}},
                        Case{GroupKind::FourGroups, 70, {0, 2}}}) {
    const GroupCounts counts = countGroups(window, c.kind);
    EXPECT_EQ(counts.draws, 4);
    const auto bars = groupBars(counts, c.kind);
    ASSERT_EQ(bars.size(), c.bars);
    EXPECT_EQ(bars[50], 2) << "the group starting at 51";
    EXPECT_EQ(groupValueRange(counts, c.kind).min, c.range.min);
    EXPECT_EQ(groupValueRange(counts, c.kind).max, c.range.max);

    Form form;
    Chart& chart = form.Chart1;
    fillGroupChart(chart, counts, c.kind);
    ASSERT_EQ(chart.series(2).bars.size(), c.bars);
    for (std::size_t i = 0; i < bars.size(); ++i) EXPECT_EQ(chart.series(2).bars[i].y, bars[i]);
    EXPECT_EQ(chart.leftAxis().automatic, c.kind == GroupKind::FourGroups);
  }
}

TEST(StatisticValuesTest, AnEmptyWindowChartsNoCrossSumAndAFlatAxis) {
  const auto empty = windowOf(kDay + 5, kDay + 9, false);
  Form form;
  Chart& chart = form.Chart1;
  fillCrossSumChart(chart, countCrossSums(empty));
  EXPECT_TRUE(chart.series(2).bars.empty());
  EXPECT_EQ(fixedAxisRange(std::span<const int>()).max, 0);
  const NumberDistribution none = countNumbers(empty);
  fillNumberChart(chart, none);
  EXPECT_EQ(chart.series(2).bars.size(), 70u);
  EXPECT_EQ(chart.leftAxis().min, 0);
  EXPECT_EQ(chart.leftAxis().max, 0);
}

}  // namespace
}  // namespace numora
