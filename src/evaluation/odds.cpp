#include "evaluation/odds.h"

#include <numeric>
#include <stdexcept>
#include <string>

#include "evaluation/hit_law.h"
#include "evaluation/prize_table.h"

namespace numora {
namespace {

std::uint64_t checkedProduct(std::uint64_t a, std::uint64_t b) {
  std::uint64_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) throw std::overflow_error("odds out of range");
  return product;
}

}  // namespace

Ratio reducedRatio(std::uint64_t numerator, std::uint64_t denominator) {
  if (denominator == 0) throw std::invalid_argument("a ratio with denominator 0");
  const std::uint64_t divisor = std::gcd(numerator, denominator);
  return {numerator / divisor, denominator / divisor};
}

OddsTable oddsTable(int lotteryIndex, int numbersPerTip) {
  if (numbersPerTip < 2 || numbersPerTip > 10) {
    throw std::invalid_argument("a tip has 2 to 10 numbers, not " + std::to_string(numbersPerTip));
  }
  OddsTable table;
  table.lotteryIndex = lotteryIndex;
  table.numbersPerTip = numbersPerTip;
  table.allTips = binomial(kNumbersInPool, numbersPerTip);

  const auto ways = hitWays(numbersPerTip);
  std::uint64_t returned = 0;  // the sum of prize times ways, in units of stake
  std::uint64_t winning = 0;
  for (int hits = 0; hits <= numbersPerTip; ++hits) {
    OddsRow row;
    row.hits = hits;
    row.ways = ways[static_cast<std::size_t>(hits)];
    row.probability = reducedRatio(row.ways, table.allTips);
    table.rows.push_back(row);
  }
  for (const PrizeClass& prize : prizeClasses(lotteryIndex, numbersPerTip)) {
    OddsRow& row = table.rows.at(static_cast<std::size_t>(prize.hits));
    row.prize = prize.prize;
    returned += checkedProduct(static_cast<std::uint64_t>(prize.prize), row.ways);
    winning += row.ways;
  }
  for (OddsRow& row : table.rows) {
    if (row.prize > 0) {
      row.returnShare =
          reducedRatio(checkedProduct(static_cast<std::uint64_t>(row.prize), row.ways), returned);
    }
  }
  table.expectedReturn = reducedRatio(returned, table.allTips);
  table.winChance = reducedRatio(winning, table.allTips);
  return table;
}

}  // namespace numora
