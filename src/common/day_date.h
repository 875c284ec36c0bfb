// Dates as day counts (day 0 = 30.12.1899, whole days for draws) and their fixed text patterns:
// "dd.mm.yyyy", "DDD dd.mm.yy" and "yyyy-mm-dd". The patterns never follow the user's locale;
// only the weekday names do, and those are passed in.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

using DayCount = double;

struct CivilDate {
  int year = 1899;
  int month = 12;
  int day = 30;
};

// Short or long weekday names, Sunday first (index 0 = Sunday), as the user's locale gives them.
using WeekdayNames = std::array<std::string, 7>;

// The day counts of 01.01.0001 and 31.12.9999, the dates the program handles.
constexpr DayCount kFirstDayCount = -693593;
constexpr DayCount kLastDayCount = 2958465;
// A finite day count within those dates.
bool isValidDayCount(DayCount date);

DayCount encodeDate(int year, int month, int day);
CivilDate decodeDate(DayCount date);
bool isValidDate(int year, int month, int day);
// Whole day of a date/time value (the time part dropped).
DayCount dateOnly(DayCount dateTime);
// 0 = Sunday .. 6 = Saturday.
int weekdayIndex(DayCount date);

std::string formatDate(DayCount date);                                   // dd.mm.yyyy
std::string formatDateShortWeekday(DayCount date, const WeekdayNames&);  // DDD dd.mm.yy
std::string formatIsoDate(DayCount date);                                // yyyy-mm-dd
std::string formatDateTime(DayCount dateTime);                           // dd.mm.yyyy hh:nn

// "dd.mm.yyyy" (day and month may have one digit); nothing when the text is no valid date.
std::optional<DayCount> parseDate(std::string_view text);
// "dd.mm.yyyy hh:nn".
std::optional<DayCount> parseDateTime(std::string_view text);

}  // namespace numora
