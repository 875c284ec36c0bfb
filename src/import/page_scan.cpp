#include "import/page_scan.h"

#include "common/text.h"

namespace numora {
namespace {

constexpr std::string_view kEveningMarker = "E&nbsp";
constexpr std::string_view kRowStart = "<tr><td>";
constexpr std::string_view kCellStart = "<td>";
// The evening marker follows its date within this many characters.
constexpr std::size_t kEveningReach = 20;

// The text from 1-based position p on (the whole text for p < 1).
std::string_view fromPosition(std::string_view text, std::size_t p) {
  const std::size_t index = p == 0 ? 0 : p - 1;
  return index >= text.size() ? std::string_view() : text.substr(index);
}

}  // namespace

std::string dateKey(DayCount day) {
  return "(" + formatIsoDate(day);
}

std::optional<std::string_view> locateDraw(std::string_view page, DayCount day, DrawSought which) {
  if (page.empty()) return std::nullopt;
  const std::string key = dateKey(day);
  const std::size_t p = pos(key, page);
  if (p == 0) return std::nullopt;
  // From the last character of the key on: the second digit of the day.
  std::string_view rest = fromPosition(page, p + 10);
  if (which == DrawSought::First) return rest;
  if (which == DrawSought::Midday) {
    // The first row after the date is the evening one: the midday draw is not on the page.
    const std::size_t marker = pos(kEveningMarker, rest);
    return marker != 0 && marker <= kEveningReach ? std::string_view() : rest;
  }

  const std::size_t e = pos(kEveningMarker, rest);
  // No evening marker after the date: the evening draw is not on the page yet, and the first
  // row after the date is the midday draw, which must not be stored as the evening one.
  if (e == 0) return std::string_view();
  if (e <= kEveningReach) return rest;
  rest = fromPosition(rest, e - kEveningReach);
  const std::size_t again = pos(key, rest);
  // The marker found belongs to another date: this date has no evening row on the page.
  if (again == 0) return std::string_view();
  rest = fromPosition(rest, again + 10);
  if (pos(kEveningMarker, rest) > kEveningReach) return std::string_view();
  return rest;
}

ReadNumbers readNumbers(std::string_view rest) {
  ReadNumbers read;
  const std::size_t row = pos(kRowStart, rest);
  rest.remove_prefix(row);  // up to and including the "<" of the row marker
  for (int i = 0; i < 20; ++i) {
    const std::size_t cell = pos(kCellStart, rest);
    // A missing cell marker deletes nothing: the text found next is read instead.
    if (cell != 0) rest.remove_prefix(std::min(rest.size(), cell + 3));
    const std::string_view text = rest.substr(0, rest.find('<'));
    const auto number = parseStrictInt(trim(text));
    if (!number) return ReadNumbers{};
    read.numbers[static_cast<std::size_t>(i)] = *number;
  }
  read.result = read.numbers[0] == 0 ? ReadNumbers::Result::NoDraw : ReadNumbers::Result::Numbers;
  return read;
}

bool isValidDraw(const std::array<int, 20>& numbers) {
  std::array<bool, 71> seen{};
  for (const int number : numbers) {
    if (number < 1 || number > 70 || seen[static_cast<std::size_t>(number)]) return false;
    seen[static_cast<std::size_t>(number)] = true;
  }
  return true;
}

}  // namespace numora
