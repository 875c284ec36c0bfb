#include "support/app_fixture.h"
#include "support/results_pages.h"

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
  // The number distribution is charted, the cost choice restored and the price recomputed.
  EXPECT_EQ(form().Chart1.series(2).bars.size(), 70u);
  EXPECT_EQ(form().Chart1.bottomTitle().rfind("number distribution     draw: ", 0), 0u);
  EXPECT_EQ(form().ComboBox1.itemIndex(), 0);
  EXPECT_EQ(form().Preis, 1.0 * 5 * 5);
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

TEST_F(ActivationTest, ClosingTheWindowStopsARunningUpdateQuietly) {
  const auto draws = test::generateHistory(encodeDate(2023, 5, 1), encodeDate(2023, 6, 19), false);
  settings.writeInteger("Radio1", 0);
  home.writeDraws("Kenoal.dat", {draws.front()});
  create();
  form().ResultsSiteEdit.setText("https://results.test");
  auto site = std::make_unique<test::FakeResultsSite>();
  site->publish(false, draws);
  form1->setHttpClient(std::move(site));
  bool closed = false;
  platform.onProcessEvents = [&] {
    if (!closed && form().aktDatum >= encodeDate(2023, 5, 3)) {
      closed = true;
      form1->handle([&] { form1->FormClose(); });
    }
  };
  form1->FormActivate();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(platform.messages().empty()) << "no report after the window closed";
  EXPECT_FALSE(form().SpeedButton8.visible());
  EXPECT_TRUE(settings.readInteger("Radio1").has_value());
  EXPECT_LT(form().aktDatum, encodeDate(2023, 5, 10));
}

TEST_F(ActivationTest, ResultsPageAddressesFollowTheResultsSite) {
  create();
  EXPECT_EQ(form().Label53.caption(), "/canada/dailykeno-numbers");
  form1->handle(form1->handlers().at("Label53Click"));
  EXPECT_EQ(platform.messages().back(),
            "Please enter the address of the results site on the Internet-Options tab.");
  EXPECT_TRUE(platform.opened().empty());
  form().ResultsSiteEdit.setText("https://results.test/");
  form1->controlChanged("ResultsSiteEdit");
  EXPECT_EQ(form().Label53.caption(), "https://results.test/canada/dailykeno-numbers");
  EXPECT_EQ(form().Label54.caption(), "https://results.test/canada/atlantic-keno-numbers");
  form1->handle(form1->handlers().at("Label54Click"));
  EXPECT_EQ(platform.opened(),
            (std::vector<std::string>{"https://results.test/canada/atlantic-keno-numbers"}));
}

}  // namespace
}  // namespace numora
