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

// Closing one of the program's own dialogs re-runs the activation; the draw the user looks at
// stays when it lies on the picked date, and the tips are scored against it.
TEST_F(ActivationTest, AfterItsOwnDialogsTheShownDrawOfThePickedDateStays) {
  const auto draws = test::generateHistory(encodeDate(2023, 6, 1), encodeDate(2023, 6, 10), true);
  home.writeDraws("Vuduro.dat", draws);
  home.writeBytes("tipps.txt", "01,02,03\r\n");
  struct Case {
    const char* what;
    std::function<void(TForm1&)> before;
    std::function<void(TForm1&)> dialog;
    int position;
  };
  const auto numberChoice = [this](TForm1& window) {
    window.form.ListBox1.setItemIndex(0);
    platform.queueChoice({ModalResult::Cancel, {}});
    window.SpeedEditClick();
  };
  const auto luckyNumber = [this](TForm1&) { platform.inputBox("Lucky Number", "?", ""); };
  const Case cases[] = {
      {"the evening draw after the number-choice dialog", [](TForm1&) {}, numberChoice, 19},
      {"the evening draw after an input box", [](TForm1&) {}, luckyNumber, 19},
      {"the midday draw, with the evening numbers left in Zahl by a pair search",
       [](TForm1& window) {
         window.SpeedButton6Click();
         window.Button2Click();
       },
       numberChoice, 18},
      {"another picked date: show by date takes its first draw",
       [](TForm1& window) { (void)window.form.DateTimePicker1.setDate(encodeDate(2023, 6, 5)); },
       luckyNumber, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    create();
    form1->handle([&] { form1->FormActivate(); });
    ASSERT_EQ(form().Position, 19);
    form1->handle([&] { c.before(*form1); });
    form().Chart1.setBottomTitle("before the dialog");
    form1->handle([&] { c.dialog(*form1); });
    EXPECT_FALSE(platform.reactivationPending);
    EXPECT_NE(form().Chart1.bottomTitle(), "before the dialog") << "the activation ran again";
    const DrawRecord& shown = draws[static_cast<std::size_t>(c.position)];
    EXPECT_EQ(form().Position, c.position);
    EXPECT_EQ(form().Datum1, shown.date);
    int hits = 0;
    for (int i = 0; i < 20; ++i) {
      EXPECT_EQ(form().Zahl[i + 1], shown.numbers[i]);
      hits += shown.numbers[i] >= 1 && shown.numbers[i] <= 3;
    }
    ASSERT_EQ(form().ListBox2.count(), 1u);
    EXPECT_EQ(form().ListBox2.line(0), std::to_string(hits));
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
