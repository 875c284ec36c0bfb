// The tip calculation through numora-cli on the Daily Keno fixture: the lucky number repeats a
// calculation to the byte, "after" stops a running calculation with the start/stop button, the
// edit list is answered with "answer choice", and the rejection counts tell why no tip came.
#include <gtest/gtest.h>

#include <string>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

class CliCalculation : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kDailyKenoFixture, "Vuduro.dat"); }
  TempHome home;
};

constexpr const char* kShowLastDay = "set DateTimePicker1 10.06.2023\ncall SpeedButton5Click\n";

// Every filter off but the primes, which ask six of a three-number tip: no candidate passes.
constexpr const char* kUnsatisfiable =
    "set CheckBox3 0\nset CheckBox24 0\nset CheckBox27 0\nset CheckBox18 0\nset CheckBox4 0\n"
    "set CheckBox5 0\nset CheckBox23 0\nset CheckBox9 0\nset CheckBox17 0\nset UpDown2 1\n"
    "set UpDown15 1400\n"
    "set UpDown18 3\nset CheckBox22 1\nset UpDown10 6\n";

std::string zeroCountsFrom(int first) {
  std::string lines;
  for (int k = first; k <= 12; ++k) lines += "= RejectionCounts[" + std::to_string(k) + "]: 0\n";
  return lines;
}

TEST_F(CliCalculation, TheSameLuckyNumberGivesTheSameTips) {
  const std::string run =
      "answer 4711\ncall SpeedButton13Click\nprint RandSeed\ncall BitBtn19Click\n"
      "print ListBox1\nprint BitBtn4\n";
  const CliResult result = runScript(home, std::string(kShowLastDay) + run + run);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string& out = result.out;
  const auto half = out.size() / 2;
  EXPECT_EQ(out.substr(0, half), out.substr(half));
  EXPECT_NE(out.find("RandSeed: 4711\n"), std::string::npos);
  EXPECT_NE(out.find("ListBox1.count: 5\n"), std::string::npos);
  EXPECT_NE(out.find("BitBtn4: calculate tips\n"), std::string::npos);
}

TEST_F(CliCalculation, AfterStopsARunningCalculationWithTheButton) {
  expectTranscript(
      home, std::string(kShowLastDay) + kUnsatisfiable +
                "print BitBtn4\n= BitBtn4: calculate Tips \n"
                "after 25 call BitBtn19Click\n"
                "after 10 print BitBtn4\n"
                "call BitBtn19Click\n"
                "= BitBtn4: Stop\n"
                "print BitBtn4\n= BitBtn4: calculate tips\n"
                "print StatusBar1[1]\n= StatusBar1[1]: Tips have been recalculated\n"
                "print ListBox1\n= ListBox1.count: 0\n"
                "print RejectionCounts\n= RejectionCounts.candidates: 25\n" +
                zeroCountsFrom(1).substr(0, zeroCountsFrom(1).find("= RejectionCounts[12]")) +
                "= RejectionCounts[12]: 25\n");
}

TEST_F(CliCalculation, TheBudgetCanChangeWhileTheCalculationRuns) {
  // From the 3rd candidate on the budget is 1000 candidates a tip.
  expectTranscript(
      home, std::string(kShowLastDay) + kUnsatisfiable +
                "set UpDown7 5\n"
                "after 3 set UpDown7 1\n"
                "call BitBtn19Click\n"
                "= detail: Never met together: at least 6 prime numbers in a 3-number tip "
                "(Options \u203a mathematically).\n"
                "= detail: 1,000 of 1,000 candidates: prime numbers (Options \u203a "
                "mathematically)\n"
                "= detail: To let most candidates through: lower the prime minimum from 6 to 3 "
                "(Options \u203a mathematically).\n"
                "print LaufMax\n= LaufMax: 1000\n"
                "print StatusBar1[1]\n"
                "= StatusBar1[1]: Change the parameters to calculate 5  Tips \n"
                "print RejectionCounts\n= RejectionCounts.candidates: 1000\n" +
                zeroCountsFrom(1).substr(0, zeroCountsFrom(1).find("= RejectionCounts[12]")) +
                "= RejectionCounts[12]: 1000\n");
}

TEST_F(CliCalculation, TheEditListAnswersWithTheDialogsButtons) {
  const std::string onlyEditList =
      std::string(kShowLastDay) +
      "set CheckBox20 1\nset CheckBox15 1\nset CheckBox10 0\nset CheckBox14 0\n"
      "set UpDown18 2\nset UpDown9 1\n";
  // "Calculate" takes the ticked numbers; with two of them the tip is those two.
  expectTranscript(home, onlyEditList +
                             "answer choice retry +7 +9\ncall BitBtn19Click\n"
                             "print ListBox1\n= ListBox1.count: 1\n= ListBox1[0]: 07,09\n"
                             "print TForm6.caption\n= TForm6.caption: What numbers to calculate\n");
  // "OK" keeps the pool as prepared: here it is empty.
  expectTranscript(home, onlyEditList +
                             "answer choice ok +7 +9\ncall BitBtn19Click\n"
                             "= message: The number pool holds only 0 different numbers; a tip "
                             "needs 2.\n"
                             "= detail: The number pool holds fewer different numbers than a "
                             "tip needs: untick \"Tip for the preferred use numbers only!\" "
                             "(Options \u203a general).\n"
                             "print BitBtn4\n= BitBtn4: calculate tips\n");
  // "Abort" cancels the calculation.
  expectTranscript(home, onlyEditList +
                             "add ListBox1 01,02\nanswer choice abort\ncall BitBtn19Click\n"
                             "print BitBtn4\n= BitBtn4: calculation tip\n"
                             "print ListBox1\n= ListBox1.count: 0\n");
}

TEST(CliCalculationWithoutDraws, NoDrawFileNoCalculation) {
  TempHome home;
  expectTranscript(home,
                   "add ListBox1 01,02\ncall BitBtn19Click\n"
                   "= message: First read the data of draws\n"
                   "print BitBtn4\n= BitBtn4: calculate tips\n"
                   "print ListBox1\n= ListBox1.count: 1\n= ListBox1[0]: 01,02\n");
}

}  // namespace
}  // namespace numora::test
