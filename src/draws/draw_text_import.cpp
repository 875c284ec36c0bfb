#include "draws/draw_text_import.h"

#include <algorithm>
#include <bitset>
#include <map>
#include <optional>
#include <utility>

#include "common/text.h"
#include "draws/draw_text_fields.h"

namespace numora {
namespace {

constexpr std::size_t kNumberColumns = 20;
constexpr std::size_t kSeparatorSample = 50;
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

const char* const kAmbiguousDates =
    "The dates of this file can be read as day/month or as month/day. Please save the file "
    "with dates as yyyy-mm-dd and import it again.";
const char* const kMixedDates =
    "The dates of this file mix day/month and month/day order. Please save the file with dates "
    "as yyyy-mm-dd and import it again.";
const char* const kNoDraws = "The file holds no line with a date and 20 numbers.";

struct Line {
  int number = 0;
  std::vector<std::string> fields;
};

struct Layout {
  std::size_t fieldCount = 0;
  std::size_t dateColumn = 0;
  std::size_t timeColumn = kNoColumn;  // the midday/evening column, if any
  bool hasTimeColumn() const { return timeColumn != kNoColumn; }
  SlashOrder slashOrder = SlashOrder::Unknown;
};

std::optional<std::size_t> findDateColumn(const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (readDateText(fields[i])) return i;
  }
  return std::nullopt;
}

// The field count most data lines have; lines of another count are rejected one by one.
std::size_t commonFieldCount(const std::vector<Line>& lines) {
  std::map<std::size_t, std::size_t> counts;
  for (const auto& line : lines) ++counts[line.fields.size()];
  std::size_t best = 0;
  std::size_t bestLines = 0;
  for (auto [count, many] : counts) {
    if (count < kNumberColumns + 1) continue;
    if (many > bestLines) {
      best = count;
      bestLines = many;
    }
  }
  return best;
}

// Without a header that names it, the midday/evening column is the one whose every value is a
// draw-time word. Words ("Midday", "E") settle it best, a "0" next (no number is 0); a column
// of only "1" could be numbers, so the column beside the date or the last one is preferred.
std::size_t guessTimeColumn(const std::vector<Line>& lines, const Layout& layout) {
  std::size_t best = kNoColumn;
  int bestScore = 0;
  bool tie = false;
  for (std::size_t column = 0; column < layout.fieldCount; ++column) {
    if (column == layout.dateColumn) continue;
    int strength = 1;
    bool all = true;
    for (const auto& line : lines) {
      if (line.fields.size() != layout.fieldCount) continue;
      const auto& value = line.fields[column];
      if (!readDrawTime(value)) {
        all = false;
        break;
      }
      if (!parseStrictInt(value)) strength = 3;
      if (value == "0") strength = std::max(strength, 2);
    }
    if (!all) continue;
    const bool preferred = column == layout.dateColumn + 1 || column + 1 == layout.fieldCount;
    const int score = strength * 2 + (preferred ? 1 : 0);
    if (score > bestScore) {
      best = column;
      bestScore = score;
      tie = false;
    } else if (score == bestScore) {
      tie = true;
    }
  }
  return tie ? kNoColumn : best;
}

// The order of slash dates, from the dates that settle it. An error text when none settles it
// or two dates settle it differently.
std::optional<std::string> settleSlashOrder(const std::vector<Line>& lines, Layout& layout) {
  bool anySlashed = false;
  bool dayFirst = false;
  bool monthFirst = false;
  for (const auto& line : lines) {
    if (line.fields.size() <= layout.dateColumn) continue;
    const auto date = readDateText(line.fields[layout.dateColumn]);
    if (!date || date->kind != DateText::Kind::Slashed) continue;
    anySlashed = true;
    const auto order = orderSettledBy(*date);
    dayFirst |= order == SlashOrder::DayFirst;
    monthFirst |= order == SlashOrder::MonthFirst;
  }
  if (!anySlashed) return std::nullopt;
  if (dayFirst && monthFirst) return kMixedDates;
  if (!dayFirst && !monthFirst) return kAmbiguousDates;
  layout.slashOrder = dayFirst ? SlashOrder::DayFirst : SlashOrder::MonthFirst;
  return std::nullopt;
}

bool sameNumbers(const ImportedDraw& a, const ImportedDraw& b) {
  auto x = a.numbers;
  auto y = b.numbers;
  std::sort(x.begin(), x.end());
  std::sort(y.begin(), y.end());
  return x == y;
}

class LineReader {
 public:
  LineReader(const Layout& layout, const DrawImportRules& rules) : layout_(layout), rules_(rules) {}

  // The draw of one line, or the reason it is rejected.
  std::optional<ImportedDraw> read(const Line& line, std::string& reason) const {
    if (line.fields.size() != layout_.fieldCount) {
      reason = "expected " + std::to_string(layout_.fieldCount) + " fields, found " +
               std::to_string(line.fields.size());
      return std::nullopt;
    }
    ImportedDraw draw;
    draw.line = line.number;
    const auto& dateField = line.fields[layout_.dateColumn];
    const auto text = readDateText(dateField);
    const auto date = text ? resolveDate(*text, layout_.slashOrder) : std::nullopt;
    if (!date) {
      reason = "\"" + dateField + "\" is no date";
      return std::nullopt;
    }
    if (*date < rules_.firstDrawDate || *date > rules_.today) {
      reason = "the date " + formatDate(*date) + " lies outside " +
               formatDate(rules_.firstDrawDate) + " to " + formatDate(rules_.today);
      return std::nullopt;
    }
    draw.date = *date;
    if (layout_.hasTimeColumn()) {
      const auto& timeField = line.fields[layout_.timeColumn];
      const auto midday = readDrawTime(timeField);
      if (!midday) {
        reason = "\"" + timeField + "\" says neither midday nor evening";
        return std::nullopt;
      }
      if (*midday && !rules_.twoDrawsPerDate) {
        reason = "this lottery has no midday draw";
        return std::nullopt;
      }
      draw.midday = *midday;
    }
    std::bitset<71> seen;
    std::size_t count = 0;
    for (std::size_t column = 0; column < line.fields.size(); ++column) {
      if (column == layout_.dateColumn || column == layout_.timeColumn) continue;
      const auto& field = line.fields[column];
      const auto number = field.size() <= 2 ? parseStrictInt(field) : std::nullopt;
      if (!number || *number < 1 || *number > 70 || field[0] == '+' || field[0] == '-') {
        reason = "\"" + field + "\" is no number from 1 to 70";
        return std::nullopt;
      }
      if (seen[*number]) {
        reason = "the number " + std::to_string(*number) + " occurs twice";
        return std::nullopt;
      }
      seen[*number] = true;
      if (count < kNumberColumns) draw.numbers[count] = static_cast<std::uint8_t>(*number);
      ++count;
    }
    if (count != kNumberColumns) {
      reason = "expected 20 numbers, found " + std::to_string(count);
      return std::nullopt;
    }
    return draw;
  }

 private:
  const Layout& layout_;
  const DrawImportRules& rules_;
};

// Without a midday/evening column, the draws of one date are the midday and then the evening
// draw in file order (Daily Keno), as the export writes them. A line that repeats a draw of
// the file, or a further draw of a date that has all its draws, is rejected.
class DrawsOfDate {
 public:
  DrawsOfDate(const DrawImportRules& rules, bool timeColumn)
      : rules_(rules), timeColumn_(timeColumn) {}

  bool place(ImportedDraw& draw, const std::vector<ImportedDraw>& taken, std::string& reason) {
    auto& slots = byDate_[draw.date];
    if (!timeColumn_) draw.midday = rules_.twoDrawsPerDate && slots.empty();
    for (std::size_t index : slots) {
      const auto& other = taken[index];
      if (sameNumbers(other, draw)) {
        reason = "repeats line " + std::to_string(other.line);
        return false;
      }
      if (other.midday == draw.midday) {
        reason = (rules_.twoDrawsPerDate ? "a further draw of " : "a second draw of ") +
                 formatDate(draw.date) + " (line " + std::to_string(other.line) + ")";
        return false;
      }
    }
    slots.push_back(taken.size());
    return true;
  }

 private:
  const DrawImportRules& rules_;
  bool timeColumn_;
  std::map<DayCount, std::vector<std::size_t>> byDate_;
};

}  // namespace

DrawTextImport parseDrawText(std::string_view text, const DrawImportRules& rules) {
  DrawTextImport result;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const auto rawLines = splitLines(text);

  std::vector<std::string_view> sample;
  for (const auto& raw : rawLines) {
    if (!trim(raw).empty() && sample.size() < kSeparatorSample) sample.push_back(raw);
  }
  const char separator = detectSeparator(sample);

  Layout layout;
  std::vector<Line> lines;
  bool headerChecked = false;
  for (std::size_t i = 0; i < rawLines.size(); ++i) {
    if (trim(rawLines[i]).empty()) continue;
    Line line{static_cast<int>(i) + 1, splitFields(rawLines[i], separator)};
    if (!headerChecked) {
      headerChecked = true;
      if (!findDateColumn(line.fields)) {
        // A header line: it may name the midday/evening column.
        for (std::size_t c = 0; c < line.fields.size(); ++c) {
          if (isDrawTimeHeader(line.fields[c])) layout.timeColumn = c;
        }
        continue;
      }
    }
    lines.push_back(std::move(line));
  }

  layout.fieldCount = commonFieldCount(lines);
  std::optional<std::size_t> dateColumn;
  for (const auto& line : lines) {
    if (line.fields.size() != layout.fieldCount) continue;
    if ((dateColumn = findDateColumn(line.fields))) break;
  }
  if (layout.fieldCount == 0 || !dateColumn) {
    result.refusal = kNoDraws;
    return result;
  }
  layout.dateColumn = *dateColumn;
  if (layout.timeColumn >= layout.fieldCount) layout.timeColumn = kNoColumn;
  if (!layout.hasTimeColumn() && layout.fieldCount > kNumberColumns + 1) {
    layout.timeColumn = guessTimeColumn(lines, layout);
  }
  if (auto error = settleSlashOrder(lines, layout)) {
    result.refusal = *error;
    return result;
  }

  const LineReader reader(layout, rules);
  DrawsOfDate dates(rules, layout.hasTimeColumn());
  result.draws.reserve(lines.size());
  for (const auto& line : lines) {
    std::string reason;
    auto draw = reader.read(line, reason);
    if (draw && dates.place(*draw, result.draws, reason)) {
      result.draws.push_back(*draw);
    } else {
      result.rejected.push_back({line.number, std::move(reason)});
    }
  }
  return result;
}

}  // namespace numora
