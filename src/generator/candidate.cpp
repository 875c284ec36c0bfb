#include "generator/candidate.h"

#include <algorithm>

#include "generator/band_bounds.h"

namespace numora {

int scaledCrossSum(int sum, int size) {
  if (sum == 0) return 0;
  return static_cast<int>(roundRatio(static_cast<std::int64_t>(sum) * 20, size));
}

void drawCandidate(Candidate& candidate, int size, const CandidatePool& pool, Random& random) {
  candidate.tipp.fill(0);
  candidate.size = size;
  int fill = 1;
  const std::uint32_t slots = pool.size() + 1;
  while (candidate.tipp[static_cast<std::size_t>(size)] == 0) {
    const int number = pool.slot(random.next(slots));
    if (number == 0) continue;
    const auto filled = candidate.tipp.begin() + 1;
    if (std::find(filled, filled + (fill - 1), number) != filled + (fill - 1)) continue;
    candidate.tipp[static_cast<std::size_t>(fill++)] = number;
  }
  int sum = 0;
  for (const int number : candidate.numbers()) sum += number;
  candidate.crossSum = scaledCrossSum(sum, size);
  std::sort(candidate.tipp.begin() + 1, candidate.tipp.begin() + 1 + size);
}

std::string candidateStatusLine(int tipNumber, const Candidate& candidate) {
  std::string line = std::to_string(tipNumber) + ".Tip:  ";
  for (const int number : candidate.numbers()) {
    line += ' ';
    line += std::to_string(number);
  }
  line += " CS: ";
  line += std::to_string(candidate.crossSum);
  return line;
}

}  // namespace numora
