#include "common/number_format.h"

#include <cstdio>

namespace numora {

std::string groupThousands(std::string digits, const std::string& separator) {
  const std::size_t firstDigit = !digits.empty() && digits[0] == '-' ? 1 : 0;
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3;
       at > static_cast<std::ptrdiff_t>(firstDigit); at -= 3) {
    digits.insert(static_cast<std::size_t>(at), separator);
  }
  return digits;
}

std::string formatAmount(long long value, const NumberFormat& format) {
  const std::string digits = std::to_string(value);
  return format.groupWholeAmounts ? groupThousands(digits, format.groupSeparator) : digits;
}

std::string formatDecimals(double value, int decimals, const NumberFormat& format) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  const auto point = text.find('.');
  std::string whole = text.substr(0, point);
  if (format.groupWholeAmounts) whole = groupThousands(whole, format.groupSeparator);
  if (point == std::string::npos) return whole;
  return whole + format.decimalPoint + text.substr(point + 1);
}

}  // namespace numora
