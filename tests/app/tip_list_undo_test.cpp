// Undo of the tip list: every player action that replaces or clears the list keeps the list it
// replaced, one step per action, and "Undo" brings the lists back, the newest first.
#include <gtest/gtest.h>

#include <functional>

#include "support/backtest_fixture.h"

namespace numora::test {
namespace {

class TipListUndoTest : public BacktestTest {
 protected:
  static constexpr DayCount kFirst = kToday - 20;
  static constexpr DayCount kLast = kToday - 13;

  const std::vector<std::string> kTips = {"01,02,03", "04,05,06", "07,08,09"};

  void SetUp() override {
    create(generateHistory(kFirst, kLast, false, 3));
    quickTips();
  }
};

TEST_F(TipListUndoTest, EveryOperationThatReplacesTheListIsUndoneInOneStep) {
  struct Case {
    const char* name;
    std::function<void()> run;
  };
  const Case cases[] = {
      {"a calculation",
       [this] {
         form().CheckBox28.setChecked(true);
         form1->BitBtn19Click();
       }},
      {"a calculation stopped with \"Delete before calculating\" ticked",
       [this] {
         form().CheckBox28.setChecked(true);
         platform.onProcessEvents = [this] {
           platform.onProcessEvents = nullptr;
           form1->handle([this] { form1->BitBtn19Click(); });
         };
         form1->BitBtn19Click();
       }},
      {"the single-calculation back-test",
       [this] {
         pick(kFirst);
         platform.queueInput("4711");
         form1->BitBtn9Click();
       }},
      {"the per-draw back-test",
       [this] {
         pick(kFirst);
         platform.queueInput("4711");
         form1->ErfolgstestClick();
       }},
      {"a recurrence test",
       [this] {
         pick(kFirst);
         form1->Button7Click();
       }},
      {"delete all", [this] { form1->SpeedButton11Click(); }},
      {"loading a tip file",
       [this] {
         home.writeBytes("other.hlt", "10,11,12\r\n");
         platform.queueFile(home.file("other.hlt").string());
         form1->SpeedButton16Click();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    form().ListBox1.setLines(kTips);
    form().UpDown9.setPosition(3);
    form().Edit1.setText("3");
    pick(kLast);
    form1->SpeedButton5Click();
    const std::size_t stepsBefore = form1->tipListHistory().steps();
    c.run();
    ASSERT_NE(form().ListBox1.lines(), kTips);
    EXPECT_EQ(form1->tipListHistory().steps(), stepsBefore + 1) << "one step per action";
    form1->handle([this] { form1->UndoTipsClick(); });
    EXPECT_EQ(form().ListBox1.lines(), kTips);
    EXPECT_EQ(form().UpDown9.position(), 3);
    EXPECT_EQ(form().Edit1.text(), "3");
    EXPECT_EQ(form().ListBox2.count(), kTips.size()) << "the list brought back is scored";
  }
}

TEST_F(TipListUndoTest, UndoGoesBackOneActionAtATimeForMoreThanTwentySteps) {
  std::vector<std::vector<std::string>> lists;
  for (int i = 0; i < 30; ++i) {
    const std::vector<std::string> list = {std::to_string(10 + i) + ",01,02"};
    lists.push_back(list);
    home.writeBytes("step.hlt", list.front() + "\r\n");
    platform.queueFile(home.file("step.hlt").string());
    form1->SpeedButton16Click();
  }
  // Deleting an empty list or loading the same list again changes nothing and keeps no step.
  form1->SpeedButton11Click();
  const std::size_t steps = form1->tipListHistory().steps();
  form1->SpeedButton11Click();
  EXPECT_EQ(form1->tipListHistory().steps(), steps);
  form1->UndoTipsClick();
  EXPECT_EQ(form().ListBox1.lines(), lists[29]);
  for (int i = 28; i >= 0; --i) {
    form1->UndoTipsClick();
    ASSERT_EQ(form().ListBox1.lines(), lists[static_cast<std::size_t>(i)]) << i;
  }
  EXPECT_EQ(form().ListBox1.lines(), lists.front()) << "30 steps back";
}

TEST_F(TipListUndoTest, WithNothingToUndoTheHintLineSaysSo) {
  form().ListBox1.setLines(kTips);
  form1->UndoTipsClick();
  EXPECT_EQ(form().ListBox1.lines(), kTips);
  EXPECT_EQ(form().StatusBar1.panel(1), "Nothing to undo");
  EXPECT_TRUE(platform.messages().empty());
}

}  // namespace
}  // namespace numora::test
