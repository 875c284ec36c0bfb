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

namespace {

constexpr std::string_view kRowEnd = "</tr>";
constexpr std::string_view kCellEnd = "</td>";

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// True when the text holds a date key "(yyyy-mm-dd" of any date.
bool holdsDateKey(std::string_view text) {
  constexpr std::string_view kShape = "(dddd-dd-dd";
  for (std::size_t at = text.find('('); at != std::string_view::npos; at = text.find('(', at + 1)) {
    if (text.size() - at < kShape.size()) return false;
    bool fits = true;
    for (std::size_t i = 1; fits && i < kShape.size(); ++i) {
      fits = kShape[i] == 'd' ? isDigit(text[at + i]) : text[at + i] == kShape[i];
    }
    if (fits) return true;
  }
  return false;
}

}  // namespace

ReadNumbers readNumbers(std::string_view rest) {
  // The draw's own row: the first row after its date, before any other date, closed by "</tr>".
  // A page cut inside the row, or a date row without a numbers row, gives no numbers at all.
  const std::size_t start = rest.find(kRowStart);
  if (start == std::string_view::npos || holdsDateKey(rest.substr(0, start))) return {};
  std::string_view row = rest.substr(start + kRowStart.size() - kCellStart.size());
  const std::size_t end = row.find(kRowEnd);
  if (end == std::string_view::npos) return {};
  row = row.substr(0, end);

  ReadNumbers read;
  std::size_t cells = 0;
  for (row = trimLeft(row); !row.empty(); row = trimLeft(row)) {
    // Exactly twenty whole cells "<td>number</td>", nothing else in the row.
    if (!row.starts_with(kCellStart) || cells == read.numbers.size()) return {};
    row.remove_prefix(kCellStart.size());
    const std::size_t close = row.find('<');
    if (close == std::string_view::npos || !row.substr(close).starts_with(kCellEnd)) return {};
    const auto number = parseStrictInt(trim(row.substr(0, close)));
    if (!number) return {};
    read.numbers[cells++] = *number;
    row.remove_prefix(close + kCellEnd.size());
  }
  if (cells != read.numbers.size()) return {};
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
