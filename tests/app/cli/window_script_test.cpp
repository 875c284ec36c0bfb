// The main window as a player meets it, through numora-cli: what the activation after the
// program's own dialogs keeps, what the chart's value axis says it counts, and the hint line.
#include <gtest/gtest.h>

#include <string>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

class CliWindow : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kDailyKenoFixture, "Vuduro.dat"); }
  TempHome home;
};

// On the evening draw of 10.06.2023 (the fixture's last record) the user edits a tip: closing
// the number-choice dialog runs the activation again, which keeps the evening draw and the cost
// per tip chosen meanwhile.
TEST_F(CliWindow, ClosingTheNumberChoiceDialogKeepsTheDrawAndTheCostChoice) {
  expectTranscript(home, R"(call FormActivate
print Position
= Position: 101
print DateTimePicker1
= DateTimePicker1: 10.06.2023
set ComboBox1 2
add ListBox1 01,02,03
select ListBox1 0
answer choice ok +4
call SpeedEditClick
print Position
= Position: 101
print Datum1
= Datum1: 10.06.2023
print ListBox1
= ListBox1.count: 1
= ListBox1[0]: 01,02,03,04
print ComboBox1.index
= ComboBox1.index: 2
call SpeedButton6Click
print Position
= Position: 100
answer choice cancel
call SpeedEditClick
print Position
= Position: 100
)");
}

TEST_F(CliWindow, TheValueAxisSaysWhatTheBarsCount) {
  expectTranscript(home, R"(call SpeedButton2Click
print Chart1.LeftAxis.Title
= Chart1.LeftAxis.Title: draws
call Button5Click
print Chart1.LeftAxis.Title
= Chart1.LeftAxis.Title: draws since last drawn
call Button4Click
print Chart1.LeftAxis.Title
= Chart1.LeftAxis.Title: draws
add ListBox1 01,02,03
call Button6Click
print Chart1.LeftAxis.Title
= Chart1.LeftAxis.Title: tips
)");
}

// Every control shows its own hint while the mouse is over it; leaving clears the line.
TEST_F(CliWindow, EachControlShowsItsOwnHint) {
  expectTranscript(home, R"(call SpeedButton11MouseEnter
print StatusBar1[1]
= StatusBar1[1]: Delete all tips
call SpeedButton11MouseLeave
call auswertungMouseEnter
print StatusBar1[1]
= StatusBar1[1]: Auswertung und Ermittlung der Gewinnsumme
call auswertungMouseLeave
print StatusBar1[1]
= StatusBar1[1]: 
)");
}

}  // namespace
}  // namespace numora::test
