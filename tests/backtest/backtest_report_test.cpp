// What a back-test leaves for the player: the tips and draws of every cycle for the comparison
// with chance, the report in its own window with its heading, the picked date back on the
// chosen one, and no explanation from the test's own calculations.
#include "backtest/backtest_report.h"

#include <gtest/gtest.h>

#include "support/backtest_fixture.h"

namespace numora::test {
namespace {

class BacktestReportTest : public BacktestTest {
 protected:
  static constexpr DayCount kFirst = kToday - 20;
  static constexpr DayCount kLast = kToday - 10;  // eleven Keno Atlantic draws

  // The hit counts the recorded cycles give, to set beside the totals the test reported.
  static std::array<std::int64_t, 21> recountedHits(const BacktestTotals& totals) {
    std::array<std::int64_t, 21> hits{};
    for (const ScoredCycle& cycle : totals.scoredCycles) {
      for (const NumberSet& draw : cycle.draws) {
        for (const NumberSet& tip : cycle.tips) ++hits[static_cast<std::size_t>(tip.common(draw))];
      }
    }
    return hits;
  }
};

TEST_F(BacktestReportTest, TheTipTestsKeepTheTipsAndDrawsOfEveryCycle) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  struct Case {
    const char* name;
    std::function<void()> run;
    std::size_t cycles;
    std::size_t drawsPerCycle;
  };
  const Case cases[] = {
      {"one calculation", [&] { form1->BitBtn9Click(); }, 1, 8},
      {"a calculation per draw", [&] { form1->ErfolgstestClick(); }, 8, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    pick(kFirst + 2);
    platform.queueInput("4711");
    c.run();
    const auto& totals = form1->lastBacktest();
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->cycles, 8);
    ASSERT_EQ(totals->scoredCycles.size(), c.cycles);
    for (const ScoredCycle& cycle : totals->scoredCycles) {
      EXPECT_EQ(cycle.tips.size(), 2u);
      EXPECT_EQ(cycle.draws.size(), c.drawsPerCycle);
      for (const NumberSet& tip : cycle.tips) EXPECT_EQ(tip.size(), 3);
      for (const NumberSet& draw : cycle.draws) EXPECT_EQ(draw.size(), 20);
    }
    EXPECT_EQ(recountedHits(*totals), totals->hits);
    EXPECT_EQ(totals->lotteryIndex, 0);
  }
}

TEST_F(BacktestReportTest, TheReportShowsInItsWindowAndThePickedDateGoesBack) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  const DayCount chosen = kFirst + 2;
  EXPECT_FALSE(form().ReportWindow.visible());
  pick(chosen);
  form1->Button7Click();  // recurrence in the next draw: 8 cycles
  EXPECT_EQ(form().DateTimePicker1.date(), chosen);
  EXPECT_EQ(form().Datum1, kLast);  // the shown draw stays where the test left it
  EXPECT_TRUE(form().ReportWindow.visible());
  EXPECT_EQ(form().ReportTitle.caption(),
            "Recurrence test (next draw) \u00b7 Keno Atlantic \u00b7 " + formatDate(chosen) +
                " to " + formatDate(kLast) + " \u00b7 8 cycles \u00b7 8 comparisons");
  EXPECT_EQ(splitLines(form().ReportMemo.text()), reportLines());
  const std::string bytes = report();

  // The next test runs over the same draws.
  form1->Button7Click();
  EXPECT_EQ(form1->lastBacktest()->cycles, 8);
  EXPECT_EQ(report(), bytes);

  // "Open in editor" hands Analyse.txt over once more; "Save as…" writes its bytes.
  const std::size_t opened = platform.opened().size();
  form1->ReportOpenButtonClick();
  ASSERT_EQ(platform.opened().size(), opened + 1);
  EXPECT_EQ(platform.opened().back(), form().Home + "Analyse.txt");
  platform.queueFile(form().Home + "copy.txt");
  form1->ReportSaveButtonClick();
  EXPECT_EQ(home.readBytes("copy.txt"), bytes);
  platform.queueFile(std::nullopt);  // cancelled: nothing written
  form1->ReportSaveButtonClick();
  EXPECT_TRUE(platform.messages().empty());
}

TEST_F(BacktestReportTest, ASaveThatCannotBeWrittenSaysSo) {
  create(generateHistory(kFirst, kLast, false, 3));
  pick(kFirst + 2);
  form1->Button7Click();
  platform.queueFile(form().Home + "no-such-folder/copy.txt");
  form1->ReportSaveButtonClick();
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_NE(platform.messages()[0].find("could not be written"), std::string::npos);
}

TEST_F(BacktestReportTest, TheTestsOwnCalculationsExplainNothing) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  // Six primes in a three-number tip: every calculation of the test ends short.
  form().CheckBox22.setChecked(true);
  form().UpDown10.setPosition(6);
  form().UpDown7.setPosition(1);
  std::vector<std::string> reported;
  platform.report = [&](const std::string& line) { reported.push_back(line); };
  pick(kLast - 1);
  platform.queueInput("7");
  form1->ErfolgstestClick();
  ASSERT_TRUE(form1->lastBacktest());
  EXPECT_EQ(form().TipExplanation.text(), "");
  EXPECT_FALSE(form().TipExplanation.visible());
  for (const auto& line : reported) EXPECT_NE(line.rfind("detail: ", 0), 0u) << line;
}

}  // namespace
}  // namespace numora::test
