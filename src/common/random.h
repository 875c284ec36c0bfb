// The program's one random generator: a 32-bit linear congruential state shared by the
// candidate drawing, the random pick and the back-tests, so the same seed gives the same tips.
#pragma once

#include <cstdint>

namespace numora {

class Random {
 public:
  explicit Random(std::uint32_t seed = 0) : state_(seed) {}

  // A value in 0..n-1 (n >= 1): steps the state, then takes the high half of n * state.
  std::uint32_t next(std::uint32_t n) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * state_) >> 32);
  }

  std::uint32_t state() const { return state_; }
  // The state as the user sees it, read as a signed 32-bit integer.
  std::int32_t seed() const { return static_cast<std::int32_t>(state_); }
  void setSeed(std::int64_t seed) { state_ = static_cast<std::uint32_t>(seed); }

 private:
  std::uint32_t state_;
};

}  // namespace numora
