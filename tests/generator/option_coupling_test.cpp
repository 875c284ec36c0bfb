// The couplings of the generator options as the up-down arrows run them: a press runs the
// coupling the up-down has before it steps, a release the one it has after.
#include "generator/option_coupling.h"

#include <gtest/gtest.h>

#include <random>

#include "form/form.h"

namespace numora {
namespace {

using Coupling = void (*)(Form&);

// What the arrows of each coupled up-down run: on the press, then on the release.
struct Arrows {
  UpDown Form::*upDown;
  Coupling onPress;
  Coupling onRelease;
};
const Arrows kArrows[] = {
    {&Form::UpDown3, coupleMatchesBeforeMaximumSteps, nullptr},
    {&Form::UpDown1, nullptr, floorMaximumMatchesAtMinimum},
    {&Form::UpDown16, nullptr, capEvenByOdd},
    {&Form::UpDown17, capEvenByOdd, capOddByEven},
};

// One click: press, `repeats` steps while the arrow is held, release.
void click(Form& form, const Arrows& arrows, int step, int repeats = 1) {
  if (arrows.onPress) arrows.onPress(form);
  UpDown& control = form.*arrows.upDown;
  for (int r = 0; r < repeats; ++r) control.setPosition(control.position() + step);
  if (arrows.onRelease) arrows.onRelease(form);
}

TEST(OptionCoupling, EachCouplingMovesItsLimit) {
  struct Case {
    const char* what;
    int maxMatches, minMatches, even, odd;  // UpDown3, UpDown1, UpDown16, UpDown17 before
    Coupling coupling;
    UpDown Form::*limited;
    int expectedMin, expectedMax, expectedPosition;
  };
  const Case cases[] = {
      {"press on the maximum at 2 caps the minimum at 2", 2, 1, 2, 2,
       coupleMatchesBeforeMaximumSteps, &Form::UpDown1, 0, 2, 1},
      {"press on the maximum at 0 pulls the minimum down to 0", 0, 0, 2, 2,
       coupleMatchesBeforeMaximumSteps, &Form::UpDown1, 0, 0, 0},
      {"press on the maximum keeps it from stepping below the minimum", 4, 3, 2, 2,
       coupleMatchesBeforeMaximumSteps, &Form::UpDown3, 3, 9, 4},
      {"release on the minimum at 1 makes 1 the lowest maximum", 4, 1, 2, 2,
       floorMaximumMatchesAtMinimum, &Form::UpDown3, 1, 9, 4},
      {"release on a typed minimum above the maximum raises the maximum", 4, 6, 2, 2,
       floorMaximumMatchesAtMinimum, &Form::UpDown3, 6, 9, 6},
      {"release on the even minimum with odd at 4 caps it at 2", 4, 1, 2, 4, capEvenByOdd,
       &Form::UpDown16, 0, 2, 2},
      {"release on a typed even minimum of 5 with odd at 4 brings it to 2", 4, 1, 5, 4,
       capEvenByOdd, &Form::UpDown16, 0, 2, 2},
      {"release on the odd minimum with even at 6 caps it at 0", 4, 1, 6, 3, capOddByEven,
       &Form::UpDown17, 0, 0, 0},
      {"release on the odd minimum with even at 1 caps it at 5", 4, 1, 1, 4, capOddByEven,
       &Form::UpDown17, 0, 5, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Form form;
    form.UpDown3.setPosition(c.maxMatches);
    form.UpDown1.setPosition(c.minMatches);
    form.UpDown16.setPosition(c.even);
    form.UpDown17.setPosition(c.odd);
    c.coupling(form);
    const UpDown& limited = form.*c.limited;
    EXPECT_EQ(limited.min(), c.expectedMin);
    EXPECT_EQ(limited.max(), c.expectedMax);
    EXPECT_EQ(limited.position(), c.expectedPosition);
  }
}

TEST(OptionCoupling, MaximumOfMatchesCannotStepBelowTheDefaultMinimum) {
  // Maximum 4, minimum 1, and the minimum's arrows never used.
  Form form;
  for (int i = 0; i < 6; ++i) click(form, kArrows[0], -1);
  EXPECT_EQ(form.UpDown3.position(), 1);
  EXPECT_EQ(form.UpDown1.position(), 1);
}

TEST(OptionCoupling, ArrowsKeepMatchBoundsOrderedAndEvenPlusOddWithinSix) {
  Form form;
  std::mt19937 random(20261210);
  for (int round = 0; round < 3000; ++round) {
    const Arrows& arrows = kArrows[random() % 4];
    const int step = random() % 2 ? 1 : -1;
    // Holding an arrow repeats its step until the release.
    click(form, arrows, step, 1 + static_cast<int>(random() % 3));
    ASSERT_LE(form.UpDown1.position(), form.UpDown3.position()) << "round " << round;
    ASSERT_LE(form.UpDown16.position() + form.UpDown17.position(), kEvenOddLimit)
        << "round " << round;
  }
}

TEST(OptionCoupling, BudgetFollowsThePositionOfItsUpDown) {
  const std::pair<int, int> cases[] = {{1, 1000}, {10, 10000}, {11, 11000}, {10000, 10000000}};
  for (const auto& [thousands, budget] : cases) {
    Form form;
    form.UpDown7.setPosition(thousands);
    applyRunBudget(form);
    EXPECT_EQ(form.LaufMax, budget) << thousands;
  }
}

}  // namespace
}  // namespace numora
