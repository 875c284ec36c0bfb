// Editing a tip with the number-choice dialog through numora-cli: "answer choice" replies to the
// dialog with the user's ticks, weights and random-pick clicks, "print TForm6" shows the dialog.
// Home holds the Daily Keno fixture, so the main window's activation after the dialog has a
// draw to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

class CliNumberChoice : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kDailyKenoFixture, "Vuduro.dat"); }
  TempHome home;
};

struct EditCase {
  const char* what;
  std::string script;  // ends with the edit
  std::string tips;    // print ListBox1 afterwards
};

// What an edit leaves in the list is the tips layer's table; here one case for the wiring of
// the ticks, and the dialog that no script line answers, which only this table checks.
TEST_F(CliNumberChoice, EditingATipStoresTheTickedNumbers) {
  const std::vector<EditCase> cases = {
      {"an empty list gets the chosen numbers as its first tip, in ascending order",
       "answer choice ok +30 +4 +17\ncall SpeedEditClick\n",
       "ListBox1.count: 1\nListBox1[0]: 04,17,30\n"},
      {"a dialog without a reply is closed and keeps the line",
       "add ListBox1 05,06\nselect ListBox1 0\ncall SpeedEditClick\n",
       "ListBox1.count: 1\nListBox1[0]: 05,06\n"},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.what);
    // Each case starts without the tip list the one before it saved.
    std::filesystem::remove(home.file("tipps.txt"));
    const CliResult result = runScript(home, c.script + "print ListBox1\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, c.tips);
  }
}

TEST_F(CliNumberChoice, NothingSelectedSaysSoAndTheReplyWaitsForTheNextDialog) {
  expectTranscript(home, R"(add ListBox1 05,06
add ListBox2 stale
answer choice ok +7
call SpeedEditClick
= message: First select a tip from
print ListBox1
= ListBox1.count: 1
= ListBox1[0]: 05,06
print ListBox2
= ListBox2.count: 1
= ListBox2[0]: stale
select ListBox1 0
call SpeedEditClick
print ListBox1
= ListBox1.count: 1
= ListBox1[0]: 05,06,07
)");
}

TEST_F(CliNumberChoice, TheDialogBeforeAndAfterAnEdit) {
  std::string boxes;
  for (int n = 1; n <= 70; ++n) {
    const bool ticked = n == 4 || n == 17 || n == 30;
    boxes += "= TForm6[" + std::to_string(n) + "]: " + (ticked ? "1 1" : "0 ") + "\n";
  }
  expectTranscript(home, R"(print TForm6.caption
= TForm6.caption: What numbers to calculate
print TForm6[5]
= TForm6[5]: 1 
print TForm6.BitBtn4
= TForm6.BitBtn4: &Random
print TForm6.BitBtn4.visible
= TForm6.BitBtn4.visible: 0
print TForm6.BitBtn3.visible
= TForm6.BitBtn3.visible: 1
print TForm6.BitBtn3.caption
= TForm6.BitBtn3.caption: Calculate
print TForm6.maxtipp
= TForm6.maxtipp: 10
set UpDown18 6
answer choice ok +4 +17 +30
call SpeedEditClick
print TForm6
)" + boxes + R"(= TForm6.caption: Select numbers for calculation
print TForm6.maxtipp
= TForm6.maxtipp: 6
print TForm6.BitBtn4.visible
= TForm6.BitBtn4.visible: 0
print TForm6.BitBtn3.visible
= TForm6.BitBtn3.visible: 1
print TForm6.BitBtn4
= TForm6.BitBtn4: Zufall
print TForm6.timer
= TForm6.timer: 0
)");
}

// The weight rule is the dialog model's table; here one tick for its wiring and how the reply
// writes weights and box numbers, which only this table checks.
TEST_F(CliNumberChoice, TickingABoxRaisesItsWeight) {
  struct Case {
    const char* steps;
    const char* box5;  // TForm6[5] after the dialog
  };
  const std::vector<Case> cases = {
      {"5=3 +5", "1 4"}, {"+5 5=", "1 "}, {"+5 5=a\tb", "1 a\\tb"}, {"05=7 +05", "1 8"}, {"", "0 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    const CliResult result = runScript(home, std::string("answer choice cancel ") + c.steps +
                                                 "\ncall SpeedEditClick\n"
                                                 "print TForm6[5]\nprint TForm6[6]\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, std::string("TForm6[5]: ") + c.box5 + "\nTForm6[6]: 0 \n");
  }
}

// The tip and the ticked boxes after a random pick with the given seed and clicks.
struct Pick {
  std::string tip;
  std::vector<int> ticked;
  std::string rest;  // the lines after the boxes
};

Pick pickWith(const TempHome& home, int seed, const std::string& steps) {
  // Each pick starts without the tip list the one before it saved.
  std::filesystem::remove(home.file("tipps.txt"));
  const CliResult result = runScript(home, "set UpDown18 5\nset RandSeed " + std::to_string(seed) +
                                               "\nanswer choice ok " + steps +
                                               "\ncall SpeedEditClick\nprint ListBox1[0]\n"
                                               "print TForm6\nprint TForm6.timer\n"
                                               "print TForm6.Losgeht\nprint TForm6.BitBtn4\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  Pick pick;
  std::istringstream lines(result.out);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.starts_with("ListBox1[0]: ")) {
      pick.tip = line.substr(13);
    } else if (line.starts_with("TForm6[")) {
      const auto close = line.find(']');
      if (line.substr(close + 3, 1) == "1") pick.ticked.push_back(std::stoi(line.substr(7)));
    } else {
      pick.rest += line + "\n";
    }
  }
  return pick;
}

std::string tipOf(const std::vector<int>& numbers) {
  std::string tip;
  for (const int n : numbers) {
    tip += (tip.empty() ? "" : ",") + std::string(n < 10 ? "0" : "") + std::to_string(n);
  }
  return tip;
}

TEST_F(CliNumberChoice, TheRandomPickChoosesNumbersPerTipDistinctNumbers) {
  // Start, then a timer step before each click that freezes a slot, then the stop click.
  const std::string fullPick = "random tick random tick random tick random tick random tick random";
  const std::string expectedRest =
      "TForm6.caption: Select numbers for calculation\nTForm6.timer: 0\nTForm6.Losgeht: 1\n"
      "TForm6.BitBtn4: Zufall\n";
  const Pick first = pickWith(home, 1234, fullPick);
  EXPECT_EQ(first.ticked.size(), 5u) << first.tip;
  EXPECT_EQ(std::set<int>(first.ticked.begin(), first.ticked.end()).size(), 5u);
  EXPECT_EQ(first.tip, tipOf(first.ticked));
  EXPECT_EQ(first.rest, expectedRest);

  const Pick again = pickWith(home, 1234, fullPick);
  EXPECT_EQ(again.tip, first.tip) << "the same seed gives the same tip";
  const Pick other = pickWith(home, 98765, fullPick);
  EXPECT_EQ(other.ticked.size(), 5u);
  EXPECT_NE(other.tip, first.tip) << "the pick draws from the program's generator";

  // A pick still running when the dialog closes stops there; its last step's numbers stay.
  const Pick running = pickWith(home, 1234, "random tick random tick");
  EXPECT_EQ(running.ticked.size(), 5u);
  EXPECT_EQ(running.tip, tipOf(running.ticked));
  EXPECT_EQ(running.rest, expectedRest);

  // Timer steps before the start click do nothing.
  const Pick idle = pickWith(home, 1234, "tick tick +8");
  EXPECT_EQ(idle.tip, "08");
}

}  // namespace
}  // namespace numora::test
