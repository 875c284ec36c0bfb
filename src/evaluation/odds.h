// The odds of one tip: for a lottery and a number of numbers per tip, the chance of each hit
// count, the prize it pays per unit stake, its share of the return, the expected return per unit
// stake and the chance of winning anything. Exact where the figures are exact.
#pragma once

#include <cstdint>
#include <vector>

namespace numora {

// A fraction in lowest terms.
struct Ratio {
  std::uint64_t numerator = 0;
  std::uint64_t denominator = 1;
  double value() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
  bool operator==(const Ratio&) const = default;
};

// numerator / denominator in lowest terms; the denominator must not be 0.
Ratio reducedRatio(std::uint64_t numerator, std::uint64_t denominator);

struct OddsRow {
  int hits = 0;
  std::uint64_t ways = 0;  // tips that hit exactly this many of the drawn numbers
  Ratio probability;       // ways / all tips
  long long prize = 0;     // per unit stake; 0 when this hit count wins nothing
  Ratio returnShare;       // prize * ways / the whole return; 0 without a prize
};

struct OddsTable {
  int lotteryIndex = 0;
  int numbersPerTip = 0;
  std::uint64_t allTips = 0;  // C(70, numbers per tip)
  std::vector<OddsRow> rows;  // hits 0..numbers per tip
  Ratio expectedReturn;       // per unit stake: the sum of probability times prize
  Ratio winChance;            // the chance that a tip wins any prize
};

// The table of one lottery (0 = Keno Atlantic, 1 = Daily Keno) and tip size 2..10, priced with
// the evaluation report's prize table. Throws std::invalid_argument for another tip size.
OddsTable oddsTable(int lotteryIndex, int numbersPerTip);

}  // namespace numora
