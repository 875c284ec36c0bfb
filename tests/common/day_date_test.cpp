#include "common/day_date.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

const WeekdayNames kShort = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

TEST(DayDate, KnownDayCountsAndTexts) {
  struct Case {
    int y, m, d;
    double count;
    const char* text;
    const char* withWeekday;
    const char* iso;
  };
  const Case cases[] = {
      {1899, 12, 30, 0, "30.12.1899", "Sat 30.12.99", "1899-12-30"},
      {1900, 1, 1, 2, "01.01.1900", "Mon 01.01.00", "1900-01-01"},
      {1996, 4, 29, 35184, "29.04.1996", "Mon 29.04.96", "1996-04-29"},
      {2001, 10, 22, 37186, "22.10.2001", "Mon 22.10.01", "2001-10-22"},
      {2000, 2, 29, 36585, "29.02.2000", "Tue 29.02.00", "2000-02-29"},
      {2023, 5, 5, 45051, "05.05.2023", "Fri 05.05.23", "2023-05-05"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(encodeDate(c.y, c.m, c.d), c.count);
    const CivilDate back = decodeDate(c.count);
    EXPECT_EQ(back.year, c.y);
    EXPECT_EQ(back.month, c.m);
    EXPECT_EQ(back.day, c.d);
    EXPECT_EQ(formatDate(c.count), c.text);
    EXPECT_EQ(formatDateShortWeekday(c.count, kShort), c.withWeekday);
    EXPECT_EQ(formatIsoDate(c.count), c.iso);
    EXPECT_EQ(parseDate(c.text), c.count);
  }
}

TEST(DayDate, TimeOfDayIsDroppedForTheDate) {
  const DayCount evening = encodeDate(2023, 5, 5) + 19.0 / 24;
  EXPECT_EQ(formatDate(evening), "05.05.2023");
  EXPECT_EQ(dateOnly(evening), encodeDate(2023, 5, 5));
  EXPECT_EQ(formatDateTime(evening), "05.05.2023 19:00");
  EXPECT_EQ(parseDateTime("05.05.2023 19:00"), evening);
}

TEST(DayDate, RefusesTextsThatAreNoDate) {
  for (const char* text : {"", "31.04.2023", "29.02.2023", "1.1", "aa.bb.cccc", "01.13.2020",
                           " 01.01.2020", "01.01.2020 ", "00.01.2020"}) {
    EXPECT_FALSE(parseDate(text).has_value()) << text;
  }
  EXPECT_EQ(parseDate("1.2.2003"), encodeDate(2003, 2, 1));
  for (const char* text : {"05.05.2023", "05.05.2023 24:00", "05.05.2023 12:60", "05.05.2023 x"}) {
    EXPECT_FALSE(parseDateTime(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace numora
