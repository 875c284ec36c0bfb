// The law of chance behind every tip: how many of a tip's numbers a draw of 20 out of 70 hits.
// The odds tab reads it, and so can any comparison of observed hit counts with chance.
#pragma once

#include <cstdint>
#include <vector>

namespace numora {

// Both lotteries draw 20 numbers out of 1..70.
constexpr int kNumbersInPool = 70;
constexpr int kNumbersDrawn = 20;

// The probabilities of exactly 0..picked hits when `picked` chosen numbers meet `drawn` numbers
// drawn from `pool` (the hypergeometric law). With picked = drawn = 20 it is also the law of the
// numbers two draws share. Throws std::invalid_argument for sizes that make no draw.
std::vector<double> hitProbabilities(int picked, int drawn = kNumbersDrawn,
                                     int pool = kNumbersInPool);

// The same law counted exactly: entry k is the number of `picked`-number tips that hit exactly
// k of the drawn numbers; together they make C(pool, picked). Exact up to pool = 70.
std::vector<std::uint64_t> hitWays(int picked, int drawn = kNumbersDrawn,
                                   int pool = kNumbersInPool);

// C(n, k) as an exact 64-bit integer; throws std::overflow_error beyond 2^53.
std::uint64_t binomial(int n, int k);

}  // namespace numora
