// The prize per unit stake of each winning class, by lottery and numbers per tip.
#pragma once

#include <span>

namespace numora {

struct PrizeClass {
  int hits;
  long long prize;
};

// The winning classes in the order the report lists them: most hits first, the 0-hit class of
// ten-number tips last. Empty for a numbers-per-tip value outside 2..10.
std::span<const PrizeClass> prizeClasses(int lotteryIndex, int numbersPerTip);

}  // namespace numora
