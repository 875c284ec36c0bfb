#include "evaluation/tip_text.h"

#include <algorithm>

#include "common/text.h"

namespace numora {
namespace {
// A slot of the scratch table holds 20 characters; a longer number text is unreadable.
constexpr std::size_t kSlotWidth = 20;
}  // namespace

TipNumbers readTipNumbers(std::string_view tipText, int numbersPerTip) {
  // The comma appended to the text closes its last number.
  std::string withComma(tipText);
  withComma += ',';
  std::string_view rest = withComma;

  std::array<std::string_view, TipNumbers::kSlots> texts{};
  int taken = 0;
  while (!rest.empty() && taken < TipNumbers::kSlots) {
    rest = trim(rest);
    const auto comma = rest.find(',');
    if (comma == std::string_view::npos) {
      texts[static_cast<std::size_t>(taken++)] = rest;
      rest = {};
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
