#include "backtest/random_keno_draw.h"

#include <array>
#include <bit>
#include <cmath>
#include <vector>

namespace numora {
namespace {

constexpr int kNumbers = 70;
constexpr int kDrawn = 20;
constexpr int kBlock = 14;
constexpr int kBlocks = kNumbers / kBlock;
constexpr int kCounts = kBlock + 1;  // a block holds 0..14 of the drawn numbers

double binomialCoefficient(int n, int k) {
  if (k < 0 || k > n) return 0;
  double result = 1;
  for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
  return result;
}

// The alias table of one law over 0..14: entry i is taken when 32 random bits fall below its
// threshold, otherwise its alias is.
struct AliasTable {
  std::array<std::uint32_t, kCounts> threshold{};
  std::array<std::uint8_t, kCounts> alias{};
};

AliasTable aliasTableOf(const std::array<double, kCounts>& probability) {
  AliasTable table;
  std::array<double, kCounts> scaled{};
  std::vector<int> small;
  std::vector<int> large;
  for (int i = 0; i < kCounts; ++i) {
    scaled[i] = probability[i] * kCounts;
    (scaled[i] < 1 ? small : large).push_back(i);
  }
  while (!small.empty() && !large.empty()) {
    const int under = small.back();
    small.pop_back();
    const int over = large.back();
    table.threshold[under] = static_cast<std::uint32_t>(std::ldexp(scaled[under], 32));
    table.alias[under] = static_cast<std::uint8_t>(over);
    scaled[over] += scaled[under] - 1;
    if (scaled[over] < 1) {
      large.pop_back();
      small.push_back(over);
    }
  }
  // What is left has a share of one up to rounding: it is always itself. A count the law never
  // gives must never come out, whatever the rounding did: it goes to a count that can.
  int possible = 0;
  while (probability[possible] == 0) ++possible;
  for (const std::vector<int>* rests : {&large, &small}) {
    for (const int rest : *rests) {
      const bool never = probability[rest] == 0;
      table.threshold[rest] = never ? 0 : UINT32_MAX;
      table.alias[rest] = static_cast<std::uint8_t>(never ? possible : rest);
    }
  }
  return table;
}

struct DrawTables {
  // For block b (the last needs none: it takes what is left) and the numbers still to draw.
  std::array<std::array<AliasTable, kDrawn + 1>, kBlocks - 1> countLaw;
  // Every 14-bit pattern, ordered by how many bits it has; patterns with k bits start at
  // firstPattern[k].
  std::array<std::uint16_t, 1u << kBlock> patterns{};
  std::array<std::uint32_t, kCounts + 1> firstPattern{};

  DrawTables() {
    std::uint32_t at = 0;
    for (int k = 0; k < kCounts; ++k) {
      firstPattern[k] = at;
      for (std::uint32_t pattern = 0; pattern < (1u << kBlock); ++pattern) {
        if (std::popcount(pattern) == k) patterns[at++] = static_cast<std::uint16_t>(pattern);
      }
    }
    firstPattern[kCounts] = at;
    for (int block = 0; block < kBlocks - 1; ++block) {
      const int numbersLeft = kNumbers - kBlock * block;
      for (int toDraw = 0; toDraw <= kDrawn; ++toDraw) {
        std::array<double, kCounts> probability{};
        const double all = binomialCoefficient(numbersLeft, toDraw);
        for (int k = 0; k < kCounts; ++k) {
          probability[k] = all > 0 ? binomialCoefficient(kBlock, k) *
                                         binomialCoefficient(numbersLeft - kBlock, toDraw - k) / all
                                   : 0;
        }
        if (toDraw > numbersLeft) continue;
        countLaw[block][toDraw] = aliasTableOf(probability);
      }
    }
  }
};

const DrawTables& drawTables() {
  static const DrawTables tables;
  return tables;
}

}  // namespace

DrawBits randomKenoDraw(SimulationRandom& random) {
  const DrawTables& tables = drawTables();
  __extension__ using Bits = unsigned __int128;
  Bits drawn = 0;
  int left = kDrawn;
  for (int block = 0; block < kBlocks; ++block) {
    int count = left;
    if (block < kBlocks - 1) {
      const AliasTable& law = tables.countLaw[block][left];
      const std::uint64_t bits = random.next();
      const auto entry = static_cast<std::uint32_t>(((bits >> 32) * kCounts) >> 32);
      count = static_cast<std::uint32_t>(bits) < law.threshold[entry] ? static_cast<int>(entry)
                                                                      : law.alias[entry];
    }
    const std::uint32_t first = tables.firstPattern[count];
    const std::uint32_t pick = random.below(tables.firstPattern[count + 1] - first);
    drawn |= static_cast<Bits>(tables.patterns[first + pick]) << (kBlock * block);
    left -= count;
  }
  return DrawBits{static_cast<std::uint64_t>(drawn), static_cast<std::uint64_t>(drawn >> 64)};
}

}  // namespace numora
