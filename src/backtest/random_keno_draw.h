// Random draws of 20 out of 70 for the simulated histories of the comparison with chance: tens
// of millions of them per test, so they are built from lookup tables instead of a shuffle.
#pragma once

#include <cstdint>

namespace numora {

// A draw as the bits of its numbers: bit n-1 of the 128 stands for number n.
struct DrawBits {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
};

// A small, fast generator with a 64-bit state (SplitMix64): cheap to seed per chunk of work.
class SimulationRandom {
 public:
  explicit SimulationRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

  // A uniform number 0..bound-1 (bound > 0) from 32 random bits, exact: the rare values that
  // would favour some results are drawn again.
  std::uint32_t below(std::uint32_t bound) {
    std::uint64_t product = (next() >> 32) * bound;
    auto low = static_cast<std::uint32_t>(product);
    if (low < bound) {
      const std::uint32_t threshold = (0u - bound) % bound;
      while (low < threshold) {
        product = (next() >> 32) * bound;
        low = static_cast<std::uint32_t>(product);
      }
    }
    return static_cast<std::uint32_t>(product >> 32);
  }

 private:
  std::uint64_t state_;
};

// A uniformly random set of 20 of the numbers 1..70. The numbers fall into five blocks of 14;
// how many of the 20 land in each block follows the law of a random draw (the hypergeometric
// law, sampled by the alias method to within a few parts in a billion), and which numbers of a
// block they are is one uniform pick among the block's patterns with that many bits.
DrawBits randomKenoDraw(SimulationRandom& random);

}  // namespace numora
