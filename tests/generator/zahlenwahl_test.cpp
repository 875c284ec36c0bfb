#include "generator/zahlenwahl.h"

#include <gtest/gtest.h>

#include <set>

namespace numora {
namespace {

TEST(Zahlenwahl, DesignState) {
  NumberChoiceModel dialog;
  EXPECT_EQ(dialog.caption(), "What numbers to calculate");
  for (int n = 1; n <= 70; ++n) {
    EXPECT_TRUE(dialog.box(n).checked);
    EXPECT_EQ(dialog.box(n).weight, "");
  }
  EXPECT_TRUE(dialog.BitBtn3.visible);
  EXPECT_EQ(dialog.BitBtn3.caption, "Calculate");
  EXPECT_FALSE(dialog.BitBtn4.visible);
  EXPECT_EQ(dialog.BitBtn4.caption, "&Random");
  EXPECT_FALSE(dialog.DateTimePicker1Visible);
}

TEST(Zahlenwahl, WeightRuleRaisesTheWeightWheneverABoxBecomesTicked) {
  struct Case {
    std::string weight;
    std::string afterTick;
  };
  const Case cases[] = {{"3", "4"}, {"", "1"},    {"abc", "1"}, {"2.5", "1"},
                        {"0", "1"}, {"-4", "-3"}, {" 3", "1"},  {"2147483647", "2147483648"}};
  NumberChoiceModel dialog;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.weight);
    dialog.setChecked(17, false);
    dialog.setWeight(17, c.weight);
    dialog.setChecked(17, true);
    EXPECT_EQ(dialog.box(17).weight, c.afterTick);
  }
  // Unticking leaves the weight; ticking again raises it once more.
  dialog.setWeight(17, "3");
  dialog.setChecked(17, true);  // already ticked: no change
  EXPECT_EQ(dialog.box(17).weight, "3");
  dialog.setChecked(17, false);
  EXPECT_EQ(dialog.box(17).weight, "3");
  dialog.setChecked(17, true);
  dialog.setChecked(17, false);
  dialog.setChecked(17, true);
  EXPECT_EQ(dialog.box(17).weight, "5");
}

TEST(Zahlenwahl, RandomPickFreezesOneSlotPerClickAndStopsAtMaxTipp) {
  Random random(4711);
  NumberChoiceModel dialog;
  dialog.useRandom(&random);
  dialog.setMaxTipp(3);
  std::vector<std::string> captions;
  dialog.pressRandomButton();  // start
  EXPECT_TRUE(dialog.timerEnabled());
  for (int click = 0; click < 3; ++click) {
    dialog.shuffleOpenSlots();
    dialog.shuffleOpenSlots();
    captions.push_back(dialog.BitBtn4.caption);
    const auto chosen = dialog.checkedNumbers();
    ASSERT_EQ(chosen.size(), 3u);
    for (int n : chosen) EXPECT_EQ(dialog.box(n).colour, BoxColour::Yellow);
    const int frozen = dialog.pickedNumbers[1];
    dialog.pressRandomButton();
    if (click == 0) {
      dialog.shuffleOpenSlots();
      EXPECT_EQ(dialog.pickedNumbers[1], frozen);  // slot 1 no longer shuffles
      EXPECT_TRUE(dialog.isChosen(frozen));
    }
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"1 Stopp", "2 Stopp", "3 Stopp"}));
  EXPECT_FALSE(dialog.timerEnabled());
  EXPECT_EQ(dialog.BitBtn4.caption, "Zufall");
  EXPECT_EQ(dialog.nextPickSlot, 1);
  const auto chosen = dialog.checkedNumbers();
  EXPECT_EQ(std::set<int>(chosen.begin(), chosen.end()).size(), 3u);
}

TEST(Zahlenwahl, SameSeedPicksTheSameNumbers) {
  auto pick = [](std::int64_t seed) {
    Random random;
    random.setSeed(seed);
    NumberChoiceModel dialog;
    dialog.useRandom(&random);
    dialog.setMaxTipp(6);
    dialog.pressRandomButton();
    dialog.shuffleOpenSlots();
    return dialog.checkedNumbers();
  };
  EXPECT_EQ(pick(99), pick(99));
  EXPECT_NE(pick(99), pick(100));
}

// A caller asking for more numbers than the pick's table holds gets ten, never an overrun.
TEST(Zahlenwahl, MaxTippAboveTenPicksTen) {
  Random random(1);
  NumberChoiceModel dialog;
  dialog.useRandom(&random);
  dialog.setMaxTipp(20);
  dialog.pressRandomButton();
  for (int click = 0; click < 30 && dialog.timerEnabled(); ++click) {
    dialog.shuffleOpenSlots();
    EXPECT_EQ(dialog.checkedNumbers().size(), 10u);
    dialog.pressRandomButton();
  }
  EXPECT_FALSE(dialog.timerEnabled());
}

TEST(Zahlenwahl, ClosingStopsARunningPick) {
  Random random(1);
  NumberChoiceModel dialog;
  dialog.useRandom(&random);
  dialog.setMaxTipp(5);
  dialog.pressRandomButton();
  dialog.shuffleOpenSlots();
  dialog.pressRandomButton();
  dialog.stopRandomPick();
  EXPECT_FALSE(dialog.timerEnabled());
  EXPECT_EQ(dialog.BitBtn4.caption, "Zufall");
  EXPECT_EQ(dialog.nextPickSlot, 1);
  const auto before = dialog.checkedNumbers();
  dialog.shuffleOpenSlots();  // a late timer event changes nothing
  EXPECT_EQ(dialog.checkedNumbers(), before);
}

// While a tip is edited the dialog counts the ticked boxes against the numbers the tip takes.
TEST(Zahlenwahl, TipEditingCountsTheTickedNumbersLive) {
  NumberChoiceModel dialog;
  EXPECT_EQ(dialog.tickedCountText(), "") << "not while calculating";
  dialog.useEditButtons(true);
  dialog.setMaxTipp(3);
  dialog.clearChoices();
  struct Step {
    int number;
    bool tick;
    const char* count;
    bool tooMany;
  };
  const Step steps[] = {{0, false, "0 of 3 numbers", false}, {5, true, "1 of 3 numbers", false},
                        {9, true, "2 of 3 numbers", false},  {20, true, "3 of 3 numbers", false},
                        {40, true, "4 of 3 numbers", true},  {9, false, "3 of 3 numbers", false}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.count);
    const auto before = dialog.changeCount();
    if (step.number != 0) {
      dialog.setChecked(step.number, step.tick);
      EXPECT_GT(dialog.changeCount(), before) << "the view shows the new count";
    }
    EXPECT_EQ(dialog.tickedCountText(), step.count);
    EXPECT_EQ(dialog.tooManyTicked(), step.tooMany);
  }
  dialog.useEditButtons(false);
  EXPECT_EQ(dialog.tickedCountText(), "");
  EXPECT_FALSE(dialog.tooManyTicked());
}

}  // namespace
}  // namespace numora
