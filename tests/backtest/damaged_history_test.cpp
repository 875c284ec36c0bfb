// Back-tests on a history with damaged records: every test ends, passes over the records the
// steps cannot show, and says in its report how many it passed over. A pipe in the report's
// place is refused at once.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "support/backtest_fixture.h"
#include "support/fifo_guard.h"

namespace numora::test {
namespace {

class DamagedHistoryTest : public BacktestTest {
 protected:
  static constexpr DayCount kFirst = kToday - 20;
  static constexpr DayCount kLast = kToday - 13;  // eight Keno Atlantic draws

  DamagedHistoryTest() {
    // A replay that goes round in circles fails the test instead of hanging it.
    platform.onRepaint = [this] {
      if (++repaints_ > 5000) throw std::runtime_error("the replay does not end");
    };
  }

  int repaints_ = 0;
};

DrawRecord dated(DrawRecord record, DayCount date) {
  record.date = date;
  return record;
}

TEST_F(DamagedHistoryTest, EveryBacktestEndsAndCountsTheRecordsItPassedOver) {
  const auto sound = generateHistory(kFirst, kLast, false, 3);
  struct Damage {
    const char* name;
    std::vector<DrawRecord> records;
    std::size_t skipped;
  };
  auto withAt = [&](std::size_t at, std::vector<DrawRecord> inserted) {
    auto records = sound;
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(),
                   inserted.end());
    return records;
  };
  auto appended = sound;
  appended.push_back(sound[2]);
  appended.push_back(sound[5]);
  const Damage damages[] = {
      {"all-zero records in the middle", withAt(4, {DrawRecord{}, DrawRecord{}}), 2},
      {"a date that is no number", withAt(3, {dated(sound[3], std::nan(""))}), 1},
      {"an infinite date", withAt(5, {dated(sound[3], INFINITY)}), 1},
      {"a huge date at the end", withAt(sound.size(), {dated(sound[3], 1e300)}), 1},
      {"a date before the first draw", withAt(2, {dated(sound[3], encodeDate(1990, 1, 1))}), 1},
      {"earlier dates appended after the newest draw", appended, 2},
      // A sound date far ahead hid every later draw; half a day after a draw sent the per-draw
      // test round in circles.
      {"a date after today in the middle", withAt(3, {dated(sound[3], encodeDate(2099, 12, 31))}),
       1},
      {"half a day after the draw before it", withAt(4, {dated(sound[3], sound[3].date + 0.5)}), 1},
  };
  const std::pair<const char*, std::function<void(TForm1&)>> tests[] = {
      {"single calculation", [](TForm1& f) { f.BitBtn9Click(); }},
      {"per draw", [](TForm1& f) { f.ErfolgstestClick(); }},
      {"next draw", [](TForm1& f) { f.Button7Click(); }},
      {"last three draws", [](TForm1& f) { f.Button11Click(); }},
  };
  for (const auto& damage : damages) {
    create(damage.records);
    quickTips();
    for (const auto& [name, run] : tests) {
      SCOPED_TRACE(std::string(damage.name) + ", " + name);
      repaints_ = 0;
      pick(kFirst);
      platform.queueInput("4711");
      run(*form1);
      ASSERT_TRUE(form1->lastBacktest()) << report();
      EXPECT_EQ(form().Datum1, kLast) << "the replay ends on the newest sound draw";
      const auto lines = reportLines();
      EXPECT_EQ(lines.back(),
                std::to_string(damage.skipped) +
                    (damage.skipped == 1 ? " damaged record was" : " damaged records were") +
                    " skipped (an impossible date or a date out of order)");
    }
  }
}

TEST_F(DamagedHistoryTest, TheReportOfASoundHistoryHasNoSkippedLine) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  pick(kFirst);
  platform.queueInput("4711");
  form1->ErfolgstestClick();
  const auto lines = reportLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "at 7 draws");
}

TEST_F(DamagedHistoryTest, APipeInTheReportsPlaceIsRefusedWithTheTestsFailureMessage) {
  create(generateHistory(kFirst, kLast, false, 3));
  quickTips();
  makeFifo(home.file("Analyse.txt"));
  pick(kFirst);
  platform.queueInput("4711");
  EXPECT_TRUE(endsWithoutBlocking([&] { form1->ErfolgstestClick(); }, {home.file("Analyse.txt")}));
  EXPECT_EQ(
      platform.messages(),
      std::vector<std::string>{"Error when adding the random number\nCannot replace \"" +
                               home.file("Analyse.txt").string() + "\": it is no regular file"});
  EXPECT_TRUE(platform.opened().empty());
  EXPECT_EQ(std::filesystem::status(home.file("Analyse.txt")).type(),
            std::filesystem::file_type::fifo);
  EXPECT_FALSE(std::filesystem::exists(home.file("Analyse.txt~")));
}

}  // namespace
}  // namespace numora::test
