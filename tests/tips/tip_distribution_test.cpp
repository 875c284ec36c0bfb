// The tip distribution: counting the tips' numbers and the chart it leaves.
#include "tips/tip_distribution.h"

#include "stats/statistics_chart.h"
#include "support/draw_test_fixture.h"

namespace numora {
namespace {

TEST(CountTipNumbers, CountsEachNumberAndStopsAtTheFirstTextThatIsNoInteger) {
  struct Case {
    const char* name;
    std::vector<std::string> tips;
    std::vector<std::pair<int, int>> counts;  // number, count; all others 0
  };
  const Case cases[] = {
      {"two tips", {"01,02", "02,70"}, {{1, 1}, {2, 2}, {70, 1}}},
      {"outside 0..70 not counted", {"71,-1,0,5"}, {{0, 1}, {5, 1}}},
      {"no integer ends the whole list", {"01,x,02", "03"}, {{1, 1}}},
      {"an empty line ends it too", {"04", "", "05"}, {{4, 1}}},
      {"a blank in a number text ends it", {"06, 07"}, {{6, 1}}},
      {"empty list", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::array<int, 71> expected{};
    for (const auto& [number, count] : c.counts) expected[static_cast<std::size_t>(number)] = count;
    EXPECT_EQ(countTipNumbers(c.tips), expected);
  }
}

class TipDistributionTest : public test::DrawTest {};

TEST_F(TipDistributionTest, ChartsSeventyPrimeColouredBarsOnAFixedAxis) {
  form.Chart1.addBar(1, 1, 99);
  form.ListBox1.setLines({"01,02", "02,70"});
  chartTipDistribution(form, platform);
  const Chart& chart = form.Chart1;
  EXPECT_TRUE(chart.series(2).active);
  EXPECT_FALSE(chart.series(1).active);
  ASSERT_EQ(chart.series(2).bars.size(), 70u);
  for (int n = 1; n <= 70; ++n) {
    const auto& bar = chart.series(2).bars[static_cast<std::size_t>(n - 1)];
    EXPECT_EQ(bar.x, n);
    EXPECT_EQ(bar.y, n == 2 ? 2 : (n == 1 || n == 70) ? 1 : 0) << n;
    EXPECT_EQ(bar.colour, isPrimeColoured(n) ? kPrimeRed : kOtherGreen) << n;
  }
  EXPECT_FALSE(chart.leftAxis().automatic);
  EXPECT_EQ(chart.leftAxis().min, 0);
  EXPECT_EQ(chart.leftAxis().max, 2);
  EXPECT_EQ(chart.bottomTitle(), "Number distribution of the tips");
  EXPECT_EQ(form.PageControl1.activePage(), kChartPage);
  EXPECT_FALSE(platform.waitCursor());
}

TEST_F(TipDistributionTest, AnEmptyListChartsSeventyBarsOfHeightZero) {
  chartTipDistribution(form, platform);
  ASSERT_EQ(form.Chart1.series(2).bars.size(), 70u);
  for (const auto& bar : form.Chart1.series(2).bars) EXPECT_EQ(bar.y, 0);
  EXPECT_EQ(form.Chart1.leftAxis().max, 0);
}

}  // namespace
}  // namespace numora
