#include "evaluation/komplettcheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "evaluation/zettelcheck.h"
#include "form/scripted_platform.h"

namespace numora {
namespace {

class KomplettcheckTest : public ::testing::Test {
 protected:
  KomplettcheckTest() {
    form.sortieren = true;
    form.SoundName = "/home/yippee.wav";
    // Drawn: 1..20.
    for (int i = 1; i <= 20; ++i) form.Zahl[i] = i;
  }
  void setTips(std::vector<std::string> tips) { form.ListBox1.setLines(std::move(tips)); }

  Form form;
  ScriptedPlatform platform;
};

TEST_F(KomplettcheckTest, ScoresEveryTipAndTalliesThem) {
  setTips({"01,02,03,04,05,06,07,50,51,52", "01,60", "61,62,63", "05,06,07"});
  form.Statistik[15] = 4;  // cleared first
  EXPECT_EQ(Komplettcheck(form, platform), 7);
  EXPECT_EQ(form.ListBox2.lines(), (std::vector<std::string>{"7", "1", "0", "3"}));
  EXPECT_EQ(form.StatusBar1.panel(0), "Max Win:  7x");
  EXPECT_EQ(form.Statistik[7], 1);
  EXPECT_EQ(form.Statistik[3], 1);
  EXPECT_EQ(form.Statistik[1], 1);
  EXPECT_EQ(form.Statistik[0], 1);
  EXPECT_EQ(form.Statistik[15], 0);
  // A sound for each tip of three hits or more.
  EXPECT_EQ(platform.soundsPlayed(),
            (std::vector<std::string>{"/home/yippee.wav", "/home/yippee.wav"}));
}

TEST_F(KomplettcheckTest, BlankLinesLeaveTheTipListAndTheHitListKeepsStep) {
  setTips({"", "01,02", "  ", "\t", "61,62", ""});
  EXPECT_EQ(Komplettcheck(form, platform), 2);
  EXPECT_EQ(form.ListBox1.lines(), (std::vector<std::string>{"01,02", "61,62"}));
  EXPECT_EQ(form.ListBox2.lines(), (std::vector<std::string>{"2", "0"}));
  EXPECT_TRUE(platform.soundsPlayed().empty());
}

TEST_F(KomplettcheckTest, EmptyListOrNoHitsClearsTheStatusPanel) {
  form.StatusBar1.setPanel(0, "Max Win:  5x");
  form.ListBox2.add("5");
  EXPECT_EQ(Komplettcheck(form, platform), 0);
  EXPECT_TRUE(form.ListBox2.lines().empty());
  EXPECT_EQ(form.StatusBar1.panel(0), "");

  setTips({"61,62,63"});
  form.StatusBar1.setPanel(0, "Max Win:  5x");
  EXPECT_EQ(Komplettcheck(form, platform), 0);
  EXPECT_EQ(form.StatusBar1.panel(0), "");
  EXPECT_EQ(form.Statistik[0], 1);
}

TEST_F(KomplettcheckTest, WhileScoringIsOffOnlyTheTallyIsCleared) {
  setTips({"01,02,03", ""});
  form.ListBox2.setLines({"9"});
  form.StatusBar1.setPanel(0, "Max Win:  9x");
  form.Statistik[9] = 1;
  form.sortieren = false;
  EXPECT_EQ(Komplettcheck(form, platform), 0);
  EXPECT_EQ(form.ListBox1.count(), 2u);
  EXPECT_EQ(form.ListBox2.lines(), (std::vector<std::string>{"9"}));
  EXPECT_EQ(form.StatusBar1.panel(0), "Max Win:  9x");
  EXPECT_EQ(form.Statistik[9], 0);
}

// Twenty zeros are no draw: scoring against them would give every tip "0" hits, which the
// evaluation report prices for ten numbers a tip.
TEST_F(KomplettcheckTest, WithoutACurrentDrawNothingIsScored) {
  form.Zahl.fill(0);
  setTips({"01,02,03,04,05,06,07,08,09,10", "11,12"});
  form.ListBox2.setLines({"3", "0"});
  form.StatusBar1.setPanel(0, "Max Win:  3x");
  EXPECT_EQ(Komplettcheck(form, platform), 0);
  EXPECT_TRUE(form.ListBox2.lines().empty());
  EXPECT_EQ(form.StatusBar1.panel(0), "");
  EXPECT_EQ(form.Statistik[0], 0);
  EXPECT_EQ(form.ListBox1.count(), 2u);
}

// A damaged draw that stores one number twenty times must not count past the tally.
TEST_F(KomplettcheckTest, DamagedDrawNeverIndexesPastTheTally) {
  for (int i = 1; i <= 20; ++i) form.Zahl[i] = 7;
  setTips({"07,07,07,07,07,07,07,07,07,07", "07"});
  EXPECT_EQ(Komplettcheck(form, platform), 200);
  EXPECT_EQ(form.ListBox2.lines(), (std::vector<std::string>{"200", "20"}));
  EXPECT_EQ(form.Statistik[20], 1);
}

}  // namespace
}  // namespace numora

namespace numora {
namespace {

// The full check looks the draw up once for the list; each line must still score exactly as
// Zettelcheck scores it, also for repeated numbers, odd texts and damaged draws.
TEST(KomplettcheckEquivalence, EveryLineScoresAsZettelcheckScoresIt) {
  std::mt19937 engine(11);
  const char* pieces[] = {"07", "7", " 7", "7 ", "70", "71", "0", "", "x", "13", "+13", "-1"};
  Form form;
  ScriptedPlatform platform;
  form.sortieren = true;
  for (int round = 0; round < 2000; ++round) {
    const bool damaged = round % 4 == 0;
    for (int i = 1; i <= 20; ++i) {
      form.Zahl[i] = damaged ? static_cast<int>(engine() % 80) : 0;
    }
    if (!damaged) {
      std::vector<int> all(70);
      std::iota(all.begin(), all.end(), 1);
      std::shuffle(all.begin(), all.end(), engine);
      for (int i = 1; i <= 20; ++i) form.Zahl[i] = all[i - 1];
    }
    form.UpDown18.setPosition(2 + static_cast<int>(engine() % 9));
    std::vector<std::string> tips;
    for (int t = 0; t < 5; ++t) {
      std::string tip;
      const int length = 1 + static_cast<int>(engine() % 12);
      for (int i = 0; i < length; ++i) {
        if (i) tip += ',';
        if (engine() % 3 == 0) {
          tip += pieces[engine() % std::size(pieces)];
        } else {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "%.2d", 1 + static_cast<int>(engine() % 70));
          tip += buffer;
        }
      }
      tips.push_back(tip);
    }
    form.ListBox1.setLines(tips);
    Komplettcheck(form, platform);
    ASSERT_EQ(form.ListBox2.count(), form.ListBox1.count());
    for (std::size_t line = 0; line < form.ListBox1.count(); ++line) {
      Zettelcheck(form, form.ListBox1.line(line));
      ASSERT_EQ(form.ListBox2.line(line), std::to_string(form.Gewinn)) << form.ListBox1.line(line);
    }
  }
}

}  // namespace
}  // namespace numora
