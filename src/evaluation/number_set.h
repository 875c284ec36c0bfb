// A set of lottery numbers 1..70 as 70 bits, so a hit count is one popcount. Numbers outside
// 1..70 are never members: a damaged draw cannot index past the set.
#pragma once

#include <bit>
#include <cstdint>

namespace numora {

class NumberSet {
 public:
  static constexpr int kHighest = 70;

  void add(int number) {
    if (number < 1 || number > kHighest) return;
    const int bit = number - 1;
    if (bit < 64) {
      low_ |= std::uint64_t{1} << bit;
    } else {
      high_ |= std::uint64_t{1} << (bit - 64);
    }
  }

  bool contains(int number) const {
    if (number < 1 || number > kHighest) return false;
    const int bit = number - 1;
    return bit < 64 ? (low_ >> bit) & 1 : (high_ >> (bit - 64)) & 1;
  }

  int size() const { return std::popcount(low_) + std::popcount(high_); }
  bool empty() const { return (low_ | high_) == 0; }

  // How many numbers the two sets share: the hits of a tip of distinct numbers on a draw.
  int common(const NumberSet& other) const {
    return std::popcount(low_ & other.low_) + std::popcount(high_ & other.high_);
  }

  // Bit n-1 stands for number n.
  __extension__ using Bits = unsigned __int128;
  Bits bits() const { return (static_cast<Bits>(high_) << 64) | low_; }

  bool operator==(const NumberSet&) const = default;

 private:
  std::uint64_t low_ = 0;
  std::uint64_t high_ = 0;
};

}  // namespace numora
