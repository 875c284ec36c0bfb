// Editing the selected tip with the number-choice dialog, against a dialog that only records
// what the edit does to it: the preselection, the buttons and limit while it is shown, the line
// the answer leaves behind.
#include "tips/tip_editing.h"

#include <gtest/gtest.h>

#include <bitset>
#include <string>
#include <vector>

#include "form/scripted_platform.h"

namespace numora {
namespace {

class RecordingChoiceDialog : public NumberChoiceDialog {
 public:
  void clearChoices() override { chosen.reset(); }
  void setNeutralColour() override { highlighted.reset(); }
  void chooseHighlighted(int number) override {
    chosen.set(static_cast<std::size_t>(number));
    highlighted.set(static_cast<std::size_t>(number));
  }
  bool isChosen(int number) const override { return chosen.test(static_cast<std::size_t>(number)); }
  void setMaxTipp(int count) override { maxTipp = count; }
  void useEditButtons(bool edit) override { editButtons = edit; }
  void setCaption(const std::string& text) override { caption = text; }
  void useDrawEntry(bool, bool) override {}
  void setEntryDate(DayCount) override {}
  DayCount entryDate() const override { return 0; }
  void setMiddayChosen(bool) override {}
  bool middayChosen() const override { return false; }

  std::bitset<kNumbers + 1> chosen;
  std::bitset<kNumbers + 1> highlighted;
  int maxTipp = 0;
  bool editButtons = false;
  std::string caption;
};

class TipEditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.sortieren = true;
    // The user's ticks ("+N", "-N") while the dialog is shown.
    platform.applyChoiceSteps = [this](const std::vector<std::string>& steps) {
      for (const auto& step : steps) {
        dialog.chosen.set(static_cast<std::size_t>(std::stoi(step.substr(1))), step[0] == '+');
      }
    };
  }
  void edit(ModalResult result, std::vector<std::string> steps = {}) {
    platform.queueChoice({result, std::move(steps)});
    editSelectedTip(form, platform, dialog);
  }

  Form form;
  ScriptedPlatform platform;
  RecordingChoiceDialog dialog;
};

TEST_F(TipEditingTest, TheAnswerDecidesTheSelectedLine) {
  struct Case {
    const char* what;
    int numbersPerTip;
    std::vector<std::string> lines;
    int selected;  // -1: the list is empty
    ModalResult result;
    std::vector<std::string> steps;
    std::vector<std::string> expected;
  };
  const std::vector<std::string> tenNumbers = {"05,10,15,20,25,30,35,40,45,50"};
  const Case cases[] = {
      {"an empty list gets the chosen numbers, ascending, as its first tip",
       10,
       {},
       -1,
       ModalResult::Ok,
       {"+30", "+4", "+17"},
       {"04,17,30"}},
      {"only the lowest numbers per tip are kept",
       6,
       {"01,02,03,04,05,06,07,08,09,10"},
       0,
       ModalResult::Ok,
       {"+11", "+12", "+13", "+14"},
       {"01,02,03,04,05,06"}},
      {"ten boxes left ticked with 6 per tip store the six lowest",
       6,
       tenNumbers,
       0,
       ModalResult::Ok,
       {},
       {"05,10,15,20,25,30"}},
      {"unticking one of the six lowest lets the seventh in",
       6,
       tenNumbers,
       0,
       ModalResult::Ok,
       {"-5", "+70"},
       {"10,15,20,25,30,35"}},
      {"a number without a box ends the preselection",
       10,
       {"01,02", "03,15,99,20"},
       1,
       ModalResult::Ok,
       {},
       {"01,02", "03,15"}},
      {"a 0 has no box and is passed over", 10, {"00,07"}, 0, ModalResult::Ok, {}, {"07"}},
      {"blanks after the commas do not shorten the tip",
       10,
       {"01, 02, 03, 04, 05"},
       0,
       ModalResult::Ok,
       {},
       {"01,02,03,04,05"}},
      {"blanks and tabs on both sides of a number",
       10,
       {" 7 ,\t9 , 70"},
       0,
       ModalResult::Ok,
       {},
       {"07,09,70"}},
      {"single digits come out with two", 10, {"3,15"}, 0, ModalResult::Ok, {}, {"03,15"}},
      {"the selected line is replaced in its place",
       10,
       {"01,02", "03,04", "05,06"},
       1,
       ModalResult::Ok,
       {"+9", "-3"},
       {"01,02", "04,09", "05,06"}},
      {"cancel keeps the line", 10, {"05,06"}, 0, ModalResult::Cancel, {"+7"}, {"05,06"}},
      {"abort keeps the line", 10, {"05,06"}, 0, ModalResult::Abort, {"+7"}, {"05,06"}},
      {"retry keeps the line", 10, {"05,06"}, 0, ModalResult::Retry, {"+7"}, {"05,06"}},
      {"a cancelled edit of an empty list leaves no empty line",
       10,
       {},
       -1,
       ModalResult::Cancel,
       {"+7"},
       {}},
      {"an aborted edit of an empty list leaves no empty line",
       10,
       {},
       -1,
       ModalResult::Abort,
       {},
       {}},
      {"OK with nothing ticked leaves no empty line", 10, {}, -1, ModalResult::Ok, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form.UpDown18.setPosition(c.numbersPerTip);
    form.ListBox1.setLines(c.lines);
    form.ListBox1.setItemIndex(c.selected);
    edit(c.result, c.steps);
    EXPECT_EQ(form.ListBox1.lines(), c.expected);
  }
}

TEST_F(TipEditingTest, TheDialogOpensWithTheLineInEditModeAndIsLeftReadyToCalculate) {
  form.UpDown18.setPosition(6);
  form.ListBox1.setLines({"01,02", "03,15,99,20"});
  form.ListBox1.setItemIndex(1);
  bool shown = false;
  platform.applyChoiceSteps = [&](const std::vector<std::string>&) {
    shown = true;
    EXPECT_EQ(dialog.chosen.count(), 2u);
    EXPECT_TRUE(dialog.chosen.test(3) && dialog.chosen.test(15));
    EXPECT_EQ(dialog.highlighted, dialog.chosen) << "the preselected numbers are yellow";
    EXPECT_TRUE(dialog.editButtons);
    EXPECT_EQ(dialog.maxTipp, 6);
  };
  dialog.chooseHighlighted(40);  // left over from the last time the dialog was shown
  edit(ModalResult::Ok);
  ASSERT_TRUE(shown);
  EXPECT_FALSE(dialog.editButtons);
  EXPECT_EQ(dialog.caption, "Select numbers for calculation");
  EXPECT_TRUE(dialog.highlighted.none());
}

TEST_F(TipEditingTest, TheFullCheckScoresTheEditedList) {
  for (int i = 1; i <= 20; ++i) form.Zahl[i] = i;  // a current draw to score against
  form.ListBox1.setLines({"05,06"});
  form.ListBox1.setItemIndex(0);
  edit(ModalResult::Ok, {"+30"});
  EXPECT_EQ(form.ListBox1.lines(), (std::vector<std::string>{"05,06,30"}));
  EXPECT_EQ(form.ListBox2.lines(), (std::vector<std::string>{"2"}));
}

TEST_F(TipEditingTest, NothingSelectedSaysSoAndScoresNothing) {
  for (int i = 1; i <= 20; ++i) form.Zahl[i] = i;
  form.ListBox1.setLines({"05,06"});
  form.ListBox2.setLines({"stale"});
  edit(ModalResult::Ok, {"+7"});
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"First select a tip from"}));
  EXPECT_EQ(form.ListBox1.lines(), (std::vector<std::string>{"05,06"}));
  EXPECT_EQ(form.ListBox2.lines(), (std::vector<std::string>{"stale"}));
  EXPECT_FALSE(dialog.editButtons) << "the dialog was not prepared";
}

}  // namespace
}  // namespace numora
