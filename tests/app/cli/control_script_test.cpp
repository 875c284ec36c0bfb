// set and print of every kind of control and of the form's fields through numora-cli, with the
// escapes of printed text. Each case is a transcript run in a fresh Home.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

struct ControlCase {
  const char* what;
  std::string transcript;
};

TEST(CliControls, SetAndPrintEachKindOfControl) {
  const std::vector<ControlCase> cases = {
      {"an up-down takes a position and clamps it into its range", R"(set UpDown18 6
print UpDown18
= UpDown18: 6
print UpDown18.min
= UpDown18.min: 2
print UpDown18.max
= UpDown18.max: 10
set UpDown18 11
print UpDown18.position
= UpDown18.position: 10
set UpDown18 -3
print UpDown18
= UpDown18: 2
)"},
      {"a check box takes 1 or 0", R"(print CheckBox28
= CheckBox28: 1
set CheckBox28 0
print CheckBox28
= CheckBox28: 0
set CheckBox1 1
print CheckBox1.checked
= CheckBox1.checked: 1
print CheckBox28.caption
= CheckBox28.caption: Delete before calculating
)"},
      {"a date picker takes a date", R"(set DateTimePicker2 01.01.2010
print DateTimePicker2
= DateTimePicker2: 01.01.2010
print DateTimePicker2.date
= DateTimePicker2.date: 01.01.2010
print DateTimePicker2.min
= DateTimePicker2.min: 29.04.1996
print DateTimePicker2.hint
= DateTimePicker2.hint: With the chosen date starts the evaluation
)"},
      {"a date picker refuses a date below its lower limit and keeps its date",
       R"(set DateTimePicker1 28.04.1996
= refused: DateTimePicker1
print DateTimePicker1
= DateTimePicker1: 15.06.2023
set DateTimePicker1 29.04.1996
print DateTimePicker1
= DateTimePicker1: 29.04.1996
)"},
      {"a combo box takes an item index; -1 selects nothing and keeps the text",
       R"(set ComboBox1 2
print ComboBox1
= ComboBox1: 2
print ComboBox1.text
= ComboBox1.text: 5
print ComboBox1.count
= ComboBox1.count: 4
set ComboBox1 -1
print ComboBox1.index
= ComboBox1.index: -1
print ComboBox1.text
= ComboBox1.text: 5
)"},
      {"an edit's change handler runs after the change", R"(set Edit1 7
print Edit1
= Edit1: 7
print UpDown9
= UpDown9: 7
set Edit1 abc
print Edit1
= Edit1: 120
print UpDown9
= UpDown9: 120
)"},
      {"a combo box's change handler runs after the change", R"(print Preis
= Preis: 0
set ComboBox1 2
print Preis
= Preis: 125
)"},
      {"a radio group takes an item index without running its click handler",
       R"(print RadioGroup1
= RadioGroup1: 1
set RadioGroup1 0
print RadioGroup1
= RadioGroup1: 0
print ZahlenFile
= ZahlenFile: VuduRO.dat
print RadioGroup1.caption
= RadioGroup1.caption: Keno Lottery
)"},
      {"an edit takes the rest of the line verbatim",
       std::string("print ProxyPortEdit\n"
                   "= ProxyPortEdit: 80\n"
                   "set ProxyHostEdit   proxy.example  \n"
                   "print ProxyHostEdit\n"
                   "= ProxyHostEdit:   proxy.example  \n"
                   "set ProxyPortEdit \n"
                   "print ProxyPortEdit.text\n"
                   "= ProxyPortEdit.text: \n")},
      {"an edit's text escapes tab, CR and backslash",
       std::string("set ProxyHostEdit a\tb\\c\rd\n"
                   "print ProxyHostEdit\n"
                   "= ProxyHostEdit: a\\tb\\\\c\\rd\n")},
      {"a hidden, disabled edit", R"(print URLEdit.visible
= URLEdit.visible: 0
print URLEdit.enabled
= URLEdit.enabled: 0
)"},
      {"labels and buttons print their caption", R"(print Label13
= Label13: Summer cross
print Label51
= Label51: Porxy-Port
print SpeedButton8
= SpeedButton8: Stop reading
print SpeedButton8.visible
= SpeedButton8.visible: 0
print SpeedButton8.enabled
= SpeedButton8.enabled: 1
print SpeedButton10.hint
= SpeedButton10.hint: Updating the lottery numbers from the Internet
)"},
      {"a memo prints its length", R"(print Memo1
= Memo1.length: 0
set Memo1 three
print Memo1
= Memo1.length: 5
print Memo1.text
= Memo1.text: three
)"},
      {"list boxes: add, select (linked with the other list) and clear", R"(add ListBox1 01,02,03
add ListBox1  04, 05
add ListBox2 3
add ListBox2 0
select ListBox1 1
print ListBox1.index
= ListBox1.index: 1
print ListBox2.index
= ListBox2.index: 1
print Label23
= Label23: 1. ticket
print Label24
= Label24: 2. tip
select ListBox2 0
print ListBox1.index
= ListBox1.index: 0
print ListBox1[1]
= ListBox1[1]:  04, 05
clear ListBox2
print ListBox1.index
= ListBox1.index: 0
print ListBox2
= ListBox2.count: 0
print ListBox1
= ListBox1.count: 2
= ListBox1[0]: 01,02,03
= ListBox1[1]:  04, 05
)"},
      {"the status bar prints its two panels; the hint line fills panel 1",
       R"(call SpeedButton10MouseEnter
print StatusBar1
= StatusBar1.count: 2
= StatusBar1[0]: 
= StatusBar1[1]: Updating the lottery numbers from the Internet
print StatusBar1[1]
= StatusBar1[1]: Updating the lottery numbers from the Internet
)"},
      {"the page control takes the index of a tab", R"(print PageControl1
= PageControl1: 0
set PageControl1 3
print PageControl1.index
= PageControl1.index: 3
)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempHome home;
    expectTranscript(home, c.transcript);
  }
}

TEST(CliControls, FieldsAfterStartUp) {
  TempHome home;
  expectTranscript(home, R"(print Home
= Home: {HOME}
print SoundName
= SoundName: {HOME}yippee.wav
print ZahlenFile
= ZahlenFile: VuduRO.dat
print LaufMax
= LaufMax: 10000
print sortieren
= sortieren: 1
print groesse
= groesse: 534
print Position
= Position: 0
print Zahl
= Zahl: 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0
print Zahl5
= Zahl5: 0 0 0 0 0
print Statistik
= Statistik: 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0
print ComboBox3.text
= ComboBox3.text: 3
)");
}

TEST(CliControls, RandSeedIsSignedAndTakesAnyThirtyTwoBitPattern) {
  TempHome home;
  expectTranscript(home, R"(set RandSeed -5
print RandSeed
= RandSeed: -5
set RandSeed 4294967295
print RandSeed
= RandSeed: -1
set RandSeed 2147483648
print RandSeed
= RandSeed: -2147483648
set RandSeed 12345
print RandSeed
= RandSeed: 12345
)");
}

TEST(CliControls, AHomeWithALineBreakPrintsOnOneLine) {
  TempHome parent;
  const auto folder = parent.path() / "two\nlines";
  std::filesystem::create_directory(folder);
  const CliResult result =
      runNumoraCli({"--home", folder.string(), "--now", kScriptNow, "script"}, "print Home\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "Home: " + parent.path().string() + "/two\\nlines/\n");
}

}  // namespace
}  // namespace numora::test
