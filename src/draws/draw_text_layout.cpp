#include "draws/draw_text_layout.h"

#include <algorithm>

#include "common/text.h"
#include "common/translatable.h"

namespace numora {
namespace {

// The separator is chosen from this many lines with content at the top of the file.
constexpr std::size_t kSeparatorSample = 50;
constexpr std::size_t kQuotedCharacters = 60;

const char* const kNoDrawLines =
    NUMORA_TRANSLATABLE("Numora", "The file holds no line with a date and 20 numbers");
const char* const kNoDrawLinesAtTop = NUMORA_TRANSLATABLE(
    "Numora", "The first 1,000 lines of the file hold no line with a date and 20 numbers");

// Digits only, 1 to 70: a drawn number as a field holds it.
bool isDrawNumber(std::string_view field) {
  if (field.empty() || field.size() > 2) return false;
  const auto value = parseStrictInt(field);
  return value && *value >= 1 && *value <= 70 && field[0] != '+' && field[0] != '-';
}

std::string located(const FoundLine& line) {
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "line %1 %2"),
                     {std::to_string(line.number), quoteLine(line.text)});
}

}  // namespace

bool isHeaderLine(std::string_view line) {
  for (char separator : {'\t', ';', ','}) {
    for (const auto& field : splitFields(line, separator)) {
      if (isDrawNumber(field) || readDateText(field)) return false;
    }
  }
  return true;
}

std::string quoteLine(std::string_view text) {
  if (text.size() <= kQuotedCharacters) return "\"" + std::string(text) + "\"";
  std::size_t cut = kQuotedCharacters;
  // Not inside a character of several bytes.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

void DrawTextSurvey::add(const TextLine& line) {
  if (stoppedEarly_) return;
  if (!trim(line.text).empty() || line.tooLong) {
    if (separatorKnown_) {
      process(line.number, line.text, line.tooLong);
    } else {
      sample_.push_back({line.number, std::string(line.text), line.tooLong});
      if (sample_.size() == kSeparatorSample) settleSeparator();
    }
  }
  if (line.number >= kLinesWithoutDrawRead) {
    if (!separatorKnown_) settleSeparator();
    if (!sawDraw_) stoppedEarly_ = true;
  }
}

void DrawTextSurvey::process(int number, std::string_view text, bool tooLong) {
  if (!sawContent_) {
    sawContent_ = true;
    if (!tooLong && isHeaderLine(text)) {
      header_ = {number, std::string(text), false};
      return;
    }
  }
  const int dataIndex = dataLines_++;
  if (firstDataLine_.number == 0) firstDataLine_ = {number, std::string(text), tooLong};
  if (tooLong) return;
  splitFields(text, separator_, fields_);
  if (!sawDraw_ && looksLikeDraw(fields_)) sawDraw_ = true;
  if (fields_.size() < kDrawNumbers + 1) return;

  auto& counts = byFieldCount_[fields_.size()];
  if (counts.lines++ == 0) {
    counts.columns.resize(fields_.size());
    counts.firstLine = {number, std::string(text), false};
  }
  for (std::size_t c = 0; c < fields_.size(); ++c) {
    const auto& field = fields_[c];
    auto& column = counts.columns[c];
    if (const auto date = readDateText(field)) {
      ++column.dates;
      if (date->kind == DateText::Kind::Slashed) {
        if (column.firstSlashDate.number == 0) column.firstSlashDate = {number, field, false};
        const auto order = orderSettledBy(*date);
        if (order == SlashOrder::DayFirst && column.firstDayFirst.number == 0) {
          column.firstDayFirst = {number, field, false};
        } else if (order == SlashOrder::MonthFirst && column.firstMonthFirst.number == 0) {
          column.firstMonthFirst = {number, field, false};
        }
      }
    } else if (readDaySerial(field)) {
      if (column.daySerials++ == 0) column.firstDaySerial = {number, field, false};
    }
    if (column.allDrawTimes) {
      if (const auto midday = readDrawTime(field)) {
        if (!parseStrictInt(field)) column.drawTimeStrength = 3;
        if (field == "0") column.drawTimeStrength = std::max(column.drawTimeStrength, 2);
      } else {
        column.allDrawTimes = false;
      }
    }
  }
  // A row number counts the lines under the names from 0 or from 1.
  auto& first = counts.columns[0];
  if (first.countsLines) {
    const auto value = parseStrictInt(fields_[0]);
    const int offset = value ? *value - dataIndex : -1;
    if (first.rowOffset < 0 && (offset == 0 || offset == 1)) first.rowOffset = offset;
    first.countsLines = first.rowOffset >= 0 && offset == first.rowOffset;
  }
}

bool DrawTextSurvey::looksLikeDraw(const std::vector<std::string>& fields) const {
  bool date = false;
  std::size_t numbers = 0;
  for (const auto& field : fields) {
    if (isDrawNumber(field)) {
      ++numbers;
    } else if (!date) {
      date = readDateText(field).has_value();
    }
  }
  return date && numbers >= kDrawNumbers;
}

std::size_t DrawTextSurvey::findTimeColumn(const FieldCountCounts& counts,
                                           const DrawTextLayout& layout) const {
  // Words ("Midday", "E") settle it best, a "0" next (no number is 0); a column of only "1"
  // could be numbers, so the column beside the date or the last one is preferred.
  std::size_t best = kNoColumn;
  int bestScore = 0;
  bool tie = false;
  for (std::size_t column = 0; column < layout.fieldCount; ++column) {
    if (column == layout.dateColumn || column == layout.rowNumberColumn) continue;
    const auto& c = counts.columns[column];
    if (!c.allDrawTimes) continue;
    const bool preferred = column == layout.dateColumn + 1 || column + 1 == layout.fieldCount;
    const int score = c.drawTimeStrength * 2 + (preferred ? 1 : 0);
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

std::string DrawTextSurvey::noDrawRefusal(const FoundLine& line, const std::string& what) const {
  return fillPattern(
      NUMORA_TRANSLATABLE("Numora", "%1: %2 %3, where a date and 20 numbers were expected."),
      {stoppedEarly_ ? kNoDrawLinesAtTop : kNoDrawLines, located(line), what});
}

void DrawTextSurvey::settleSeparator() {
  std::vector<std::string_view> lines;
  for (const auto& line : sample_) lines.push_back(line.text);
  separator_ = detectSeparator(lines);
  separatorKnown_ = true;
  for (const auto& line : sample_) process(line.number, line.text, line.tooLong);
  sample_.clear();
}

SurveyResult DrawTextSurvey::finish() {
  if (!separatorKnown_) settleSeparator();
  SurveyResult result;
  result.firstDataLine = firstDataLine_;
  result.stoppedEarly = stoppedEarly_;
  auto& layout = result.layout;
  layout.separator = separator_;
  layout.headerLine = header_.number;

  if (dataLines_ == 0) {
    result.refusal =
        header_.number
            ? fillPattern(NUMORA_TRANSLATABLE("Numora", "%1: it holds only the line of names %2."),
                          {kNoDrawLines, quoteLine(header_.text)})
            : fillPattern(NUMORA_TRANSLATABLE("Numora", "%1: it is empty."), {kNoDrawLines});
    return result;
  }
  // The field count most lines have; lines of another count are rejected one by one.
  const FieldCountCounts* counts = nullptr;
  for (const auto& [fieldCount, c] : byFieldCount_) {
    if (!counts || c.lines > counts->lines) {
      counts = &c;
      layout.fieldCount = fieldCount;
    }
  }
  if (!counts) {
    if (firstDataLine_.tooLong) {
      result.refusal = noDrawRefusal(
          firstDataLine_, NUMORA_TRANSLATABLE("Numora", "is longer than 200 characters"));
    } else {
      result.refusal = noDrawRefusal(
          firstDataLine_,
          fillPattern(NUMORA_TRANSLATABLE("Numora", "holds %1 fields"),
                      {std::to_string(splitFields(firstDataLine_.text, separator_).size())}));
    }
    return result;
  }

  const auto& columns = counts->columns;
  const auto mostDates = std::max_element(columns.begin(), columns.end(),
                                          [](auto& a, auto& b) { return a.dates < b.dates; });
  if (mostDates->dates == 0) {
    const auto mostSerials = std::max_element(columns.begin(), columns.end(), [](auto& a, auto& b) {
      return a.daySerials < b.daySerials;
    });
    if (mostSerials->daySerials > 0) {
      const auto& found = mostSerials->firstDaySerial;
      result.refusal = fillPattern(
          NUMORA_TRANSLATABLE("Numora",
                              "Line %1: dates are written as numbers such as %2; save the sheet "
                              "with a date format and import it again."),
          {std::to_string(found.number), found.text});
    } else {
      result.refusal =
          noDrawRefusal(counts->firstLine, NUMORA_TRANSLATABLE("Numora", "holds no date"));
    }
    return result;
  }
  layout.dateColumn = static_cast<std::size_t>(mostDates - columns.begin());

  std::vector<std::string> header;
  if (header_.number) splitFields(header_.text, separator_, header);
  std::size_t namedTime = kNoColumn;
  for (std::size_t c = 0; c < header.size() && c < layout.fieldCount; ++c) {
    if (c != layout.dateColumn && isDrawTimeHeader(header[c])) namedTime = c;
  }
  // Columns besides the date and the 20 numbers.
  auto surplus = static_cast<long>(layout.fieldCount - 1 - kDrawNumbers);
  if (namedTime != kNoColumn) --surplus;
  const bool unnamedFirst = header.size() > 1 && header[0].empty();
  if (surplus > 0 && layout.dateColumn != 0 && namedTime != 0 &&
      (unnamedFirst || columns[0].countsLines)) {
    layout.rowNumberColumn = 0;
    --surplus;
  }
  if (namedTime != kNoColumn) {
    layout.timeColumn = namedTime;
  } else if (surplus > 0) {
    layout.timeColumn = findTimeColumn(*counts, layout);
  }

  const auto& dates = columns[layout.dateColumn];
  if (dates.firstSlashDate.number != 0) {
    if (dates.firstDayFirst.number != 0 && dates.firstMonthFirst.number != 0) {
      result.refusal = fillPattern(
          NUMORA_TRANSLATABLE("Numora",
                              "The dates of this file mix day/month and month/day order (%1, "
                              "%2). Please save the file with dates as yyyy-mm-dd and import it "
                              "again."),
          {located(dates.firstDayFirst), located(dates.firstMonthFirst)});
    } else if (dates.firstDayFirst.number == 0 && dates.firstMonthFirst.number == 0) {
      result.refusal = fillPattern(
          NUMORA_TRANSLATABLE("Numora",
                              "The dates of this file can be read as day/month or as month/day "
                              "(%1). Please save the file with dates as yyyy-mm-dd and import it "
                              "again."),
          {located(dates.firstSlashDate)});
    } else {
      layout.slashOrder =
          dates.firstDayFirst.number != 0 ? SlashOrder::DayFirst : SlashOrder::MonthFirst;
    }
  }
  return result;
}

}  // namespace numora
