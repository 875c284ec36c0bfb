// The replay over the history in memory against a literal one that re-reads the draw file from
// its first record at every step and calculation: the same report, byte for byte, for all seven
// back-tests on a few hundred random Daily Keno draws.
#include <gtest/gtest.h>

#include <functional>

#include "support/backtest_fixture.h"

namespace numora::test {
namespace {

class LiteralReplayTest : public BacktestTest {};

TEST_F(LiteralReplayTest, InMemoryAndLiteralReplaysWriteTheSameReports) {
  const DayCount first = kToday - 160;
  create(generateHistory(first, kToday - 1, true, 21), 1);
  form().UpDown9.setPosition(2);
  const std::vector<std::pair<const char*, std::function<void()>>> tests = {
      {"BitBtn9Click", [&] { form1->BitBtn9Click(); }},
      {"ErfolgstestClick", [&] { form1->ErfolgstestClick(); }},
      {"Button7Click", [&] { form1->Button7Click(); }},
      {"Button8Click", [&] { form1->Button8Click(); }},
      {"Button9Click", [&] { form1->Button9Click(); }},
      {"Button10Click", [&] { form1->Button10Click(); }},
      {"Button11Click", [&] { form1->Button11Click(); }},
  };
  for (const auto& [name, test] : tests) {
    SCOPED_TRACE(name);
    std::vector<std::string> reports;
    std::vector<int> readsFromDisk;
    for (const ReplayMode mode : {ReplayMode::InMemory, ReplayMode::Literal}) {
      form1->setReplayMode(mode);
      form().UpDown18.setPosition(10);
      form().random.setSeed(31);
      pick(first + 40);
      const int before = form1->drawReader().readsFromDisk();
      platform.queueInput("2024");
      test();
      readsFromDisk.push_back(form1->drawReader().readsFromDisk() - before);
      reports.push_back(report());
    }
    EXPECT_EQ(reports[0], reports[1]);
    EXPECT_NE(reports[0].find("draw"), std::string::npos);
    // The in-memory replay read the file at most once; the literal one at every step.
    EXPECT_LE(readsFromDisk[0], 1);
    EXPECT_GT(readsFromDisk[1], 200);
  }
}

}  // namespace
}  // namespace numora::test
