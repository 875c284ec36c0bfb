#include "app/cli/script_line.h"

#include <charconv>

namespace numora {

WordAndRest splitWord(std::string_view text) {
  const auto blank = text.find(' ');
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

std::optional<NameReference> parseNameReference(std::string_view text) {
  NameReference reference;
  const auto dot = text.find('.');
  if (dot != std::string_view::npos) {
    reference.property = text.substr(dot + 1);
    text = text.substr(0, dot);
    if (reference.property.empty()) return std::nullopt;
  }
  const auto open = text.find('[');
  if (open != std::string_view::npos) {
    if (text.back() != ']' || !reference.property.empty()) return std::nullopt;
    const std::string_view digits = text.substr(open + 1, text.size() - open - 2);
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
      return std::nullopt;
    }
    reference.item = index;
    text = text.substr(0, open);
  }
  if (text.empty()) return std::nullopt;
  reference.name = text;
  return reference;
}

}  // namespace numora
