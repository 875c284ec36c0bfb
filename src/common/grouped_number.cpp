#include "common/grouped_number.h"

namespace numora {

std::string formatGrouped(std::int64_t value) {
  const bool negative = value < 0;
  // Through the unsigned magnitude, so the smallest value has one too.
  std::uint64_t magnitude =
      negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return negative ? "-" + text : text;
}

}  // namespace numora
