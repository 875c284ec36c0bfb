#include "backtest/recurrence_tests.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/backtest_fixture.h"

namespace numora::test {
namespace {

class RecurrenceTest : public BacktestTest {
 protected:
  static constexpr DayCount kFirst = kToday - 30;

  void run(BacktestKind kind) {
    switch (kind) {
      case BacktestKind::NextDraw:
        return form1->Button7Click();
      case BacktestKind::SecondNextDraw:
        return form1->Button8Click();
      case BacktestKind::ThirdNextDraw:
        return form1->Button9Click();
      case BacktestKind::NextThreeDraws:
        return form1->Button10Click();
      default:
        return form1->Button11Click();
    }
  }
};

struct CycleCase {
  BacktestKind kind;
  int draws;        // Keno Atlantic draws from kFirst on
  DayCount chosen;  // days after kFirst
  int cycles;
  const char* last;  // the line after the 21 hit-count lines
};

TEST_F(RecurrenceTest, CyclesEndWhenAForwardStepFindsNoFurtherDraw) {
  const CycleCase cases[] = {
      // k, k+1, k+2: two cycles, the third finds no draw after k+2.
      {BacktestKind::NextDraw, 3, 0, 2, "at 2 draw"},
      {BacktestKind::SecondNextDraw, 3, 0, 1, "at 1 draws"},
      {BacktestKind::ThirdNextDraw, 6, 0, 3, "at 3 draws"},
      {BacktestKind::NextThreeDraws, 6, 0, 3, "at 3 draws"},
      // Draws 0..2 have fewer than three earlier draws: cycles at 3, 4 and 5 (the last one
      // counts, its forward moves reach the end).
      {BacktestKind::LastThreeDraws, 6, 0, 3, "at 3 draws"},
      {BacktestKind::LastThreeDraws, 6, 4, 2, "at 2 draws"},
      {BacktestKind::NextDraw, 3, 2, 0, "at 0 draw"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.last);
    create(generateHistory(kFirst, kFirst + c.draws - 1, false, 9));
    pick(kFirst + c.chosen);
    run(c.kind);
    const auto lines = reportLines();
    ASSERT_GE(lines.size(), 23u) << report();
    EXPECT_EQ(lines[22], c.last);
    const auto& totals = form1->lastBacktest();
    ASSERT_TRUE(totals);
    const int comparisons =
        c.kind == BacktestKind::NextThreeDraws || c.kind == BacktestKind::LastThreeDraws ? 3 : 1;
    EXPECT_EQ(total(totals->hits), comparisons * c.cycles);
    const bool extremes = comparisons == 3 && c.cycles > 0;
    EXPECT_EQ(lines.size(), extremes ? 25u : 23u);
    EXPECT_EQ(form().Datum1, kFirst + c.draws - 1);  // the replay ends on the last draw
    EXPECT_EQ(form().ListBox1.count(), 1u);          // the last probe
    EXPECT_EQ(form().UpDown18.position(), 10);
    EXPECT_EQ(form().UpDown18.max(), 10);
  }
}

TEST_F(RecurrenceTest, IdenticalDrawsFillTheTwentyLineAndEqualTotalsKeepTheFirstDate) {
  const std::vector<int> same = {3, 17, 42, 1,  2,  4,  5,  6,  7,  8,
                                 9, 10, 11, 12, 13, 14, 15, 16, 18, 19};
  std::vector<DrawRecord> records;
  for (DayCount d = kFirst; d < kFirst + 7; ++d) records.push_back(makeDraw(d, same));
  create(records);
  form().UpDown18.setPosition(6);
  pick(kFirst);
  form1->Button10Click();
  const auto lines = reportLines();
  ASSERT_EQ(lines.size(), 25u) << report();
  EXPECT_EQ(lines[21], "20x         => \t12");  // four cycles of three comparisons
  EXPECT_EQ(lines[22], "at 4 draws");
  // Every cycle total is 60; the first cycle ended on the draw after the chosen one.
  const std::string first = formatDate(kFirst + 1);
  EXPECT_EQ(lines[23], "at the " + first + " from it 60 matches");
  EXPECT_EQ(lines[24], "at the " + first + " from it 60 matches");
  EXPECT_EQ(
      form().ListBox1.lines(),
      std::vector<std::string>{"03,17,42,01,02,04,05,06,07,08,09,10,11,12,13,14,15,16,18,19"});
  EXPECT_EQ(form().UpDown18.position(), 10);
}

TEST_F(RecurrenceTest, ExtremesNameTheCyclesThatFirstReachedThem) {
  create(generateHistory(kFirst, kFirst + 20, false, 4));
  pick(kFirst);
  form1->Button10Click();
  // Recount from the draws: cycle k compares draw k with k+1..k+3 and ends on k+1.
  auto common = [&](std::size_t a, std::size_t b) {
    int n = 0;
    for (int x : draws[a].numbers)
      for (int y : draws[b].numbers) n += x == y;
    return n;
  };
  int smallest = 1000, largest = 0;
  DayCount smallDate = 0, largeDate = 0;
  for (std::size_t k = 0; k + 3 < draws.size(); ++k) {
    const int t = common(k, k + 1) + common(k, k + 2) + common(k, k + 3);
    if (t < smallest) smallest = t, smallDate = draws[k + 1].date;
    if (t > largest) largest = t, largeDate = draws[k + 1].date;
  }
  const auto lines = reportLines();
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[22], "at 18 draws");
  EXPECT_EQ(lines[23], "at the " + formatDate(smallDate) + " from it " + std::to_string(smallest) +
                           " matches");
  EXPECT_EQ(lines[24],
            "at the " + formatDate(largeDate) + " from it " + std::to_string(largest) + " matches");
}

TEST_F(RecurrenceTest, ADailyKenoReplayRunsThroughBothDrawsOfEveryDate) {
  create(generateHistory(kFirst, kFirst + 4, true, 2), 1);
  pick(kFirst);
  form1->Button7Click();
  EXPECT_EQ(reportLines()[22], "at 9 draw");
}

TEST_F(RecurrenceTest, TheProgressShowsTheDateReachedAndTheCyclesThenClears) {
  create(generateHistory(kFirst, kFirst + 3, false, 2));
  std::vector<std::string> shown;
  std::vector<std::string> bars;
  platform.onRepaint = [&] {
    const std::string& text = form().ReplayProgress.caption();
    if (!text.empty() && (shown.empty() || shown.back() != text)) shown.push_back(text);
    const ProgressBar& bar = form().WorkProgress;
    const std::string state =
        std::to_string(bar.position()) + "/" + std::to_string(bar.maximum()) + " " + bar.caption();
    if (bar.visible() && (bars.empty() || bars.back() != state)) bars.push_back(state);
  };
  pick(kFirst);
  form1->Button7Click();
  EXPECT_EQ(shown, (std::vector<std::string>{formatDate(kFirst + 1) + "  1 cycles",
                                             formatDate(kFirst + 2) + "  2 cycles",
                                             formatDate(kFirst + 3) + "  3 cycles"}));
  EXPECT_EQ(form().ReplayProgress.caption(), "");
  // The bar runs over the three draws after the chosen one, then shows the comparison with
  // chance being worked out.
  ASSERT_GE(bars.size(), 2u);
  EXPECT_EQ(bars[bars.size() - 2], "3/3 Back-test: " + formatDate(kFirst + 3) + ", 3 cycles");
  EXPECT_EQ(bars.back(), "0/1 Back-test: comparing with chance");
  EXPECT_FALSE(form().WorkProgress.visible());
}

// A stop before the last cycle says how many cycles the whole run has; one noticed after the
// last cycle stopped nothing.
TEST_F(RecurrenceTest, AStoppedTestSaysHowManyCyclesTheWholeRunHas) {
  struct Case {
    const char* name;
    std::function<void()> click;
    int cycles;
  };
  // Eight draws, the chosen one at position 3: four draws after it.
  const Case cases[] = {
      {"next draw", [this] { form1->Button7Click(); }, 4},
      {"second next draw", [this] { form1->Button8Click(); }, 3},
      {"third next draw", [this] { form1->Button9Click(); }, 2},
      {"next three draws", [this] { form1->Button10Click(); }, 2},
      {"last three draws", [this] { form1->Button11Click(); }, 5},
  };
  create(generateHistory(kFirst, kFirst + 7, false, 2));
  for (const Case& c : cases) {
    for (const int stopAfter : {c.cycles - 1, c.cycles}) {
      SCOPED_TRACE(std::string(c.name) + ", stopped after " + std::to_string(stopAfter));
      const std::string reached = "  " + std::to_string(stopAfter) + " cycles";
      bool stopped = false;
      platform.onRepaint = [&] {
        if (!stopped && form().ReplayProgress.caption().ends_with(reached)) {
          stopped = true;
          form1->StopClick();
        }
      };
      pick(kFirst + 3);
      c.click();
      platform.onRepaint = nullptr;
      ASSERT_TRUE(stopped);
      const std::string first = reportLines().front();
      if (stopAfter < c.cycles) {
        EXPECT_EQ(first, "Stopped after " + std::to_string(stopAfter) + " of " +
                             std::to_string(c.cycles) + " cycles.");
      } else {
        EXPECT_EQ(first, "Current setting brought");
      }
      EXPECT_EQ(form1->lastBacktest()->cycles, stopAfter);
    }
  }
}

// A stop in the middle drops the cycle in progress: the report counts the finished ones.
TEST_F(RecurrenceTest, AStopInTheMiddleCountsTheFinishedCycles) {
  create(generateHistory(kFirst, kFirst + 7, false, 2));
  bool stopped = false;
  platform.onRepaint = [&] {
    if (!stopped && form().ReplayProgress.caption().ends_with("  2 cycles")) {
      stopped = true;
      form1->StopClick();
    }
  };
  pick(kFirst + 3);
  form1->Button8Click();
  ASSERT_TRUE(stopped);
  const auto lines = reportLines();
  EXPECT_EQ(lines.front(), "Stopped after 2 of 3 cycles.");
  EXPECT_EQ(lines[23], "at 2 draws");
  EXPECT_EQ(form1->lastBacktest()->cycles, 2);
  // The list is the last finished cycle's probe, scored as the window shows it.
  EXPECT_EQ(form().ListBox2.count(), form().ListBox1.count());
  EXPECT_EQ(form().ListBox1.count(), 1u);
}

TEST_F(RecurrenceTest, WithoutADrawFileNothingRunsAndTheTipSizeGoesBack) {
  create(generateHistory(kFirst, kFirst + 3, false, 2));
  std::filesystem::remove(home.file("Kenoal.dat"));
  form().UpDown18.setPosition(6);
  form1->Button9Click();
  EXPECT_EQ(platform.messages(), std::vector<std::string>{"First read the data of draws"});
  EXPECT_FALSE(std::filesystem::exists(home.file("Analyse.txt")));
  EXPECT_EQ(form().UpDown18.position(), 10);
}

TEST_F(RecurrenceTest, AReportThatCannotBeWrittenStillSetsTheTipSizeBack) {
  create(generateHistory(kFirst, kFirst + 5, false, 2));
  std::filesystem::create_directory(home.file("Analyse.txt"));
  form().UpDown18.setPosition(4);
  pick(kFirst);
  form1->Button8Click();
  EXPECT_EQ(
      platform.messages(),
      std::vector<std::string>{"Error when adding the random number\nCannot replace \"" +
                               home.file("Analyse.txt").string() + "\": it is no regular file"});
  EXPECT_TRUE(platform.opened().empty());
  EXPECT_EQ(form().UpDown18.position(), 10);
  EXPECT_FALSE(platform.waitCursor());
}

}  // namespace
}  // namespace numora::test
