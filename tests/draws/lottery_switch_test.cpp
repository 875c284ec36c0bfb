#include "draws/lottery.h"

#include "support/draw_test_fixture.h"

namespace numora {
namespace {

class LotterySwitchTest : public test::DrawTest {};

TEST_F(LotterySwitchTest, DailyKenoLowersBothLimitsAndTheStatisticsStart) {
  home.writeDraws("Vuduro.dat",
                  test::generateHistory(encodeDate(2023, 6, 1), encodeDate(2023, 6, 10), true));
  form.RadioGroup1.setItemIndex(kDailyKeno);
  switchLottery(context());
  EXPECT_EQ(form.ZahlenFile, "Vuduro.dat");
  EXPECT_EQ(form.DateTimePicker1.minDate(), encodeDate(1996, 4, 29));
  EXPECT_EQ(form.DateTimePicker2.minDate(), encodeDate(1996, 4, 29));
  EXPECT_EQ(form.DateTimePicker2.date(), encodeDate(1996, 4, 29));
  EXPECT_TRUE(form.DateTimePicker1.setDate(encodeDate(1997, 1, 1)));
  // The latest draw is shown (today lies after it).
  EXPECT_EQ(form.Datum1, encodeDate(2023, 6, 10));
  EXPECT_EQ(form.Position, 19);
}

TEST_F(LotterySwitchTest, KenoAtlanticRaisesTheLimitsAfterSettingTheStart) {
  home.writeDraws("Kenoal.dat",
                  test::generateHistory(encodeDate(2023, 6, 1), encodeDate(2023, 6, 25), false));
  form.RadioGroup1.setItemIndex(kDailyKeno);
  switchLottery(context());
  form.RadioGroup1.setItemIndex(kKenoAtlantic);
  switchLottery(context());
  EXPECT_EQ(form.ZahlenFile, "Kenoal.dat");
  EXPECT_EQ(form.DateTimePicker1.minDate(), encodeDate(2001, 10, 22));
  EXPECT_EQ(form.DateTimePicker2.minDate(), encodeDate(2001, 10, 22));
  EXPECT_EQ(form.DateTimePicker2.date(), encodeDate(2001, 10, 22));
  EXPECT_FALSE(form.DateTimePicker1.setDate(encodeDate(2000, 1, 1)));
  // Today (20.06.2023) has a stored draw: that one is shown.
  EXPECT_EQ(form.Datum1, encodeDate(2023, 6, 20));
}

TEST_F(LotterySwitchTest, SwitchToALotteryWithoutFileSaysSo) {
  form.RadioGroup1.setItemIndex(kKenoAtlantic);
  switchLottery(context());
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"First read the data of draws"}));
}

}  // namespace
}  // namespace numora
