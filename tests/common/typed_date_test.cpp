#include "common/typed_date.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(TypedDate, ReadsWhatPlayersType) {
  struct Case {
    const char* typed;
    std::optional<DayCount> date;
    const char* why;
  };
  const DayCount may5 = encodeDate(2023, 5, 5);
  const Case cases[] = {
      {"05.05.2023", may5, "the field's own pattern"},
      {"5.5.2023", may5, "one-digit day and month"},
      {"05052023", may5, "no separators: ddmmyyyy"},
      {"050523", may5, "no separators: ddmmyy"},
      {"05.05.23", may5, "two-digit year"},
      {"2023-05-05", may5, "ISO order"},
      {"2023-5-5", may5, "ISO order with one-digit month and day"},
      {" 05.05.2023 ", may5, "blanks around"},
      {"15.06.2020", encodeDate(2020, 6, 15), "another date"},
      {"01.01.96", encodeDate(1996, 1, 1), "96 is 1996, the oldest draws'"},
      {"31.12.99", encodeDate(1999, 12, 31), "99 is 1999"},
      {"01.01.00", encodeDate(2000, 1, 1), "00 is 2000"},
      {"31.12.95", encodeDate(2095, 12, 31), "95 is 2095"},
      {"29022024", encodeDate(2024, 2, 29), "a leap day"},
      {"29022023", std::nullopt, "no leap day in 2023"},
      {"31.02.2024", std::nullopt, "no 31st of February"},
      {"00.05.2023", std::nullopt, "day 0"},
      {"05.13.2023", std::nullopt, "month 13"},
      {"15.03", std::nullopt, "no year"},
      {"0505", std::nullopt, "four digits name no year"},
      {"0505202", std::nullopt, "seven digits"},
      {"050520233", std::nullopt, "nine digits"},
      {"05.05.202", std::nullopt, "three-digit year"},
      {"05.05.20233", std::nullopt, "five-digit year"},
      {"005.05.2023", std::nullopt, "three-digit day"},
      {"05..2023", std::nullopt, "an empty group"},
      {"05.05.2023.", std::nullopt, "a separator at the end"},
      {"05-05-2023", std::nullopt, "dashes only in ISO order"},
      {"05-05-23", std::nullopt, "dashes only in ISO order, whatever the year's length"},
      {"05/05/2023", std::nullopt, "slashes leave day and month open"},
      {"05.05-2023", std::nullopt, "mixed separators"},
      {"+5.5.2023", std::nullopt, "a sign"},
      {"May 5 2023", std::nullopt, "words"},
      {"", std::nullopt, "nothing typed"},
      {"00000000", std::nullopt, "zeros"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + ": " + c.why);
    EXPECT_EQ(readTypedDate(c.typed), c.date);
  }
}

TEST(TypedDate, TheRefusalQuotesTheText) {
  EXPECT_EQ(typedTextRefusal("31.02.2024"), "31.02.2024 is no date: type it as dd.mm.yyyy");
}

}  // namespace
}  // namespace numora
