#include <functional>

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

// The start sequence runs once, when the window first shows. Closing one of the program's own
// dialogs changes nothing but what the dialog did: no show by date, no number distribution over
// a chart the user was looking at, no update run and no report.
TEST_F(ActivationTest, ClosingItsOwnDialogsDoesNotStartItAgain) {
  const auto draws = test::generateHistory(encodeDate(2023, 6, 1), encodeDate(2023, 6, 19), true);
  home.writeDraws("Vuduro.dat", draws);
  home.writeBytes("tipps.txt", "01,02,03\r\n");
  // After 19:00 the activation's update run asks the results site for today's draws.
  platform.fixClock(encodeDate(2023, 6, 20) + 20.0 / 24);
  struct Case {
    const char* what;
    std::function<void(TForm1&)> dialog;
  };
  const auto numberChoice = [this](ModalResult result) {
    return [this, result](TForm1& window) {
      window.form.ListBox1.setItemIndex(0);
      platform.queueChoice({result, {}});
      window.SpeedEditClick();
    };
  };
  const Case cases[] = {
      {"the number-choice dialog closed with Abort", numberChoice(ModalResult::Abort)},
      {"the number-choice dialog closed with Cancel", numberChoice(ModalResult::Cancel)},
      {"the lucky-number box, cancelled",
       [this](TForm1& window) {
         platform.queueInput(std::nullopt);
         window.handlers().at("SpeedButton13Click")();
       }},
      {"an input box", [this](TForm1&) { platform.inputBox("Lucky Number", "?", ""); }},
      {"a message box", [this](TForm1&) { platform.showMessage("a message"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    create();
    auto site = std::make_unique<test::FakeResultsSite>();
    site->publish(true, draws);
    const test::FakeResultsSite& requests = *site;
    form1->setHttpClient(std::move(site));
    form().ResultsSiteEdit.setText("https://results.test");
    form1->handle([&] { form1->FormActivate(); });
    ASSERT_EQ(form().Position, 37);
    const std::size_t requestsAfterStart = requests.requests().size();
    ASSERT_GT(requestsAfterStart, 0u);
    // The user steps to the midday draw and charts the pairs.
    form1->handle([&] {
      form1->SpeedButton6Click();
      form1->Button2Click();
    });
    const std::string chart = form().Chart1.bottomTitle();
    const std::size_t messages = platform.messages().size();
    form1->handle([&] { c.dialog(*form1); });
    EXPECT_EQ(form().Chart1.bottomTitle(), chart) << "the number distribution was charted again";
    EXPECT_EQ(form().Position, 36);
    EXPECT_EQ(form().Datum1, draws[36].date);
    EXPECT_EQ(requests.requests().size(), requestsAfterStart) << "the update run ran again";
    EXPECT_LE(platform.messages().size(), messages + 1) << "the start sequence reported again";
  }
}

// A cost per tip chosen in this run survives every later activation and is the one saved.
TEST_F(ActivationTest, TheCostPerTipChosenInThisRunStays) {
  settings.writeInteger("System", 1);
  create();
  form1->handle([&] { form1->FormActivate(); });
  EXPECT_EQ(form().ComboBox1.itemIndex(), 1);
  form().ComboBox1.setItemIndex(3);
  form1->controlChanged("ComboBox1");
  const double price = form().Preis;
  form1->handle([&] { platform.inputBox("Lucky Number", "?", ""); });
  EXPECT_EQ(form().ComboBox1.itemIndex(), 3);
  EXPECT_EQ(form().Preis, price);
  form1->FormClose();
  EXPECT_EQ(settings.readInteger("System"), 3);
}

TEST_F(ActivationTest, ItsOwnMessageBoxDoesNotStartItAgain) {
  create();
  form1->handle([&] { form1->FormActivate(); });
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"First read the data of draws"}));
}

TEST_F(ActivationTest, ASecondActivationChangesNothing) {
  create();
  form1->handle([&] { form1->FormActivate(); });
  form1->handle([&] { form1->FormActivate(); });
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"First read the data of draws"}));
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
