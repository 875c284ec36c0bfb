// The random draws of the simulated histories must be what a real draw is: 20 distinct numbers
// of 1..70, every number and every pair as likely as any other, a tip's hits by the
// hypergeometric law. Each check is a chi-squared test at 1 in 10,000 over a fixed seed.
#include "backtest/random_keno_draw.h"

#include <gtest/gtest.h>

#include <bit>
#include <boost/math/distributions/chi_squared.hpp>
#include <vector>

#include "evaluation/hit_law.h"

namespace numora {
namespace {

constexpr int kDraws = 300000;

bool holds(const DrawBits& draw, int number) {
  const int bit = number - 1;
  return bit < 64 ? (draw.low >> bit) & 1u : (draw.high >> (bit - 64)) & 1u;
}

double chiSquaredBound(std::size_t cells) {
  const boost::math::chi_squared law(static_cast<double>(cells - 1));
  return boost::math::quantile(boost::math::complement(law, 1e-4));
}

double chiSquared(const std::vector<double>& observed, const std::vector<double>& expected) {
  double sum = 0;
  for (std::size_t i = 0; i < observed.size(); ++i) {
    if (expected[i] > 0)
      sum += (observed[i] - expected[i]) * (observed[i] - expected[i]) / expected[i];
  }
  return sum;
}

std::vector<DrawBits> manyDraws() {
  SimulationRandom random(20261210);
  std::vector<DrawBits> draws;
  for (int i = 0; i < kDraws; ++i) draws.push_back(randomKenoDraw(random));
  return draws;
}

TEST(RandomKenoDraw, EveryDrawHoldsTwentyOfTheNumbersOneToSeventy) {
  for (const DrawBits& draw : manyDraws()) {
    ASSERT_EQ(std::popcount(draw.low) + std::popcount(draw.high), 20);
    ASSERT_EQ(draw.high >> 6, 0u) << "a bit past number 70";
  }
}

TEST(RandomKenoDraw, EveryNumberIsEquallyLikely) {
  std::vector<double> observed(70, 0);
  for (const DrawBits& draw : manyDraws()) {
    for (int n = 1; n <= 70; ++n) observed[static_cast<std::size_t>(n - 1)] += holds(draw, n);
  }
  const std::vector<double> expected(70, kDraws * 20.0 / 70.0);
  EXPECT_LT(chiSquared(observed, expected), chiSquaredBound(70));
}

// Pairs inside a block of the sampler, across a block's edge and across the two words.
TEST(RandomKenoDraw, PairsAreDrawnTogetherAsOftenAsChanceSays) {
  const std::vector<std::pair<int, int>> pairs = {{1, 2}, {14, 15}, {28, 29}, {64, 65}, {1, 70}};
  const std::vector<DrawBits> draws = manyDraws();
  for (const auto& [a, b] : pairs) {
    std::vector<double> observed(4, 0);  // neither, only a, only b, both
    for (const DrawBits& draw : draws)
      ++observed[static_cast<std::size_t>(holds(draw, a) + 2 * holds(draw, b))];
    const double both = 20.0 / 70 * 19 / 69;
    const double one = 20.0 / 70 - both;
    const std::vector<double> expected = {kDraws * (1 - 2 * one - both), kDraws * one, kDraws * one,
                                          kDraws * both};
    EXPECT_LT(chiSquared(observed, expected), chiSquaredBound(4)) << a << " and " << b;
  }
}

TEST(RandomKenoDraw, ATipsHitsFollowTheHypergeometricLaw) {
  // Numbers from four of the sampler's blocks.
  const std::vector<int> tip = {3, 13, 14, 15, 27, 30, 41, 56, 64, 70};
  std::vector<double> observed(tip.size() + 1, 0);
  for (const DrawBits& draw : manyDraws()) {
    int hits = 0;
    for (const int n : tip) hits += holds(draw, n);
    ++observed[static_cast<std::size_t>(hits)];
  }
  std::vector<double> expected;
  for (const double p : hitProbabilities(static_cast<int>(tip.size())))
    expected.push_back(kDraws * p);
  // The counts of 8..10 hits are too rare for the test: they pool with 7.
  for (std::size_t k = 8; k < observed.size(); ++k) {
    observed[7] += observed[k];
    expected[7] += expected[k];
  }
  observed.resize(8);
  expected.resize(8);
  EXPECT_LT(chiSquared(observed, expected), chiSquaredBound(8));
}

}  // namespace
}  // namespace numora
