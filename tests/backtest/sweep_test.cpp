// The sweep: its grid, that a grid cell is the back-test the Database tab runs with that setting
// and lucky number, that the thread count changes nothing, the stop, Holm's adjustment and the
// calibration of its verdict on random histories.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

#include "backtest/sweep_grid.h"
#include "backtest/sweep_run.h"
#include "backtest/sweep_verdict.h"
#include "support/backtest_fixture.h"

namespace numora::test {
namespace {

struct ValuesCase {
  const char* text;
  std::vector<int> values;
};

TEST(SweepGrid, ReadsListsRangesAndSteps) {
  const ValuesCase cases[] = {
      {"5,6,7", {5, 6, 7}},
      {" 5..9 ", {5, 6, 7, 8, 9}},
      {"4..10/2", {4, 6, 8, 10}},
      {"3", {3}},
      {"0..1", {0, 1}},
      {"9, 4", {9, 4}},
      // A value named again is the same setting, run once.
      {"3,3,3", {3}},
      {"5,6,5,7,6", {5, 6, 7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseSweepValues(c.text), c.values);
  }
}

TEST(SweepGrid, RefusesValuesThatDoNotRead) {
  for (const char* text :
       {"", "5..", "..5", "9..5", "a", "5,,6", "5..9/0", "5..9/-1", "1..100000"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(parseSweepValues(text), SweepGridError);
  }
}

TEST(SweepGrid, ChecksTheControlAndItsRange) {
  Form form;
  EXPECT_NO_THROW(checkSweepOption(form, {"UpDown6", {1, 10}}));
  EXPECT_NO_THROW(checkSweepOption(form, {"CheckBox18", {0, 1}}));
  EXPECT_THROW(checkSweepOption(form, {"UpDown6", {0}}), SweepGridError);
  EXPECT_THROW(checkSweepOption(form, {"CheckBox18", {2}}), SweepGridError);
  EXPECT_THROW(checkSweepOption(form, {"NoSuchControl", {1}}), SweepGridError);
  EXPECT_THROW(checkSweepOption(form, {"BitBtn9", {1}}), SweepGridError);
  // Every run reads the one history loaded before the sweep, and the sweep's own settings are
  // read before the runs start.
  for (const char* fixed : {"RadioGroup1", "SweepTest", "SweepRepeats", "SweepThreads"}) {
    SCOPED_TRACE(fixed);
    EXPECT_THROW(checkSweepOption(form, {fixed, {1}}), SweepGridError);
  }
  const auto row = parseSweepRow("UpDown18 4..6");
  ASSERT_TRUE(row);
  EXPECT_EQ(row->control, "UpDown18");
  EXPECT_EQ(row->values, (std::vector<int>{4, 5, 6}));
  EXPECT_FALSE(parseSweepRow("  "));
  EXPECT_THROW(parseSweepRow("UpDown18"), SweepGridError);
}

TEST(SweepGrid, EveryCombinationWithTheFirstOptionSlowest) {
  const auto settings = sweepSettings({{"A", {1, 2}}, {"B", {7, 8, 9}}});
  ASSERT_EQ(settings.size(), 6u);
  EXPECT_EQ(settings[0].values, (std::vector<int>{1, 7}));
  EXPECT_EQ(settings[2].values, (std::vector<int>{1, 9}));
  EXPECT_EQ(settings[3].values, (std::vector<int>{2, 7}));
  // No option varied: the one setting the options tab holds.
  EXPECT_EQ(sweepSettings({}).size(), 1u);
}

TEST(SweepGrid, RefusesMoreThanTenThousandRunsNamingTheCount) {
  const std::vector<int> thousand = parseSweepValues("1..1000");
  struct SizeCase {
    std::vector<SweepOption> options;
    int repeats;
    const char* refusal;  // nullptr: accepted
  };
  const SizeCase cases[] = {
      {{}, 1, nullptr},
      {{{"UpDown7", parseSweepValues("1..100")}, {"UpDown2", parseSweepValues("1..100")}},
       1,
       nullptr},
      {{{"UpDown7", parseSweepValues("1..100")}, {"UpDown2", parseSweepValues("1..100")}},
       2,
       "The sweep would make 20000 runs (10000 settings \u00d7 2 repetitions); it makes at most "
       "10000. Give fewer values or repetitions."},
      {{{"UpDown7", thousand}}, 10, nullptr},
      {{{"UpDown7", thousand}},
       11,
       "The sweep would make 11000 runs (1000 settings \u00d7 11 repetitions); it makes at most "
       "10000. Give fewer values or repetitions."},
      // The grid of three whole ranges: counted, never made.
      {{{"UpDown7", thousand},
        {"UpDown2", parseSweepValues("1..750")},
        {"UpDown15", parseSweepValues("750..1400")}},
       100,
       "The sweep would make 48825000000 runs (488250000 settings \u00d7 100 repetitions); it "
       "makes at most 10000. Give fewer values or repetitions."},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.refusal ? c.refusal : "accepted");
    const auto refusal = sweepSizeRefusal(c.options, c.repeats);
    if (!c.refusal) {
      EXPECT_FALSE(refusal) << refusal->written();
    } else {
      ASSERT_TRUE(refusal);
      EXPECT_EQ(refusal->written(), c.refusal);
    }
  }
}

TEST(SweepGrid, TheLuckyNumbersOfEveryRepetitionLieInTheGeneratorsRange) {
  struct LuckyCase {
    std::int64_t lucky;
    int repeats;
    bool accepted;
  };
  const LuckyCase cases[] = {
      {1, 1, true},  {99999999, 1, true}, {99999900, 100, true},  {99999901, 100, false},
      {0, 1, false}, {-5, 3, false},      {2147483647, 2, false},
  };
  for (const LuckyCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.lucky) + " x " + std::to_string(c.repeats));
    EXPECT_EQ(!sweepLuckyRefusal(c.lucky, c.repeats), c.accepted);
  }
  EXPECT_EQ(sweepLuckyRefusal(99999901, 100)->written(),
            "With 100 repetitions the sweep's lucky number must lie in 1..99999900");
}

TEST(SweepVerdict, HolmMultipliesBySettingsLeftAndNeverFalls) {
  const std::vector<double> p{0.02, 0.04, 0.03, 0.5};
  const std::vector<double> adjusted{0.08, 0.09, 0.09, 0.5};
  std::vector<SweepCell> cells(p.size());
  for (std::size_t i = 0; i < p.size(); ++i) cells[i].pValue = p[i];
  adjustHolm(cells);
  for (std::size_t i = 0; i < p.size(); ++i) EXPECT_NEAR(cells[i].adjustedP, adjusted[i], 1e-12);
  EXPECT_FALSE(anyBeyondChance(cells));
  cells[0].pValue = 0.001;
  adjustHolm(cells);
  EXPECT_TRUE(anyBeyondChance(cells));
}

TEST(SweepVerdict, TheLuckFigureIsTheBestSettingOnEachRandomHistory) {
  std::vector<SweepCell> cells(2);
  cells[0].simulatedWinnings = {1, 5, 2, 0};
  cells[1].simulatedWinnings = {3, 1, 2, 4};
  const auto luck = bestOfChance(cells);
  ASSERT_TRUE(luck);
  EXPECT_DOUBLE_EQ(luck->mean, (3 + 5 + 2 + 4) / 4.0);
  EXPECT_DOUBLE_EQ(luck->high, 5);
}

class SweepTest : public BacktestTest {
 protected:
  static constexpr DayCount kFirst = kToday - 60;
  static constexpr DayCount kLast = kToday - 1;

  // A Keno Atlantic history and quick options; the sweep starts at its first draw.
  void prepare(unsigned seed = 3) {
    create(generateHistory(kFirst, kLast, false, seed));
    quickTips();
    pick(kFirst);
  }

  SweepRequest request(BacktestKind test, unsigned threads) {
    SweepRequest r;
    r.test = test;
    r.options = {{"UpDown18", {3, 4, 5}}, {"UpDown9", {1, 2}}};
    r.repeats = 2;
    r.lucky = 4711;
    r.threads = threads;
    r.simulations = 500;
    return r;
  }

  SweepResult sweep(const SweepRequest& r,
                    const std::function<void(const SweepProgress&)>& onProgress = {}) {
    return runSweep(form(), form1->drawReader(), platform, r, stop, onProgress);
  }

  std::atomic<bool> stop{false};
};

const SweepCell& cellNamed(const SweepResult& result, const std::string& label) {
  for (const SweepCell& cell : result.cells) {
    if (cell.label == label) return cell;
  }
  throw std::runtime_error("no cell " + label);
}

TEST_F(SweepTest, AGridCellIsTheBacktestOfItsSettingAndLuckyNumbers) {
  for (const BacktestKind test : {BacktestKind::SingleCalculation, BacktestKind::PerDraw}) {
    SCOPED_TRACE(static_cast<int>(test));
    prepare();
    const SweepResult result = sweep(request(test, 2));
    ASSERT_EQ(result.cells.size(), 6u);
    EXPECT_EQ(result.failure, "");
    // The setting UpDown18=4, UpDown9=2, run twice from the Database tab's button.
    form().UpDown18.setPosition(4);
    form().UpDown9.setPosition(2);
    std::array<std::int64_t, 21> hits{};
    std::int64_t cycles = 0;
    for (const char* lucky : {"4711", "4712"}) {
      pick(kFirst);
      platform.queueInput(lucky);
      if (test == BacktestKind::PerDraw) {
        form1->ErfolgstestClick();
      } else {
        form1->BitBtn9Click();
      }
      ASSERT_TRUE(form1->lastBacktest());
      for (std::size_t k = 0; k < hits.size(); ++k) hits[k] += form1->lastBacktest()->hits[k];
      cycles += form1->lastBacktest()->cycles;
    }
    const SweepCell& cell = cellNamed(result, "UpDown18=4 UpDown9=2");
    EXPECT_EQ(cell.totals.hits, hits);
    EXPECT_EQ(cell.totals.cycles, cycles);
    EXPECT_GT(cycles, 0);
    EXPECT_EQ(cell.comparisons, total(hits));
  }
}

TEST_F(SweepTest, OneThreadAndManyGiveTheSameResult) {
  prepare();
  const auto one = sweepLines(sweep(request(BacktestKind::SingleCalculation, 1)));
  const auto many = sweepLines(sweep(request(BacktestKind::SingleCalculation, 5)));
  EXPECT_EQ(one, many);
  EXPECT_EQ(one.size(), 6u + 3u);
}

TEST_F(SweepTest, TheSweepLeavesTheFormAsItWas) {
  prepare();
  const auto tips = form().ListBox1.lines();
  const int position = form().Position;
  (void)sweep(request(BacktestKind::SingleCalculation, 2));
  EXPECT_EQ(form().ListBox1.lines(), tips);
  EXPECT_EQ(form().Position, position);
  EXPECT_EQ(form().UpDown18.position(), 3);
}

TEST_F(SweepTest, AStoppedSweepKeepsTheSettingsThatFinished) {
  prepare();
  const SweepResult whole = sweep(request(BacktestKind::SingleCalculation, 1));
  int progressCalls = 0;
  const SweepResult stopped =
      sweep(request(BacktestKind::SingleCalculation, 1), [&](const SweepProgress& progress) {
        ++progressCalls;
        EXPECT_EQ(progress.settings, 6);
        if (progress.settingsDone >= 2) stop = true;
      });
  EXPECT_TRUE(stopped.stopped);
  EXPECT_GE(stopped.cells.size(), 2u);
  EXPECT_LT(stopped.cells.size(), 6u);
  EXPECT_GT(progressCalls, 0);
  for (const SweepCell& cell : stopped.cells) {
    EXPECT_EQ(cell.totals.hits, cellNamed(whole, cell.label).totals.hits) << cell.label;
    EXPECT_EQ(cell.pValue, cellNamed(whole, cell.label).pValue) << cell.label;
  }
  EXPECT_NE(
      sweepLines(stopped).end(),
      std::find(sweepLines(stopped).begin(), sweepLines(stopped).end(),
                "Settings finished: " + std::to_string(stopped.cells.size()) + " of 6 (stopped)"));
}

TEST_F(SweepTest, AGridTooLargeOrLuckyNumbersOutOfRangeRunNothing) {
  prepare();
  SweepRequest large = request(BacktestKind::SingleCalculation, 1);
  large.options = {{"UpDown7", parseSweepValues("1..1000")},
                   {"UpDown2", parseSweepValues("1..750")},
                   {"UpDown15", parseSweepValues("750..1400")}};
  SweepRequest wrapping = request(BacktestKind::SingleCalculation, 1);
  wrapping.lucky = 2147483647;
  for (const SweepRequest& r : {large, wrapping}) {
    const SweepResult result = sweep(r);
    EXPECT_TRUE(result.cells.empty());
    EXPECT_EQ(result.settings, 0);
    EXPECT_NE(result.failure, "");
  }
}

TEST_F(SweepTest, WithoutADrawFileTheSweepSaysSoAndFinishesNothing) {
  prepare();
  std::filesystem::remove(home.home() + "Kenoal.dat");
  const SweepResult result = sweep(request(BacktestKind::SingleCalculation, 2));
  EXPECT_TRUE(result.cells.empty());
  EXPECT_NE(result.failure, "");
  EXPECT_EQ(sweepVerdict(result), "No setting finished, so there is nothing to judge.");
}

// The largest count of "beyond chance" that n verdicts at level a reach with probability at
// least 0.999 when chance is the whole truth.
int allowedBeyond(int n, double a) {
  double tail = 0;
  for (int k = n; k >= 0; --k) {
    const double p =
        std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) +
                 k * std::log(a) + (n - k) * std::log(1 - a));
    if (tail + p > 0.001) return k;
    tail += p;
  }
  return 0;
}

TEST_F(SweepTest, OnRandomHistoriesTheAdjustedVerdictFindsBeyondChanceAtMostAtItsLevel) {
  constexpr int kHistories = 120;
  int beyond = 0;
  for (int h = 0; h < kHistories; ++h) {
    prepare(static_cast<unsigned>(1000 + h));
    SweepRequest r = request(BacktestKind::SingleCalculation, 0);
    r.repeats = 1;
    r.lucky = 17 + h;
    r.simulations = 400;
    const SweepResult result = sweep(r);
    ASSERT_EQ(result.cells.size(), 6u);
    beyond += anyBeyondChance(result.cells);
  }
  EXPECT_LE(beyond, allowedBeyond(kHistories, kSweepLevel));
}

}  // namespace
}  // namespace numora::test
