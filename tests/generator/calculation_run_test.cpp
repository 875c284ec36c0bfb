#include "generator/calculation_run.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <set>

#include "common/text.h"
#include "evaluation/tip_text.h"
#include "generator/lucky_number.h"
#include "support/calculation_fixture.h"

namespace numora::test {
namespace {

class CalculationRunTest : public CalculationTest {
 protected:
  // A tip that no candidate can satisfy: six primes in a tip of three numbers.
  void unsatisfiable() {
    form().UpDown18.setPosition(3);
    form().CheckBox22.setChecked(true);
    form().UpDown10.setPosition(6);
  }
  void click() { form1->BitBtn19Click(); }
  const std::vector<std::string>& tips() { return form().ListBox1.lines(); }
};

TEST_F(CalculationRunTest, TheSameLuckyNumberGivesTheSameTips) {
  create();
  std::vector<std::vector<std::string>> runs;
  for (const char* lucky : {"4711", " 4711 ", "4712"}) {
    platform.queueInput(lucky);
    form1->SpeedButton13Click();
    EXPECT_EQ(form().StatusBar1.panel(1),
              std::string("set lucky number ") + (lucky[0] == ' ' ? "4711" : lucky));
    click();
    EXPECT_EQ(tips().size(), 5u);
    EXPECT_EQ(form().BitBtn4.caption(), "calculate tips");
    runs.push_back(tips());
  }
  EXPECT_EQ(runs[0], runs[1]);
  EXPECT_NE(runs[0], runs[2]);
  // Each tip: ten numbers, two digits each, ascending.
  for (const auto& line : runs[0]) {
    ASSERT_EQ(line.size(), 29u) << line;
    const TipNumbers numbers = readTipNumbers(line, 10);
    EXPECT_TRUE(std::is_sorted(numbers.values.begin(), numbers.values.begin() + 10));
  }
}

TEST_F(CalculationRunTest, TheProgressBarCountsTheTipsFoundOfTheTipsAsked) {
  create();
  std::set<std::string> seen;
  platform.onProcessEvents = [&] {
    EXPECT_TRUE(form().WorkProgress.visible());
    // The bar counts candidates against the run budget of every tip asked.
    EXPECT_EQ(form().WorkProgress.maximum(), 5 * 10000);
    const std::string caption = form().WorkProgress.caption();
    if (caption.find("; candidate") == std::string::npos) {
      seen.insert(std::to_string(form().WorkProgress.position()) + " " + caption);
    }
  };
  click();
  EXPECT_EQ(tips().size(), 5u);
  EXPECT_EQ(seen,
            (std::set<std::string>{
                "0 Calculation: 0 of 5 tips found", "10000 Calculation: 1 of 5 tips found",
                "20000 Calculation: 2 of 5 tips found", "30000 Calculation: 3 of 5 tips found",
                "40000 Calculation: 4 of 5 tips found"}));
  EXPECT_FALSE(form().WorkProgress.visible());
}

TEST_F(CalculationRunTest, TheProgressBarMovesWithTheCandidatesTriedAgainstTheBudget) {
  create();
  allOptionsOff();
  unsatisfiable();
  form().UpDown9.setPosition(2);
  form().UpDown7.setPosition(1);
  std::vector<std::string> seen;
  platform.onProcessEvents = [&] {
    seen.push_back(std::to_string(form().WorkProgress.position()) + "/" +
                   std::to_string(form().WorkProgress.maximum()) + " " +
                   form().WorkProgress.caption());
  };
  click();
  ASSERT_EQ(seen.size(), 1000u);
  EXPECT_EQ(seen[0], "0/2000 Calculation: 0 of 2 tips found");
  // Seen before the 501st candidate: 500 tried.
  EXPECT_EQ(seen[500], "500/2000 Calculation: 0 of 2 tips found; candidate 500 of 1,000 for tip 1");
}

TEST_F(CalculationRunTest, ACalculationThatEndsShortSaysWhyUntilTheNextOne) {
  create();
  allOptionsOff();
  unsatisfiable();  // six primes in a three-number tip
  form().UpDown7.setPosition(1);
  std::vector<std::string> reported;
  platform.report = [&](const std::string& line) { reported.push_back(line); };
  click();
  const std::vector<std::string> expected{
      "Never met together: at least 6 prime numbers in a 3-number tip (Options \u203a "
      "mathematically).",
      "1,000 of 1,000 candidates: prime numbers (Options \u203a mathematically)",
      "To let most candidates through: lower the prime minimum from 6 to 3 (Options \u203a "
      "mathematically)."};
  EXPECT_EQ(splitLines(form().TipExplanation.text()), expected);
  EXPECT_TRUE(form().TipExplanation.visible());
  // The status line keeps its text; its tooltip leads with the explanation.
  EXPECT_EQ(form().StatusBar1.panel(1), "Change the parameters to calculate 5  Tips ");
  EXPECT_EQ(form().StatusBar1.hint().rfind(form().TipExplanation.text(), 0), 0u);
  EXPECT_NE(form().StatusBar1.hint().find("prime numbers: 1000"), std::string::npos);
  std::vector<std::string> details;
  for (const auto& line : reported) {
    if (line.rfind("detail: ", 0) == 0) details.push_back(line.substr(8));
  }
  EXPECT_EQ(details, expected);
  EXPECT_TRUE(platform.messages().empty());  // no message box

  // The next calculation that finds every tip clears it.
  form().CheckBox22.setChecked(false);
  reported.clear();
  click();
  EXPECT_EQ(tips().size(), 5u);
  EXPECT_EQ(form().TipExplanation.text(), "");
  EXPECT_FALSE(form().TipExplanation.visible());
  EXPECT_TRUE(reported.empty());
}

TEST_F(CalculationRunTest, AStopHidesTheProgressBar) {
  create();
  allOptionsOff();
  unsatisfiable();
  platform.onProcessEvents = [&] { form1->handle([&] { form1->BitBtn19Click(); }); };
  click();
  EXPECT_FALSE(form().WorkProgress.visible());
}

TEST_F(CalculationRunTest, ALuckyNumberThatIsNoWholeNumberChangesNothing) {
  create();
  form().random.setSeed(-5);
  for (const char* answer : {"12x", "", "1 2", "99999999999"}) {
    platform.queueInput(answer);
    form1->SpeedButton13Click();
    EXPECT_EQ(form().random.seed(), -5) << answer;
  }
  EXPECT_EQ(form().StatusBar1.panel(1), "");
  // Cancel returns the proposal: the generator keeps its state.
  platform.queueInput(std::nullopt);
  form1->SpeedButton13Click();
  EXPECT_EQ(form().random.seed(), -5);
  EXPECT_EQ(form().StatusBar1.panel(1), "");
}

// The box asks for 1..99999999 and proposes a number of that range, never the negative state.
TEST(LuckyNumber, TheProposalLiesInTheBoxsRange) {
  const struct {
    std::int64_t state;
    int proposal;
  } cases[] = {
      {4711, 4711},  // in range: proposed as it is, so typing it again repeats the tips
      {99999999, 99999999},
      {0, 1},
      {100000000, 2},
      {-1512374148, static_cast<int>(2782593148u % 99999999u + 1)},
      {-1, static_cast<int>(4294967295u % 99999999u + 1)},
  };
  for (const auto& c : cases) {
    Random random;
    random.setSeed(c.state);
    EXPECT_EQ(proposedLuckyNumber(random), c.proposal) << c.state;
  }
}

TEST_F(CalculationRunTest, HalfTheBudgetSwitchesThePairRequirementOffUntilTheEnd) {
  create();
  allOptionsOff();
  unsatisfiable();
  form().UpDown7.setPosition(1);
  form().CheckBox8.setChecked(true);
  std::vector<bool> pairRequired;
  platform.onProcessEvents = [&] { pairRequired.push_back(form().CheckBox8.checked()); };
  click();
  ASSERT_EQ(pairRequired.size(), 1000u);
  EXPECT_TRUE(pairRequired[499]);   // before the 500th candidate
  EXPECT_FALSE(pairRequired[500]);  // before the 501st
  EXPECT_TRUE(form().CheckBox8.checked());
  EXPECT_TRUE(tips().empty());
  EXPECT_EQ(form().StatusBar1.panel(1), "Change the parameters to calculate 5  Tips ");
  const auto& counts = form1->calculationState().rejections;
  EXPECT_EQ(counts.candidates, 1000);
  // Until half the budget the missing pair rejected, then the primes.
  EXPECT_EQ(counts.byFilter[2] + counts.byFilter[12], 1000);
  EXPECT_GT(counts.byFilter[12], 500);
  EXPECT_NE(form().StatusBar1.hint().find("prime numbers: "), std::string::npos);
}

TEST_F(CalculationRunTest, ATipAcceptedInTheRunThatReachesTheBudgetIsNotListed) {
  create();
  allOptionsOff();
  unsatisfiable();
  form().UpDown7.setPosition(1);
  int calls = 0;
  platform.onProcessEvents = [&] {
    // The 1000th candidate passes every filter.
    if (++calls == 1000) form().CheckBox22.setChecked(false);
  };
  // The search itself on the window's form: no window lets an option change in its middle.
  CalculationState state;
  startOrStopCalculation(CalculationContext{form(), platform, form1->drawReader(), form1->Form6},
                         state);
  EXPECT_EQ(calls, 1000);
  EXPECT_TRUE(tips().empty());
  EXPECT_EQ(form().StatusBar1.panel(1), "Change the parameters to calculate 5  Tips ");
  EXPECT_EQ(state.rejections.candidates, 1000);
  EXPECT_EQ(state.rejections.byFilter[12], 999);
}

TEST_F(CalculationRunTest, AStopRequestDiscardsTheTipBeingSearched) {
  create();
  allOptionsOff();
  unsatisfiable();
  int calls = 0;
  platform.onProcessEvents = [&] {
    if (++calls != 10) return;
    // The user clicks the button; this candidate passes, but the tip is not listed.
    form1->handle([&] { form1->BitBtn19Click(); });
    form().CheckBox22.setChecked(false);
  };
  click();
  EXPECT_EQ(calls, 10);
  EXPECT_TRUE(tips().empty());
  EXPECT_EQ(form().StatusBar1.panel(1), "Tips have been recalculated");
  EXPECT_EQ(form().BitBtn4.caption(), "calculate tips");
  EXPECT_TRUE(form().sortieren);
}

TEST_F(CalculationRunTest, ClosingTheWindowEndsTheCalculation) {
  create();
  allOptionsOff();
  unsatisfiable();
  int calls = 0;
  platform.onProcessEvents = [&] {
    if (++calls == 7) form1->handle([&] { form1->FormClose(); });
  };
  click();
  EXPECT_EQ(calls, 7);
  EXPECT_TRUE(tips().empty());
  EXPECT_EQ(form().BitBtn4.caption(), "calculate tips");
}

TEST_F(CalculationRunTest, AClickWhileAStopIsPendingStartsNoSecondCalculation) {
  create();
  allOptionsOff();
  unsatisfiable();
  int calls = 0;
  platform.onProcessEvents = [&] {
    if (++calls != 3) return;
    // Two clicks arrive in one pass of the event processing: stop, and start again.
    form1->handle([&] { form1->BitBtn19Click(); });
    form1->handle([&] { form1->BitBtn19Click(); });
  };
  click();
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(form1->calculationState().rejections.candidates, 3);
  EXPECT_EQ(form().BitBtn4.caption(), "calculate tips");
  EXPECT_FALSE(form1->calculationState().running);
}

TEST_F(CalculationRunTest, APoolTooSmallForATipDrawsNothing) {
  create();
  allOptionsOff();
  form().CheckBox15.setChecked(true);  // only preferred numbers: none
  form().CheckBox31.setChecked(true);
  form().ComboBox3.setItemIndex(0);
  form().CheckBox4.setChecked(true);  // removes the last draw's numbers again
  click();
  EXPECT_EQ(platform.processEventsCalls(), 0);
  EXPECT_EQ(
      platform.messages(),
      std::vector<std::string>{"The number pool holds only 0 different numbers; a tip needs 10."});
  EXPECT_EQ(form().StatusBar1.panel(1), "Change the parameters to calculate 5  Tips ");
  EXPECT_EQ(form().BitBtn4.caption(), "calculate tips");

  // With the list already full no tip is due, and nothing is said.
  form().CheckBox28.setChecked(false);
  for (int i = 0; i < 5; ++i) form().ListBox1.add("01,02,03,04,05,06,07,08,09,10");
  click();
  EXPECT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(form().StatusBar1.panel(1), "start of calculation");
}

// The history filter reads the draws the steps walk: a repeat of an earlier date appended out of
// order, holding the numbers no draw of the window holds, once rejected every candidate.
TEST_F(CalculationRunTest, TheHistoryFilterPassesOverADamagedRecord) {
  std::vector<int> upper(50);
  std::iota(upper.begin(), upper.end(), 21);
  std::mt19937 engine(30);
  std::vector<DrawRecord> records;
  for (DayCount day = kFirstDay; day <= kLastDay; ++day) {
    for (const bool midday : {true, false}) {
      std::shuffle(upper.begin(), upper.end(), engine);
      records.push_back(makeDraw(day, std::vector<int>(upper.begin(), upper.begin() + 20), midday));
    }
  }
  std::vector<int> lower(20);
  std::iota(lower.begin(), lower.end(), 1);
  records.push_back(makeDraw(kLastDay - 10, lower, true));
  create(records);
  allOptionsOff();
  form().UpDown18.setPosition(2);
  form().CheckBox9.setChecked(true);  // a tip with one number of a draw of the window goes
  form().UpDown6.setPosition(1);
  ASSERT_TRUE(form().DateTimePicker2.setDate(kLastDay - 30));
  click();
  ASSERT_EQ(tips().size(), 5u);
  for (const auto& line : tips()) {
    const TipNumbers numbers = readTipNumbers(line, 2);
    EXPECT_LE(numbers.values[1], 20) << line;
  }
}

TEST_F(CalculationRunTest, NoDrawFileNoCalculation) {
  create();
  std::filesystem::remove(home.file("Vuduro.dat"));
  form().ListBox1.add("01,02");
  form().CheckBox8.setChecked(true);
  click();
  EXPECT_EQ(platform.messages(), std::vector<std::string>{"First read the data of draws"});
  EXPECT_EQ(form().BitBtn4.caption(), "calculate tips");
  EXPECT_EQ(tips(), std::vector<std::string>{"01,02"});
  EXPECT_TRUE(form().sortieren);
  EXPECT_EQ(platform.processEventsCalls(), 0);
}

TEST_F(CalculationRunTest, AFailureOnTheWayLeavesTheButtonIdleAndTheOptionsAsTheyWere) {
  create();
  allOptionsOff();
  unsatisfiable();
  form().CheckBox8.setChecked(true);
  form().UpDown7.setPosition(2);
  int calls = 0;
  platform.onProcessEvents = [&] {
    // The draw file goes away while candidates are drawn: the final show of the draw fails.
    if (++calls == 5) std::filesystem::remove(home.file("Vuduro.dat"));
  };
  form1->handle([&] { form1->BitBtn19Click(); });
  EXPECT_EQ(calls, 2000);
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(form().BitBtn4.caption(), "calculate tips");
  EXPECT_TRUE(form().sortieren);
  EXPECT_TRUE(form().CheckBox8.checked());
  EXPECT_FALSE(platform.waitCursor());
  EXPECT_FALSE(form1->calculationState().running);
}

TEST_F(CalculationRunTest, AnUnreadableTipLineSaysErrorAndTheCalculationGoesOn) {
  create();
  allOptionsOff();
  form().CheckBox28.setChecked(false);
  form().UpDown9.setPosition(4);
  form().ListBox1.setLines(
      {"01,02,03,04,05,06,07,08,09,10", "05,x", "11,12,13,14,15,16,17,18,19,20"});
  click();
  EXPECT_EQ(platform.messages(), std::vector<std::string>{"ERROR"});
  EXPECT_EQ(tips().size(), 4u);
}

TEST_F(CalculationRunTest, NewTipsAreComparedWithTheListedOnes) {
  create();
  allOptionsOff();
  form().CheckBox28.setChecked(false);
  form().UpDown9.setPosition(8);
  form().CheckBox3.setChecked(true);
  form().UpDown3.setPosition(1);
  form().UpDown18.setPosition(5);
  const std::vector<std::string> listed = {"01,02,03,04,05", "06,07,08,09,10", "11,12,13,14,15",
                                           "16,17,18,19,20", "21,22,23,24,25"};
  form().ListBox1.setLines(listed);
  click();
  ASSERT_EQ(tips().size(), 8u);
  for (std::size_t t = 5; t < 8; ++t) {
    const TipNumbers tip = readTipNumbers(tips()[t], 5);
    const std::set<int> numbers(tip.values.begin(), tip.values.begin() + 5);
    for (std::size_t k = 0; k < t; ++k) {
      const TipNumbers other = readTipNumbers(tips()[k], 5);
      int shared = 0;
      for (int i = 0; i < 5; ++i)
        shared += numbers.count(other.values[static_cast<std::size_t>(i)]);
      EXPECT_LE(shared, 1) << tips()[t] << " and " << tips()[k];
    }
  }
  // The final full check scored the new list.
  EXPECT_EQ(form().ListBox2.count(), 8u);
}

TEST_F(CalculationRunTest, AFullListCalculatesNothingAndScoresTheList) {
  create();
  form().CheckBox28.setChecked(false);
  for (int i = 0; i < 7; ++i) form().ListBox1.add("01,02,03,04,05,06,07,08,09,10");
  click();
  EXPECT_EQ(tips().size(), 7u);
  EXPECT_EQ(form().ListBox2.count(), 7u);
  EXPECT_EQ(form().StatusBar1.panel(1), "start of calculation");
}

TEST_F(CalculationRunTest, CancellingTheEditListLeavesAnEmptyListAndCanStartAgain) {
  create();
  form().ListBox1.add("01,02");
  form().CheckBox20.setChecked(true);
  platform.queueChoice({ModalResult::Abort, {}});
  click();
  EXPECT_TRUE(tips().empty());
  EXPECT_EQ(form().BitBtn4.caption(), "calculation tip");
  EXPECT_TRUE(form().sortieren);
  platform.queueChoice({ModalResult::Ok, {}});
  click();
  EXPECT_EQ(tips().size(), 5u);
  EXPECT_EQ(form().BitBtn4.caption(), "calculate tips");
}

TEST_F(CalculationRunTest, DailyKenoWorksFromTheShownEveningDrawAndStaysOnIt) {
  create();
  form1->SpeedButton7Click();  // the evening draw of the last day
  const int evening = form().Position;
  ASSERT_EQ(evening, static_cast<int>(draws.size() - 1));
  const std::string caption = form().Label29.caption();
  allOptionsOff();
  form().CheckBox31.setChecked(true);
  form().ComboBox3.setItemIndex(0);
  form().CheckBox15.setChecked(true);
  form().UpDown18.setPosition(2);
  form().UpDown9.setPosition(40);
  click();
  ASSERT_EQ(tips().size(), 40u);
  // Every tip comes from the evening draw's numbers.
  NumberSet shown;
  for (const auto n : draws.back().numbers) shown.add(n);
  for (const auto& line : tips()) {
    const TipNumbers tip = readTipNumbers(line, 2);
    EXPECT_TRUE(shown.contains(tip.values[0]) && shown.contains(tip.values[1])) << line;
  }
  EXPECT_EQ(form().Position, evening);
  EXPECT_EQ(form().Label29.caption(), caption);
  EXPECT_EQ(form().Zahl5[1], 0);
  EXPECT_EQ(form().DateTimePicker1.date(), kLastDay);
}

}  // namespace
}  // namespace numora::test
