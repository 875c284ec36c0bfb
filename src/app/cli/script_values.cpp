#include "app/cli/script_values.h"

#include <charconv>

#include "app/cli/script_error.h"
#include "app/cli/text_escape.h"

namespace numora {

std::int64_t parseIntegerValue(std::string_view text, std::int64_t min, std::int64_t max) {
  std::int64_t value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  // from_chars takes no plus sign; a leading "+" is still a plain integer.
  if (first != last && *first == '+' && last - first > 1 && first[1] != '-') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (text.empty() || error != std::errc() || end != last || value < min || value > max) {
    throw ScriptError("expected an integer from " + std::to_string(min) + " to " +
                      std::to_string(max) + ", got '" + escapeText(text) + "'");
  }
  return value;
}

bool parseFlagValue(std::string_view text) {
  if (text == "1") return true;
  if (text == "0") return false;
  throw ScriptError("expected 1 or 0, got '" + escapeText(text) + "'");
}

DayCount parseDateValue(std::string_view text) {
  const auto date = parseDate(text);
  if (!date) throw ScriptError("expected a date dd.mm.yyyy, got '" + escapeText(text) + "'");
  return *date;
}

std::string formatFlag(bool value) {
  return value ? "1" : "0";
}

std::string formatNumberList(std::span<const int> numbers) {
  std::string text;
  for (const int number : numbers) {
    if (!text.empty()) text += ' ';
    text += std::to_string(number);
  }
  return text;
}

}  // namespace numora
