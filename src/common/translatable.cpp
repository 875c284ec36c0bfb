#include "common/translatable.h"

#include <cctype>

namespace numora {

std::string fillPattern(std::string_view pattern, const std::vector<std::string>& values) {
  std::string text;
  std::size_t i = 0;
  while (i < pattern.size()) {
    std::size_t digits = i + 1;
    while (digits < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[digits])))
      ++digits;
    if (pattern[i] == '%' && digits > i + 1) {
      const std::size_t index = std::stoul(std::string(pattern.substr(i + 1, digits - i - 1)));
      if (index >= 1 && index <= values.size()) {
        text += values[index - 1];
        i = digits;
        continue;
      }
    }
    text += pattern[i++];
  }
  return text;
}

}  // namespace numora
