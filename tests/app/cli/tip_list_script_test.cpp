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

TEST(CliTipList, TheSelectedLineShowsItsTicketAndItsPlaceInIt) {
  struct Case {
    int tipsPerTicket;
    int line;
    const char* ticket;
    const char* tip;
  };
  const std::vector<Case> cases = {
      {5, 6, "2. ticket", "2. tip"}, {3, 6, "3. ticket", "1. tip"}, {5, 0, "1. ticket", "1. tip"},
      {5, 4, "1. ticket", "5. tip"}, {1, 6, "7. ticket", "1. tip"}, {2, 5, "3. ticket", "2. tip"},
  };
  TempHome home;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.tipsPerTicket) + " tips per ticket, line " +
                 std::to_string(c.line));
    expectTranscript(home, sevenTips() + "set UpDown8 " + std::to_string(c.tipsPerTicket) +
                               "\nselect ListBox1 " + std::to_string(c.line) +
                               "\nprint Label23\n= Label23: " + c.ticket +
                               "\nprint Label24\n= Label24: " + c.tip + "\n");
  }
}

TEST(CliTipList, TheTotalTipsFieldKeepsAWholeNumberFrom1To120) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"007", "7"},   {"0", "120"}, {"121", "120"}, {"abc", "120"}, {"", "120"},
      {"120", "120"}, {"1", "1"},   {"-5", "120"},  {"7x", "120"},
  };
  TempHome home;
  for (const auto& [typed, shown] : cases) {
    SCOPED_TRACE("typed '" + typed + "'");
    expectTranscript(home, "set Edit1 " + typed + "\nprint Edit1\n= Edit1: " + shown +
                               "\nprint UpDown9\n= UpDown9: " + shown + "\n");
  }
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
      {"Daily Keno, 4 numbers: only 4 hits win",
       "set UpDown18 4\nset ComboBox1 0\n" + hits({4, 3, 3}),
       R"(you have \n1 x  4er \t100\n\nwithout guarantee)"},
      {"Keno Atlantic, 4 numbers, stake 5: 4 and 3 hits win",
       "set RadioGroup1 0\nset UpDown18 4\nset ComboBox1 2\n" + hits({3, 4}),
       R"(you have \n1 x  4er \t375\n1 x  3er \t15\n\nwithout guarantee)"},
      {"10 numbers, stake 10: ten hits, and no hit pays last",
       "set ComboBox1 3\n" + hits({0, 10, 1, 0}),
       R"(you have \n1 x 10er \t2500000\n2 x  0er \t40\n\nwithout guarantee)"},
      {"before any choice the cost field shows 1, and that is the stake", hits({7, 9}),
       R"(you have \n1 x  9er \t5000\n1 x  7er \t25\n\nwithout guarantee)"},
      {"tips with one hit never win", "set UpDown18 2\n" + hits({1, 1}),
       R"(you have \n\nwithout guarantee)"},
      {"an empty hit list", "", R"(you have \n\nwithout guarantee)"},
  };
  TempHome home;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    expectTranscript(home, c.setup + "call auswertungClick\n= message: " + c.message + "\n");
  }
}

}  // namespace
}  // namespace numora::test
