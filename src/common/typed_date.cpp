#include "common/typed_date.h"

#include <algorithm>
#include <vector>

#include "common/text.h"
#include "common/two_digit_year.h"

namespace numora {
namespace {

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The digit groups between one kind of separator; nothing when a group is empty or holds
// anything but digits.
std::optional<std::vector<std::string_view>> digitGroups(std::string_view text, char separator) {
  std::vector<std::string_view> groups;
  for (;;) {
    const auto end = text.find(separator);
    const std::string_view group = text.substr(0, end);
    if (!allDigits(group)) return std::nullopt;
    groups.push_back(group);
    if (end == std::string_view::npos) return groups;
    text.remove_prefix(end + 1);
  }
}

int number(std::string_view digits) {
  return *parseStrictInt(digits);
}

// A year of two digits is expanded; four are taken as they are; any other length is no year.
std::optional<int> year(std::string_view digits) {
  if (digits.size() == 2) return expandTwoDigitYear(number(digits));
  if (digits.size() == 4) return number(digits);
  return std::nullopt;
}

std::optional<DayCount> date(std::optional<int> year, std::string_view month,
                             std::string_view day) {
  if (!year || month.size() > 2 || day.size() > 2) return std::nullopt;
  if (!isValidDate(*year, number(month), number(day))) return std::nullopt;
  return encodeDate(*year, number(month), number(day));
}

}  // namespace

std::optional<DayCount> readTypedDate(std::string_view text) {
  text = trim(text);
  if (text.size() > 10) return std::nullopt;
  if (allDigits(text)) {
    // ddmmyyyy or ddmmyy.
    if (text.size() != 8 && text.size() != 6) return std::nullopt;
    return date(year(text.substr(4)), text.substr(2, 2), text.substr(0, 2));
  }
  if (const auto dotted = digitGroups(text, '.'); dotted && dotted->size() == 3) {
    const auto& g = *dotted;
    return date(year(g[2]), g[1], g[0]);
  }
  // The ISO order only with its four-digit year first: "05-05-23" could be read either way.
  if (const auto iso = digitGroups(text, '-'); iso && iso->size() == 3 && (*iso)[0].size() == 4) {
    const auto& g = *iso;
    return date(year(g[0]), g[1], g[2]);
  }
  return std::nullopt;
}

std::string typedTextRefusal(std::string_view text) {
  return std::string(text) + " is no date: type it as dd.mm.yyyy";
}

}  // namespace numora
