// The pieces of a script line: a word, then the rest after the single blank that follows it.
// The rest is kept verbatim (further blanks, tabs, an empty rest), because tip texts and edit
// texts with blanks are exactly what some scripts test.
#pragma once

#include <optional>
#include <string_view>

namespace numora {

struct WordAndRest {
  std::string_view word;
  std::string_view rest;
};

// The text up to the first blank, and everything after that blank (empty without one).
WordAndRest splitWord(std::string_view text);

// A property or item reference inside a printed name: "ListBox1[2]", "DateTimePicker1.min".
struct NameReference {
  std::string_view name;
  std::string_view property;        // empty when there is none
  std::optional<std::size_t> item;  // the index in brackets
};

// Nothing when brackets are unbalanced or hold no plain index.
std::optional<NameReference> parseNameReference(std::string_view text);

}  // namespace numora
