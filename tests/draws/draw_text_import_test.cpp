#include "draws/draw_text_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "draws/draw_text_fields.h"
#include "draws/lottery.h"
#include "support/draw_fixtures.h"

namespace numora {
namespace {

// The first numbers of the draws the layout files hold (see tests/data/import).
constexpr int kFirstOfA = 42;  // A: 2 May 2023, midday for Daily Keno
constexpr int kFirstOfB = 55;  // B: the evening draw of 2 May, or 3 May
constexpr int kFirstOfC = 24;

DrawImportRules rulesFor(int lotteryIndex) {
  const auto& l = lottery(lotteryIndex);
  return {l.firstDrawDate, encodeDate(2026, 12, 10), l.drawsPerDate == 2};
}

std::string readData(const std::string& name) {
  std::ifstream in(test::testData("import/" + name), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Expected {
  std::string date;  // dd.mm.yyyy
  bool midday;
  int firstNumber;
};

struct LayoutCase {
  const char* file;
  int lotteryIndex;
  std::vector<Expected> draws;
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
  *out << c.file;
}

class AcceptedLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(AcceptedLayout, ReadsEveryDrawWithDateMiddayAndNumbers) {
  const auto& c = GetParam();
  const auto result = parseDrawText(readData(c.file), rulesFor(c.lotteryIndex));
  EXPECT_EQ(result.refusal, "");
  EXPECT_TRUE(result.rejected.empty()) << result.rejected.front().reason;
  ASSERT_EQ(result.draws.size(), c.draws.size());
  for (std::size_t i = 0; i < c.draws.size(); ++i) {
    EXPECT_EQ(formatDate(result.draws[i].date), c.draws[i].date) << i;
    EXPECT_EQ(result.draws[i].midday, c.draws[i].midday) << i;
    EXPECT_EQ(result.draws[i].numbers[0], c.draws[i].firstNumber) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    DrawTextImport, AcceptedLayout,
    testing::Values(LayoutCase{"export.txt",
                               kDailyKeno,
                               {{"02.05.2023", true, kFirstOfA},
                                {"02.05.2023", false, kFirstOfB},
                                {"03.05.2023", true, kFirstOfC},
                                {"03.05.2023", false, 32}}},
                    LayoutCase{"iso_header_comma.csv",
                               kKenoAtlantic,
                               {{"02.05.2023", false, kFirstOfA},
                                {"03.05.2023", false, kFirstOfB},
                                {"04.05.2023", false, kFirstOfC}}},
                    LayoutCase{"dotted_semicolon.csv",
                               kKenoAtlantic,
                               {{"02.05.2023", false, kFirstOfA},
                                {"03.05.2023", false, kFirstOfB},
                                {"04.05.2023", false, kFirstOfC}}},
                    LayoutCase{"named_tab.txt",
                               kKenoAtlantic,
                               {{"02.05.2023", false, kFirstOfA},
                                {"03.05.2023", false, kFirstOfB},
                                {"04.09.2023", false, kFirstOfC}}},
                    LayoutCase{"named_quoted_comma.csv",
                               kKenoAtlantic,
                               {{"02.05.2023", false, kFirstOfA},
                                {"03.05.2023", false, kFirstOfB},
                                {"04.06.2023", false, kFirstOfC}}},
                    LayoutCase{"slash_day_first.csv",
                               kKenoAtlantic,
                               {{"02.05.2023", false, kFirstOfA},
                                {"03.05.2023", false, kFirstOfB},
                                {"25.05.2023", false, kFirstOfC}}},
                    LayoutCase{"slash_month_first.csv",
                               kKenoAtlantic,
                               {{"02.05.2023", false, kFirstOfA},
                                {"03.05.2023", false, kFirstOfB},
                                {"25.05.2023", false, kFirstOfC}}},
                    // The column decides, not the order: the evening draw is listed first.
                    LayoutCase{"daily_time_words.csv",
                               kDailyKeno,
                               {{"02.05.2023", false, kFirstOfB},
                                {"02.05.2023", true, kFirstOfA},
                                {"03.05.2023", true, kFirstOfC}}},
                    LayoutCase{"daily_me_last.csv",
                               kDailyKeno,
                               {{"02.05.2023", true, kFirstOfA},
                                {"02.05.2023", false, kFirstOfB},
                                {"03.05.2023", false, 32}}},
                    LayoutCase{"daily_10_after_date.csv",
                               kDailyKeno,
                               {{"02.05.2023", true, kFirstOfA},
                                {"02.05.2023", false, kFirstOfB},
                                {"03.05.2023", true, kFirstOfC}}}),
    [](const auto& info) {
      std::string name = info.param.file;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

constexpr int kFirstOfD = 32;  // D: the evening draw of 3 May

// The same text as a spreadsheet program's "Unicode text" or an old Mac writes it.
std::string asUtf16(const std::string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : text) {  // the fixtures are ASCII
    bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return bytes;
}
std::string withLineEnds(std::string text, const std::string& end) {
  std::string out;
  for (char c : text) out += c == '\n' ? end : std::string(1, c);
  return out;
}

enum class Encoding { Utf8, Utf16Le, Utf16Be, CrOnly, CrLf };

struct SpreadsheetCase {
  const char* name;
  const char* file;
  int lotteryIndex;
  Encoding encoding = Encoding::Utf8;
  std::vector<Expected> draws;
  std::vector<std::pair<int, std::string>> rejected{};
  std::string refusal{};
};

void PrintTo(const SpreadsheetCase& c, std::ostream* out) {
  *out << c.name;
}

class SpreadsheetLayout : public testing::TestWithParam<SpreadsheetCase> {};

TEST_P(SpreadsheetLayout, IsStoredRightOrRefusedWithTheTrueReason) {
  const auto& c = GetParam();
  std::string text = readData(c.file);
  switch (c.encoding) {
    case Encoding::Utf8:
      break;
    case Encoding::Utf16Le:
      text = asUtf16(withLineEnds(text, "\r\n"), false);
      break;
    case Encoding::Utf16Be:
      text = asUtf16(text, true);
      break;
    case Encoding::CrOnly:
      text = withLineEnds(text, "\r");
      break;
    case Encoding::CrLf:
      text = withLineEnds(text, "\r\n");
      break;
  }
  const auto result = parseDrawText(text, rulesFor(c.lotteryIndex));
  EXPECT_EQ(result.refusal, c.refusal);
  ASSERT_EQ(result.rejected.size(), c.rejected.size());
  EXPECT_EQ(result.rejectedCount, c.rejected.size());
  for (std::size_t i = 0; i < c.rejected.size(); ++i) {
    EXPECT_EQ(result.rejected[i].line, c.rejected[i].first);
    EXPECT_EQ(result.rejected[i].reason, c.rejected[i].second);
  }
  ASSERT_EQ(result.draws.size(), c.draws.size());
  for (std::size_t i = 0; i < c.draws.size(); ++i) {
    EXPECT_EQ(formatDate(result.draws[i].date), c.draws[i].date) << i;
    EXPECT_EQ(result.draws[i].midday, c.draws[i].midday) << i;
    EXPECT_EQ(result.draws[i].numbers[0], c.draws[i].firstNumber) << i;
  }
}

const std::vector<Expected> kNewestFirst = {{"03.05.2023", false, kFirstOfD},
                                            {"03.05.2023", true, kFirstOfC},
                                            {"02.05.2023", false, kFirstOfB},
                                            {"02.05.2023", true, kFirstOfA}};
const std::vector<Expected> kTwoDatesWithColumn = {{"02.05.2023", true, kFirstOfA},
                                                   {"02.05.2023", false, kFirstOfB},
                                                   {"03.05.2023", true, kFirstOfC}};
const std::string kUnordered =
    "the dates of the file neither ascend nor descend and no column says which draw of "
    "02.05.2023 is the midday draw";

INSTANTIATE_TEST_SUITE_P(
    DrawTextImport, SpreadsheetLayout,
    testing::Values(
        // A results page copied into a sheet: the evening draw above the midday draw.
        SpreadsheetCase{"NewestFirst", "newest_first_no_column.csv", kDailyKeno, Encoding::Utf8,
                        kNewestFirst},
        SpreadsheetCase{"NewestFirstUtf16LittleEndian", "newest_first_no_column.csv", kDailyKeno,
                        Encoding::Utf16Le, kNewestFirst},
        SpreadsheetCase{"NewestFirstUtf16BigEndian", "newest_first_no_column.csv", kDailyKeno,
                        Encoding::Utf16Be, kNewestFirst},
        SpreadsheetCase{"NewestFirstCrOnly", "newest_first_no_column.csv", kDailyKeno,
                        Encoding::CrOnly, kNewestFirst},
        // The export's order: a single date counts as ascending.
        SpreadsheetCase{"ExportCrLf",
                        "export.txt",
                        kDailyKeno,
                        Encoding::CrLf,
                        {{"02.05.2023", true, kFirstOfA},
                         {"02.05.2023", false, kFirstOfB},
                         {"03.05.2023", true, kFirstOfC},
                         {"03.05.2023", false, kFirstOfD}}},
        // Python's csv module writes datetime values: the same time on every line says nothing.
        SpreadsheetCase{"MidnightTimesNewestFirst", "datetime_midnight_newest_first.csv",
                        kDailyKeno, Encoding::Utf8, kNewestFirst},
        SpreadsheetCase{"DateTimeWithColumn", "datetime_with_column.csv", kDailyKeno,
                        Encoding::Utf8, kTwoDatesWithColumn},
        // The times say it, not the order: 22:30 stands above 14:00 in an ascending file.
        SpreadsheetCase{"TimesOfDayTellTheDraws",
                        "datetime_times_tell.csv",
                        kDailyKeno,
                        Encoding::Utf8,
                        {{"02.05.2023", false, kFirstOfB},
                         {"02.05.2023", true, kFirstOfA},
                         {"03.05.2023", true, kFirstOfC},
                         {"03.05.2023", false, kFirstOfD}}},
        SpreadsheetCase{"TwoDigitYearsMonthFirst",
                        "two_digit_year_us.csv",
                        kDailyKeno,
                        Encoding::Utf8,
                        {{"02.05.2023", true, kFirstOfA},
                         {"02.05.2023", false, kFirstOfB},
                         {"13.05.2023", true, kFirstOfC}}},
        SpreadsheetCase{"TwoDigitYearsDotted",
                        "two_digit_year_de.csv",
                        kDailyKeno,
                        Encoding::Utf8,
                        {{"13.05.1999", true, kFirstOfC},
                         {"02.05.2023", true, kFirstOfA},
                         {"02.05.2023", false, kFirstOfB}}},
        SpreadsheetCase{"PandasRowNumber", "pandas_row_number.csv", kDailyKeno, Encoding::Utf8,
                        kTwoDatesWithColumn},
        SpreadsheetCase{"RowNumberFromOne",
                        "row_number_no_header.csv",
                        kKenoAtlantic,
                        Encoding::Utf8,
                        {{"02.05.2023", false, kFirstOfA},
                         {"03.05.2023", false, kFirstOfB},
                         {"04.05.2023", false, kFirstOfC}}},
        SpreadsheetCase{"DaySerials",
                        "day_serials.csv",
                        kKenoAtlantic,
                        Encoding::Utf8,
                        {},
                        {},
                        "Line 2: dates are written as numbers such as 45048; save the sheet with "
                        "a date format and import it again."},
        SpreadsheetCase{"TypoInTheFirstLine",
                        "first_line_typo.csv",
                        kKenoAtlantic,
                        Encoding::Utf8,
                        {{"03.05.2023", false, kFirstOfB}, {"04.05.2023", false, kFirstOfC}},
                        {{1, "\"2023-O5-02\" is no date"}}},
        SpreadsheetCase{"MixedSeparators",
                        "mixed_separators.csv",
                        kKenoAtlantic,
                        Encoding::Utf8,
                        {{"03.05.2023", false, kFirstOfB}, {"04.05.2023", false, kFirstOfC}},
                        {{1, "expected 21 fields, found 1"}}},
        SpreadsheetCase{"UnorderedDatesWithoutColumn",
                        "unordered_no_column.csv",
                        kDailyKeno,
                        Encoding::Utf8,
                        {{"03.05.2023", true, kFirstOfC}, {"04.05.2023", true, kFirstOfD}},
                        {{2, kUnordered}, {3, kUnordered}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawTextImport, ADateWithOneLineIsTakenAsMiddayAndMarkedSo) {
  const auto result = parseDrawText(readData("unordered_no_column.csv"), rulesFor(kDailyKeno));
  ASSERT_EQ(result.draws.size(), 2u);
  EXPECT_TRUE(result.draws[0].middayAssumed);
  const auto told = parseDrawText(readData("newest_first_no_column.csv"), rulesFor(kDailyKeno));
  for (const auto& draw : told.draws) EXPECT_FALSE(draw.middayAssumed);
  // Keno Atlantic has one draw a day: nothing to assume.
  const auto atlantic = parseDrawText(readData("first_line_typo.csv"), rulesFor(kKenoAtlantic));
  for (const auto& draw : atlantic.draws) EXPECT_FALSE(draw.middayAssumed || draw.midday);
}

TEST(DrawTextImport, SlashDatesThatFitBothOrdersRefuseTheFileAndAskForIsoDates) {
  const auto result = parseDrawText(readData("slash_ambiguous.csv"), rulesFor(kKenoAtlantic));
  EXPECT_TRUE(result.draws.empty());
  EXPECT_EQ(result.refusal,
            "The dates of this file can be read as day/month or as month/day (line 1 "
            "\"02/05/2023\"). Please save the file with dates as yyyy-mm-dd and import it again.");
}

TEST(DrawTextImport, SlashDatesSettledBothWaysRefuseTheFile) {
  std::string text;
  for (const char* date : {"25/05/2023", "05/26/2023"}) {
    text += std::string(date) + ",1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\n";
  }
  const auto result = parseDrawText(text, rulesFor(kKenoAtlantic));
  EXPECT_TRUE(result.draws.empty());
  EXPECT_NE(result.refusal.find("yyyy-mm-dd"), std::string::npos);
}

TEST(DrawTextImport, RejectsBadLinesWithLineNumberAndReason) {
  const auto result = parseDrawText(readData("bad_lines.csv"), rulesFor(kKenoAtlantic));
  ASSERT_EQ(result.draws.size(), 1u);
  EXPECT_EQ(result.draws[0].line, 1);
  const std::vector<std::pair<int, std::string>> expected = {
      {2, "expected 21 fields, found 20"},
      {3, "the number 24 occurs twice"},
      {4, "\"71\" is no number from 1 to 70"},
      {5, "\"2023-02-30\" is no date"},
      {6, "the date 05.05.1990 lies outside 22.10.2001 to 10.12.2026"},
      {7, "\"x\" is no number from 1 to 70"},
      {8, "repeats line 1"},
      {9, "a second draw of 02.05.2023 (line 1)"},
      {10, "\"0\" is no number from 1 to 70"},
  };
  ASSERT_EQ(result.rejected.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(result.rejected[i].line, expected[i].first);
    EXPECT_EQ(result.rejected[i].reason, expected[i].second) << expected[i].first;
  }
}

TEST(DrawTextImport, DailyKenoTakesTwoDrawsOfADateAndRejectsAThird) {
  std::string text;
  const char* lines[] = {
      "02.05.2023,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20",
      "02.05.2023,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40",
      "02.05.2023,41,42,43,44,45,46,47,48,49,50,51,52,53,54,55,56,57,58,59,60",
      // The same draw again is a repeated line, not the evening draw.
      "03.05.2023,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20",
      "03.05.2023,20,19,18,17,16,15,14,13,12,11,10,9,8,7,6,5,4,3,2,1",
  };
  for (const char* line : lines) text += std::string(line) + "\n";
  const auto result = parseDrawText(text, rulesFor(kDailyKeno));
  ASSERT_EQ(result.draws.size(), 3u);
  EXPECT_TRUE(result.draws[0].midday);
  EXPECT_FALSE(result.draws[1].midday);
  EXPECT_TRUE(result.draws[2].midday);
  ASSERT_EQ(result.rejected.size(), 2u);
  EXPECT_EQ(result.rejected[0].line, 3);
  EXPECT_EQ(result.rejected[0].reason, "a further draw of 02.05.2023 (line 2)");
  EXPECT_EQ(result.rejected[1].reason, "repeats line 4");
}

TEST(DrawTextImport, KenoAtlanticRefusesAMiddayLine) {
  const auto result = parseDrawText(readData("daily_me_last.csv"), rulesFor(kKenoAtlantic));
  ASSERT_EQ(result.rejected.size(), 1u);
  EXPECT_EQ(result.rejected[0].line, 1);
  EXPECT_EQ(result.rejected[0].reason, "this lottery has no midday draw");
  EXPECT_EQ(result.draws.size(), 2u);
}

TEST(DrawTextImport, ADateAfterTodayIsRejected) {
  auto rules = rulesFor(kKenoAtlantic);
  rules.today = encodeDate(2023, 5, 3);
  const auto result = parseDrawText(readData("iso_header_comma.csv"), rules);
  EXPECT_EQ(result.draws.size(), 2u);
  ASSERT_EQ(result.rejected.size(), 1u);
  EXPECT_EQ(result.rejected[0].line, 4);
}

TEST(DrawTextImport, FilesWithoutDrawsAreRefusedNamingTheFirstLineThatFailed) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "The file holds no line with a date and 20 numbers: it is empty."},
      {"\r\n\r\n", "The file holds no line with a date and 20 numbers: it is empty."},
      {"Date,N1,N2\n",
       "The file holds no line with a date and 20 numbers: it holds only the line of names "
       "\"Date,N1,N2\"."},
      {"\xEF\xBB\xBFhello world\n",
       "The file holds no line with a date and 20 numbers: it holds only the line of names "
       "\"hello world\"."},
      {"Date,N1\n2023-05-02,1,2,3\n",
       "The file holds no line with a date and 20 numbers: line 2 \"2023-05-02,1,2,3\" holds 4 "
       "fields, where a date and 20 numbers were expected."},
      {"x,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\n",
       "The file holds no line with a date and 20 numbers: line 1 "
       "\"x,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\" holds no date, where a date and "
       "20 numbers were expected."},
      {std::string(300, ',') + "\n",
       "The file holds no line with a date and 20 numbers: line 1 \"" + std::string(60, ',') +
           "...\" is longer than 200 characters, where a date and 20 numbers were expected."},
  };
  for (const auto& [text, message] : cases) {
    const auto result = parseDrawText(text, rulesFor(kDailyKeno));
    EXPECT_TRUE(result.draws.empty());
    EXPECT_EQ(result.refusal, message) << text;
  }
}

TEST(DrawTextImport, AByteOrderMarkAndAHeaderAreSkipped) {
  const auto result =
      parseDrawText("\xEF\xBB\xBF" + readData("iso_header_comma.csv"), rulesFor(kKenoAtlantic));
  EXPECT_EQ(result.draws.size(), 3u);
  EXPECT_TRUE(result.rejected.empty());
}

// A text in memory that counts the bytes taken from it.
class CountingSource : public MemoryByteSource {
 public:
  using MemoryByteSource::MemoryByteSource;
  std::size_t read(char* buffer, std::size_t size) override {
    const auto count = MemoryByteSource::read(buffer, size);
    taken += count;
    return count;
  }
  std::size_t taken = 0;
};

std::string drawLine(const std::string& date, int firstNumber = 1) {
  std::string line = date;
  for (int n = firstNumber; n < firstNumber + 20; ++n) line += "," + std::to_string(n);
  return line + "\n";
}

TEST(DrawTextImport, AFileWhoseFirstThousandLinesHoldNoDrawIsReadNoFurther) {
  const std::pair<std::string, std::string> cases[] = {
      {"1,2\n", "line 1 \"1,2\" holds 2 fields, where a date and 20 numbers were expected."},
      {"2023-05-02" + std::string(21, ',') + "\n",
       "line 1 \"2023-05-02" + std::string(21, ',') + "\": \"\" is no number from 1 to 70."},
  };
  for (const auto& [line, found] : cases) {
    std::string text;
    while (text.size() < 1'000'000) text += line;
    text += drawLine("2023-05-03");
    CountingSource source(text);
    const auto result = parseDrawSource(source, rulesFor(kKenoAtlantic));
    EXPECT_EQ(
        result.refusal,
        "The first 1,000 lines of the file hold no line with a date and 20 numbers: " + found);
    EXPECT_TRUE(result.draws.empty());
    EXPECT_LT(source.taken, text.size() / 4);
  }
}

TEST(DrawTextImport, ALongLineIsRejectedAndTheLinesAfterItAreRead) {
  const std::string text =
      drawLine("2023-05-02") + std::string(100'000, ',') + "\r\n" + drawLine("2023-05-03");
  const auto result = parseDrawText(text, rulesFor(kKenoAtlantic));
  EXPECT_EQ(result.draws.size(), 2u);
  ASSERT_EQ(result.rejected.size(), 1u);
  EXPECT_EQ(result.rejected[0].line, 2);
  EXPECT_EQ(result.rejected[0].reason, "line too long (more than 200 characters)");
}

TEST(DrawTextImport, MillionsOfBadLinesAreCountedButOnlyTheFirstKept) {
  std::string text = drawLine("2023-05-02");
  for (int i = 0; i < 5000; ++i) text += "x\n";
  const auto result = parseDrawText(text, rulesFor(kKenoAtlantic));
  EXPECT_EQ(result.draws.size(), 1u);
  EXPECT_EQ(result.rejectedCount, 5000u);
  ASSERT_EQ(result.rejected.size(), kRejectedLinesKept);
  EXPECT_EQ(result.rejected.front().line, 2);
  EXPECT_EQ(result.rejected.back().line, static_cast<int>(kRejectedLinesKept) + 1);
  EXPECT_EQ(result.rejected.back().reason, "expected 21 fields, found 1");
}

TEST(DrawTextImport, ProgressRisesToTheEndOverBothReads) {
  std::string text;
  for (DayCount d = encodeDate(2002, 1, 1); d < encodeDate(2026, 1, 1); ++d) {
    text += drawLine(formatIsoDate(d), 1 + static_cast<int>(d) % 50);
  }
  MemoryByteSource source(text);
  std::vector<double> told;
  const auto result =
      parseDrawSource(source, rulesFor(kKenoAtlantic), [&](double done) { told.push_back(done); });
  EXPECT_TRUE(result.rejected.empty());
  ASSERT_GE(told.size(), 3u);
  EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
  EXPECT_LT(told.front(), 0.5);
  EXPECT_EQ(told.back(), 1.0);
}

struct DateCase {
  const char* text;
  SlashOrder order;
  const char* expected;  // dd.mm.yyyy, or "" for no date
};

TEST(DrawTextFields, ReadsTheDateTexts) {
  const DateCase cases[] = {
      {"05.05.2023", SlashOrder::Unknown, "05.05.2023"},
      {"5.5.2023", SlashOrder::Unknown, "05.05.2023"},
      {"2023-05-25", SlashOrder::Unknown, "25.05.2023"},
      {"2023/05/25", SlashOrder::Unknown, "25.05.2023"},
      {"May 3, 2023", SlashOrder::Unknown, "03.05.2023"},
      {"september 30 2023", SlashOrder::Unknown, "30.09.2023"},
      {"Sept. 30, 2023", SlashOrder::Unknown, "30.09.2023"},
      {"3 Dec 2023", SlashOrder::Unknown, "03.12.2023"},
      {"04/05/2023", SlashOrder::DayFirst, "04.05.2023"},
      {"04/05/2023", SlashOrder::MonthFirst, "05.04.2023"},
      {"04/05/2023", SlashOrder::Unknown, ""},
      {"29.02.2023", SlashOrder::Unknown, ""},
      {"2023-13-01", SlashOrder::Unknown, ""},
      {"Mai 3, 2023", SlashOrder::Unknown, ""},
      {"05-05-2023", SlashOrder::Unknown, ""},
      {"12", SlashOrder::Unknown, ""},
      {"+5.05.2023", SlashOrder::Unknown, ""},
      {"01.01.23", SlashOrder::Unknown, "01.01.2023"},
      {"31.12.96", SlashOrder::Unknown, "31.12.1996"},
      {"01.01.95", SlashOrder::Unknown, "01.01.2095"},
      {"1/13/23", SlashOrder::MonthFirst, "13.01.2023"},
      {"01.01.023", SlashOrder::Unknown, ""},
      {"23-01-01", SlashOrder::Unknown, ""},
      {"2023-01-01 00:00:00", SlashOrder::Unknown, "01.01.2023"},
      {"2023-01-01T14:00", SlashOrder::Unknown, "01.01.2023"},
      {"May 3, 2023 22:30", SlashOrder::Unknown, "03.05.2023"},
      {"2023-01-01 25:00", SlashOrder::Unknown, ""},
      {"2023-01-01 noon", SlashOrder::Unknown, ""},
      {"44927", SlashOrder::Unknown, ""},
  };
  for (const auto& c : cases) {
    const auto text = readDateText(c.text);
    const auto date = text ? resolveDate(*text, c.order) : std::nullopt;
    EXPECT_EQ(date ? formatDate(*date) : "", c.expected) << c.text;
  }
}

TEST(DrawTextFields, ReadsTheTimeOfDayAfterADate) {
  const std::pair<const char*, int> cases[] = {
      {"2023-01-01", -1},
      {"2023-01-01 00:00:00", 0},
      {"2023-01-01 14:00", 14 * 60},
      {"2023-01-01T22:30:00.000", 22 * 60 + 30},
      {"1/1/23 2:05 PM", 14 * 60 + 5},
      {"1/1/23 12:00 AM", 0},
      {"01.01.2023 12:00 pm", 12 * 60},
  };
  for (const auto& [text, minute] : cases) {
    const auto date = readDateText(text);
    ASSERT_TRUE(date) << text;
    EXPECT_EQ(date->minuteOfDay, minute) << text;
  }
}

TEST(DrawTextFields, DaySerialsAreToldApartFromNumbersAndDates) {
  EXPECT_EQ(readDaySerial("44927"), 44927);
  EXPECT_EQ(readDaySerial("44927.5833"), 44927);
  for (const char* text : {"42", "449270", "4492a", "2023-01-01", ""}) {
    EXPECT_FALSE(readDaySerial(text)) << text;
  }
}

TEST(DrawTextFields, QuotedFieldsKeepTheirSeparator) {
  const auto fields = splitFields(R"("May 3, 2023","say ""hi""",7;)", ',');
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[0], "May 3, 2023");
  EXPECT_EQ(fields[1], "say \"hi\"");
  EXPECT_EQ(fields[2], "7");
}

}  // namespace
}  // namespace numora
