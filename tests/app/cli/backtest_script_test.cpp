// The back-tests through numora-cli: each handler runs from a script, the lucky-number prompt
// is answered with "answer", and the opened report prints "open: PATH".
#include <gtest/gtest.h>

#include <string>

#include "cli_process.h"
#include "common/text.h"
#include "transcript.h"

namespace numora::test {
namespace {

class CliBacktest : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kKenoAtlanticFixture, "Kenoal.dat"); }
  TempHome home;
};

constexpr const char* kKenoAtlantic = "set RadioGroup1 0\ncall RadioGroup1Click\n";

TEST_F(CliBacktest, ARecurrenceTestWritesItsReportAndOpensIt) {
  expectTranscript(home, std::string(kKenoAtlantic) +
                             "set UpDown18 6\n"
                             "set DateTimePicker1 07.06.2023\n"
                             "call Button7Click\n"
                             "= open: {HOME}Analyse.txt\n"
                             "print UpDown18\n= UpDown18: 10\n"
                             "print DateTimePicker1\n= DateTimePicker1: 07.06.2023\n");
  const std::string report = home.readBytes("Analyse.txt");
  EXPECT_EQ(report.substr(0, 25), "Current setting brought\r\n");
  EXPECT_NE(report.find("\r\nat 3 draw\r\n"), std::string::npos) << report;
}

TEST_F(CliBacktest, PrintReportPrintsTheHeadingAndTheReport) {
  const CliResult result = runScript(home, std::string(kKenoAtlantic) +
                                               "print Report\n"
                                               "set DateTimePicker1 07.06.2023\n"
                                               "call Button7Click\n"
                                               "print Report\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  std::string expected =
      "open: " + home.home() +
      "Analyse.txt\n"
      "Report: Recurrence test (next draw) \u00b7 Keno Atlantic \u00b7 07.06.2023 to 10.06.2023 "
      "\u00b7 3 cycles \u00b7 3 comparisons\n";
  for (const std::string& line : splitLines(home.readBytes("Analyse.txt"))) {
    // numora-cli escapes the tabs of the report.
    std::string escaped;
    for (const char c : line) escaped += c == '\t' ? std::string("\\t") : std::string(1, c);
    expected += "Report: " + escaped + "\n";
  }
  EXPECT_EQ(result.out, expected);
}

TEST_F(CliBacktest, TheTipTestsAskForTheLuckyNumber) {
  expectTranscript(home, std::string(kKenoAtlantic) +
                             "set UpDown9 2\n"
                             "set DateTimePicker1 08.06.2023\n"
                             "answer 4711\n"
                             "call ErfolgstestClick\n"
                             "= input: your lucky number (1-99999999)?\n"
                             "= open: {HOME}Analyse.txt\n"
                             "print DateTimePicker1\n= DateTimePicker1: 08.06.2023\n"
                             "set DateTimePicker1 08.06.2023\n"
                             "answer abc\n"
                             "call BitBtn9Click\n"
                             "= input: Your lucky number (1-99999999)?\n"
                             "= message: Error - lucky number\n");
  EXPECT_NE(home.readBytes("Analyse.txt").find("\r\nat 2 draws\r\n"), std::string::npos);
}

TEST_F(CliBacktest, PrintChanceSetsTheLastTestAgainstChance) {
  // The observed counts are those of Analyse.txt: 5 tips at each of 50 draws.
  expectTranscript(
      home,
      std::string(kKenoAtlantic) +
          "print Chance\n"
          "= Chance: Run a tip success test or a recurrence test to see its hit counts against "
          "chance.\n"
          "= Chance: Hits | Observed | Expected | Tested as\n"
          "set DateTimePicker1 01.01.2023\n"
          "answer 4711\n"
          "call ErfolgstestClick\n"
          "= input: your lucky number (1-99999999)?\n"
          "= open: {HOME}Analyse.txt\n"
          "print Chance\n"
          "= Chance: Tip success test (a calculation per draw) against chance: 250 comparisons of "
          "a 10-number tip with a draw (50 cycles)\n"
          "= Chance: Hits | Observed | Expected | Tested as\n"
          "= Chance: 0 | 8 | 6.47 | 0\n"
          "= Chance: 1 | 26 | 31.58 | 1\n"
          "= Chance: 2 | 71 | 64.28 | 2\n"
          "= Chance: 3 | 75 | 71.76 | 3\n"
          "= Chance: 4 | 45 | 48.52 | 4\n"
          "= Chance: 5 | 20 | 20.70 | 5\n"
          "= Chance: 6 | 4 | 5.63 | 6-10\n"
          "= Chance: 7 | 1 | 0.96 | 6-10\n"
          "= Chance: 8 | 0 | 0.10 | 6-10\n"
          "= Chance: 9 | 0 | 0.01 | 6-10\n"
          "= Chance: 10 | 0 | 0.00 | 6-10\n"
          "= Chance: Verdict: the difference is within chance (p >= 0.05).\n"
          "= Chance: Simulated test: X2 = 2.90; 8,566 of 10,000 random histories reached it, p = "
          "0.857.\n"
          "= Chance: Winnings per unit stake: observed 0.244; chance gives 0.639 on average, 90 % "
          "of the random histories between 0.108 and 1.056.\n"
          "= Chance: Law of chance: the hits of a 10-number tip in a draw of 20 out of 70 "
          "(hypergeometric law); expected = the tips of each cycle, summed over the cycles, x "
          "chance of the hit count.\n"
          "= Chance: Hit counts that chance expects fewer than 5 times are pooled with their "
          "neighbours (6-10).\n"
          "= Chance: Assumptions: every draw is 20 numbers drawn at random from 70, independent of "
          "the other draws and of the tips. The p-value is the share of random histories (the "
          "tips of each cycle kept, every draw replaced by a random one) whose chi-squared sum "
          "over the same groups reaches the observed one, so tips that share numbers are allowed "
          "for.\n");
  const std::string report = home.readBytes("Analyse.txt");
  EXPECT_NE(report.find("\r\n00x         => \t8\r\n"), std::string::npos) << report;
  EXPECT_NE(report.find("\r\nat 50 draws\r\n"), std::string::npos) << report;
}

// One stop ends the whole test: "after N call StopClick" lands at the N-th candidate of the
// test's calculations, and "print Progress" shows what the window shows meanwhile.
TEST_F(CliBacktest, StopClickEndsAPerDrawTestAndItsReportSaysWhere) {
  const CliResult result = runScript(home, std::string(kKenoAtlantic) +
                                               "set UpDown9 2\n"
                                               "set DateTimePicker1 01.01.2023\n"
                                               "answer 4711\n"
                                               "after 1 print Progress\n"
                                               "after 1 call StopClick\n"
                                               "call ErfolgstestClick\n"
                                               "print Progress\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const auto lines = splitLines(result.out);
  ASSERT_EQ(lines.size(), 4u) << result.out;
  EXPECT_EQ(lines[0], "input: your lucky number (1-99999999)?");
  // The first cycle's calculation is under way.
  EXPECT_EQ(lines[1], "Progress: back-test 0/20000 Calculation: 0 of 2 tips found");
  EXPECT_EQ(lines[2], "open: " + home.home() + "Analyse.txt");
  EXPECT_EQ(lines[3], "Progress: none");
  const auto report = splitLines(home.readBytes("Analyse.txt"));
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.front(), "Stopped after 0 of 50 cycles.");
  EXPECT_EQ(report.back(), "at 0 draws");
}

}  // namespace
}  // namespace numora::test
