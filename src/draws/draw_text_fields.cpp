#include "draws/draw_text_fields.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/text.h"
#include "common/two_digit_year.h"

namespace numora {
namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Digits only, one to four of them: the parts of a date. parseStrictInt would take signs.
std::optional<int> readDigits(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const auto at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

std::optional<int> monthFromName(std::string_view name) {
  static constexpr std::array<const char*, 12> kMonths = {
      "january", "february", "march",     "april",   "may",      "june",
      "july",    "august",   "september", "october", "november", "december"};
  std::string word = lower(name);
  if (!word.empty() && word.back() == '.') word.pop_back();
  if (word.size() < 3) return std::nullopt;
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    const std::string_view full = kMonths[i];
    // The full name or its first three letters ("Sept" too, as some sites write it).
    if (word == full || (word.size() <= 4 && full.substr(0, word.size()) == word)) {
      return static_cast<int>(i) + 1;
    }
  }
  return std::nullopt;
}

// "May 3, 2023", "May 3 2023", "3 May 2023".
std::optional<DateText> readNamedDate(std::string_view text) {
  std::vector<std::string_view> words;
  for (auto part : splitAt(text, ' ')) {
    part = trim(part);
    if (!part.empty() && part.back() == ',') part.remove_suffix(1);
    if (!part.empty()) words.push_back(part);
  }
  if (words.size() != 3) return std::nullopt;
  auto month = monthFromName(words[0]);
  auto day = readDigits(words[1], 2);
  if (!month || !day) {
    month = monthFromName(words[1]);
    day = readDigits(words[0], 2);
  }
  const auto year = readDigits(words[2], 4);
  if (!month || !day || !year || words[2].size() != 4) return std::nullopt;
  return DateText{DateText::Kind::Settled, *year, *month, *day};
}

// Three digit groups split at one separator: "05.05.2023", "2023-05-05", "5/3/2023".
std::optional<DateText> readNumericDate(std::string_view text, char separator) {
  const auto parts = splitAt(text, separator);
  if (parts.size() != 3) return std::nullopt;
  const auto a = readDigits(parts[0], 4);
  const auto b = readDigits(parts[1], 2);
  auto c = readDigits(parts[2], 4);
  if (!a || !b || !c) return std::nullopt;
  const bool yearFirst = parts[0].size() == 4 && parts[2].size() <= 2;
  if (yearFirst && separator != '.') return DateText{DateText::Kind::Settled, *a, *b, *c};
  if (parts[0].size() > 2 || separator == '-') return std::nullopt;
  // The short date formats of spreadsheets write the year with two digits: "01.01.23".
  if (parts[2].size() == 2) {
    c = expandTwoDigitYear(*c);
  } else if (parts[2].size() != 4) {
    return std::nullopt;
  }
  if (separator == '.') return DateText{DateText::Kind::Settled, *c, *b, *a};
  return DateText{DateText::Kind::Slashed, *c, *a, *b};
}

// "14:00", "22:30:00", "2:30 PM", "00:00:00.000": minutes after midnight.
std::optional<int> readTimeOfDay(std::string_view text) {
  text = trim(text);
  std::optional<bool> afternoon;  // set on a 12-hour clock
  if (text.size() > 2) {
    const std::string suffix = lower(text.substr(text.size() - 2));
    if (suffix == "am" || suffix == "pm") {
      afternoon = suffix == "pm";
      text = trim(text.substr(0, text.size() - 2));
    }
  }
  const auto parts = splitAt(text, ':');
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  auto hours = readDigits(parts[0], 2);
  const auto minutes = readDigits(parts[1], 2);
  if (!hours || !minutes || parts[1].size() != 2 || *minutes > 59) return std::nullopt;
  if (parts.size() == 3) {
    auto seconds = parts[2];
    if (const auto dot = seconds.find('.'); dot != std::string_view::npos) {
      if (!readDigits(seconds.substr(dot + 1), 9)) return std::nullopt;
      seconds = seconds.substr(0, dot);
    }
    const auto s = readDigits(seconds, 2);
    if (!s || seconds.size() != 2 || *s > 59) return std::nullopt;
  }
  if (afternoon) {
    // 12 AM is midnight, 12 PM is noon.
    if (*hours < 1 || *hours > 12) return std::nullopt;
    *hours = *hours % 12 + (*afternoon ? 12 : 0);
  }
  if (*hours > 23) return std::nullopt;
  return *hours * 60 + *minutes;
}

std::optional<DateText> readDateOnly(std::string_view text) {
  if (text.empty()) return std::nullopt;
  for (char separator : {'.', '-', '/'}) {
    if (text.find(separator) != std::string_view::npos &&
        text.find(' ') == std::string_view::npos) {
      return readNumericDate(text, separator);
    }
  }
  return readNamedDate(text);
}

}  // namespace

std::vector<std::string> splitFields(std::string_view line, char separator) {
  std::vector<std::string> fields;
  splitFields(line, separator, fields);
  return fields;
}

void splitFields(std::string_view line, char separator, std::vector<std::string>& fields) {
  line = trim(line);
  if (separator != ';' && !line.empty() && line.back() == ';') line.remove_suffix(1);
  if (line.find('"') == std::string_view::npos) {
    // Without quotes a field is what lies between two separators; the strings of the last
    // line are reused.
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
      const auto at = line.find(separator, start);
      const auto field = trim(line.substr(start, at == std::string_view::npos ? at : at - start));
      if (count < fields.size()) {
        fields[count].assign(field);
      } else {
        fields.emplace_back(field);
      }
      if (at == std::string_view::npos) break;
      start = at + 1;
    }
    fields.resize(count + 1);
    if (fields.size() > 1 && fields.back().empty()) fields.pop_back();
    return;
  }
  fields.clear();
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      // A doubled quote inside quotes is one quote character.
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (c == separator && !quoted) {
      fields.emplace_back(trim(field));
      field.clear();
    } else {
      field += c;
    }
  }
  fields.emplace_back(trim(field));
  if (fields.size() > 1 && fields.back().empty()) fields.pop_back();
}

char detectSeparator(const std::vector<std::string_view>& sampleLines) {
  char best = ',';
  std::size_t bestCount = 0;
  for (char separator : {'\t', ';', ','}) {
    std::size_t count = 0;
    for (auto line : sampleLines) {
      if (splitFields(line, separator).size() >= 21) ++count;
    }
    if (count > bestCount) {
      best = separator;
      bestCount = count;
    }
  }
  return best;
}

std::optional<DateText> readDateText(std::string_view text) {
  text = trim(text);
  if (text.empty() || text.size() > 40) return std::nullopt;
  // A number alone is no date: the fast answer for the many number fields of a line.
  if (text.find_first_not_of("0123456789") == std::string_view::npos) return std::nullopt;
  if (auto date = readDateOnly(text)) return date;
  // A date with a time of day: "2023-01-01 14:00:00", "2023-01-01T14:00", "1/1/23 2:00 PM".
  if (text.find(':') == std::string_view::npos) return std::nullopt;
  for (std::size_t at = 1; at + 1 < text.size(); ++at) {
    if (text[at] != ' ' && text[at] != 'T') continue;
    const auto minute = readTimeOfDay(text.substr(at + 1));
    if (!minute) continue;
    auto date = readDateOnly(trim(text.substr(0, at)));
    if (!date) continue;
    date->minuteOfDay = *minute;
    return date;
  }
  return std::nullopt;
}

std::optional<int> readDaySerial(std::string_view text) {
  if (text.size() < 5) return std::nullopt;
  text = trim(text);
  // Whole days, or days with the fraction of a date-time: 44927, 44927.5833.
  const auto dot = text.find('.');
  const auto days = readDigits(text.substr(0, dot), 5);
  if (!days || text.substr(0, dot).size() != 5) return std::nullopt;
  if (dot != std::string_view::npos && !readDigits(text.substr(dot + 1), 9)) return std::nullopt;
  return *days;
}

SlashOrder orderSettledBy(const DateText& date) {
  if (date.kind != DateText::Kind::Slashed) return SlashOrder::Unknown;
  if (date.month > 12 && date.day <= 12) return SlashOrder::DayFirst;
  if (date.day > 12 && date.month <= 12) return SlashOrder::MonthFirst;
  return SlashOrder::Unknown;
}

std::optional<DayCount> resolveDate(const DateText& date, SlashOrder order) {
  int month = date.month;
  int day = date.day;
  if (date.kind == DateText::Kind::Slashed) {
    if (order == SlashOrder::Unknown) return std::nullopt;
    if (order == SlashOrder::DayFirst) std::swap(month, day);
  }
  if (!isValidDate(date.year, month, day)) return std::nullopt;
  return encodeDate(date.year, month, day);
}

std::optional<bool> readDrawTime(std::string_view text) {
  const std::string word = lower(trim(text));
  for (const char* midday : {"midday", "mid-day", "noon", "m", "1"}) {
    if (word == midday) return true;
  }
  for (const char* evening : {"evening", "eve", "night", "e", "0"}) {
    if (word == evening) return false;
  }
  return std::nullopt;
}

bool isDrawTimeHeader(std::string_view text) {
  const std::string word = lower(trim(text));
  for (const char* name : {"midday", "evening", "time", "draw time", "drawtime", "period",
                           "session", "midday/evening", "m/e"}) {
    if (word == name) return true;
  }
  return false;
}

}  // namespace numora
