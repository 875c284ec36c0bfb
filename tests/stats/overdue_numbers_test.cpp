#include "stats/overdue_numbers.h"

#include "stats/statistics_chart.h"
#include "support/statistics_fixture.h"

namespace numora {
namespace {

const DayCount kDay = encodeDate(2023, 5, 10);

class OverdueNumbersTest : public test::StatisticsTest {};

TEST_F(OverdueNumbersTest, GapSinceTheLastDraw) {
  auto first = test::makeDraw(kDay - 2, range(1, 20));  // holds 9
  auto second = test::makeDraw(kDay - 1, range(21, 40));
  auto third = test::makeDraw(kDay, range(41, 60));
  window({first, second, third}, kDay - 3, kDay);
  chartOverdueNumbers(context());
  EXPECT_EQ(bar(9), 3);
  EXPECT_EQ(bar(30), 2);
  EXPECT_EQ(bar(50), 1);
  EXPECT_EQ(bar(65), 4);
  EXPECT_EQ(axis(), std::make_pair(1.0, 4.0));
  EXPECT_EQ(title(), "Which number is overdue, as was not since as many draws held?");
  EXPECT_EQ(form.PageControl1.activePage(), kChartPage);
  const auto& bars = form.Chart1.series(2).bars;
  for (int red : {2, 3, 61}) EXPECT_EQ(bars[red - 1].colour, kPrimeRed);
  for (int green : {4, 50, 70}) EXPECT_EQ(bars[green - 1].colour, kOtherGreen);
}

TEST_F(OverdueNumbersTest, OneDrawAndNoDraw) {
  window({test::makeDraw(kDay, range(1, 20))}, kDay - 1, kDay);
  chartOverdueNumbers(context());
  EXPECT_EQ(bar(20), 1);
  EXPECT_EQ(bar(21), 2);
  EXPECT_EQ(axis(), std::make_pair(1.0, 2.0));

  window({test::makeDraw(kDay, range(1, 20))}, kDay, kDay);  // the start date is left out
  chartOverdueNumbers(context());
  EXPECT_EQ(barHeights(), std::vector<double>(70, 1));
  EXPECT_EQ(axis(), std::make_pair(1.0, 1.0));
}

TEST_F(OverdueNumbersTest, AFallbackBelowTheLimitStartsAtTheLimitInsteadOfFailing) {
  const DayCount limit = encodeDate(2001, 10, 22);
  window({test::makeDraw(limit + 5, range(1, 20))}, limit + 100, limit + 50);
  form.DateTimePicker2.setMinDate(limit);
  chartOverdueNumbers(context());
  EXPECT_EQ(form.DateTimePicker2.date(), limit);
  EXPECT_EQ(form.aktDatum, limit);
  EXPECT_EQ(bar(1), 1);
  EXPECT_FALSE(platform.waitCursor());
}

}  // namespace
}  // namespace numora
