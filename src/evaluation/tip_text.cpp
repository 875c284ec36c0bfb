#include "evaluation/tip_text.h"

#include <algorithm>
#include <cstddef>

#include "common/text.h"

namespace numora {
namespace {
// A slot of the scratch table holds 20 characters; a longer number text is unreadable.
constexpr std::size_t kSlotWidth = 20;
}  // namespace

namespace {

// The program's own form of a tip, "01,05,33": two digits per number joined by commas. Read
// directly; any other text takes the general way below, which gives the same numbers for it.
bool readTwoDigitTip(std::string_view text, int numbersPerTip, TipNumbers& tip) {
  if (text.size() % 3 != 2 || text.size() > TipNumbers::kSlots * 3 - 1) return false;
  const int numbers = static_cast<int>(text.size() + 1) / 3;
  for (int i = 0; i < numbers; ++i) {
    const char* p = text.data() + static_cast<std::ptrdiff_t>(i) * 3;
    if (p[0] < '0' || p[0] > '9' || p[1] < '0' || p[1] > '9') return false;
    if (i + 1 < numbers && p[2] != ',') return false;
  }
  tip.count = std::clamp(numbersPerTip, 0, numbers);
  for (int i = 0; i < tip.count; ++i) {
    const char* p = text.data() + static_cast<std::ptrdiff_t>(i) * 3;
    tip.values[static_cast<std::size_t>(i)] = (p[0] - '0') * 10 + (p[1] - '0');
  }
  return true;
}

}  // namespace

TipNumbers readTipNumbers(std::string_view tipText, int numbersPerTip) {
  if (TipNumbers tip; readTwoDigitTip(tipText, numbersPerTip, tip)) return tip;

  // The text is read as if one comma were appended to close its last number.
  std::array<std::string_view, TipNumbers::kSlots> texts{};
  int taken = 0;
  std::string_view rest = tipText;
  bool closingCommaLeft = true;
  while ((!rest.empty() || closingCommaLeft) && taken < TipNumbers::kSlots) {
    rest = trimLeft(rest);
    const auto comma = rest.find(',');
    if (comma == std::string_view::npos) {
      // The last number text; trailing blanks stay part of it, as the appended comma follows.
      texts[static_cast<std::size_t>(taken++)] = rest;
      rest = {};
      closingCommaLeft = false;
    } else {
      texts[static_cast<std::size_t>(taken++)] = rest.substr(0, comma);
      rest.remove_prefix(comma + 1);
    }
  }

  TipNumbers tip;
  const int compared = std::min(taken, numbersPerTip);
  for (int i = 0; i < compared; ++i) {
    const std::string_view text = texts[static_cast<std::size_t>(i)];
    if (text.size() > kSlotWidth) break;
    const auto number = parseStrictInt(text);
    if (!number) break;
    tip.values[static_cast<std::size_t>(tip.count++)] = *number;
  }
  return tip;
}

}  // namespace numora
