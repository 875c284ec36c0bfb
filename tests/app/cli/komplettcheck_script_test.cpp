// The full check of the tip list through numora-cli: the hit list, the best-hit text, the tally
// and the numbers-per-tip setting, against the midday draw of 05.05.2023 (Daily Keno):
// 46 38 56 47 5 28 24 26 66 7 3 60 12 13 57 59 32 31 43 49.
#include <gtest/gtest.h>

#include <string>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

class CliKomplettcheck : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kDailyKenoFixture, "Vuduro.dat"); }
  TempHome home;
};

// Tips as a user types them: two-digit numbers, blanks and a tab after commas, a blank before a
// comma, an empty field, a repeated number, a trailing blank, and blank lines.
const std::string kTips =
    "add ListBox1 05,07,46,38,56,47,28\n"
    "add ListBox1 1,2\n"
    "add ListBox1 \n"
    "add ListBox1    \n"
    "add ListBox1 3,\t12, 13\n"
    "add ListBox1 5 ,7\n"
    "add ListBox1 \t\n"
    "add ListBox1 24,,26\n"
    "add ListBox1 26,26\n"
    "add ListBox1 59,32 \n";

TEST_F(CliKomplettcheck, ShowingADrawScoresEveryTipAndDropsBlankLines) {
  expectTranscript(home, kTips + R"(set DateTimePicker1 05.05.2023
call SpeedButton5Click
print ListBox1
= ListBox1.count: 7
= ListBox1[0]: 05,07,46,38,56,47,28
= ListBox1[1]: 1,2
= ListBox1[2]: 3,\t12, 13
= ListBox1[3]: 5 ,7
= ListBox1[4]: 24,,26
= ListBox1[5]: 26,26
= ListBox1[6]: 59,32 
print ListBox2
= ListBox2.count: 7
= ListBox2[0]: 7
= ListBox2[1]: 0
= ListBox2[2]: 3
= ListBox2[3]: 0
= ListBox2[4]: 1
= ListBox2[5]: 2
= ListBox2[6]: 1
print StatusBar1[0]
= StatusBar1[0]: Max Win:  7x
print Statistik
= Statistik: 2 2 1 1 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0
print Gewinn
= Gewinn: 1
)");
}

TEST_F(CliKomplettcheck, NumbersPerTipLimitsTheComparedNumbers) {
  expectTranscript(home, kTips + R"(set DateTimePicker1 05.05.2023
call SpeedButton5Click
set UpDown18 2
call Komplettcheck
print ListBox2
= ListBox2.count: 7
= ListBox2[0]: 2
= ListBox2[1]: 0
= ListBox2[2]: 2
= ListBox2[3]: 0
= ListBox2[4]: 1
= ListBox2[5]: 2
= ListBox2[6]: 1
print StatusBar1[0]
= StatusBar1[0]: Max Win:  2x
print Statistik
= Statistik: 2 2 3 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0
)");
}

TEST_F(CliKomplettcheck, EmptyListAndSuspendedCheck) {
  expectTranscript(home, kTips + R"(set DateTimePicker1 05.05.2023
call SpeedButton5Click
clear ListBox1
set sortieren 0
call Komplettcheck
# While tips are being calculated the check clears only the tally.
print ListBox2.count
= ListBox2.count: 7
print StatusBar1[0]
= StatusBar1[0]: Max Win:  7x
print Statistik
= Statistik: 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0
set sortieren 1
call Komplettcheck
print ListBox2
= ListBox2.count: 0
print StatusBar1
= StatusBar1.count: 2
= StatusBar1[0]: 
= StatusBar1[1]: 
)");
}

TEST_F(CliKomplettcheck, TipsScoreAgainstNumbersSetByTheScript) {
  // Zahl can be set directly, so a tip can be scored against a draw that is in no file.
  expectTranscript(home, R"(set Zahl 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20
print Zahl
= Zahl: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20
add ListBox1 1,2,3,21,22
add ListBox1 20,19,18,17,16,15,14,13,12,11
call Komplettcheck
print ListBox2
= ListBox2.count: 2
= ListBox2[0]: 3
= ListBox2[1]: 10
print StatusBar1[0]
= StatusBar1[0]: Max Win:  10x
)");
}

}  // namespace
}  // namespace numora::test
