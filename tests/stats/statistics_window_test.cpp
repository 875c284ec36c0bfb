// The date window every statistic counts in: a start after the picked date falls back a year
// before it, and never below the first date the start picker takes.
#include "stats/group_search.h"
#include "stats/number_distribution.h"
#include "stats/overdue_numbers.h"
#include "support/statistics_fixture.h"

namespace numora {
namespace {

class StatisticsWindowTest : public test::StatisticsTest {};

TEST_F(StatisticsWindowTest, EveryStatisticFallsBackAYearButNotBelowThePickersLimit) {
  const std::pair<const char*, void (*)(DrawContext)> statistics[] = {
      {"number distribution", chartNumberDistribution},
      {"cross-sum distribution", chartCrossSumDistribution},
      {"pairs", countPairs},
      {"triples", countTriples},
      {"four-groups", countFourGroups},
      {"overdue numbers", chartOverdueNumbers},
  };
  struct Case {
    const char* what;
    DayCount limit, start, end, expectedStart;
  };
  const DayCount limit = encodeDate(2001, 10, 22);
  const DayCount day = encodeDate(2023, 5, 10);
  const Case cases[] = {
      {"a start after the picked date falls back a year", limit, day + 10, day, day - 365},
      {"a start on the picked date stays", limit, day, day, day},
      {"a fallback below the limit starts at the limit", limit, limit + 200, limit + 100, limit},
  };
  for (const auto& [name, statistic] : statistics) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(name) + ": " + c.what);
      window({test::makeDraw(c.end - 1, range(1, 20))}, c.start, c.end);
      form.DateTimePicker2.setMinDate(c.limit);
      ASSERT_TRUE(form.DateTimePicker2.setDate(c.start));
      form.aktDatum = 0;
      statistic(context());
      EXPECT_EQ(form.DateTimePicker2.date(), c.expectedStart);
      EXPECT_EQ(form.aktDatum, c.expectedStart);
      EXPECT_EQ(form.DateTimePicker1.date(), c.end);
    }
  }
}

}  // namespace
}  // namespace numora
