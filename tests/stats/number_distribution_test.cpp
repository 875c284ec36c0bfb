#include "stats/number_distribution.h"

#include "stats/statistics_chart.h"
#include "support/statistics_fixture.h"

namespace numora {
namespace {

const DayCount kDay = encodeDate(2023, 5, 10);

class NumberDistributionTest : public test::StatisticsTest {};

TEST_F(NumberDistributionTest, CountsEachNumberWithPrimeColoursAndAFixedAxis) {
  window({test::makeDraw(kDay - 1, range(1, 20)), test::makeDraw(kDay, range(11, 30)),
          test::makeDraw(kDay + 1, range(51, 70))},
         kDay - 1, kDay);
  chartNumberDistribution(context());
  const auto& series = form.Chart1.series(2);
  EXPECT_TRUE(series.active);
  EXPECT_FALSE(form.Chart1.series(1).active);
  ASSERT_EQ(series.bars.size(), 70u);
  for (int n = 1; n <= 70; ++n) {
    EXPECT_EQ(series.bars[n - 1].x, n);
    EXPECT_EQ(series.bars[n - 1].y, n <= 10 || (n > 20 && n <= 30) ? 1 : n <= 20 ? 2 : 0) << n;
  }
  for (int red : {1, 2, 53, 67}) EXPECT_EQ(series.bars[red - 1].colour, kPrimeRed) << red;
  for (int green : {4, 49, 69, 70}) EXPECT_EQ(series.bars[green - 1].colour, kOtherGreen) << green;
  EXPECT_EQ(axis(), std::make_pair(0.0, 2.0));
  // Cross sums 210 and 410: the average 310.
  EXPECT_EQ(title(), "number distribution     draw: 2    cross sum: 310");
  EXPECT_EQ(form.aktDatum, kDay - 1);
}

TEST_F(NumberDistributionTest, AverageCrossSumRoundsHalfToEven) {
  // 1..19 and one more number: the sum moves with that number.
  auto drawWithSum = [](DayCount date, int sum) {
    std::vector<int> numbers = range(1, 19);
    numbers.push_back(sum - 190);
    return test::makeDraw(date, numbers);
  };
  const std::tuple<int, int, const char*> cases[] = {
      {250, 251, "250"}, {251, 252, "252"}, {250, 250, "250"}, {249, 252, "250"}};
  for (const auto& [first, second, average] : cases) {
    SCOPED_TRACE(average);
    window({drawWithSum(kDay, first), drawWithSum(kDay + 1, second)}, kDay, kDay + 1);
    chartNumberDistribution(context());
    EXPECT_EQ(title(), std::string("number distribution     draw: 2    cross sum: ") + average);
  }
}

TEST_F(NumberDistributionTest, ADayAsStartAndEndCountsInOneDistributionOnly) {
  window({test::makeDraw(kDay, range(1, 20), true), test::makeDraw(kDay, range(2, 21))}, kDay,
         kDay);
  chartNumberDistribution(context());
  EXPECT_EQ(title(), "number distribution     draw: 2    cross sum: 220");
  chartCrossSumDistribution(context());
  EXPECT_TRUE(form.Chart1.series(2).bars.empty());
  EXPECT_TRUE(form.Chart1.leftAxis().automatic);
  EXPECT_EQ(title(), "Cross-sum distribution     Draws: 0    Cross-sum: 0");
}

// An empty window's all-zero bars are titled as what they are, never with the title of the
// statistic charted before (a per-draw back-test showed the overdue title over them).
TEST_F(NumberDistributionTest, EqualCountsGiveAnAxisOfOneValueAndEmptyWindowsSaySo) {
  window({test::makeDraw(kDay, range(1, 20))}, kDay + 5, kDay + 6);
  form.Chart1.setBottomTitle("Which number is overdue, as was not since as many draws held?");
  chartNumberDistribution(context());
  EXPECT_EQ(barHeights(), std::vector<double>(70, 0));
  EXPECT_EQ(axis(), std::make_pair(0.0, 0.0));
  EXPECT_EQ(title(), "number distribution     draw: 0    cross sum: 0");
}

TEST_F(NumberDistributionTest, CrossSumBarsRunFromTheSmallestToTheLargestSum) {
  auto drawWithSum = [](DayCount date, int sum) {
    std::vector<int> numbers = range(1, 19);
    numbers.push_back(sum - 190);
    return test::makeDraw(date, numbers);
  };
  window({drawWithSum(kDay, 230), drawWithSum(kDay + 1, 250), drawWithSum(kDay + 2, 230)}, kDay - 1,
         kDay + 2);
  chartCrossSumDistribution(context());
  const auto& bars = form.Chart1.series(2).bars;
  ASSERT_EQ(bars.size(), 21u);
  EXPECT_EQ(bars.front().x, 230);
  EXPECT_EQ(bars.front().y, 2);
  EXPECT_EQ(bars.back().x, 250);
  EXPECT_EQ(bars.back().y, 1);
  for (std::size_t i = 1; i + 1 < bars.size(); ++i) EXPECT_EQ(bars[i].y, 0);
  EXPECT_FALSE(bars.front().colour.has_value());
  EXPECT_EQ(title(), "Cross-sum distribution     Draws: 3    Cross-sum: 237");

  window({test::makeDraw(kDay, range(1, 20)), test::makeDraw(kDay + 1, range(51, 70))}, kDay - 1,
         kDay + 1);
  chartCrossSumDistribution(context());
  EXPECT_EQ(form.Chart1.series(2).bars.front().x, 210);
  EXPECT_EQ(form.Chart1.series(2).bars.back().x, 1210);
}

TEST_F(NumberDistributionTest, AStartAfterThePickedDateFallsBackAYear) {
  window({test::makeDraw(kDay - 300, range(1, 20)), test::makeDraw(kDay - 400, range(1, 20))},
         kDay + 10, kDay);
  chartNumberDistribution(context());
  EXPECT_EQ(form.DateTimePicker2.date(), kDay - 365);
  EXPECT_EQ(form.aktDatum, kDay - 365);
  EXPECT_EQ(title(), "number distribution     draw: 1    cross sum: 210");
}

TEST_F(NumberDistributionTest, AFallbackBeforeTheFirstDrawDateStartsAtTheLimit) {
  const DayCount limit = encodeDate(2001, 10, 22);
  window({test::makeDraw(limit + 10, range(1, 20))}, limit + 200, limit + 100);
  form.DateTimePicker2.setMinDate(limit);
  for (auto run : {chartNumberDistribution, chartCrossSumDistribution}) {
    ASSERT_TRUE(form.DateTimePicker2.setDate(limit + 200));
    form.aktDatum = 0;
    run(context());
    EXPECT_EQ(form.DateTimePicker2.date(), limit);
    EXPECT_EQ(form.aktDatum, limit);
  }
  EXPECT_EQ(title(), "Cross-sum distribution     Draws: 1    Cross-sum: 210");
}

TEST_F(NumberDistributionTest, MissingDrawFileLeavesTheChartAsItWas) {
  form.Chart1.addBar(2, 1, 5);
  form.Chart1.setBottomTitle("before");
  chartNumberDistribution(context());
  chartCrossSumDistribution(context());
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"First read the data of draws",
                                                           "First read the data of draws"}));
  EXPECT_EQ(form.Chart1.series(2).bars.size(), 1u);
  EXPECT_EQ(title(), "before");
}

TEST_F(NumberDistributionTest, NumbersOutsideTheGameAreNotCounted) {
  auto damaged = test::makeDraw(kDay, range(1, 20));
  damaged.numbers[0] = 0;
  damaged.numbers[1] = 200;
  window({damaged}, kDay - 1, kDay);
  chartNumberDistribution(context());
  EXPECT_EQ(bar(1), 0);
  EXPECT_EQ(bar(2), 0);
  EXPECT_EQ(bar(3), 1);
  EXPECT_EQ(title(), "number distribution     draw: 1    cross sum: 207");
}

}  // namespace
}  // namespace numora

namespace numora {
namespace {

// The statistics see the draws the steps walk: an earlier date appended after newer draws is
// not counted twice, and zeros or a date that is no date are no draws of the window.
TEST_F(NumberDistributionTest, DamagedRecordsAndRepeatsAreNoDrawsOfTheWindow) {
  const std::vector<DrawRecord> sound = {test::makeDraw(kDay - 1, range(1, 20)),
                                         test::makeDraw(kDay, range(11, 30))};
  DrawRecord huge = test::makeDraw(kDay, range(51, 70));
  huge.date = 1e300;
  window({sound[0], DrawRecord{}, sound[1], sound[0], huge}, kDay - 1, kDay);
  chartNumberDistribution(context());
  const auto damaged = barHeights();
  const std::string damagedTitle = title();
  window(sound, kDay - 1, kDay);
  chartNumberDistribution(context());
  EXPECT_EQ(damaged, barHeights());
  EXPECT_EQ(damagedTitle, title());
  EXPECT_EQ(title(), "number distribution     draw: 2    cross sum: 310");
}

}  // namespace
}  // namespace numora
