// A text the model shows, kept as its pattern and the values filled into it, so the window
// can write each number by the user's locale and look the pattern up in the user's language,
// while numora-cli and the program's files keep the plain format. "%1 draws added" with the
// whole number 12; "%%" is a percent sign of the text.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "common/number_format.h"

namespace numora {

// A number with the decimals it shows. Grouped thousands follow the format, except for
// numbers grouped in every format (large odds: "1 in 2,147,181").
struct ShownNumber {
  double value = 0;
  int decimals = 0;
  bool alwaysGrouped = false;
  bool operator==(const ShownNumber&) const = default;
};

ShownNumber wholeNumber(long long value);
ShownNumber fixedNumber(double value, int decimals);

// A value of a pattern: a number, or a text shown as it is (a date, a file name).
using PatternValue = std::variant<ShownNumber, std::string>;

std::string writeNumber(const ShownNumber& number, const NumberFormat& format);

class PatternText {
 public:
  PatternText() = default;
  // A text without values, shown as it is.
  PatternText(const std::string& text);  // NOLINT(google-explicit-constructor): a plain text
  PatternText(const char* text);         // NOLINT(google-explicit-constructor)
  // A pattern with %1, %2, ... for the values in order.
  PatternText(std::string pattern, std::vector<PatternValue> values);

  const std::string& pattern() const { return pattern_; }
  const std::vector<PatternValue>& values() const { return values_; }
  bool hasValues() const { return !values_.empty(); }

  // The text with its numbers in the format: plain (numora-cli, files) by default.
  std::string written(const NumberFormat& format = {}) const;
  // The lines of a text of several lines, each with its own values numbered from %1.
  std::vector<PatternText> lines() const;

  // Appends a text, renumbering its values after this one's.
  PatternText& operator+=(const PatternText& more);
  friend PatternText operator+(PatternText text, const PatternText& more) { return text += more; }

  bool operator==(const PatternText&) const = default;

 private:
  std::string pattern_;
  std::vector<PatternValue> values_;
};

// The values written in the format, for a view that fills a translated pattern itself.
std::vector<std::string> writtenValues(const PatternText& text, const NumberFormat& format);
// The pattern with %1, %2, ... replaced by the texts, "%%" by "%"; a placeholder without its
// value stays as it is.
std::string fillValues(const std::string& pattern, const std::vector<std::string>& values);

}  // namespace numora
