// The sweep through numora-cli: the grid set with SweepVary, the lucky number answered, a line
// per setting and the verdict lines printed; the same print whatever the thread count; stop,
// refusals while it runs, bad grids, and a setting applied to the options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"
#include "common/text.h"
#include "transcript.h"

namespace numora::test {
namespace {

class CliSweep : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kKenoAtlanticFixture, "Kenoal.dat"); }

  // Keno Atlantic from 20.05.2023, two tips, numbers per tip 3..5 and "no threesomes" off/on.
  static std::string grid(int threads) {
    return "set RadioGroup1 0\ncall RadioGroup1Click\nset UpDown9 2\n"
           "set DateTimePicker1 20.05.2023\n"
           "set SweepVary UpDown18 3..5\nset SweepVary CheckBox18 0,1\n"
           "set SweepRepeats 2\nset SweepThreads " +
           std::to_string(threads) + "\nanswer 4711\n";
  }

  std::vector<std::string> sweepPrint(const std::string& script) {
    const CliResult result = runScript(home, script + "print Sweep\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> lines;
    for (const std::string& line : splitLines(result.out)) {
      if (!line.starts_with("input: ")) lines.push_back(line);
    }
    return lines;
  }

  TempHome home;
};

TEST_F(CliSweep, PrintsALinePerSettingThenTheVerdictTheSameForOneThreadAndAll) {
  const auto one = sweepPrint(grid(1) + "call SweepClick\n");
  const auto all = sweepPrint(grid(0) + "call SweepClick\n");
  EXPECT_EQ(one, all);
  ASSERT_EQ(one.size(), 6u + 3u);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_TRUE(one[i].starts_with("Sweep: UpDown18=")) << one[i];
  EXPECT_EQ(one[6], "Settings finished: 6 of 6");
  EXPECT_TRUE(
      one[7].starts_with("Verdict: No setting did better than chance explains, allowing "
                         "for the 6 settings tried"))
      << one[7];
  EXPECT_TRUE(one[8].starts_with("Best: ")) << one[8];
}

TEST_F(CliSweep, AStopKeepsWhatFinishedAndOtherWorkIsRefusedMeanwhile) {
  const auto lines = sweepPrint(grid(1) +
                                "after 1 call BitBtn9Click\n"
                                "after 1 call SweepStopButtonClick\n"
                                "call SweepClick\n");
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "message: A sweep is running; press Stop or Esc first.");
  const std::string finished = lines[lines.size() - 3];
  EXPECT_TRUE(finished.starts_with("Settings finished: ")) << finished;
  EXPECT_TRUE(finished.ends_with(" of 6 (stopped)")) << finished;
  EXPECT_LT(lines.size(), 1u + 6u + 3u);
}

TEST_F(CliSweep, BadGridsAreRefusedWithAMessage) {
  expectTranscript(home,
                   "set SweepVary NoSuchControl 1,2\n"
                   "call SweepClick\n= message: No control is named NoSuchControl\n"
                   "set SweepVary NoSuchControl\n"
                   "set SweepVary UpDown18 1..4\n"
                   "call SweepClick\n= message: UpDown18 takes 2..10, not 1\n"
                   "set SweepVary UpDown6 1..2\nset SweepVary UpDown9 1..2\n"
                   "print SweepVary\n= SweepVary: UpDown18 1..4; UpDown6 1..2; UpDown9 1..2\n"
                   "print Sweep\n= Sweep: none\n");
  const CliResult result = runScript(home,
                                     "set SweepVary UpDown18 3\nset SweepVary UpDown6 1\n"
                                     "set SweepVary UpDown9 1\nset SweepVary UpDown3 1\n");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("A sweep varies at most three options"), std::string::npos)
      << result.err;
}

TEST_F(CliSweep, AGridOfMillionsTheLotteryAndLuckyNumbersOutOfRangeAreRefused) {
  expectTranscript(
      home,
      "set SweepVary UpDown7 1..1000\nset SweepVary UpDown2 1..750\n"
      "set SweepVary UpDown15 750..1400\n"
      "call SweepClick\n"
      "= message: The sweep would make 488250000 runs (488250000 settings \u00d7 1 repetitions); "
      "it makes at most 10000. Give fewer values or repetitions.\n"
      "set SweepVary UpDown7\nset SweepVary UpDown2\nset SweepVary UpDown15\n"
      "set SweepVary RadioGroup1 0,1\n"
      "call SweepClick\n"
      "= message: A sweep cannot vary RadioGroup1: every run uses the lottery and the sweep "
      "settings chosen before the sweep starts\n"
      "set SweepVary RadioGroup1\n"
      "set SweepVary UpDown18 3,3,3\nset SweepRepeats 100\nanswer 99999999\n"
      "call SweepClick\n"
      "= input: Your lucky number (1-99999999)?\n"
      "= message: With 100 repetitions the sweep's lucky number must lie in 1..99999900\n"
      "print Sweep\n= Sweep: none\n");
}

TEST_F(CliSweep, ApplyCopiesTheSelectedSettingIntoTheOptions) {
  const CliResult result = runScript(home, grid(0) +
                                               "call SweepClick\n"
                                               "select SweepList 0\n"
                                               "call SweepApplyButtonClick\n"
                                               "print Sweep\nprint UpDown18\nprint CheckBox18\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const auto lines = splitLines(result.out);
  // The best setting, "Sweep: UpDown18=N CheckBox18=M; ...", is now the options'.
  const std::string& best = lines.at(1);
  ASSERT_TRUE(best.starts_with("Sweep: UpDown18=")) << best;
  const std::string upDown = best.substr(16, best.find(' ', 16) - 16);
  const std::string check = best.substr(best.find("CheckBox18=") + 11, 1);
  EXPECT_EQ(lines.at(lines.size() - 2), "UpDown18: " + upDown);
  EXPECT_EQ(lines.back(), std::string("CheckBox18: ") + check);
}

}  // namespace
}  // namespace numora::test
