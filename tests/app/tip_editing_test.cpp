// SpeedEditClick edits the selected tip in the window's own number-choice dialog; the rules of
// the edit are the tips layer's table.
#include "support/app_fixture.h"

namespace numora {
namespace {

class TipEditingWiring : public test::AppTest {};

TEST_F(TipEditingWiring, SpeedEditClickEditsTheSelectedTipInTheWindowsDialog) {
  home.writeDraws("Vuduro.dat",
                  test::generateHistory(encodeDate(2023, 6, 1), encodeDate(2023, 6, 10), true));
  TForm1& window = create();
  Form& form = window.form;
  form.ListBox1.setLines({"01,02", "03,15,99,20"});
  form.ListBox1.setItemIndex(1);
  bool shown = false;
  platform.applyChoiceSteps = [&](const std::vector<std::string>&) {
    shown = true;
    EXPECT_EQ(window.Form6.checkedNumbers().size(), 2u);
    EXPECT_TRUE(window.Form6.isChosen(3));
    EXPECT_TRUE(window.Form6.isChosen(15));
    EXPECT_EQ(window.Form6.box(15).colour, BoxColour::Yellow);
    EXPECT_TRUE(window.Form6.BitBtn4.visible);
    EXPECT_FALSE(window.Form6.BitBtn3.visible);
    EXPECT_EQ(window.Form6.tipLimit, 10);
    window.Form6.setChecked(40, true);
  };
  platform.queueChoice({ModalResult::Ok, {}});
  window.handle([&] { window.SpeedEditClick(); });

  ASSERT_TRUE(shown);
  EXPECT_EQ(form.ListBox1.lines(), (std::vector<std::string>{"01,02", "03,15,40"}));
  // The dialog is back in its normal state.
  EXPECT_FALSE(window.Form6.BitBtn4.visible);
  EXPECT_TRUE(window.Form6.BitBtn3.visible);
  EXPECT_EQ(window.Form6.caption(), "Select numbers for calculation");
  EXPECT_EQ(window.Form6.box(15).colour, BoxColour::Neutral);
  // Closing the dialog does not run the start sequence again: no show by date, no cost choice.
  EXPECT_EQ(form.Datum1, 0);
  EXPECT_EQ(form.ComboBox1.itemIndex(), -1);
}

}  // namespace
}  // namespace numora
