#include "support/app_fixture.h"

namespace numora {
namespace {

class TipEditingTest : public test::AppTest {
 protected:
  void SetUp() override {
    create();
    platform.applyChoiceSteps = [this](const std::vector<std::string>& steps) {
      for (const auto& step : steps) {
        const int number = std::stoi(step.substr(1));
        form1->Form6.setChecked(number, step[0] == '+');
      }
    };
  }
  void edit(ModalResult result, std::vector<std::string> steps = {}) {
    platform.queueChoice({result, std::move(steps)});
    form1->handle([&] { form1->SpeedEditClick(); });
  }
};

TEST_F(TipEditingTest, EmptyListGetsTheChosenNumbersAsItsFirstTip) {
  for (int i = 1; i <= 20; ++i) form().Zahl[i] = i;  // a current draw to score against
  edit(ModalResult::Ok, {"+30", "+4", "+17"});
  EXPECT_EQ(form().ListBox1.lines(), (std::vector<std::string>{"04,17,30"}));
  EXPECT_EQ(form().ListBox2.count(), 1u) << "the full check ran";
}

TEST_F(TipEditingTest, OnlyTheLowestNumbersPerTipAreKept) {
  form().UpDown18.setPosition(6);
  form().ListBox1.setLines({"01,02,03,04,05,06,07,08,09,10"});
  form().ListBox1.setItemIndex(0);
  edit(ModalResult::Ok, {"+11", "+12", "+13", "+14"});
  EXPECT_EQ(form().ListBox1.lines(), (std::vector<std::string>{"01,02,03,04,05,06"}));
}

TEST_F(TipEditingTest, PreselectionStopsAtTheFirstNumberWithoutABox) {
  form().ListBox1.setLines({"01,02", "03,15,99,20"});
  form().ListBox1.setItemIndex(1);
  int shownChecked = -1;
  platform.applyChoiceSteps = [&](const std::vector<std::string>&) {
    shownChecked = static_cast<int>(form1->Form6.checkedNumbers().size());
    EXPECT_TRUE(form1->Form6.isChosen(3));
    EXPECT_TRUE(form1->Form6.isChosen(15));
    EXPECT_EQ(form1->Form6.box(15).colour, BoxColour::Yellow);
    EXPECT_TRUE(form1->Form6.BitBtn4.visible);
    EXPECT_FALSE(form1->Form6.BitBtn3.visible);
    EXPECT_EQ(form1->Form6.tipLimit, 10);
  };
  edit(ModalResult::Ok);
  EXPECT_EQ(shownChecked, 2);
  EXPECT_EQ(form().ListBox1.line(1), "03,15");
  // The dialog is back in its normal state.
  EXPECT_FALSE(form1->Form6.BitBtn4.visible);
  EXPECT_TRUE(form1->Form6.BitBtn3.visible);
  EXPECT_EQ(form1->Form6.caption(), "Select numbers for calculation");
  EXPECT_EQ(form1->Form6.box(15).colour, BoxColour::Neutral);
}

// Number texts are read as the full check reads them, so OK without changes keeps the tip.
TEST_F(TipEditingTest, BlanksAroundTheNumbersDoNotShortenTheTip) {
  const std::pair<const char*, const char*> cases[] = {
      {"01, 02, 03, 04, 05", "01,02,03,04,05"},
      {" 7 ,\t9 , 70", "07,09,70"},
      {"3,15", "03,15"},
  };
  for (const auto& [line, kept] : cases) {
    SCOPED_TRACE(line);
    form().ListBox1.setLines({line});
    form().ListBox1.setItemIndex(0);
    edit(ModalResult::Ok);
    EXPECT_EQ(form().ListBox1.lines(), (std::vector<std::string>{kept}));
  }
}

TEST_F(TipEditingTest, CancelKeepsTheLineAndAnAddedEmptyLineIsRemoved) {
  form().ListBox1.setLines({"05,06"});
  form().ListBox1.setItemIndex(0);
  edit(ModalResult::Cancel, {"+7"});
  EXPECT_EQ(form().ListBox1.lines(), (std::vector<std::string>{"05,06"}));

  form().ListBox1.clear();
  edit(ModalResult::Abort);
  EXPECT_TRUE(form().ListBox1.lines().empty());
}

TEST_F(TipEditingTest, NothingSelectedSaysSoAndScoresNothing) {
  form().ListBox1.setLines({"05,06"});
  form().ListBox2.setLines({"stale"});
  edit(ModalResult::Ok, {"+7"});
  ASSERT_FALSE(platform.messages().empty());
  EXPECT_EQ(platform.messages().front(), "First select a tip from");
  EXPECT_EQ(form().ListBox1.lines(), (std::vector<std::string>{"05,06"}));
  EXPECT_EQ(form().ListBox2.lines(), (std::vector<std::string>{"stale"}));
}

// The start sequence is not run again after the dialog: no show by date, no cost choice.
TEST_F(TipEditingTest, TheDialogDoesNotRunTheStartSequenceAgain) {
  home.writeDraws("Vuduro.dat",
                  test::generateHistory(encodeDate(2023, 6, 1), encodeDate(2023, 6, 10), true));
  edit(ModalResult::Ok, {"+1"});
  EXPECT_EQ(form().Datum1, 0);
  EXPECT_EQ(form().ComboBox1.itemIndex(), -1);
}

}  // namespace
}  // namespace numora
