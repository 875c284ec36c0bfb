// The database filters scan number sets of the history in memory; here they are compared with
// the literal scan: every draw of the window loaded into the current-draw fields and the tip
// text scored with Zettelcheck.
#include <gtest/gtest.h>

#include <random>

#include "common/rounding.h"
#include "draws/lottery.h"
#include "evaluation/zettelcheck.h"
#include "generator/tip_filters.h"
#include "support/draw_fixtures.h"

namespace numora {
namespace {

// The tip text the filters score: each number without leading zeros, followed by a comma.
std::string filterTipText(const Candidate& candidate) {
  std::string text;
  for (const int number : candidate.numbers()) text += std::to_string(number) + ",";
  return text;
}

bool literalScan(Form& form, const std::vector<DrawRecord>& records, const Candidate& candidate,
                 DayCount start, int threshold) {
  for (const auto& record : records) {
    if (!(record.date > start && record.date <= form.DateTimePicker1.date())) continue;
    form.Datum1 = record.date;
    for (std::size_t i = 0; i < 20; ++i) form.Zahl[i + 1] = record.numbers[i];
    Zettelcheck(form, filterTipText(candidate));
    if (form.Gewinn >= threshold) return false;
  }
  return true;
}

bool literalHistoryFilter(Form& form, const std::vector<DrawRecord>& records,
                          const Candidate& candidate, int threshold) {
  const DayCount picked = form.DateTimePicker1.date();
  if (picked < form.DateTimePicker2.date() && !form.DateTimePicker2.setDate(picked - 365)) {
    (void)form.DateTimePicker2.setDate(form.DateTimePicker2.minDate());
  }
  return literalScan(form, records, candidate, form.DateTimePicker2.date(), threshold);
}

bool literalRecentFilter(Form& form, const std::vector<DrawRecord>& records,
                         const Candidate& candidate, int threshold, int recentDraws) {
  const DayCount start =
      form.DateTimePicker1.date() - 7.0 * static_cast<double>(roundHalfEven(recentDraws / 6.0));
  return literalScan(form, records, candidate, start, threshold);
}

// A day after every draw of the tests.
const DayCount kToday = encodeDate(2030, 1, 1);

// The number sets of a Daily Keno history, over the draws its walk steps on.
DrawHistorySets setsOf(const std::vector<DrawRecord>& records) {
  return DrawHistorySets(std::make_shared<DrawHistory>(DrawHistory{records}),
                         walkDrawRecords(records, lottery(kDailyKeno), kToday));
}

// A Daily Keno history with damaged draws: numbers repeated, 0 and numbers above 70.
std::vector<DrawRecord> damagedHistory(std::mt19937& engine, bool shuffled) {
  const DayCount first = encodeDate(2020, 1, 1);
  auto records = test::generateHistory(first, first + 120, true, engine());
  for (int i = 0; i < 25; ++i) {
    auto& record = records[engine() % records.size()];
    const auto slot = engine() % 20;
    switch (engine() % 3) {
      case 0:
        record.numbers[slot] = record.numbers[(slot + 1) % 20];
        break;
      case 1:
        record.numbers[slot] = 0;
        break;
      default:
        record.numbers[slot] = static_cast<std::uint8_t>(71 + engine() % 180);
        break;
    }
  }
  if (shuffled) {
    for (int i = 0; i < 30; ++i)
      std::swap(records[engine() % records.size()], records[engine() % records.size()]);
  }
  return records;
}

void setUpForm(Form& form, DayCount picked, DayCount start, int numbersPerTip) {
  form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
  form.DateTimePicker2.setMinDate(encodeDate(1996, 4, 29));
  ASSERT_TRUE(form.DateTimePicker1.setDate(picked));
  ASSERT_TRUE(form.DateTimePicker2.setDate(start));
  form.UpDown18.setPosition(numbersPerTip);
}

void expectSameDraw(const Form& fast, const Form& literal, const std::string& where) {
  EXPECT_EQ(fast.Datum1, literal.Datum1) << where;
  EXPECT_EQ(fast.Zahl, literal.Zahl) << where;
  EXPECT_EQ(fast.Gewinn, literal.Gewinn) << where;
  EXPECT_EQ(fast.DateTimePicker2.date(), literal.DateTimePicker2.date()) << where;
}

TEST(DatabaseFiltersTest, GiveTheLiteralScansResultOnRandomWindowsAndTips) {
  std::mt19937 engine(20261210);
  int rejected = 0;
  int passed = 0;
  for (const bool shuffled : {false, true}) {
    const auto all = damagedHistory(engine, shuffled);
    // The filters read the draws the walk over the history steps on; the literal scan is given
    // just those.
    const DrawWalk walk = walkDrawRecords(all, lottery(kDailyKeno), kToday);
    std::vector<DrawRecord> records;
    for (const std::size_t i : walk.indices) records.push_back(all[i]);
    const DrawHistorySets sets(std::make_shared<DrawHistory>(DrawHistory{all}), walk);
    const ComparisonTable table;
    const LastDrawCounts last{};
    for (int round = 0; round < 400; ++round) {
      // Windows whose ends fall on a draw date or between draws, starts before or after the
      // picked date (the one-year fallback).
      const auto& a = records[engine() % records.size()];
      const auto& b = records[engine() % records.size()];
      const DayCount picked = a.date + (engine() % 3 == 0 ? 0.0 : double(engine() % 3) - 1.0);
      const DayCount start = b.date + (engine() % 3 == 0 ? 0.0 : double(engine() % 5) - 2.0);
      const int size = 2 + static_cast<int>(engine() % 9);
      const int perTip = engine() % 4 == 0 ? 2 + static_cast<int>(engine() % 9) : size;
      const int threshold = 1 + static_cast<int>(engine() % 10);
      const int recentDraws = 1 + static_cast<int>(engine() % 120);

      Candidate candidate;
      std::vector<int> all(70);
      std::iota(all.begin(), all.end(), 1);
      std::shuffle(all.begin(), all.end(), engine);
      candidate.size = size;
      std::sort(all.begin(), all.begin() + size);
      for (int i = 0; i < size; ++i)
        candidate.tipp[static_cast<std::size_t>(i + 1)] = all[static_cast<std::size_t>(i)];

      Form fast;
      Form literal;
      setUpForm(fast, picked, start, perTip);
      setUpForm(literal, picked, start, perTip);
      TipFilters filters(fast, table, last, sets);
      const std::string where = "round " + std::to_string(round) + " shuffled " +
                                std::to_string(shuffled) + " tip " + filterTipText(candidate);

      const bool history = filters.Secheroderfuenfer(candidate, threshold);
      EXPECT_EQ(history, literalHistoryFilter(literal, records, candidate, threshold)) << where;
      expectSameDraw(fast, literal, where);
      (history ? passed : rejected)++;

      const bool recent = filters.Dreiodervier(candidate, threshold, recentDraws);
      EXPECT_EQ(recent, literalRecentFilter(literal, records, candidate, threshold, recentDraws))
          << where;
      expectSameDraw(fast, literal, where);
    }
  }
  // Both outcomes were exercised.
  EXPECT_GT(rejected, 50);
  EXPECT_GT(passed, 50);
}

TEST(DatabaseFiltersTest, WindowEdgesAndRecentWeeks) {
  const DayCount day = encodeDate(2023, 6, 1);
  // One draw on each of the 40 days before 1 June and on it, all holding 1..20.
  std::vector<DrawRecord> records;
  std::vector<int> numbers(20);
  std::iota(numbers.begin(), numbers.end(), 1);
  for (int i = 40; i >= 0; --i) records.push_back(test::makeDraw(day - i, numbers));
  const DrawHistorySets sets = setsOf(records);
  const ComparisonTable table;
  const LastDrawCounts last{};
  Candidate candidate;
  candidate.size = 2;
  candidate.tipp[1] = 1;
  candidate.tipp[2] = 2;

  struct Case {
    DayCount picked, start;
    bool passes;
  };
  // The draw on the picked date counts, the one on the start date does not.
  const Case history[] = {{day, day - 1, false}, {day - 1, day - 2, false}, {day, day, true}};
  for (const auto& c : history) {
    Form form;
    setUpForm(form, c.picked, c.start, 10);
    TipFilters filters(form, table, last, sets);
    EXPECT_EQ(filters.Secheroderfuenfer(candidate, 2), c.passes);
  }
  // 12 draws are two weeks, 9 are R(1.5) = 2 weeks, 3 are R(0.5) = 0 weeks: an empty window.
  struct Recent {
    int draws;
    DayCount firstCounted;
  };
  for (const Recent& c : {Recent{12, day - 13}, Recent{9, day - 13}, Recent{3, day + 1}}) {
    Form form;
    setUpForm(form, day, day - 40, 10);
    TipFilters filters(form, table, last, sets);
    EXPECT_EQ(filters.Dreiodervier(candidate, 2, c.draws), c.firstCounted > day);
    if (c.firstCounted <= day) {
      EXPECT_EQ(form.Datum1, c.firstCounted) << c.draws;  // the first draw of the window
    }
  }
}

// The history filter leaves the statistics chart empty: a chart the user filled is emptied at the
// first candidate, and later candidates leave the chart alone. Empty means untitled too.
TEST(DatabaseFiltersTest, HistoryFilterEmptiesTheChartOnce) {
  const DayCount day = encodeDate(2023, 6, 1);
  const DrawHistorySets sets = setsOf({test::makeDraw(
      day, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})});
  const ComparisonTable table;
  const LastDrawCounts last{};
  Candidate candidate;
  candidate.size = 2;
  candidate.tipp[1] = 30;
  candidate.tipp[2] = 31;
  Form form;
  setUpForm(form, day, day - 10, 2);
  form.Chart1.setSeriesActive(1, true);
  form.Chart1.addBar(2, 1, 5);
  form.Chart1.setBottomTitle("Which number is overdue, as was not since as many draws held?");
  TipFilters filters(form, table, last, sets);
  EXPECT_TRUE(filters.Secheroderfuenfer(candidate, 1));
  EXPECT_TRUE(form.Chart1.series(2).active);
  EXPECT_FALSE(form.Chart1.series(1).active);
  EXPECT_TRUE(form.Chart1.series(2).bars.empty());
  EXPECT_EQ(form.Chart1.bottomTitle(), "") << "the title of the statistic before stayed";
  const auto changes = form.Chart1.changeCount();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(filters.Secheroderfuenfer(candidate, 1));
  EXPECT_EQ(form.Chart1.changeCount(), changes);
}

}  // namespace
}  // namespace numora
