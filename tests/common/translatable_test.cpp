#include "common/translatable.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(FillPattern, PutsTheValuesInTheirPlaces) {
  struct Case {
    const char* pattern;
    std::vector<std::string> values;
    const char* expected;
  };
  const Case cases[] = {
      {"%1. ticket", {"3"}, "3. ticket"},
      {"Import from Text: %1%", {"37"}, "Import from Text: 37%"},
      {"%2 before %1", {"a", "b"}, "b before a"},
      {"%10 and %1", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}, "ten and 1"},
      // A placeholder without its value, and a % without a number, stay as they are.
      {"%1 of %2", {"5"}, "5 of %2"},
      {"100% and %", {}, "100% and %"},
      {"no placeholder", {"x"}, "no placeholder"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fillPattern(c.pattern, c.values), c.expected) << c.pattern;
  }
}

TEST(Translatable, TheMarkIsTheTextItself) {
  EXPECT_STREQ(NUMORA_TRANSLATABLE("Numora", "Total Tips"), "Total Tips");
}

}  // namespace
}  // namespace numora
