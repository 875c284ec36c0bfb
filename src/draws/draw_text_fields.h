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
// The same into fields, whose storage is reused from line to line.
void splitFields(std::string_view line, char separator, std::vector<std::string>& fields);

// The separator (tab, ';' or ',') that splits most of the sample lines into at least 21 fields;
// ties go to tab, then ';', then ','.
char detectSeparator(const std::vector<std::string_view>& sampleLines);

// A date text as read, before a slash date's order is known.
struct DateText {
  enum class Kind { Settled, Slashed };
  Kind kind = Kind::Settled;
  int year = 0;
  int month = 0;         // Settled: the month; Slashed: the first of the two small numbers
  int day = 0;           // Settled: the day; Slashed: the second of the two small numbers
  int minuteOfDay = -1;  // the time of day written after the date, -1 when none is
};

// dd.mm.yyyy, yyyy-mm-dd, yyyy/mm/dd, "May 3, 2023" or "3 May 2023" (English month names, full
// or three letters) and a/b/yyyy, whose order is left open. Years of two digits (dd.mm.yy,
// a/b/yy) are the spreadsheets' short formats. A time of day may follow the date ("2023-01-01
// 14:00:00", "2023-01-01T14:00", "1/1/23 2:00 PM"). Nothing for any other text.
std::optional<DateText> readDateText(std::string_view text);

// A date as a spreadsheet's day number (44927 is 01.01.2023), which is no date text: the
// number, so that a file written so can be told apart from one without dates.
std::optional<int> readDaySerial(std::string_view text);

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
