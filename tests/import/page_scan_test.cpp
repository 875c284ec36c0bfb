#include "import/page_scan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "draws/draw_file.h"
#include "support/draw_fixtures.h"

namespace numora {
namespace {

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::array<int, 20> numbersOf(const DrawRecord& record) {
  std::array<int, 20> numbers{};
  for (std::size_t i = 0; i < 20; ++i) numbers[i] = record.numbers[i];
  return numbers;
}

// The sample pages and draw files of the results site agree: scanning a page for every stored
// draw of its month gives the stored numbers.
TEST(PageScan, SamplePagesGiveTheStoredDraws) {
  struct Sample {
    const char* drawFile;
    const char* pagePattern;
    bool daily;
  };
  const Sample samples[] = {
      {"kenoatlantic-2023-04-20_2023-06-10.dat", "kenoatlantic-2023-%02d.html", false},
      {"dailykeno-2023-04-20_2023-06-10.dat", "dailykeno-2023-%02d.html", true}};
  for (const auto& sample : samples) {
    DrawFileReader reader;
    const auto history = reader.load(test::testData(sample.drawFile));
    int checked = 0;
    for (const auto& record : history->records) {
      const int month = decodeDate(record.date).month;
      if (month < 5) continue;
      char name[64];
      std::snprintf(name, sizeof name, sample.pagePattern, month);
      const std::string page = readText(test::testData(name));
      const bool evening = sample.daily && !record.isMidday();
      const auto rest =
          locateDraw(page, record.date, evening ? DrawSought::Evening : DrawSought::First);
      ASSERT_TRUE(rest.has_value()) << formatDate(record.date);
      const ReadNumbers read = readNumbers(*rest);
      ASSERT_EQ(read.result, ReadNumbers::Result::Numbers) << formatDate(record.date);
      EXPECT_EQ(read.numbers, numbersOf(record)) << formatDate(record.date) << " " << evening;
      ++checked;
    }
    EXPECT_GE(checked, 40) << sample.drawFile;
  }
}

TEST(PageScan, DateKey) {
  EXPECT_EQ(dateKey(encodeDate(2023, 5, 5)), "(2023-05-05");
}

const DayCount kDay = encodeDate(2023, 5, 5);

// A numbers row of twenty cells that begins with the given cells ("3</td><td>9").
std::string row(const std::string& firstCells) {
  std::string text = "<tr><td>" + firstCells;
  int cells = 1;
  for (auto at = firstCells.find("</td><td>"); at != std::string::npos;
       at = firstCells.find("</td><td>", at + 1)) {
    ++cells;
  }
  for (int n = 50 + cells; n < 70; ++n) text += "</td><td>" + std::to_string(n);
  return text + "</td></tr>";
}

TEST(PageScan, ReadsTheCellsOfTheRowAfterTheDate) {
  struct Case {
    const char* name;
    std::string page;
    ReadNumbers::Result result;
    int first;
    int second;
  };
  const Case cases[] = {
      {"plain", "x (2023-05-05)</td></tr>" + row("3</td><td>9"), ReadNumbers::Result::Numbers, 3,
       9},
      {"blanks around", "(2023-05-05)" + row("3</td><td> 12 "), ReadNumbers::Result::Numbers, 3,
       12},
      {"tab and newline", "(2023-05-05)" + row("\t3\n</td><td>4"), ReadNumbers::Result::Numbers, 3,
       4},
      {"tag inside a cell", "(2023-05-05)" + row("<b>3</b></td><td>9"), ReadNumbers::Result::Failed,
       0, 0},
      {"letters", "(2023-05-05)" + row("x3</td><td>9"), ReadNumbers::Result::Failed, 0, 0},
      {"empty cell", "(2023-05-05)" + row("</td><td>9"), ReadNumbers::Result::Failed, 0, 0},
      {"first cell 0", "(2023-05-05)" + row("0</td><td>9"), ReadNumbers::Result::NoDraw, 0, 9},
      {"blanks between cells", "(2023-05-05)" + row("3</td><td>9").replace(9, 9, "</td>\n <td>"),
       ReadNumbers::Result::Numbers, 3, 9},
      // A draw's numbers come from its own row only: never from the next draw's row, never
      // from a cell cut off in transfer.
      {"19 cells", "(2023-05-05)<tr><td>1</td><td>2</td></tr><tr><td>" + row("3").substr(8),
       ReadNumbers::Result::Failed, 0, 0},
      {"21 cells", "(2023-05-05)" + row("3").replace(row("3").size() - 5, 0, "<td>4</td>"),
       ReadNumbers::Result::Failed, 0, 0},
      {"no numbers row before the next date",
       "(2023-05-05)</td></tr><tr class=\"date\"><td>(2023-05-06)</td></tr>" + row("3"),
       ReadNumbers::Result::Failed, 0, 0},
      {"cut inside the last cell", "(2023-05-05)" + row("3").substr(0, row("3").size() - 13),
       ReadNumbers::Result::Failed, 0, 0},
      {"cut after the last cell", "(2023-05-05)" + row("3").substr(0, row("3").size() - 5),
       ReadNumbers::Result::Failed, 0, 0},
      {"text between cells", "(2023-05-05)" + row("3</td>x<td>9"), ReadNumbers::Result::Failed, 0,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto rest = locateDraw(c.page, kDay, DrawSought::First);
    ASSERT_TRUE(rest.has_value());
    EXPECT_EQ(rest->substr(0, 2), "5)");
    const ReadNumbers read = readNumbers(*rest);
    EXPECT_EQ(read.result, c.result);
    if (c.result != ReadNumbers::Result::Failed) {
      EXPECT_EQ(read.numbers[0], c.first);
      EXPECT_EQ(read.numbers[1], c.second);
    }
  }
}

TEST(PageScan, AbsentDates) {
  EXPECT_FALSE(locateDraw("", kDay, DrawSought::First).has_value());
  EXPECT_FALSE(locateDraw("(2023-05-04)" + row("1"), kDay, DrawSought::First).has_value());
  EXPECT_FALSE(locateDraw("2023-05-05" + row("1"), kDay, DrawSought::Evening).has_value());
}

TEST(PageScan, EveningDrawByItsMarker) {
  const std::string midday =
      "<tr class=\"date\"><td>Fri (2023-05-05) M&nbsp;Midday</td></tr>" + row("1</td><td>2") + "\n";
  const std::string evening = "<tr class=\"date\"><td>Fri (2023-05-05) E&nbsp;Evening</td></tr>" +
                              row("3</td><td>4") + "\n";
  struct Case {
    const char* name;
    std::string page;
    int first;  // of the evening row read, 0 for an empty rest
  };
  const Case cases[] = {
      {"midday then evening", midday + evening, 3},
      {"evening marker right after the date", "(2023-05-05) E&nbsp;" + row("7"), 7},
      // The marker is the 20th character from the key's last digit on: still the same row.
      {"marker at the limit", "(2023-05-05" + std::string(18, '.') + "E&nbsp" + row("8"), 8},
      // No evening row on the page yet: the midday row must not be taken for it.
      {"only the midday draw", midday, 0},
      // The next evening marker belongs to a row with another date.
      {"marker of another date",
       midday + "<tr><td>Sat (2023-05-06) E&nbsp;Evening</td></tr>" + row("9"), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto rest = locateDraw(c.page, kDay, DrawSought::Evening);
    ASSERT_TRUE(rest.has_value());
    const ReadNumbers read = readNumbers(*rest);
    if (c.first == 0) {
      EXPECT_TRUE(rest->empty());
      EXPECT_EQ(read.result, ReadNumbers::Result::Failed);
    } else {
      EXPECT_EQ(read.result, ReadNumbers::Result::Numbers);
      EXPECT_EQ(read.numbers[0], c.first);
    }
  }
}

TEST(PageScan, OnlyTwentyDistinctNumbersOfTheGameMakeADraw) {
  std::array<int, 20> numbers{};
  for (int i = 0; i < 20; ++i) numbers[static_cast<std::size_t>(i)] = i + 1;
  EXPECT_TRUE(isValidDraw(numbers));
  const std::pair<int, int> spoilers[] = {{0, 0}, {5, 71}, {19, 300}, {3, -2}, {7, 1}};
  for (const auto& [index, value] : spoilers) {
    auto spoiled = numbers;
    spoiled[static_cast<std::size_t>(index)] = value;
    EXPECT_FALSE(isValidDraw(spoiled)) << index << "=" << value;
  }
}

}  // namespace
}  // namespace numora
