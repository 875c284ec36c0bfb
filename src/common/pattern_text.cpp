#include "common/pattern_text.h"

#include <cctype>
#include <cmath>
#include <map>

namespace numora {
namespace {

// Walks a pattern: literal text (with "%%" still escaped) goes to onText, each placeholder's
// number (1 for %1) to onPlaceholder.
template <typename OnText, typename OnPlaceholder>
void walkPattern(const std::string& pattern, OnText onText, OnPlaceholder onPlaceholder) {
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (pattern[i] != '%') {
      const std::size_t next = pattern.find('%', i);
      const std::size_t end = next == std::string::npos ? pattern.size() : next;
      onText(pattern.substr(i, end - i));
      i = end;
      continue;
    }
    if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
      onText("%%");
      i += 2;
      continue;
    }
    std::size_t digits = i + 1;
    while (digits < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[digits])) &&
           digits - i <= 3) {
      ++digits;
    }
    if (digits == i + 1) {
      onText("%");
      ++i;
      continue;
    }
    onPlaceholder(std::stoul(pattern.substr(i + 1, digits - i - 1)), pattern.substr(i, digits - i));
    i = digits;
  }
}

std::string escaped(const std::string& text) {
  std::string pattern;
  pattern.reserve(text.size());
  for (const char c : text) {
    pattern += c;
    if (c == '%') pattern += '%';
  }
  return pattern;
}

}  // namespace

ShownNumber wholeNumber(long long value) {
  return ShownNumber{static_cast<double>(value), 0, false};
}

ShownNumber fixedNumber(double value, int decimals) {
  return ShownNumber{value, decimals, false};
}

std::string writeNumber(const ShownNumber& number, const NumberFormat& format) {
  if (!number.alwaysGrouped) return formatDecimals(number.value, number.decimals, format);
  NumberFormat grouped = format;
  grouped.groupWholeAmounts = true;
  return formatDecimals(number.value, number.decimals, grouped);
}

std::string fillValues(const std::string& pattern, const std::vector<std::string>& values) {
  std::string text;
  walkPattern(
      pattern, [&](const std::string& part) { text += part == "%%" ? "%" : part; },
      [&](std::size_t index, const std::string& placeholder) {
        text += index >= 1 && index <= values.size() ? values[index - 1] : placeholder;
      });
  return text;
}

std::vector<std::string> writtenValues(const PatternText& text, const NumberFormat& format) {
  std::vector<std::string> written;
  written.reserve(text.values().size());
  for (const PatternValue& value : text.values()) {
    if (const auto* number = std::get_if<ShownNumber>(&value)) {
      written.push_back(writeNumber(*number, format));
    } else {
      written.push_back(std::get<std::string>(value));
    }
  }
  return written;
}

PatternText::PatternText(const std::string& text) : pattern_(escaped(text)) {}

PatternText::PatternText(const char* text) : PatternText(std::string(text)) {}

PatternText::PatternText(std::string pattern, std::vector<PatternValue> values)
    : pattern_(std::move(pattern)), values_(std::move(values)) {}

std::string PatternText::written(const NumberFormat& format) const {
  return fillValues(pattern_, writtenValues(*this, format));
}

std::vector<PatternText> PatternText::lines() const {
  std::vector<PatternText> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = pattern_.find('\n', start);
    const std::string line = pattern_.substr(start, end == std::string::npos ? end : end - start);
    // Each line numbers its own values from %1, in the order it names them.
    std::map<std::size_t, std::size_t> renumbered;
    PatternText part;
    walkPattern(
        line, [&](const std::string& text) { part.pattern_ += text; },
        [&](std::size_t index, const std::string& placeholder) {
          if (index < 1 || index > values_.size()) {
            part.pattern_ += placeholder;
            return;
          }
          auto [at, added] = renumbered.emplace(index, part.values_.size() + 1);
          if (added) part.values_.push_back(values_[index - 1]);
          part.pattern_ += "%" + std::to_string(at->second);
        });
    lines.push_back(std::move(part));
    if (end == std::string::npos) return lines;
    start = end + 1;
  }
}

PatternText& PatternText::operator+=(const PatternText& more) {
  const std::size_t offset = values_.size();
  walkPattern(
      more.pattern_, [&](const std::string& text) { pattern_ += text; },
      [&](std::size_t index, const std::string& placeholder) {
        pattern_ += index >= 1 && index <= more.values_.size()
                        ? "%" + std::to_string(index + offset)
                        : placeholder;
      });
  values_.insert(values_.end(), more.values_.begin(), more.values_.end());
  return *this;
}

}  // namespace numora
