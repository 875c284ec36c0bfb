#include "stats/group_search.h"

#include <random>

#include "evaluation/zettelcheck.h"
#include "support/statistics_fixture.h"

namespace numora {
namespace {

const DayCount kDay = encodeDate(2023, 5, 10);

class GroupSearchTest : public test::StatisticsTest {
 protected:
  // The eight numbers of a draw that also holds twelve numbers without neighbours.
  static DrawRecord drawWith(DayCount date, std::vector<int> numbers, bool midday = false) {
    for (int filler : {12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45, 48, 51, 54, 57}) {
      if (numbers.size() == 20) break;
      bool clear = true;
      for (int n : numbers) clear = clear && std::abs(n - filler) > 1;
      if (clear) numbers.push_back(filler);
    }
    return test::makeDraw(date, numbers, midday);
  }
};

TEST_F(GroupSearchTest, ADrawWithARunCountsEveryGroupInsideIt) {
  window({drawWith(kDay, {1, 2, 3, 4})}, kDay - 1, kDay);
  countPairs(context());
  ASSERT_EQ(form.Chart1.series(2).bars.size(), 69u);
  for (int x = 1; x <= 69; ++x) EXPECT_EQ(bar(x), x <= 3 ? 1 : 0) << x;
  EXPECT_EQ(title(), "at 1 draws was found 3 pairs !");
  EXPECT_EQ(axis(), std::make_pair(0.0, 1.0));
  EXPECT_EQ(form.PageControl1.activePage(), kChartPage);

  countTriples(context());
  ASSERT_EQ(form.Chart1.series(2).bars.size(), 68u);
  EXPECT_EQ(bar(1), 1);
  EXPECT_EQ(bar(2), 1);
  EXPECT_EQ(bar(3), 0);
  EXPECT_EQ(title(), "at 1 draws was found  2 three!");

  countFourGroups(context());
  ASSERT_EQ(form.Chart1.series(2).bars.size(), 70u);
  EXPECT_EQ(bar(1), 1);
  EXPECT_EQ(bar(2), 0);
  EXPECT_TRUE(form.Chart1.leftAxis().automatic);
  EXPECT_EQ(title(), "at 1  draws was found 1 four!");
}

TEST_F(GroupSearchTest, GroupsAtTheTopOfTheRange) {
  window({drawWith(kDay, {67, 68, 69, 70})}, kDay - 1, kDay);
  countPairs(context());
  EXPECT_EQ(bar(69), 1);
  countFourGroups(context());
  EXPECT_EQ(bar(67), 1);
  EXPECT_EQ(bar(68), 0);
  EXPECT_EQ(bar(69), 0);
  EXPECT_EQ(bar(70), 0);
}

// The runs in the draws are counted whatever tip size the user plays: a tip size below the group
// size once hid every triple or four-group.
TEST_F(GroupSearchTest, TheTipSizeDoesNotChangeWhatIsFound) {
  window({drawWith(kDay, {1, 2, 3, 4})}, kDay - 1, kDay);
  for (int numbersPerTip = 2; numbersPerTip <= 10; ++numbersPerTip) {
    SCOPED_TRACE(numbersPerTip);
    form.UpDown18.setPosition(numbersPerTip);
    countPairs(context());
    EXPECT_EQ(title(), "at 1 draws was found 3 pairs !");
    countTriples(context());
    EXPECT_EQ(title(), "at 1 draws was found  2 three!");
    EXPECT_EQ(axis(), std::make_pair(0.0, 1.0));
    countFourGroups(context());
    EXPECT_EQ(title(), "at 1  draws was found 1 four!");
    EXPECT_EQ(bar(1), 1);
  }
}

TEST_F(GroupSearchTest, AnEmptyWindowGivesZeroBarsAndAZeroAxis) {
  window({drawWith(kDay, {1, 2})}, kDay + 1, kDay + 2);
  countPairs(context());
  EXPECT_EQ(barHeights(), std::vector<double>(69, 0));
  EXPECT_EQ(axis(), std::make_pair(0.0, 0.0));
  EXPECT_EQ(title(), "at 0 draws was found 0 pairs !");
}

TEST_F(GroupSearchTest, ZahlHoldsTheWindowsLastDrawAfterwards) {
  const auto midday = drawWith(kDay, {5, 6}, true);
  const auto evening = drawWith(kDay, {7, 8});
  window({drawWith(kDay - 1, {1, 2}), midday, evening, drawWith(kDay + 1, {9, 10})}, kDay - 5,
         kDay);
  showDrawByDate(context());  // the midday draw is the current draw
  const std::string caption = form.Label29.caption();
  countPairs(context());
  for (int i = 0; i < 20; ++i) EXPECT_EQ(form.Zahl[i + 1], evening.numbers[i]);
  EXPECT_EQ(form.Label29.caption(), caption);
  EXPECT_EQ(form.Position, 1);
}

// The search counts with number sets; the tip matching on probe texts must agree with it.
TEST_F(GroupSearchTest, FastCountsMatchTheTextProbeSearch) {
  std::mt19937 engine(5);
  auto history = test::generateHistory(kDay - 60, kDay, true, 9);
  // Every fifth draw is damaged: a number stored twice in place of another.
  for (std::size_t i = 0; i < history.size(); i += 5) {
    history[i].numbers[engine() % 20] = history[i].numbers[engine() % 20];
  }
  window(history, kDay - 60, kDay);
  for (int round = 0; round < 40; ++round) {
    const int groupSize = 2 + round % 3;
    const int lastFirst = groupSize == 2 ? 69 : 68;
    const DayCount start = kDay - 60 + static_cast<int>(engine() % 30);
    const DayCount end = start + static_cast<int>(engine() % 30);
    StatisticsWindow windowOfDraws;
    windowOfDraws.history = std::make_shared<DrawHistory>(DrawHistory{history});
    windowOfDraws.start = start;
    windowOfDraws.end = end;
    const GroupCounts fast = countGroups(windowOfDraws, groupSize, lastFirst);

    // The literal search compares the group's numbers of each probe.
    GroupCounts literal;
    Form probeForm;
    probeForm.UpDown18.setPosition(groupSize);
    for (const auto& record : history) {
      if (!(record.date > start && record.date <= end)) continue;
      ++literal.draws;
      for (int i = 0; i < 20; ++i) probeForm.Zahl[i + 1] = record.numbers[i];
      for (int first = 1; first <= lastFirst; ++first) {
        std::string probe;
        for (int i = 0; i < 6; ++i) {
          probe += (i ? "," : "") + std::to_string(i < groupSize ? first + i : 0);
        }
        Zettelcheck(probeForm, probe);
        if (probeForm.Gewinn == groupSize) {
          ++literal.counters[first];
          ++literal.found;
        }
      }
    }
    SCOPED_TRACE(std::to_string(groupSize) + " numbers, window from " + std::to_string(start));
    EXPECT_EQ(fast.counters, literal.counters);
    EXPECT_EQ(fast.draws, literal.draws);
    EXPECT_EQ(fast.found, literal.found);
  }
}

}  // namespace
}  // namespace numora
