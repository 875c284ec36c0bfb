// The historical search: every window draw shown and scored, a message per draw that reaches
// the threshold, the caption it leaves, the bars of best hit counts, and what it leaves alone.
#include "tips/historical_search.h"

#include "support/statistics_fixture.h"

namespace numora {
namespace {

const DayCount kDay = encodeDate(2023, 5, 3);  // a Wednesday

class HistoricalSearchTest : public test::StatisticsTest {
 protected:
  // Daily Keno: midday and evening on three days; the tip 1..10 hits 10, 3, 0, 2, 9, 5.
  void SetUp() override {
    draws = {
        test::makeDraw(kDay, range(1, 20), true),
        test::makeDraw(kDay, join(range(1, 3), range(31, 47))),
        test::makeDraw(kDay + 1, range(41, 60), true),
        test::makeDraw(kDay + 1, join(range(9, 10), range(51, 68))),
        test::makeDraw(kDay + 2, join(range(2, 10), range(50, 60)), true),
        test::makeDraw(kDay + 2, join(range(6, 10), range(41, 55))),
    };
    window(draws, kDay, kDay + 2);
    form.ListBox1.setLines({"01,02,03,04,05,06,07,08,09,10"});
    form.Position = 4;
  }
  static std::vector<int> join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
  std::vector<DrawRecord> draws;
};

TEST_F(HistoricalSearchTest, ReportsEachDrawThatReachesTheThreshold) {
  struct Case {
    const char* answer;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"3",
       {"A hit on: 03.05.2023", "A hit on: 03.05.2023", "A hit on: 05.05.2023",
        "A hit on: 05.05.2023"}},
      {"10", {"A hit on: 03.05.2023"}},
      {"11", {}},
      {"0",
       {"A hit on: 03.05.2023", "A hit on: 03.05.2023", "A hit on: 04.05.2023",
        "A hit on: 04.05.2023", "A hit on: 05.05.2023", "A hit on: 05.05.2023"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    ScriptedPlatform fresh;
    std::vector<std::string> inputs;
    fresh.report = [&](const std::string& line) { inputs.push_back(line); };
    fresh.queueInput(std::string(c.answer));
    searchTipListHistory(DrawContext{form, fresh, reader});
    EXPECT_EQ(fresh.messages(), c.messages);
    ASSERT_FALSE(inputs.empty());
    EXPECT_EQ(inputs.front(), "input: Stop at conformity of x numbers");
  }
}

TEST_F(HistoricalSearchTest, TheProgressBarCountsTheWindowDrawsAndGoesAtTheEnd) {
  std::vector<std::string> seen;
  platform.report = [&](const std::string& line) {
    if (!line.starts_with("message: ")) return;
    const ProgressBar& bar = form.WorkProgress;
    seen.push_back(std::to_string(bar.position()) + "/" + std::to_string(bar.maximum()) + " " +
                   bar.caption() + (bar.visible() ? "" : " (hidden)"));
  };
  platform.queueInput(std::string("0"));
  searchTipListHistory(context());
  EXPECT_EQ(seen,
            (std::vector<std::string>{
                "1/6 Search: 1 of 6 draws, 03.05.2023", "2/6 Search: 2 of 6 draws, 03.05.2023",
                "3/6 Search: 3 of 6 draws, 04.05.2023", "4/6 Search: 4 of 6 draws, 04.05.2023",
                "5/6 Search: 5 of 6 draws, 05.05.2023", "6/6 Search: 6 of 6 draws, 05.05.2023"}));
  EXPECT_FALSE(form.WorkProgress.visible());
}

TEST_F(HistoricalSearchTest, ThePresetIsTheNumbersPerTip) {
  form.UpDown18.setPosition(10);
  platform.queueInput(std::nullopt);  // cancelled: the preset counts
  searchTipListHistory(context());
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"A hit on: 03.05.2023"}));
}

TEST_F(HistoricalSearchTest, LeavesTheLastWindowDrawShownAndPositionAndPickerAlone) {
  platform.queueInput(std::string("11"));
  const auto bars = searchTipListHistory(context());
  const DrawRecord& last = draws.back();
  EXPECT_EQ(form.Datum1, last.date);
  EXPECT_EQ(form.Zahl[1], 6);
  EXPECT_EQ(form.Label29.caption(), searchCaption(last, platform.shortDayNames()));
  EXPECT_EQ(form.Label29.caption().substr(0, 20), "Fri 05.05.23    6  7");
  EXPECT_EQ(form.Label35.caption(), form.Label29.caption());
  EXPECT_EQ(form.Label13.caption(), "Cross-sum: " + std::to_string(last.crossSum()));
  EXPECT_EQ(form.ListBox2.lines(), (std::vector<std::string>{"5"}));
  EXPECT_EQ(form.Position, 4);
  EXPECT_EQ(form.DateTimePicker1.date(), kDay + 2);
  EXPECT_EQ(form.aktDatum, kDay);
  // Best hits 10, 3, 0, 2, 9, 5 on the six draws.
  EXPECT_EQ(bars, (std::array<int, 11>{1, 0, 1, 1, 0, 1, 0, 0, 0, 1, 1}));
  EXPECT_EQ(barHeights(), (std::vector<double>{1, 0, 1, 1, 0, 1, 0, 0, 0, 1, 1}));
  EXPECT_EQ(form.Chart1.series(2).bars.front().x, 0);
  EXPECT_TRUE(form.Chart1.leftAxis().automatic);
}

TEST_F(HistoricalSearchTest, AMiddayCaptionCarriesNoMiddayMark) {
  window(draws, kDay, kDay);
  form.ListBox1.clear();
  platform.queueInput(std::string("1"));
  searchTipListHistory(context());
  EXPECT_EQ(form.Datum1, kDay);
  EXPECT_EQ(form.Zahl[4], 31) << "the evening draw comes last";
  EXPECT_EQ(form.Label29.caption().find("Midday"), std::string::npos);
}

TEST_F(HistoricalSearchTest, AThresholdThatIsNoIntegerStartsNothing) {
  form.Label29.setCaption("before");
  platform.queueInput(std::string("x3"));
  EXPECT_THROW(
      {
        try {
          searchTipListHistory(context());
        } catch (const std::runtime_error& error) {
          EXPECT_STREQ(error.what(), "'x3' is not a valid integer value");
          throw;
        }
      },
      std::runtime_error);
  EXPECT_EQ(form.Label29.caption(), "before");
  EXPECT_TRUE(form.Chart1.series(2).bars.empty());
}

TEST_F(HistoricalSearchTest, AnEmptyWindowOnlyChartsEmptyBars) {
  window(draws, kDay + 10, kDay + 20);
  form.Datum1 = 1;
  platform.queueInput(std::string("0"));
  searchTipListHistory(context());
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_EQ(form.Datum1, 1);
  EXPECT_EQ(form.aktDatum, kDay + 10);
  EXPECT_EQ(barHeights(), std::vector<double>(11, 0));
}

TEST_F(HistoricalSearchTest, NoDrawFileIsReported) {
  std::filesystem::remove(home.file("Vuduro.dat"));
  platform.queueInput(std::string("3"));
  searchTipListHistory(context());
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{kNoDrawFileMessage}));
}

}  // namespace
}  // namespace numora
