// The candidate pool: an ordered list of number entries, a number's count of entries being its
// weight. It has no fixed capacity: it grows as the preparation's steps add entries, however
// many options add to it. The order matters, because the slot a random draw hits decides the
// number, so removing entries keeps the order of the rest.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "evaluation/number_set.h"

namespace numora {

class CandidatePool {
 public:
  static constexpr int kHighest = 70;

  void clear() { entries_.clear(); }
  // Appends number (1..70) times times.
  void add(int number, int times = 1);
  // Takes away every entry whose number is in numbers.
  void removeNumbers(const NumberSet& numbers);

  // N, the number of entries.
  std::uint32_t size() const { return static_cast<std::uint32_t>(entries_.size()); }
  // The number in slot 1..N; slot 0 holds no number (0).
  int slot(std::uint32_t index) const { return index == 0 ? 0 : entries_[index - 1]; }
  const std::vector<std::uint8_t>& entries() const { return entries_; }

  // The count of entries of each number, [1..70].
  std::array<int, kHighest + 1> weights() const;
  // How many different numbers the pool holds.
  int distinctNumbers() const;

 private:
  std::vector<std::uint8_t> entries_;
};

}  // namespace numora
