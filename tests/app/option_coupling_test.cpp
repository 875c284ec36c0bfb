// The up-down arrows' handlers run the generator's option couplings; the rules of the couplings
// are the generator layer's table. One case per handler.
#include "support/app_fixture.h"

namespace numora {
namespace {

class OptionCouplingWiring : public test::AppTest {
 protected:
  void SetUp() override { create(); }
};

TEST_F(OptionCouplingWiring, EachArrowHandlerRunsItsCoupling) {
  struct Case {
    const char* handler;
    int maxMatches, minMatches, even, odd;  // UpDown3, UpDown1, UpDown16, UpDown17 before
    int limitedUpDown;
    int expectedMin, expectedMax;
  };
  const Case cases[] = {
      {"UpDown3MouseDown", 2, 1, 2, 2, 1, 0, 2},    // the minimum capped at the maximum
      {"UpDown1MouseUp", 4, 3, 2, 2, 3, 3, 9},      // the maximum floored at the minimum
      {"UpDown16MouseUp", 4, 1, 2, 4, 16, 0, 2},    // the even minimum capped by the odd
      {"UpDown17MouseUp", 4, 1, 6, 0, 17, 0, 0},    // the odd minimum capped by the even
      {"UpDown17MouseDown", 4, 1, 3, 4, 16, 0, 2},  // the even minimum capped by the odd
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.handler);
    create();
    form().UpDown3.setPosition(c.maxMatches);
    form().UpDown1.setPosition(c.minMatches);
    form().UpDown16.setPosition(c.even);
    form().UpDown17.setPosition(c.odd);
    form1->handle(form1->handlers().at(c.handler));
    const UpDown& limited = *form().upDown(c.limitedUpDown);
    EXPECT_EQ(limited.min(), c.expectedMin);
    EXPECT_EQ(limited.max(), c.expectedMax);
  }
}

TEST_F(OptionCouplingWiring, TheBudgetFollowsItsUpDownAsItChanges) {
  EXPECT_EQ(form().LaufMax, 10000);
  form().UpDown7.setPosition(11);
  form1->controlChanged("UpDown7");
  EXPECT_EQ(form().LaufMax, 11000) << "the budget of the position after the change";
}

}  // namespace
}  // namespace numora
