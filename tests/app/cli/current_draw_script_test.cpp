// The current draw through numora-cli: show by date, the steps at both ends of the history, the
// lottery switch and a missing or empty draw file, on the fixture histories
// (20.04.2023 to 10.06.2023; Daily Keno with a midday and an evening draw a day).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

// Start-up selects Daily Keno; this switches to Keno Atlantic as a click on the radio group does.
constexpr const char* kSwitchToKenoAtlantic = "set RadioGroup1 0\ncall RadioGroup1Click\n";

// Daily Keno, record 30: the midday draw of Friday 05.05.2023.
constexpr const char* kDailyMidday0505 =
    "46  38  56  47  5  28  24  26  66  7  3  60  12  13  57  59  32  31  43  49";
// Daily Keno, record 31: the evening draw of 05.05.2023.
constexpr const char* kDailyEvening0505 =
    "45  1  55  61  39  68  42  30  63  7  13  10  64  11  5  24  25  31  59  36";
// Daily Keno, record 0 (midday of 20.04.2023), 100 and 101 (10.06.2023).
constexpr const char* kDailyFirst =
    "33  46  68  4  60  32  7  58  11  8  24  31  56  16  25  35  64  37  57  1";
constexpr const char* kDailyLastMidday =
    "58  8  30  37  40  34  59  53  57  33  65  23  61  70  6  55  62  67  29  27";
constexpr const char* kDailyLast =
    "26  52  55  16  17  9  57  21  64  3  20  51  24  27  39  38  7  12  1  29";
// Keno Atlantic, record 15 (05.05.2023), record 0 (20.04.2023) and record 50 (10.06.2023).
constexpr const char* kAtlantic0505 =
    "21  22  17  4  20  60  19  40  53  39  31  43  23  10  36  56  9  2  1  47";
constexpr const char* kAtlanticFirst =
    "42  20  51  7  10  13  47  38  4  59  33  14  3  6  28  27  5  16  57  36";
constexpr const char* kAtlanticLast =
    "53  40  8  3  25  64  54  6  17  15  43  28  24  61  32  67  45  22  46  27";

// The caption's numbers "a  b  c" as Zahl prints them: "a b c".
std::string singleBlanks(std::string numbers) {
  for (auto at = numbers.find("  "); at != std::string::npos; at = numbers.find("  ", at + 1)) {
    numbers.erase(at, 1);
  }
  return numbers;
}

class CliCurrentDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    copyFixture(home, kDailyKenoFixture, "Vuduro.dat");
    copyFixture(home, kKenoAtlanticFixture, "Kenoal.dat");
  }
  TempHome home;
};

// The rules of the search (last draw, first draw with the wide gap) are the draws layer's table;
// here one Daily Keno case for the wiring and the Keno Atlantic captions, which only these check.
TEST_F(CliCurrentDraw, ShowByDateFindsTheFirstDrawOnOrAfterThePickedDate) {
  struct Case {
    const char* what;
    const char* setup;
    const char* picked;
    std::string caption;  // Label29 and Label35
    int crossSum;
    int position;
    const char* datum1;
    std::string numbers;
    const char* zahl5;
  };
  const std::vector<Case> cases = {
      {"a Daily Keno date with two draws shows its midday draw", "", "05.05.2023",
       std::string("Fri 05.05.23   (Midday)   ") + kDailyMidday0505, 702, 30, "05.05.2023",
       kDailyMidday0505, "1 0 0 0 0"},
      {"Keno Atlantic has one draw a date", kSwitchToKenoAtlantic, "05.05.2023",
       std::string("Fri 05.05.23    ") + kAtlantic0505, 553, 15, "05.05.2023", kAtlantic0505,
       "0 0 0 0 0"},
      {"Keno Atlantic before its first draw", kSwitchToKenoAtlantic, "01.01.2002",
       std::string("Thu 20.04.23     ") + kAtlanticFirst, 516, 0, "20.04.2023", kAtlanticFirst,
       "0 0 0 0 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string script = std::string(c.setup) + "set DateTimePicker1 " + c.picked +
                               "\ncall SpeedButton5Click\n"
                               "print Label29\nprint Label35\nprint Label13\nprint Position\n"
                               "print Datum1\nprint aktDatum\nprint DateTimePicker1\n"
                               "print Zahl\nprint Zahl5\n";
    const std::string expected =
        "Label29: " + c.caption + "\nLabel35: " + c.caption +
        "\nLabel13: cross sum: " + std::to_string(c.crossSum) +
        "\nPosition: " + std::to_string(c.position) + "\nDatum1: " + c.datum1 +
        "\naktDatum: " + c.picked + "\nDateTimePicker1: " + c.datum1 +
        "\nZahl: " + singleBlanks(c.numbers) + "\nZahl5: " + c.zahl5 + "\n";
    const CliResult result = runScript(home, script);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, expected);
  }
}

// Where the steps stop is the draws layer's table; here one step of each button for the wiring,
// and the first draw's gap after a step, which only this case checks.
TEST_F(CliCurrentDraw, StepsStopAtBothEndsOfTheHistory) {
  struct Case {
    const char* what;
    const char* picked;
    std::vector<const char*> steps;
    int position;
    std::string caption;
    const char* datum1;
  };
  const char* back = "SpeedButton6Click";
  const char* next = "SpeedButton7Click";
  const std::vector<Case> cases = {
      {"back at the first draw keeps it (with the normal gap now)",
       "01.01.2002",
       {back},
       0,
       std::string("Thu 20.04.23   (Midday)   ") + kDailyFirst,
       "20.04.2023"},
      {"next from a midday draw shows the evening draw of the same date",
       "05.05.2023",
       {next},
       31,
       std::string("Fri 05.05.23    ") + kDailyEvening0505,
       "05.05.2023"},
      {"back from the last draw shows the midday draw before it",
       "01.06.2024",
       {back},
       100,
       std::string("Sat 10.06.23   (Midday)   ") + kDailyLastMidday,
       "10.06.2023"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string script =
        std::string("set DateTimePicker1 ") + c.picked + "\ncall SpeedButton5Click\n";
    for (const char* step : c.steps) script += std::string("call ") + step + "\n";
    script +=
        "print Position\nprint Label29\nprint Label35\nprint Datum1\nprint aktDatum\n"
        "print DateTimePicker1\n";
    const std::string expected = "Position: " + std::to_string(c.position) +
                                 "\nLabel29: " + c.caption + "\nLabel35: " + c.caption +
                                 "\nDatum1: " + c.datum1 + "\naktDatum: " + c.datum1 +
                                 "\nDateTimePicker1: " + c.datum1 + "\n";
    const CliResult result = runScript(home, script);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, expected);
  }
}

TEST_F(CliCurrentDraw, NextStepPullsTheStatisticsStartBeforeThePickedDate) {
  expectTranscript(home, R"(set DateTimePicker2 01.06.2023
set DateTimePicker1 20.04.2023
call SpeedButton5Click
call SpeedButton7Click
print DateTimePicker2
= DateTimePicker2: 20.04.2022
call SpeedButton7Click
print DateTimePicker2
= DateTimePicker2: 20.04.2022
)");
}

TEST_F(CliCurrentDraw, LotterySwitchMovesTheLowerLimitsAndTheStatisticsStart) {
  const std::string transcript = std::string(R"(print ZahlenFile
= ZahlenFile: VuduRO.dat
print DateTimePicker1.min
= DateTimePicker1.min: 29.04.1996
set RadioGroup1 0
call RadioGroup1Click
print ZahlenFile
= ZahlenFile: Kenoal.dat
print DateTimePicker1.min
= DateTimePicker1.min: 22.10.2001
print DateTimePicker2
= DateTimePicker2: 22.10.2001
print Label29
= Label29: Sat 10.06.23    )") + kAtlanticLast +
                                 R"(
set DateTimePicker1 01.01.1997
= refused: DateTimePicker1
set RadioGroup1 1
call RadioGroup1Click
print ZahlenFile
= ZahlenFile: Vuduro.dat
print DateTimePicker1.min
= DateTimePicker1.min: 29.04.1996
print DateTimePicker2.min
= DateTimePicker2.min: 29.04.1996
print DateTimePicker2
= DateTimePicker2: 29.04.1996
print Label29
= Label29: Sat 10.06.23    )" + kDailyLast +
                                 R"(
print DateTimePicker1
= DateTimePicker1: 10.06.2023
set DateTimePicker1 01.01.1997
print DateTimePicker1
= DateTimePicker1: 01.01.1997
set RadioGroup1 0
call RadioGroup1Click
print DateTimePicker2
= DateTimePicker2: 22.10.2001
print DateTimePicker2.min
= DateTimePicker2.min: 22.10.2001
print DateTimePicker1.min
= DateTimePicker1.min: 22.10.2001
print DateTimePicker1
= DateTimePicker1: 10.06.2023
)";
  expectTranscript(home, transcript);
}

// After a switch to a lottery without a stored draw no draw is current: the other lottery's
// draw is neither shown nor scored (not even when the total-tips field is left), and the
// evaluation report has nothing to price.
TEST(CliCurrentDrawWithoutFile, ASwitchToALotteryWithoutDrawsLeavesNoDrawCurrent) {
  for (const bool emptyFile : {false, true}) {
    SCOPED_TRACE(emptyFile ? "empty Kenoal.dat" : "no Kenoal.dat");
    TempHome home;
    copyFixture(home, kDailyKenoFixture, "Vuduro.dat");
    if (emptyFile) home.writeBytes("Kenoal.dat", "");
    // Ten numbers of the last Daily Keno draw: ten hits there.
    expectTranscript(home, std::string(R"(add ListBox1 01,03,07,09,12,16,17,20,21,24
call SpeedButton5Click
print ListBox2
= ListBox2.count: 1
= ListBox2[0]: 10
)") + kSwitchToKenoAtlantic + (emptyFile ? "" : "= message: First read the data of draws\n") +
                               R"(print Label29
= Label29: No draws of Keno Atlantic yet: import a file on the "Database" tab, or enter the results site on the "Internet-Options" tab and update.
print Label35
= Label35: No draws of Keno Atlantic yet: import a file on the "Database" tab, or enter the results site on the "Internet-Options" tab and update.
print Zahl
= Zahl: 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0
print ListBox2
= ListBox2.count: 0
print StatusBar1[0]
= StatusBar1[0]: 
call Edit1Exit
print ListBox2
= ListBox2.count: 0
call auswertungClick
= message: you have \n\nwithout guarantee
)");
  }
}

TEST(CliCurrentDrawWithoutFile, ShowByDateAsksForTheDataAndChangesNothing) {
  TempHome home;
  const CliResult result = runScript(home,
                                     "call SpeedButton5Click\n"
                                     "print Position\nprint Label29\nprint DateTimePicker1\n"
                                     "call SpeedButton6Click\n"
                                     "print Position\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const std::string start =
      "message: First read the data of draws\n"
      "Position: 0\nLabel29: No draws of Daily Keno yet: import a file on the \"Database\" tab, "
      "or enter the results site on the \"Internet-Options\" tab and update.\n"
      "DateTimePicker1: 15.06.2023\n"
      "message: ";
  ASSERT_TRUE(result.out.starts_with(start)) << result.out;
  // The step reports the missing file with the error's own text, then nothing has changed.
  EXPECT_TRUE(result.out.ends_with("\nPosition: 0\n")) << result.out;
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 6) << result.out;
}

TEST(CliCurrentDrawWithoutFile, AnEmptyFileMovesOnlyThePickerToTheFirstDrawDate) {
  TempHome home;
  home.writeBytes("Kenoal.dat", "");
  expectTranscript(home, std::string(kSwitchToKenoAtlantic) + R"(print DateTimePicker1
= DateTimePicker1: 22.10.2001
print Position
= Position: 0
print Label29
= Label29: No draws of Keno Atlantic yet: import a file on the "Database" tab, or enter the results site on the "Internet-Options" tab and update.
print Chart1.Hint
= Chart1.Hint: No draws of Keno Atlantic yet: import a file on the "Database" tab, or enter the results site on the "Internet-Options" tab and update.
print Label13
= Label13: Summer cross
)");
}

}  // namespace
}  // namespace numora::test
