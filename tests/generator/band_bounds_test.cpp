#include "generator/band_bounds.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(BandBoundsTest, RoundsRatiosHalfToEven) {
  struct Case {
    std::int64_t numerator, denominator, rounded;
  };
  const Case cases[] = {
      {25, 2, 12},   {27, 2, 14},   {5, 2, 2},  {7, 2, 4},   {-5, 2, -2}, {-7, 2, -4},
      {251, 20, 13}, {249, 20, 12}, {0, 7, 0},  {9, 6, 2},   {3, 6, 0},   {15, 6, 2},
      {21, 6, 4},    {12, 6, 2},    {-1, 3, 0}, {-2, 3, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(roundRatio(c.numerator, c.denominator), c.rounded)
        << c.numerator << "/" << c.denominator;
  }
}

TEST(BandBoundsTest, UpperAndLowerBandBounds) {
  struct Case {
    std::int64_t lo, hi, share, of, upper, lower;
  };
  const Case cases[] = {
      // The frequent-numbers example: lo 100, hi 200, 30 % and its upper half.
      {100, 200, 30, 100, 170, 130},
      {100, 200, 30, 200, 185, 115},
      // hi − lo = 5 with 0.3: exactly x.5, to the even neighbour.
      {0, 5, 3, 10, 4, 2},      // 3.5 → 4, 1.5 → 2
      {11, 16, 3, 10, 14, 12},  // 14.5 → 14, 12.5 → 12
      {12, 17, 3, 10, 16, 14},  // 15.5 → 16, 13.5 → 14
      {7, 7, 3, 10, 7, 7},
      // A 75 % band of 0..2 in its halves: 2 − 0.75 = 1.25, 2 − 1.5 = 0.5.
      {0, 2, 75, 200, 1, 1},
      {0, 2, 75, 100, 0, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(upperBandStart(c.lo, c.hi, c.share, c.of), c.upper) << c.lo << ".." << c.hi;
    EXPECT_EQ(lowerBandEnd(c.lo, c.hi, c.share, c.of), c.lower) << c.lo << ".." << c.hi;
  }
}

}  // namespace
}  // namespace numora
