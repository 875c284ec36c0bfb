// The tip list through numora-cli: ticket and tip of the selected line, the total-tips field,
// deleting all tips, the full check when the total-tips field is left, and the evaluation report
// of the hit list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

std::string sevenTips() {
  std::string script;
  for (int i = 1; i <= 7; ++i) script += "add ListBox1 0" + std::to_string(i) + ",10\n";
  return script;
}

// Which ticket and tip a line is, and what the total-tips field keeps, are the tips layer's
// tables; here one case each for the wiring of the selection and of the field.
TEST(CliTipList, TheSelectedLineShowsItsTicketAndItsPlaceInIt) {
  TempHome home;
  expectTranscript(home, sevenTips() + R"(set UpDown8 5
select ListBox1 6
print Label23
= Label23: 2. ticket
print Label24
= Label24: 2. tip
)");
}

TEST(CliTipList, TheTotalTipsFieldKeepsAWholeNumberFrom1To120) {
  TempHome home;
  expectTranscript(home, R"(set Edit1 007
print Edit1
= Edit1: 7
print UpDown9
= UpDown9: 7
)");
}

TEST(CliTipList, DeletingAllTipsEmptiesBothListsAndKeepsTheLabels) {
  TempHome home;
  expectTranscript(home, sevenTips() + R"(add ListBox2 1
add ListBox2 0
select ListBox1 6
call SpeedButton11Click
print ListBox1
= ListBox1.count: 0
print ListBox2
= ListBox2.count: 0
print Label23
= Label23: 2. ticket
print Label24
= Label24: 2. tip
)");
}

TEST(CliTipList, LeavingTheTotalTipsFieldScoresTheTipsWhenScoringIsAllowed) {
  TempHome home;
  const std::string setup = R"(set Zahl 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20
add ListBox1 01,02,30
add ListBox1 05,06,07,40
)";
  expectTranscript(home, setup + R"(set sortieren 0
call Edit1Exit
print ListBox2
= ListBox2.count: 0
set sortieren 1
call Edit1Exit
print ListBox2
= ListBox2.count: 2
= ListBox2[0]: 2
= ListBox2[1]: 3
)");
}

// The prices of every table row are the evaluation layer's table; here the stake chosen in
// ComboBox1 and the stake before any choice, which only this table checks from a start.
TEST(CliTipList, TheEvaluationReportPricesTheHitList) {
  struct Case {
    const char* what;
    std::string setup;
    std::string message;  // as printed, with its tabs and line feeds escaped
  };
  const auto hits = [](std::initializer_list<int> counts) {
    std::string script;
    for (const int count : counts) script += "add ListBox2 " + std::to_string(count) + "\n";
    return script;
  };
  const std::vector<Case> cases = {
      {"Keno Atlantic, 6 numbers, stake 2: two tips with 5 hits, one with 4",
       "set RadioGroup1 0\nset UpDown18 6\nset ComboBox1 1\n" + hits({5, 5, 4}),
       R"(you have \n2 x  5er \t60\n1 x  4er \t4\n\nwithout guarantee)"},
      {"before any choice the cost field shows 1, and that is the stake", hits({7, 9}),
       R"(you have \n1 x  9er \t5000\n1 x  7er \t25\n\nwithout guarantee)"},
  };
  TempHome home;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    expectTranscript(home, c.setup + "call auswertungClick\n= message: " + c.message + "\n");
  }
}

}  // namespace
}  // namespace numora::test
