#include "draws/draw_text_import.h"

#include <algorithm>
#include <bitset>
#include <map>
#include <optional>
#include <utility>

#include "common/text.h"
#include "common/translatable.h"
#include "draws/draw_text_fields.h"
#include "draws/draw_text_layout.h"

namespace numora {
namespace {

const char* const kLineTooLong =
    NUMORA_TRANSLATABLE("Numora", "line too long (more than 200 characters)");
// Progress is told once per so many lines.
constexpr int kLinesPerProgress = 4096;

// A draw as its line gives it, with the time of day written after its date (-1: none).
struct ReadDraw {
  ImportedDraw draw;
  int minuteOfDay = -1;
};

std::bitset<71> numberSet(const ImportedDraw& draw) {
  std::bitset<71> set;
  for (auto n : draw.numbers) set.set(n);
  return set;
}

bool sameNumbers(const ImportedDraw& a, const ImportedDraw& b) {
  return numberSet(a) == numberSet(b);
}

class DrawLineReader {
 public:
  DrawLineReader(const DrawTextLayout& layout, const DrawImportRules& rules)
      : layout_(layout), rules_(rules) {}

  // The draw of one line, or the reason it is rejected.
  std::optional<ReadDraw> read(int number, const std::vector<std::string>& fields,
                               std::string& reason) const {
    if (fields.size() != layout_.fieldCount) {
      reason = fillPattern(NUMORA_TRANSLATABLE("Numora", "expected %1 fields, found %2"),
                           {std::to_string(layout_.fieldCount), std::to_string(fields.size())});
      return std::nullopt;
    }
    ReadDraw read;
    ImportedDraw& draw = read.draw;
    draw.line = number;
    const auto& dateField = fields[layout_.dateColumn];
    const auto text = readDateText(dateField);
    const auto date = text ? resolveDate(*text, layout_.slashOrder) : std::nullopt;
    if (!date) {
      reason = fillPattern(NUMORA_TRANSLATABLE("Numora", "\"%1\" is no date"), {dateField});
      return std::nullopt;
    }
    if (*date < rules_.firstDrawDate || *date > rules_.today) {
      reason = fillPattern(
          NUMORA_TRANSLATABLE("Numora", "the date %1 lies outside %2 to %3"),
          {formatDate(*date), formatDate(rules_.firstDrawDate), formatDate(rules_.today)});
      return std::nullopt;
    }
    draw.date = *date;
    read.minuteOfDay = text->minuteOfDay;
    if (layout_.hasTimeColumn()) {
      const auto& timeField = fields[layout_.timeColumn];
      const auto midday = readDrawTime(timeField);
      if (!midday) {
        reason = fillPattern(
            NUMORA_TRANSLATABLE("Numora", "\"%1\" says neither midday nor evening"), {timeField});
        return std::nullopt;
      }
      if (*midday && !rules_.twoDrawsPerDate) {
        reason = NUMORA_TRANSLATABLE("Numora", "this lottery has no midday draw");
        return std::nullopt;
      }
      draw.midday = *midday;
    }
    std::bitset<71> seen;
    std::size_t count = 0;
    for (std::size_t column = 0; column < fields.size(); ++column) {
      if (!layout_.isNumberColumn(column)) continue;
      const auto& field = fields[column];
      const auto number = field.size() <= 2 ? parseStrictInt(field) : std::nullopt;
      if (!number || *number < 1 || *number > 70 || field[0] == '+' || field[0] == '-') {
        reason =
            fillPattern(NUMORA_TRANSLATABLE("Numora", "\"%1\" is no number from 1 to 70"), {field});
        return std::nullopt;
      }
      if (seen[*number]) {
        reason = fillPattern(NUMORA_TRANSLATABLE("Numora", "the number %1 occurs twice"),
                             {std::to_string(*number)});
        return std::nullopt;
      }
      seen[*number] = true;
      if (count < kDrawNumbers) draw.numbers[count] = static_cast<std::uint8_t>(*number);
      ++count;
    }
    if (count != kDrawNumbers) {
      reason = fillPattern(NUMORA_TRANSLATABLE("Numora", "expected 20 numbers, found %1"),
                           {std::to_string(count)});
      return std::nullopt;
    }
    return read;
  }

 private:
  const DrawTextLayout& layout_;
  const DrawImportRules& rules_;
};

// The rejected lines in line order: the first ones with their reasons, all of them counted, so a
// file of millions of bad lines needs no more memory than one of a thousand.
class RejectedLines {
 public:
  void add(int line, std::string reason) {
    ++count_;
    lines_.push_back({line, std::move(reason)});
    if (lines_.size() >= 2 * kRejectedLinesKept) keepFirst();
  }
  void moveInto(DrawTextImport& result) {
    keepFirst();
    result.rejected = std::move(lines_);
    result.rejectedCount = count_;
  }

 private:
  void keepFirst() {
    std::stable_sort(lines_.begin(), lines_.end(),
                     [](const RejectedLine& a, const RejectedLine& b) { return a.line < b.line; });
    if (lines_.size() > kRejectedLinesKept) lines_.resize(kRejectedLinesKept);
  }

  std::vector<RejectedLine> lines_;
  std::size_t count_ = 0;
};

// The draws of each date. A line that repeats a draw of its date, or a further draw of a date
// that has all its draws, is rejected.
class DrawsOfDate {
 public:
  DrawsOfDate(const DrawImportRules& rules, bool timeColumn)
      : rules_(rules), timeColumn_(timeColumn) {}

  bool place(const ImportedDraw& draw, const std::vector<ReadDraw>& taken, std::string& reason) {
    auto& slots = byDate_[draw.date];
    for (std::size_t index : slots) {
      const auto& other = taken[index].draw;
      if (sameNumbers(other, draw)) {
        reason = fillPattern(NUMORA_TRANSLATABLE("Numora", "repeats line %1"),
                             {std::to_string(other.line)});
        return false;
      }
    }
    // With a midday/evening column a date holds one draw of each; without, as many as the
    // lottery draws a day, placed when the whole file is read.
    std::optional<int> holder;
    if (timeColumn_) {
      for (std::size_t index : slots) {
        if (taken[index].draw.midday == draw.midday) holder = taken[index].draw.line;
      }
    } else if (slots.size() >= (rules_.twoDrawsPerDate ? 2u : 1u)) {
      holder = taken[slots.back()].draw.line;
    }
    if (holder) {
      reason = fillPattern(rules_.twoDrawsPerDate
                               ? NUMORA_TRANSLATABLE("Numora", "a further draw of %1 (line %2)")
                               : NUMORA_TRANSLATABLE("Numora", "a second draw of %1 (line %2)"),
                           {formatDate(draw.date), std::to_string(*holder)});
      return false;
    }
    slots.push_back(taken.size());
    return true;
  }

  // Without a midday/evening column, which draw of a Daily Keno date is the midday draw: the
  // earlier time of day when the dates carry differing times, else the file's order. A results
  // page lists the newest draw first, so in a file whose dates descend the later line of a date
  // is its midday draw; where they ascend (the export), the earlier. A file whose dates do
  // neither does not tell; the draws of its dates with two lines are rejected. A date's only
  // line is taken as its midday draw, and marked so.
  void settleMidday(std::vector<ReadDraw>& taken, RejectedLines& rejected) const {
    bool ascending = true;
    bool descending = true;
    for (std::size_t i = 1; i < taken.size(); ++i) {
      ascending &= taken[i - 1].draw.date <= taken[i].draw.date;
      descending &= taken[i - 1].draw.date >= taken[i].draw.date;
    }
    std::vector<bool> refused(taken.size(), false);
    for (const auto& [date, slots] : byDate_) {
      if (slots.size() == 1) {
        taken[slots[0]].draw.midday = true;
        taken[slots[0]].draw.middayAssumed = true;
        continue;
      }
      if (slots.size() != 2) continue;
      auto& first = taken[slots[0]];
      auto& second = taken[slots[1]];
      bool firstIsMidday = ascending;
      if (first.minuteOfDay >= 0 && second.minuteOfDay >= 0 &&
          first.minuteOfDay != second.minuteOfDay) {
        firstIsMidday = first.minuteOfDay < second.minuteOfDay;
      } else if (!ascending && !descending) {
        const std::string reason =
            fillPattern(NUMORA_TRANSLATABLE("Numora",
                                            "the dates of the file neither ascend nor descend and "
                                            "no column says which draw of %1 is the midday draw"),
                        {formatDate(date)});
        for (std::size_t index : slots) {
          refused[index] = true;
          rejected.add(taken[index].draw.line, reason);
        }
        continue;
      }
      first.draw.midday = firstIsMidday;
      second.draw.midday = !firstIsMidday;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < taken.size(); ++i) {
      if (!refused[i]) taken[kept++] = std::move(taken[i]);
    }
    taken.resize(kept);
  }

 private:
  const DrawImportRules& rules_;
  bool timeColumn_;
  std::map<DayCount, std::vector<std::size_t>> byDate_;
};

}  // namespace

DrawTextImport parseDrawText(std::string_view bytes, const DrawImportRules& rules) {
  MemoryByteSource source(bytes);
  return parseDrawSource(source, rules);
}

DrawTextImport parseDrawSource(ByteSource& source, const DrawImportRules& rules,
                               const ImportProgress& progress) {
  DrawTextImport result;
  // Two passes over the bytes: the share done counts both.
  const double total = 2.0 * static_cast<double>(std::max<std::uint64_t>(source.size(), 1));
  const auto tell = [&](double before, const TextLineReader& reader, const TextLine& line) {
    if (progress && line.number % kLinesPerProgress == 0) {
      progress(std::min(1.0, (before + static_cast<double>(reader.bytesRead())) / total));
    }
  };

  DrawTextSurvey survey;
  TextLine line;
  {
    TextLineReader reader(source, kMaxDrawLineCharacters);
    while (survey.wantsMore() && reader.next(line)) {
      survey.add(line);
      tell(0, reader, line);
    }
  }
  const SurveyResult surveyed = survey.finish();
  if (!surveyed.refusal.empty()) {
    result.refusal = surveyed.refusal;
    return result;
  }
  const DrawTextLayout& layout = surveyed.layout;
  const DrawLineReader lineReader(layout, rules);
  std::vector<std::string> fields;
  if (surveyed.stoppedEarly) {
    const FoundLine& first = surveyed.firstDataLine;
    std::string reason = kLineTooLong;
    if (!first.tooLong) {
      splitFields(first.text, layout.separator, fields);
      if (lineReader.read(first.number, fields, reason)) {
        reason = NUMORA_TRANSLATABLE("Numora", "holds no draw");
      }
    }
    result.refusal = fillPattern(NUMORA_TRANSLATABLE("Numora",
                                                     "The first 1,000 lines of the file hold no "
                                                     "line with a date and 20 numbers: line %1 "
                                                     "%2: %3."),
                                 {std::to_string(first.number), quoteLine(first.text), reason});
    return result;
  }

  source.rewind();
  TextLineReader reader(source, kMaxDrawLineCharacters);
  std::vector<ReadDraw> taken;
  RejectedLines rejected;
  DrawsOfDate dates(rules, layout.hasTimeColumn());
  const double firstPass = total / 2;
  while (reader.next(line)) {
    tell(firstPass, reader, line);
    if (line.number == layout.headerLine) continue;
    if (line.tooLong) {
      rejected.add(line.number, kLineTooLong);
      continue;
    }
    if (trim(line.text).empty()) continue;
    splitFields(line.text, layout.separator, fields);
    std::string reason;
    auto draw = lineReader.read(line.number, fields, reason);
    if (draw && dates.place(draw->draw, taken, reason)) {
      taken.push_back(*draw);
    } else {
      rejected.add(line.number, std::move(reason));
    }
  }
  if (rules.twoDrawsPerDate && !layout.hasTimeColumn()) dates.settleMidday(taken, rejected);

  result.draws.reserve(taken.size());
  for (auto& read : taken) result.draws.push_back(read.draw);
  rejected.moveInto(result);
  if (progress) progress(1.0);
  return result;
}

}  // namespace numora
