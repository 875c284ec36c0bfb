// One candidate tip: drawn at random from the candidate pool, its scaled cross sum, sorted, and
// shown in the status line while the filters test it.
#pragma once

#include <array>
#include <span>
#include <string>

#include "common/random.h"
#include "generator/candidate_pool.h"

namespace numora {

struct Candidate {
  static constexpr int kMaxSize = 10;
  std::array<int, kMaxSize + 1> tipp{};  // tipp[1..size]; 0 = empty
  int size = 0;
  int crossSum = 0;  // the scaled cross sum S

  std::span<const int> numbers() const {
    return std::span<const int>(tipp).subspan(1, static_cast<std::size_t>(size));
  }
};

// The sum of a tip's numbers scaled to a 20-number draw: sum / size × 20, an exact half to the
// even neighbour (only tips of 8 numbers have halves).
int scaledCrossSum(int sum, int size);

// Fills tipp[1..size] from the pool: each run draws slot Random(N + 1), slot 0 and a number
// already in the tip fill nothing. The pool must hold at least size different numbers, or this
// would never end. Then the scaled cross sum, and the numbers sorted ascending.
void drawCandidate(Candidate& candidate, int size, const CandidatePool& pool, Random& random);

// "3.Tip:   4 17 25 CS: 307": the tip number, the numbers and the scaled cross sum.
std::string candidateStatusLine(int tipNumber, const Candidate& candidate);

}  // namespace numora
