#include "common/random.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(Random, FollowsTheSharedSequenceFromSeedZero) {
  struct Step {
    std::uint32_t n;
    std::uint32_t value;
    std::uint32_t state;
  };
  // Computed independently with state * 134775813 + 1 mod 2^32 and (n * state) >> 32.
  const Step steps[] = {
      {100, 0, 1},         {100, 3, 134775814},           {70, 60, 3698175007u},
      {70, 14, 870078620}, {1000000, 272921, 1172187917}, {4294967295u, 2884733761u, 2884733762u}};
  Random random(0);
  for (const auto& step : steps) {
    EXPECT_EQ(random.next(step.n), step.value);
    EXPECT_EQ(random.state(), step.state);
  }
}

TEST(Random, NegativeSeedIsTheStateReadAsSigned) {
  Random random;
  random.setSeed(-5);
  EXPECT_EQ(random.seed(), -5);
  EXPECT_EQ(random.next(70), 59u);
  EXPECT_EQ(random.seed(), -673879064);
}

TEST(Random, SameSeedSameSequence) {
  Random a(12345), b(12345);
  for (int i = 0; i < 1000; ++i) {
    const auto value = a.next(70);
    ASSERT_EQ(value, b.next(70));
    ASSERT_LT(value, 70u);
  }
}

}  // namespace
}  // namespace numora
