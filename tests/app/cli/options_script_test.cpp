// The generator options through numora-cli: their start state, their coupling handlers, the
// run budget following `set UpDown7` and values brought into their ranges.
#include <gtest/gtest.h>

#include "transcript.h"

namespace numora::test {
namespace {

TEST(CliOptions, StartStateOfTheOptions) {
  TempHome home;
  expectTranscript(home, R"(print ComboBox3
= ComboBox3: 2
print UpDown15
= UpDown15: 1200
print LaufMax
= LaufMax: 10000
print CheckBox17.caption
= CheckBox17.caption: Tip may not correspond to              in the last                draws
print Label42
= Label42:  cross sum :                   -                    in the tip allow
print UpDown13.hint
= UpDown13.hint: Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
print ComboBox2.visible
= ComboBox2.visible: 0
set DateTimePicker3 29.02.2024
print DateTimePicker3
= DateTimePicker3: 29.02.2024
)");
}

TEST(CliOptions, CouplingHandlersAndTheBudget) {
  TempHome home;
  expectTranscript(home, R"(set UpDown3 2
call UpDown3MouseDown
print UpDown1.max
= UpDown1.max: 2
set UpDown1 9
print UpDown1
= UpDown1: 2
call UpDown1MouseUp
print UpDown3.min
= UpDown3.min: 2
set UpDown17 4
call UpDown16MouseUp
print UpDown16.max
= UpDown16.max: 2
set UpDown16 1
call UpDown17MouseUp
print UpDown17.max
= UpDown17.max: 5
set UpDown17 3
call UpDown17MouseDown
print UpDown16.max
= UpDown16.max: 3
set UpDown7 25
print LaufMax
= LaufMax: 25000
set UpDown7 0
print UpDown7
= UpDown7: 1
print LaufMax
= LaufMax: 1000
set UpDown2 0
print UpDown2
= UpDown2: 1
set UpDown15 99999
print UpDown15
= UpDown15: 1400
set UpDown2 9999
print UpDown2
= UpDown2: 750
set UpDown15 1
print UpDown15
= UpDown15: 750
)");
}

}  // namespace
}  // namespace numora::test
