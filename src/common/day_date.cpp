#include "common/day_date.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/text.h"

namespace numora {
namespace {

// Days from 1970-01-01 (civil calendar, proleptic Gregorian).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate civilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long long kUnixEpochDay = 25569;  // 01.01.1970 as a day count

std::string twoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

std::string fourDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", value);
  return buffer;
}

}  // namespace

bool isValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int last = month == 2 && leap ? 29 : kDays[month - 1];
  return day <= last;
}

DayCount encodeDate(int year, int month, int day) {
  return static_cast<DayCount>(
      daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
      kUnixEpochDay);
}

bool isValidDayCount(DayCount date) {
  return std::isfinite(date) && date >= kFirstDayCount && date < kLastDayCount + 1;
}

DayCount dateOnly(DayCount dateTime) {
  return std::floor(dateTime);
}

namespace {
// Whole days, held within the dates the program handles (a damaged value never overflows).
long long wholeDays(DayCount date) {
  if (!std::isfinite(date)) return 0;
  return static_cast<long long>(std::clamp(dateOnly(date), kFirstDayCount, kLastDayCount));
}
}  // namespace

CivilDate decodeDate(DayCount date) {
  return civilFromDays(wholeDays(date) - kUnixEpochDay);
}

int weekdayIndex(DayCount date) {
  // Day 0 (30.12.1899) was a Saturday.
  const long long day = wholeDays(date);
  return static_cast<int>(((day + 6) % 7 + 7) % 7);
}

std::string formatDate(DayCount date) {
  const CivilDate c = decodeDate(date);
  return twoDigits(c.day) + "." + twoDigits(c.month) + "." + fourDigits(c.year);
}

std::string formatDateShortWeekday(DayCount date, const WeekdayNames& shortNames) {
  const CivilDate c = decodeDate(date);
  return shortNames[static_cast<std::size_t>(weekdayIndex(date))] + " " + twoDigits(c.day) + "." +
         twoDigits(c.month) + "." + twoDigits(c.year % 100);
}

std::string formatIsoDate(DayCount date) {
  const CivilDate c = decodeDate(date);
  return fourDigits(c.year) + "-" + twoDigits(c.month) + "-" + twoDigits(c.day);
}

std::string formatDateTime(DayCount dateTime) {
  const double fraction = dateTime - dateOnly(dateTime);
  const long long minutes = std::llround(fraction * 24 * 60);
  return formatDate(dateTime) + " " + twoDigits(static_cast<int>(minutes / 60)) + ":" +
         twoDigits(static_cast<int>(minutes % 60));
}

std::optional<DayCount> parseDate(std::string_view text) {
  const auto firstDot = text.find('.');
  if (firstDot == std::string_view::npos) return std::nullopt;
  const auto secondDot = text.find('.', firstDot + 1);
  if (secondDot == std::string_view::npos) return std::nullopt;
  const auto day = parseStrictInt(text.substr(0, firstDot));
  const auto month = parseStrictInt(text.substr(firstDot + 1, secondDot - firstDot - 1));
  const auto year = parseStrictInt(text.substr(secondDot + 1));
  if (!day || !month || !year || !isValidDate(*year, *month, *day)) return std::nullopt;
  return encodeDate(*year, *month, *day);
}

std::optional<DayCount> parseDateTime(std::string_view text) {
  const auto blank = text.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const auto date = parseDate(text.substr(0, blank));
  const std::string_view time = text.substr(blank + 1);
  const auto colon = time.find(':');
  if (!date || colon == std::string_view::npos) return std::nullopt;
  const auto hours = parseStrictInt(time.substr(0, colon));
  const auto minutes = parseStrictInt(time.substr(colon + 1));
  if (!hours || !minutes || *hours < 0 || *hours > 23 || *minutes < 0 || *minutes > 59) {
    return std::nullopt;
  }
  return *date + (*hours * 60 + *minutes) / (24.0 * 60.0);
}

}  // namespace numora
