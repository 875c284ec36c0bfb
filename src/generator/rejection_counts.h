// Why no tip was found: the candidates a calculation drew and how many each of the twelve
// filters rejected, shown as the tooltip of the status line so the user knows which option to
// loosen.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace numora {

struct RejectionCounts {
  std::int64_t candidates = 0;
  std::array<std::int64_t, 13> byFilter{};  // [1..12], the filters in their order
};

// "Candidates drawn: 10000" and a line per rejecting filter, the biggest first:
// "cross-sum bounds: 6234 (62.3 %)".
std::string rejectionSummary(const RejectionCounts& counts);

}  // namespace numora
