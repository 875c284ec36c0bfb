// Tip files, the ticket sheet, the tip distribution and the historical search through
// numora-cli, on the Daily Keno fixture history.
#include <gtest/gtest.h>

#include <string>

#include "cli_process.h"
#include "fixture_draws.h"
#include "transcript.h"

namespace numora::test {
namespace {

class CliTipFiles : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kDailyKenoFixture, "Vuduro.dat"); }
  std::string file(const std::string& name) const { return home.file(name).string(); }
  TempHome home;
};

TEST_F(CliTipFiles, ASavedTipFileLoadsBackAndSetsTotalTips) {
  expectTranscript(home,
                   "set DateTimePicker1 05.05.2023\n"
                   "add ListBox1 01,02,03,04,05,06,07,08,09,10\n"
                   "add ListBox1 11,12\n"
                   "add ListBox1 60,70\n"
                   "answer file " +
                       file("mine.hlt") +
                       "\n"
                       "call SpeedButton15Click\n"
                       "call SpeedButton11Click\n"
                       "answer file " +
                       file("mine.hlt") +
                       "\n"
                       "call SpeedButton16Click\n"
                       "print ListBox1\n"
                       "= ListBox1.count: 3\n"
                       "= ListBox1[0]: 01,02,03,04,05,06,07,08,09,10\n"
                       "= ListBox1[1]: 11,12\n"
                       "= ListBox1[2]: 60,70\n"
                       "print UpDown9\n"
                       "= UpDown9: 3\n"
                       "print ListBox2.count\n"
                       "= ListBox2.count: 3\n"
                       "print Datum1\n"
                       "= Datum1: 05.05.2023\n");
  EXPECT_EQ(home.readBytes("mine.hlt"), "01,02,03,04,05,06,07,08,09,10\r\n11,12\r\n60,70\r\n");
}

TEST_F(CliTipFiles, AFileWithAByteOrderMarkLoadsAndAMissingOneKeepsTheList) {
  home.writeBytes("marked.hlt",
                  "\xEF\xBB\xBF"
                  "01,02\r\n03,04\r\n");
  expectTranscript(
      home,
      "add ListBox1 69,70\n"
      "answer file " +
          file("missing.hlt") +
          "\n"
          "call SpeedButton16Click\n"
          "= message: Cannot open file \"{HOME}missing.hlt\". No such file or directory\n"
          "print ListBox1\n"
          "= ListBox1.count: 1\n"
          "= ListBox1[0]: 69,70\n"
          "answer file " +
          file("marked.hlt") +
          "\n"
          "call SpeedButton16Click\n"
          "print ListBox1\n"
          "= ListBox1.count: 2\n"
          "= ListBox1[0]: 01,02\n"
          "= ListBox1[1]: 03,04\n");
}

TEST_F(CliTipFiles, TheTicketSheetIsWrittenInHomeAndOpened) {
  expectTranscript(home,
                   "now 05.05.2023 10:00\n"
                   "set UpDown8 2\n"
                   "set UpDown9 3\n"
                   "add ListBox1 01,02\n"
                   "add ListBox1 03,04\n"
                   "add ListBox1 05,06\n"
                   "add ListBox1 07,08\n"
                   "call BitBtn7Click\n"
                   "= open: {HOME}Tipp.txt\n");
  EXPECT_EQ(home.readBytes("Tipp.txt"),
            "Numora Tip from Friday 05.05.23\r\n~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n\r\n"
            " 1. Tip:  01,02\r\n 2. Tip:  03,04\r\n \r\n 1. Tip:  05,06\r\n 2. Tip:  07,08\r\n"
            " \r\n");
}

TEST_F(CliTipFiles, TheTipDistributionIsChartedOnTheChartPage) {
  expectTranscript(home,
                   "add ListBox1 01,02\n"
                   "add ListBox1 02,70\n"
                   "call Button6Click\n"
                   "print Chart1.Series2[0]\n"
                   "= Chart1.Series2[0]: 1 1 #ff0000\n"
                   "print Chart1.Series2[1]\n"
                   "= Chart1.Series2[1]: 2 2 #ff0000\n"
                   "print Chart1.Series2[3]\n"
                   "= Chart1.Series2[3]: 4 0 #008000\n"
                   "print Chart1.Series2[69]\n"
                   "= Chart1.Series2[69]: 70 1 #008000\n"
                   "print PageControl1\n"
                   "= PageControl1: 2\n");
}

// The input box re-runs the activation afterwards, which shows the picked date's draw again.
TEST_F(CliTipFiles, TheHistoricalSearchAnnouncesEachDrawThatReachesTheThreshold) {
  const auto draws = readFixtureDraws(kDailyKenoFixture);
  // The first evening draw's own numbers as the only tip: a hit of 10 on that draw alone.
  const FixtureDraw& target = draws[1];
  std::string tip;
  for (int i = 0; i < 10; ++i) tip += (i ? "," : "") + std::to_string(target.numbers[i]);
  std::string expected;
  for (const FixtureDraw& draw : draws) {
    int hits = 0;
    for (int i = 0; i < 10; ++i) hits += draw.contains(target.numbers[i]) ? 1 : 0;
    if (hits >= 7) expected += "= message: A hit on: " + fixtureDate(draw.day) + "\n";
  }
  expectTranscript(home,
                   "set sortieren 1\n"
                   "set DateTimePicker1 10.06.2023\n"
                   "set DateTimePicker2 20.04.2023\n"
                   "add ListBox1 " +
                       tip +
                       "\n"
                       "answer 7\n"
                       "call SpeedButton4Click\n"
                       "= input: Stop at conformity of x numbers\n" +
                       expected +
                       "print DateTimePicker1\n"
                       "= DateTimePicker1: 10.06.2023\n");
}

}  // namespace
}  // namespace numora::test
