#include "draws/first_start_hint.h"

#include "draws/lottery.h"
#include "support/draw_test_fixture.h"

namespace numora {
namespace {

class FirstStartHintTest : public test::DrawTest {
 protected:
  void expectHint(int lotteryIndex) {
    const std::string hint = firstStartHint(lotteryIndex);
    EXPECT_EQ(form.Label29.caption(), hint);
    EXPECT_EQ(form.Label35.caption(), hint);
    EXPECT_EQ(form.Chart1.hint(), hint);
  }
};

TEST_F(FirstStartHintTest, SaysWhereToGetDraws) {
  EXPECT_EQ(firstStartHint(kDailyKeno),
            "No draws of Daily Keno yet: import a file on the \"Database\" tab, or enter the "
            "results site on the \"Internet-Options\" tab and update.");
  EXPECT_NE(firstStartHint(kKenoAtlantic).find("Keno Atlantic"), std::string::npos);
}

TEST_F(FirstStartHintTest, ShowsWithoutADrawFileAndWithAnEmptyOne) {
  (void)form.DateTimePicker1.setDate(encodeDate(2023, 6, 20));
  showDrawByDate(context());
  expectHint(kDailyKeno);

  home.writeDraws("Vuduro.dat", {});
  showDrawByDate(context());
  expectHint(kDailyKeno);
}

TEST_F(FirstStartHintTest, GoesOnceADrawIsStored) {
  home.writeDraws("Vuduro.dat", {});
  showDrawByDate(context());
  home.writeDraws("Vuduro.dat", {test::makeDraw(encodeDate(2023, 6, 19), {1, 2, 3}, true)});
  showDrawByDate(context());
  EXPECT_EQ(form.Chart1.hint(), "");
  EXPECT_EQ(form.Label29.caption().substr(0, 12), "Mon 19.06.23");
  EXPECT_EQ(form.Label35.caption(), form.Label29.caption());
}

TEST_F(FirstStartHintTest, FollowsTheLotterySwitch) {
  home.writeDraws("Vuduro.dat", {test::makeDraw(encodeDate(2023, 6, 19), {1, 2, 3}, true)});
  form.RadioGroup1.setItemIndex(kKenoAtlantic);
  switchLottery(context());
  expectHint(kKenoAtlantic);
  form.RadioGroup1.setItemIndex(kDailyKeno);
  switchLottery(context());
  EXPECT_EQ(form.Chart1.hint(), "");
}

TEST_F(FirstStartHintTest, AStepWithinAnEmptyFileKeepsIt) {
  home.writeDraws("Vuduro.dat", {});
  stepToNextDraw(context());
  expectHint(kDailyKeno);
}

}  // namespace
}  // namespace numora
