#include "backtest/tip_success_tests.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "evaluation/tip_text.h"
#include "support/backtest_fixture.h"

namespace numora::test {
namespace {

class TipSuccessTest : public BacktestTest {
 protected:
  static constexpr DayCount kFirst = kToday - 20;
  static constexpr DayCount kLast = kToday - 10;  // eleven Keno Atlantic draws
};

struct ChosenDateCase {
  DayCount chosen;
  int cycles;
};

// The chosen draw k of N: N - k cycles; today: none; after the last draw: the first step
// finds no further draw.
TEST_F(TipSuccessTest, SingleCalculationCountsOneCycleForEveryLaterDraw) {
  const ChosenDateCase cases[] = {
      {kFirst, 10}, {kFirst + 7, 3}, {kLast, 0}, {kLast + 3, 0}, {kToday, 0}};
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  for (const auto& c : cases) {
    SCOPED_TRACE(formatDate(c.chosen));
    pick(c.chosen);
    platform.queueInput("4711");
    form1->BitBtn9Click();
    const auto lines = reportLines();
    ASSERT_EQ(lines.size(), 3u + 4u) << report();  // 0x..3x for three numbers a tip
    EXPECT_EQ(lines[0], "Current setting brought: ");
    EXPECT_EQ(lines[5], " ");
    EXPECT_EQ(lines[6], "by " + std::to_string(c.cycles) + " draw");
    const auto& totals = form1->lastBacktest();
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->cycles, c.cycles);
    EXPECT_EQ(total(totals->hits), 2 * c.cycles);  // two tips a draw
    for (int i = 0; i <= 3; ++i) {
      EXPECT_EQ(lines[static_cast<std::size_t>(i) + 1],
                std::to_string(i) + "x \t => " + std::to_string(totals->hits[i]));
    }
    EXPECT_EQ(form().ListBox1.count(), 2u);
  }
  EXPECT_EQ(report().substr(0, 27), "Current setting brought: \r\n");
  EXPECT_EQ(platform.opened().size(), std::size(cases));
  // The replay ended on the last draw.
  EXPECT_EQ(form().Datum1, kLast);
  EXPECT_EQ(form().ReplayProgress.caption(), "");
}

// The comparison with chance is worked out once, when the test ends; it took seconds on every
// visit of the "Odds" tab, the window frozen meanwhile.
TEST_F(TipSuccessTest, TheOddsTabShowsTheComparisonTheTestLeftWithoutWorkingItOutAgain) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  pick(kFirst);
  platform.queueInput("4711");
  form1->ErfolgstestClick();
  ASSERT_FALSE(form().ChanceGrid.rows().empty());
  const auto gridChanges = form().ChanceGrid.changeCount();
  const auto memoChanges = form().ChanceMemo.changeCount();
  const std::string memo = form().ChanceMemo.text();
  form().PageControl1.setActivePage(kOddsPage);
  form1->PageControl1Change();
  EXPECT_EQ(form().ChanceGrid.changeCount(), gridChanges);
  EXPECT_EQ(form().ChanceMemo.changeCount(), memoChanges);
  EXPECT_EQ(form().ChanceMemo.text(), memo);
}

TEST_F(TipSuccessTest, ElevenHitLinesForTenNumbersAndAlwaysTwentyOneForThePerDrawTest) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  form().UpDown18.setPosition(10);
  pick(kLast - 1);
  platform.queueInput("1");
  form1->BitBtn9Click();
  EXPECT_EQ(reportLines().size(), 1u + 11u + 2u);
  EXPECT_EQ(reportLines()[11], "10x \t => " + std::to_string(form1->lastBacktest()->hits[10]));
  pick(kLast - 1);
  platform.queueInput("1");
  form1->ErfolgstestClick();
  const auto lines = reportLines();
  ASSERT_EQ(lines.size(), 1u + 21u + 1u);
  EXPECT_EQ(lines[0], "Current setting brought");
  EXPECT_EQ(lines[21], "20x         => \t0");
  EXPECT_EQ(lines[22], "at 1 draws");
}

TEST_F(TipSuccessTest, PerDrawTestRunsThroughBothDrawsOfEveryDailyKenoDate) {
  create(generateHistory(kFirst, kLast, true, 5), 1);
  quickTips();
  pick(kFirst);
  platform.queueInput("99");
  form1->ErfolgstestClick();
  // 22 records: a calculation at each of the first 21, scored against the next one.
  EXPECT_EQ(reportLines().back(), "at 21 draws");
  EXPECT_EQ(total(form1->lastBacktest()->hits), 21 * 2);
  EXPECT_EQ(form().Position, 21);
}

TEST_F(TipSuccessTest, TwoPerDrawRunsWithTheSameLuckyNumberWriteTheSameReport) {
  create(generateHistory(kFirst, kLast, false, 3));
  form().UpDown9.setPosition(3);
  std::vector<std::string> reports;
  for (int run = 0; run < 2; ++run) {
    pick(kFirst + 4);
    platform.queueInput("123456");
    form1->ErfolgstestClick();
    reports.push_back(report());
  }
  EXPECT_EQ(reports[0], reports[1]);
}

// One stop ends the whole test: the cycle in progress is dropped, the report covers the
// finished cycles under a heading that says so, and the tip list is the one the last finished
// cycle left (the list before the test when none finished), one undo step from the list before.
TEST_F(TipSuccessTest, OneStopEndsTheWholeTestWithAReportOfTheFinishedCycles) {
  struct Case {
    const char* name;
    bool perDraw;
    int stopAfterCycles;  // the stop comes in the calculation of the cycle after these
    std::vector<std::string> firstLines;
    std::string lastLine;
    std::int64_t hits;
  };
  const Case cases[] = {
      {"per-draw test, in its first cycle",
       true,
       0,
       {"Stopped after 0 of 3 cycles."},
       "at 0 draws",
       0},
      {"per-draw test, in its second cycle",
       true,
       1,
       {"Stopped after 1 of 3 cycles."},
       "at 1 draws",
       2},
      {"single calculation, in its calculation",
       false,
       0,
       {"Stopped after 0 of 3 cycles."},
       "Stopped after 0 of 3 cycles.",
       0},
  };
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form().ListBox1.setLines({"01,02,03"});
    bool stopped = false;
    std::vector<std::string> listAtStop;
    platform.onProcessEvents = [&] {
      const std::string wanted = std::to_string(c.stopAfterCycles) + " cycles";
      const std::string& shown = form().ReplayProgress.caption();
      const bool reached = c.stopAfterCycles == 0 || shown.ends_with("  " + wanted);
      if (!stopped && reached) {
        stopped = true;
        form1->handle([&] { form1->BitBtn19Click(); });
      }
    };
    pick(kLast - 3);
    platform.queueInput("7");
    std::vector<std::string> finishedList = form().ListBox1.lines();
    if (c.perDraw) {
      form1->ErfolgstestClick();
    } else {
      form1->BitBtn9Click();
    }
    platform.onProcessEvents = nullptr;
    ASSERT_TRUE(stopped);
    const auto lines = reportLines();
    ASSERT_GE(lines.size(), c.firstLines.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + c.firstLines.size()),
              c.firstLines);
    EXPECT_EQ(lines.back(), c.lastLine);
    ASSERT_TRUE(form1->lastBacktest());
    EXPECT_EQ(form1->lastBacktest()->cycles, c.stopAfterCycles);
    EXPECT_EQ(total(form1->lastBacktest()->hits), c.hits);
    EXPECT_EQ(form().BitBtn4.caption(), "calculate tips");
    EXPECT_FALSE(form1->longWork().running());
    if (c.stopAfterCycles == 0) {
      EXPECT_EQ(form().ListBox1.lines(), finishedList);
    }
    EXPECT_EQ(form().ListBox2.count(), form().ListBox1.count());
    form1->UndoTipsClick();
    EXPECT_EQ(form().ListBox1.lines(), std::vector<std::string>{"01,02,03"});
  }
}

// What the window owns or the user may change while a test runs (the window's size, the view
// of the "Odds" tab) stays as it was left, not as it was when the test started.
TEST_F(TipSuccessTest, WhatTheUserChangedWhileATestRanStays) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  const int height = form().groesse;
  std::string allSizesTitle;
  bool changed = false;
  platform.onProcessEvents = [&] {
    if (changed) return;
    changed = true;
    (void)form1->FormResize(height + 100);
    form().OddsAllSizesCheckBox.setChecked(true);
    form1->handle(form1->handlers().at("OddsAllSizesCheckBoxChange"));
    allSizesTitle = form().OddsTitle.caption();
  };
  pick(kLast - 3);
  platform.queueInput("7");
  form1->ErfolgstestClick();
  platform.onProcessEvents = nullptr;
  ASSERT_TRUE(changed);
  EXPECT_EQ(form().groesse, height + 100);
  EXPECT_TRUE(form().OddsAllSizesCheckBox.checked());
  EXPECT_EQ(form().OddsTitle.caption(), allSizesTitle);
  // The test itself ended as it does without the changes.
  EXPECT_EQ(reportLines().back(), "at 3 draws");
}

// A back-test button clicked while a calculation inside a test processes events starts no
// second replay inside the first.
TEST_F(TipSuccessTest, ABacktestClickedDuringATestIsRefused) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  int calls = 0;
  platform.onProcessEvents = [&] {
    if (++calls == 1) form1->Button7Click();
  };
  pick(kLast - 3);
  platform.queueInput("7");
  form1->ErfolgstestClick();
  EXPECT_EQ(reportLines().back(), "at 3 draws");
  EXPECT_EQ(platform.opened().size(), 1u);
  EXPECT_EQ(form().Datum1, kLast);
}

TEST_F(TipSuccessTest, ACancelledPromptRunsWithTheProposal) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  form().random.setSeed(77);
  Random copy(77);
  const std::string proposal = std::to_string(copy.next(99999));
  pick(kLast);
  form1->BitBtn9Click();  // nothing queued: the dialog's cancel returns its preset
  ASSERT_TRUE(form1->lastBacktest());
  EXPECT_EQ(platform.messages().size(), 0u);
  // The one calculation seeded with the proposal gives the tips a calculation seeded by hand
  // with it gives.
  const auto tips = form().ListBox1.lines();
  form().random.setSeed(std::stoi(proposal));
  pick(kLast);
  form1->SpeedButton5Click();
  form1->BitBtn19Click();
  EXPECT_EQ(form().ListBox1.lines(), tips);
}

TEST_F(TipSuccessTest, ALuckyNumberThatIsNoNumberWritesNoReportAndRestoresTheEditList) {
  struct Case {
    bool perDraw;
    const char* message;
  };
  create(generateHistory(kFirst, kLast, false, 3));
  form().CheckBox20.setChecked(true);
  for (const Case c :
       {Case{false, "Error - lucky number"}, Case{true, "Error when adding the random number"}}) {
    pick(kFirst + 2);
    platform.queueInput("abc");
    c.perDraw ? form1->ErfolgstestClick() : form1->BitBtn9Click();
    ASSERT_FALSE(platform.messages().empty());
    EXPECT_EQ(platform.messages().back(), c.message);
    EXPECT_FALSE(std::filesystem::exists(home.file("Analyse.txt")));
    EXPECT_TRUE(form().CheckBox20.checked());
    EXPECT_EQ(form().Datum1, kFirst + 2);  // the chosen draw, nothing replayed
    EXPECT_FALSE(platform.waitCursor());
  }
  EXPECT_FALSE(form1->lastBacktest());
}

// The designed message of each test, and on a line of its own the file and the reason.
TEST_F(TipSuccessTest, AReportThatCannotBeWrittenIsTheTestsFailureWithItsReasonAfterTheReplay) {
  struct Case {
    bool perDraw;
    const char* message;
  };
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  std::filesystem::create_directory(home.file("Analyse.txt"));
  for (const Case c :
       {Case{false, "Error - lucky number"}, Case{true, "Error when adding the random number"}}) {
    SCOPED_TRACE(c.message);
    pick(kFirst + 8);
    platform.queueInput("5");
    c.perDraw ? form1->ErfolgstestClick() : form1->BitBtn9Click();
    ASSERT_FALSE(platform.messages().empty());
    EXPECT_EQ(platform.messages().back(), std::string(c.message) + "\nCannot replace \"" +
                                              home.file("Analyse.txt").string() +
                                              "\": it is no regular file");
    EXPECT_TRUE(platform.opened().empty());
    EXPECT_EQ(form().Datum1, kLast);  // the replay has run
  }
}

// A calculation inside a test sees no draw after the cycle's draw: with the pool made of the
// draws of one date in all years only, a date after the chosen draw adds the chosen draw's
// numbers (as a date after the last draw of a full file adds the last draw), never the later
// draw's.
TEST_F(TipSuccessTest, TheCalculationSeesNoLaterDraw) {
  std::vector<DrawRecord> records;
  std::vector<int> early, late;
  for (int n = 1; n <= 20; ++n) early.push_back(n);
  for (int n = 41; n <= 60; ++n) late.push_back(n);
  for (DayCount d = kFirst; d <= kFirst + 5; ++d) records.push_back(makeDraw(d, early));
  for (DayCount d = kFirst + 6; d <= kLast; ++d) records.push_back(makeDraw(d, late));
  create(records);
  quickTips();
  form().CheckBox30.setChecked(true);
  form().CheckBox15.setChecked(true);
  ASSERT_TRUE(form().DateTimePicker3.setDate(kFirst + 8));
  ASSERT_TRUE(form().DateTimePicker2.setDate(kFirst));  // the statistics window: this year only
  pick(kFirst + 5);
  platform.queueInput("8");
  form1->BitBtn9Click();
  ASSERT_EQ(form().ListBox1.count(), 2u);
  for (const auto& tip : form().ListBox1.lines()) {
    const TipNumbers numbers = readTipNumbers(tip, 3);
    for (int i = 0; i < 3; ++i) EXPECT_LE(numbers.values[i], 20) << tip;
  }
}

}  // namespace
}  // namespace numora::test
