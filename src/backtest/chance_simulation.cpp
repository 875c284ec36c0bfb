#include "backtest/chance_simulation.h"

#include "backtest/random_keno_draw.h"
#include "common/parallel_for.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numeric>

namespace numora {
namespace {

constexpr int kDrawn = 20;
constexpr int kHitSlots = kDrawn + 1;
// Simulations per chunk of work. A chunk's random histories come from its own generator, seeded
// from the chunk's index, so the split over threads never changes a result.
constexpr int kChunkSize = 32;

using Bits = DrawBits;

Bits bitsOf(const NumberSet& set) {
  const NumberSet::Bits all = set.bits();
  return Bits{static_cast<std::uint64_t>(all), static_cast<std::uint64_t>(all >> 64)};
}

std::uint64_t mixSeed(std::uint64_t value) {
  SimulationRandom mixer(value);
  return mixer.next();
}

// One cycle as the simulation needs it: its tips as bit words and how many draws it scored.
struct CycleShape {
  std::vector<Bits> tips;
  std::size_t draws = 0;
};

struct Tallies {
  std::array<std::int64_t, kHitSlots> hits{};
};

// What the simulation needs to turn a histogram into its statistics.
struct Scoring {
  std::array<int, kHitSlots> groupOf{};  // the pooled group of each hit count
  std::vector<double> expected;          // per group
  std::array<double, kHitSlots> prize{};
  std::int64_t comparisons = 0;

  double chiSquared(const Tallies& tallies) const {
    std::vector<double> observed(expected.size(), 0.0);
    for (int k = 0; k < kHitSlots; ++k) {
      observed[static_cast<std::size_t>(groupOf[static_cast<std::size_t>(k)])] +=
          static_cast<double>(tallies.hits[static_cast<std::size_t>(k)]);
    }
    double sum = 0;
    for (std::size_t g = 0; g < expected.size(); ++g) {
      if (expected[g] <= 0) continue;
      const double difference = observed[g] - expected[g];
      sum += difference * difference / expected[g];
    }
    return sum;
  }

  double winnings(const Tallies& tallies) const {
    if (comparisons == 0) return 0;
    double won = 0;
    for (int k = 0; k < kHitSlots; ++k) {
      won += prize[static_cast<std::size_t>(k)] *
             static_cast<double>(tallies.hits[static_cast<std::size_t>(k)]);
    }
    return won / static_cast<double>(comparisons);
  }
};

Scoring scoringOf(const ChanceSimulationRequest& request, std::int64_t comparisons) {
  Scoring scoring;
  scoring.comparisons = comparisons;
  int last = 0;
  for (std::size_t g = 0; g < request.groups.size(); ++g) {
    const HitGroup& group = request.groups[g];
    scoring.expected.push_back(group.expected);
    for (int k = std::max(group.firstHits, 0); k <= std::min(group.lastHits, kDrawn); ++k) {
      scoring.groupOf[static_cast<std::size_t>(k)] = static_cast<int>(g);
    }
    last = static_cast<int>(g);
    // Hit counts past the last group's range count in the last group.
    for (int k = group.lastHits + 1; k < kHitSlots; ++k) {
      if (k >= 0) scoring.groupOf[static_cast<std::size_t>(k)] = last;
    }
  }
  if (scoring.expected.empty()) scoring.expected.push_back(0);
  for (std::size_t k = 0; k < request.prizeByHits.size() && k < scoring.prize.size(); ++k) {
    scoring.prize[k] = request.prizeByHits[k];
  }
  return scoring;
}

inline int hitsOf(const Bits& tip, const Bits& draw) {
  return std::popcount(tip.low & draw.low) + std::popcount(tip.high & draw.high);
}

// The simulations of one chunk; with the processor's popcount instruction where it has one.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("popcnt", "default")))
#endif
void simulateChunk(const std::vector<CycleShape>& cycles, const Scoring& scoring,
                   std::uint64_t seed, int first, int count, std::vector<double>& chiSquared,
                   std::vector<double>& winnings) {
  SimulationRandom random(seed);
  for (int s = first; s < first + count; ++s) {
    Tallies tallies;
    for (const CycleShape& cycle : cycles) {
      for (std::size_t d = 0; d < cycle.draws; ++d) {
        const Bits draw = randomKenoDraw(random);
        for (const Bits& tip : cycle.tips)
          ++tallies.hits[static_cast<std::size_t>(hitsOf(tip, draw))];
      }
    }
    chiSquared[static_cast<std::size_t>(s)] = scoring.chiSquared(tallies);
    winnings[static_cast<std::size_t>(s)] = scoring.winnings(tallies);
  }
}

// The value below which the given share of the sorted values lie (nearest rank).
double quantile(const std::vector<double>& sorted, double share) {
  if (sorted.empty()) return 0;
  const auto rank = static_cast<std::size_t>(
      std::clamp(std::ceil(share * static_cast<double>(sorted.size())) - 1.0, 0.0,
                 static_cast<double>(sorted.size() - 1)));
  return sorted[rank];
}

}  // namespace

double pooledChiSquared(const std::vector<std::int64_t>& hitCounts,
                        const std::vector<HitGroup>& groups) {
  ChanceSimulationRequest request;
  request.groups = groups;
  const Scoring scoring = scoringOf(request, 0);
  Tallies tallies;
  for (std::size_t k = 0; k < hitCounts.size(); ++k) {
    tallies.hits[std::min(k, tallies.hits.size() - 1)] += hitCounts[k];
  }
  return scoring.chiSquared(tallies);
}

ChanceSimulationResult simulateChance(const ChanceSimulationRequest& request) {
  ChanceSimulationResult result;
  std::vector<CycleShape> cycles;
  Tallies observed;
  for (const ScoredCycle& cycle : request.cycles) {
    if (cycle.tips.empty() || cycle.draws.empty()) continue;
    CycleShape shape;
    for (const NumberSet& tip : cycle.tips) shape.tips.push_back(bitsOf(tip));
    shape.draws = cycle.draws.size();
    for (const NumberSet& draw : cycle.draws) {
      const Bits drawn = bitsOf(draw);
      for (const Bits& tip : shape.tips)
        ++observed.hits[static_cast<std::size_t>(hitsOf(tip, drawn))];
    }
    result.comparisons +=
        static_cast<std::int64_t>(shape.tips.size()) * static_cast<std::int64_t>(shape.draws);
    cycles.push_back(std::move(shape));
  }
  const Scoring scoring = scoringOf(request, result.comparisons);
  result.observedChiSquared = scoring.chiSquared(observed);
  const int simulations = std::max(request.simulations, 0);
  result.simulations = simulations;

  std::vector<double> chiSquared(static_cast<std::size_t>(simulations));
  std::vector<double> winnings(static_cast<std::size_t>(simulations));
  const int chunks = (simulations + kChunkSize - 1) / kChunkSize;
  parallelFor(static_cast<std::size_t>(chunks), request.threads, [&](std::size_t index) {
    if (request.stop.stop_requested()) return;
    const int chunk = static_cast<int>(index);
    const int first = chunk * kChunkSize;
    const std::uint64_t seed =
        mixSeed(request.seed ^ mixSeed(static_cast<std::uint64_t>(chunk) + 1));
    simulateChunk(cycles, scoring, seed, first, std::min(kChunkSize, simulations - first),
                  chiSquared, winnings);
  });

  // Sums equal to the observed one up to rounding count as reaching it.
  const double reach = result.observedChiSquared * (1 - 1e-12) - 1e-12;
  result.atLeastObserved = std::count_if(chiSquared.begin(), chiSquared.end(),
                                         [reach](double sum) { return sum >= reach; });
  result.pValue =
      static_cast<double>(result.atLeastObserved + 1) / static_cast<double>(simulations + 1);

  if (!request.prizeByHits.empty() && result.comparisons > 0 && simulations > 0) {
    WinningsSpread spread;
    spread.observed = scoring.winnings(observed);
    spread.mean =
        std::accumulate(winnings.begin(), winnings.end(), 0.0) / static_cast<double>(simulations);
    if (request.keepWinnings) result.simulatedWinnings = winnings;
    std::sort(winnings.begin(), winnings.end());
    spread.low = quantile(winnings, 0.05);
    spread.high = quantile(winnings, 0.95);
    result.winnings = spread;
  }
  return result;
}

}  // namespace numora
