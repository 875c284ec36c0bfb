#include "generator/candidate_pool.h"

#include <algorithm>

namespace numora {

void CandidatePool::add(int number, int times) {
  if (number < 1 || number > kHighest || times <= 0) return;
  entries_.insert(entries_.end(), static_cast<std::size_t>(times),
                  static_cast<std::uint8_t>(number));
}

void CandidatePool::removeNumbers(const NumberSet& numbers) {
  std::erase_if(entries_, [&](std::uint8_t entry) { return numbers.contains(entry); });
}

std::array<int, CandidatePool::kHighest + 1> CandidatePool::weights() const {
  std::array<int, kHighest + 1> counts{};
  for (const auto entry : entries_) ++counts[entry];
  return counts;
}

int CandidatePool::distinctNumbers() const {
  const auto counts = weights();
  return static_cast<int>(
      std::count_if(counts.begin() + 1, counts.end(), [](int count) { return count > 0; }));
}

}  // namespace numora
