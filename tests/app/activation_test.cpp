#include "support/app_fixture.h"

namespace numora {
namespace {

class ActivationTest : public test::AppTest {};

TEST_F(ActivationTest, FirstActivationShowsTheLatestDrawAndScoresTheTips) {
  home.writeDraws("Vuduro.dat",
                  test::generateHistory(encodeDate(2023, 6, 1), encodeDate(2023, 6, 10), true));
  home.writeBytes("tipps.txt", "01,02,03\r\n");
  create();
  form1->FormActivate();
  EXPECT_EQ(form().Datum1, encodeDate(2023, 6, 10));
  EXPECT_EQ(form().Position, 19);
  EXPECT_EQ(form().ListBox2.count(), 1u);
  EXPECT_FALSE(form().Label35.caption().empty());
}

TEST_F(ActivationTest, ItsOwnMessageBoxDoesNotStartItAgain) {
  create();
  form1->handle([&] { form1->FormActivate(); });
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"First read the data of draws"}));
}

TEST_F(ActivationTest, AnInputBoxOfAHandlerRunsItAgainAfterTheHandler) {
  create();
  int shownDuringHandler = -1;
  form1->handle([&] {
    platform.inputBox("Lucky Number", "?", "");
    shownDuringHandler = static_cast<int>(platform.messages().size());
  });
  EXPECT_EQ(shownDuringHandler, 0);
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"First read the data of draws"}));
  EXPECT_FALSE(platform.reactivationPending);
}

TEST_F(ActivationTest, ADialogClosedWhileItRunsDoesNotStartItAgain) {
  create();
  platform.reactivationPending = true;
  form1->handle([&] { form1->FormActivate(); });
  EXPECT_EQ(platform.messages().size(), 1u);
  EXPECT_FALSE(platform.reactivationPending);
}

TEST_F(ActivationTest, ErrorsOfAHandlerBecomeMessageBoxes) {
  create();
  form1->handle(form1->handlers().at("SpeedButton6Click"));  // no draw file
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_NE(platform.messages()[0].find("VuduRO.dat"), std::string::npos);
}

}  // namespace
}  // namespace numora
