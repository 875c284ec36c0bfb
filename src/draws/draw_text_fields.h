// The pieces of one line of a draw text file: fields split at a separator (double quotes keep a
// separator inside a field), the date texts the import understands and the words that tell a
// midday draw from an evening draw. Nothing here knows a lottery; the import puts it together.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/day_date.h"

namespace numora {

// Fields of one line, trimmed, quotes removed. A trailing ";" (the export's line end) and an
// empty field after a trailing separator are dropped.
std::vector<std::string> splitFields(std::string_view line, char separator);

// The separator (tab, ';' or ',') that splits most of the sample lines into at least 21 fields;
// ties go to tab, then ';', then ','.
char detectSeparator(const std::vector<std::string_view>& sampleLines);

// A date text as read, before a slash date's order is known.
struct DateText {
  enum class Kind { Settled, Slashed };
  Kind kind = Kind::Settled;
  int year = 0;
  int month = 0;  // Settled: the month; Slashed: the first of the two small numbers
  int day = 0;    // Settled: the day; Slashed: the second of the two small numbers
};

// dd.mm.yyyy, yyyy-mm-dd, yyyy/mm/dd, "May 3, 2023" or "3 May 2023" (English month names, full
// or three letters) and a/b/yyyy, whose order is left open. Nothing for any other text.
std::optional<DateText> readDateText(std::string_view text);

// Which of the two small numbers of a slash date is the day.
enum class SlashOrder { Unknown, DayFirst, MonthFirst };

// The order a slash date settles on its own: a number above 12 can only be the day.
SlashOrder orderSettledBy(const DateText& date);

// The day count of a date text, with slash dates read in the given order; nothing for a date
// that does not exist (31.04., 29.02. outside leap years) or a slash date of unknown order.
std::optional<DayCount> resolveDate(const DateText& date, SlashOrder order);

// "Midday", "Evening", "M", "E", "1", "0" and the like: true for midday, false for evening.
std::optional<bool> readDrawTime(std::string_view text);

// A field that names the midday/evening column in a header line.
bool isDrawTimeHeader(std::string_view text);

}  // namespace numora
