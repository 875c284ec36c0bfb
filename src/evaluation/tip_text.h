// Reading a tip text the way the tip matching reads it: comma-separated number texts, blanks
// and control characters in front of a number ignored, at most 26 texts, and only the first
// numbers-per-tip of them compared. A number text that is not a plain integer ends the reading.
#pragma once

#include <array>
#include <string_view>

namespace numora {

struct TipNumbers {
  static constexpr int kSlots = 26;
  std::array<int, kSlots> values{};
  int count = 0;  // numbers read before the first unreadable one, at most numbers-per-tip
};

TipNumbers readTipNumbers(std::string_view tipText, int numbersPerTip);

}  // namespace numora
