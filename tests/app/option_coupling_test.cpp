// The couplings of the generator options as the up-down arrows run them: a press runs the
// up-down's MouseDown handler and then steps, a release runs its MouseUp handler.
#include <random>

#include "support/app_fixture.h"

namespace numora {
namespace {

class OptionCouplingTest : public test::AppTest {
 protected:
  void SetUp() override { create(); }

  void runIfAny(const std::string& handler) {
    const auto found = form1->handlers().find(handler);
    if (found != form1->handlers().end()) form1->handle(found->second);
  }
  void press(const std::string& upDown, int step) {
    runIfAny(upDown + "MouseDown");
    UpDown& control = *dynamic_cast<UpDown*>(form().registry.find(upDown));
    control.setPosition(control.position() + step);
    form1->controlChanged(upDown);
  }
  void release(const std::string& upDown) { runIfAny(upDown + "MouseUp"); }
  void click(const std::string& upDown, int step) {
    press(upDown, step);
    release(upDown);
  }
};

struct CouplingCase {
  const char* what;
  int maxMatches, minMatches, even, odd;  // UpDown3, UpDown1, UpDown16, UpDown17 before
  const char* handler;
  const char* limitedUpDown;
  int expectedMin, expectedMax, expectedPosition;
};

TEST_F(OptionCouplingTest, EachHandlerMovesItsLimit) {
  const CouplingCase cases[] = {
      {"press on the maximum at 2 caps the minimum at 2", 2, 1, 2, 2, "UpDown3MouseDown", "UpDown1",
       0, 2, 1},
      {"press on the maximum at 0 pulls the minimum down to 0", 0, 0, 2, 2, "UpDown3MouseDown",
       "UpDown1", 0, 0, 0},
      {"press on the maximum keeps it from stepping below the minimum", 4, 3, 2, 2,
       "UpDown3MouseDown", "UpDown3", 3, 9, 4},
      {"release on the minimum at 1 makes 1 the lowest maximum", 4, 1, 2, 2, "UpDown1MouseUp",
       "UpDown3", 1, 9, 4},
      {"release on a typed minimum above the maximum raises the maximum", 4, 6, 2, 2,
       "UpDown1MouseUp", "UpDown3", 6, 9, 6},
      {"release on the even minimum with odd at 4 caps it at 2", 4, 1, 2, 4, "UpDown16MouseUp",
       "UpDown16", 0, 2, 2},
      {"release on a typed even minimum of 5 with odd at 4 brings it to 2", 4, 1, 5, 4,
       "UpDown16MouseUp", "UpDown16", 0, 2, 2},
      {"release on the odd minimum with even at 6 caps it at 0", 4, 1, 6, 3, "UpDown17MouseUp",
       "UpDown17", 0, 0, 0},
      {"press on the odd minimum at 4 caps the even minimum at 2", 4, 1, 3, 4, "UpDown17MouseDown",
       "UpDown16", 0, 2, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    create();
    form().UpDown3.setPosition(c.maxMatches);
    form().UpDown1.setPosition(c.minMatches);
    form().UpDown16.setPosition(c.even);
    form().UpDown17.setPosition(c.odd);
    form1->handle(form1->handlers().at(c.handler));
    const UpDown& limited = *form().upDown(std::stoi(std::string(c.limitedUpDown).substr(6)));
    EXPECT_EQ(limited.min(), c.expectedMin);
    EXPECT_EQ(limited.max(), c.expectedMax);
    EXPECT_EQ(limited.position(), c.expectedPosition);
  }
}

TEST_F(OptionCouplingTest, MaximumOfMatchesCannotStepBelowTheDefaultMinimum) {
  // Fresh window: maximum 4, minimum 1, and the minimum's arrows never used.
  for (int i = 0; i < 6; ++i) click("UpDown3", -1);
  EXPECT_EQ(form().UpDown3.position(), 1);
  EXPECT_EQ(form().UpDown1.position(), 1);
}

TEST_F(OptionCouplingTest, ArrowsKeepMatchBoundsOrderedAndEvenPlusOddWithinSix) {
  const char* upDowns[] = {"UpDown3", "UpDown1", "UpDown16", "UpDown17"};
  std::mt19937 random(20261210);
  for (int round = 0; round < 3000; ++round) {
    const std::string upDown = upDowns[random() % 4];
    const int step = random() % 2 ? 1 : -1;
    // Holding an arrow repeats its step until the release.
    const int repeats = 1 + static_cast<int>(random() % 3);
    runIfAny(upDown + "MouseDown");
    UpDown& control = *dynamic_cast<UpDown*>(form().registry.find(upDown));
    for (int r = 0; r < repeats; ++r) control.setPosition(control.position() + step);
    release(upDown);
    ASSERT_LE(form().UpDown1.position(), form().UpDown3.position()) << "round " << round;
    ASSERT_LE(form().UpDown16.position() + form().UpDown17.position(), 6) << "round " << round;
  }
}

TEST_F(OptionCouplingTest, BudgetFollowsTheNewPositionOfItsUpDown) {
  EXPECT_EQ(form().LaufMax, 10000);
  click("UpDown7", +1);
  EXPECT_EQ(form().LaufMax, 11000) << "the budget of the position after the change";
  form().UpDown7.setPosition(10000);
  form1->controlChanged("UpDown7");
  EXPECT_EQ(form().LaufMax, 10000000);
}

}  // namespace
}  // namespace numora
