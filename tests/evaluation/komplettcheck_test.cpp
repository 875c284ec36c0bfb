#include "evaluation/komplettcheck.h"

#include <gtest/gtest.h>

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
