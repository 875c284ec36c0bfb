#include "draws/draw_text_import.h"

#include <gtest/gtest.h>

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

TEST(DrawTextImport, SlashDatesThatFitBothOrdersRefuseTheFileAndAskForIsoDates) {
  const auto result = parseDrawText(readData("slash_ambiguous.csv"), rulesFor(kKenoAtlantic));
  EXPECT_TRUE(result.draws.empty());
  EXPECT_NE(result.refusal.find("yyyy-mm-dd"), std::string::npos) << result.refusal;
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
  };
  for (const auto& c : cases) {
    const auto text = readDateText(c.text);
    const auto date = text ? resolveDate(*text, c.order) : std::nullopt;
    EXPECT_EQ(date ? formatDate(*date) : "", c.expected) << c.text;
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
