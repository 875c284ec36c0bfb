#include "common/rounding.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, std::int64_t> cases[] = {
      {0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4}, {-0.5, 0},  {-1.5, -2},
      {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {7.0, 7}, {-7.6, -8}, {1e9 + 0.5, 1000000000}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(roundHalfEven(value), expected) << value;
}

}  // namespace
}  // namespace numora
