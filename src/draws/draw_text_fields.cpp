#include "draws/draw_text_fields.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/text.h"

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
  const auto c = readDigits(parts[2], 4);
  if (!a || !b || !c) return std::nullopt;
  const bool yearFirst = parts[0].size() == 4 && parts[2].size() <= 2;
  const bool yearLast = parts[2].size() == 4 && parts[0].size() <= 2;
  if (yearFirst && separator != '.') return DateText{DateText::Kind::Settled, *a, *b, *c};
  if (!yearLast) return std::nullopt;
  if (separator == '.') return DateText{DateText::Kind::Settled, *c, *b, *a};
  if (separator == '/') return DateText{DateText::Kind::Slashed, *c, *a, *b};
  return std::nullopt;
}

}  // namespace

std::vector<std::string> splitFields(std::string_view line, char separator) {
  line = trim(line);
  if (separator != ';' && !line.empty() && line.back() == ';') line.remove_suffix(1);
  std::vector<std::string> fields;
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
  return fields;
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
  for (char separator : {'.', '-', '/'}) {
    if (text.find(separator) != std::string_view::npos &&
        text.find(' ') == std::string_view::npos) {
      return readNumericDate(text, separator);
    }
  }
  return readNamedDate(text);
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
