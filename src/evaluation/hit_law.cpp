#include "evaluation/hit_law.h"

#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/math/special_functions/binomial.hpp>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <string>

namespace numora {
namespace {

void checkSizes(int picked, int drawn, int pool) {
  if (pool < 1 || drawn < 0 || picked < 0 || drawn > pool || picked > pool) {
    throw std::invalid_argument("no draw of " + std::to_string(drawn) + " out of " +
                                std::to_string(pool) + " for " + std::to_string(picked) +
                                " numbers");
  }
}

}  // namespace

std::uint64_t binomial(int n, int k) {
  if (k < 0 || k > n) return 0;
  // Boost rounds its result to the nearest integer, which is exact while a double holds every
  // integer of that size.
  const double value =
      boost::math::binomial_coefficient<double>(static_cast<unsigned>(n), static_cast<unsigned>(k));
  if (!(value < 9007199254740992.0)) {
    throw std::overflow_error("C(" + std::to_string(n) + ", " + std::to_string(k) +
                              ") is too large to count exactly");
  }
  return static_cast<std::uint64_t>(std::llround(value));
}

std::vector<double> hitProbabilities(int picked, int drawn, int pool) {
  checkSizes(picked, drawn, pool);
  const boost::math::hypergeometric_distribution<double> law(
      static_cast<unsigned>(drawn), static_cast<unsigned>(picked), static_cast<unsigned>(pool));
  std::vector<double> probabilities(static_cast<std::size_t>(picked) + 1, 0.0);
  const auto [first, last] = boost::math::range(law);
  for (unsigned k = first; k <= last; ++k) probabilities[k] = boost::math::pdf(law, k);
  return probabilities;
}

std::vector<std::uint64_t> hitWays(int picked, int drawn, int pool) {
  checkSizes(picked, drawn, pool);
  // Every product below is at most the total, so a total that fits means no product overflows.
  const std::uint64_t total = binomial(pool, picked);
  std::vector<std::uint64_t> ways(static_cast<std::size_t>(picked) + 1, 0);
  for (int k = 0; k <= picked; ++k) {
    ways[static_cast<std::size_t>(k)] = binomial(drawn, k) * binomial(pool - drawn, picked - k);
  }
  // Every tip has some hit count: the counts add up to all tips of that size (Vandermonde).
  if (std::accumulate(ways.begin(), ways.end(), std::uint64_t{0}) != total) {
    throw std::logic_error("the hit counts do not add up to all tips");
  }
  return ways;
}

}  // namespace numora
