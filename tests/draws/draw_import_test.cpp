#include "draws/draw_import.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "draws/draw_export.h"
#include "draws/draw_merge.h"
#include "draws/lottery.h"
#include "support/draw_test_fixture.h"

namespace numora {
namespace {

const std::vector<int> kNumbersA = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                    11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
const std::vector<int> kNumbersB = {21, 22, 23, 24, 25, 26, 27, 28, 29, 30,
                                    31, 32, 33, 34, 35, 36, 37, 38, 39, 40};
const std::vector<int> kNumbersC = {41, 42, 43, 44, 45, 46, 47, 48, 49, 50,
                                    51, 52, 53, 54, 55, 56, 57, 58, 59, 60};

std::string csvLine(const std::string& date, const std::vector<int>& numbers) {
  std::string line = date;
  for (int n : numbers) line += "," + std::to_string(n);
  return line + "\n";
}

ImportedDraw imported(int line, DayCount date, bool midday, const std::vector<int>& numbers) {
  ImportedDraw draw{line, date, midday, {}};
  for (std::size_t i = 0; i < numbers.size(); ++i) draw.numbers[i] = std::uint8_t(numbers[i]);
  return draw;
}

// Daily Keno on a day after every draw of the tests.
const DrawImportRules kRules{encodeDate(1996, 4, 29), encodeDate(2023, 6, 30), true};

TEST(DrawMerge, NewDrawsTakeTheirPlaceMiddayFirstAndStoredOnesStayAsTheyAre) {
  const DayCount d = encodeDate(2023, 5, 2);
  auto storedEvening = test::makeDraw(d, kNumbersB);
  storedEvening.extra = {0, 7, 7, 7, 7};  // bytes without meaning, repeated by new records
  const std::vector<DrawRecord> stored = {test::makeDraw(d - 1, kNumbersA, true), storedEvening,
                                          test::makeDraw(d + 2, kNumbersC, false)};
  const auto merge =
      mergeImportedDraws(stored,
                         {imported(1, d + 1, false, kNumbersB), imported(2, d, true, kNumbersA),
                          imported(3, d + 1, true, kNumbersC), imported(4, d + 3, true, kNumbersA)},
                         kRules);
  EXPECT_EQ(merge.added, 4);
  EXPECT_EQ(merge.alreadyStored, 0);
  ASSERT_EQ(merge.records.size(), 7u);
  const std::vector<std::pair<DayCount, bool>> order = {
      {d - 1, true},  {d, true},      {d, false},   {d + 1, true},
      {d + 1, false}, {d + 2, false}, {d + 3, true}};
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(merge.records[i].date, order[i].first) << i;
    EXPECT_EQ(merge.records[i].isMidday(), order[i].second) << i;
  }
  EXPECT_EQ(merge.records[2], storedEvening);
  EXPECT_EQ(merge.records[1].extra, (std::array<std::uint8_t, 5>{1, 0, 0, 0, 0}));
}

TEST(DrawMerge, SameNumbersAreSkippedOtherNumbersAreKeptAndReported) {
  const DayCount d = encodeDate(2023, 5, 2);
  const std::vector<DrawRecord> stored = {test::makeDraw(d, kNumbersA, true),
                                          test::makeDraw(d, kNumbersB, false)};
  auto reversed = kNumbersA;
  std::reverse(reversed.begin(), reversed.end());
  const auto merge = mergeImportedDraws(
      stored, {imported(5, d, true, reversed), imported(6, d, false, kNumbersC)}, kRules);
  EXPECT_EQ(merge.added, 0);
  EXPECT_EQ(merge.alreadyStored, 1);
  EXPECT_EQ(merge.records, stored);
  ASSERT_EQ(merge.conflicts.size(), 1u);
  EXPECT_EQ(merge.conflicts[0].line, 6);
  EXPECT_EQ(merge.conflicts[0].reason,
            "02.05.2023 is stored with other numbers; the stored draw is kept");
}

TEST(DrawMerge, AFileOutOfOrderKeepsEveryRecordInItsPlace) {
  // An older update run appended a repeat after newer draws: nothing of it is lost or moved.
  const DayCount d = encodeDate(2023, 5, 2);
  const std::vector<DrawRecord> stored = {
      test::makeDraw(d, kNumbersA), test::makeDraw(d + 5, kNumbersB), test::makeDraw(d, kNumbersA)};
  const auto merge = mergeImportedDraws(stored, {imported(1, d + 1, false, kNumbersC)}, kRules);
  ASSERT_EQ(merge.records.size(), 4u);
  EXPECT_EQ(merge.records[0], stored[0]);
  EXPECT_EQ(merge.records[1].date, d + 1);
  EXPECT_EQ(merge.records[2], stored[1]);
  EXPECT_EQ(merge.records[3], stored[2]);
}

TEST(DrawMerge, ARecordDatedAfterTodayPushesNoDrawInFrontOfOlderOnes) {
  // A sound date far ahead in the middle of the file: the new draw goes after the draws stored
  // behind it, and the damaged record stays where it was.
  const DayCount d = encodeDate(2023, 5, 2);
  const DrawRecord farAhead = test::makeDraw(encodeDate(2099, 12, 31), kNumbersC);
  const std::vector<DrawRecord> stored = {test::makeDraw(d, kNumbersA), farAhead,
                                          test::makeDraw(d + 1, kNumbersB)};
  const auto merge = mergeImportedDraws(stored, {imported(1, d + 2, false, kNumbersC)}, kRules);
  ASSERT_EQ(merge.records.size(), 4u);
  EXPECT_EQ(merge.records[1], farAhead);
  EXPECT_EQ(merge.records[2], stored[2]);
  EXPECT_EQ(merge.records[3].date, d + 2);
}

TEST(DrawMerge, ADrawOfTheSameNumbersIsAlreadyStoredWhateverItsMiddayFlag) {
  const DayCount d = encodeDate(2023, 5, 2);
  // The date's midday draw was deleted; its evening draw comes back flagged as midday.
  const std::vector<DrawRecord> stored = {test::makeDraw(d, kNumbersB, false)};
  auto lone = imported(1, d, true, kNumbersB);
  lone.middayAssumed = true;
  auto next = imported(2, d + 1, true, kNumbersA);
  next.middayAssumed = true;
  const auto merge = mergeImportedDraws(stored, {lone, next}, kRules);
  EXPECT_EQ(merge.alreadyStored, 1);
  EXPECT_EQ(merge.added, 1);
  EXPECT_EQ(merge.assumedMidday, 1);
  EXPECT_TRUE(merge.conflicts.empty());
  ASSERT_EQ(merge.records.size(), 2u);
  EXPECT_EQ(merge.records[0], stored[0]);
  EXPECT_TRUE(merge.records[1].isMidday());
}

TEST(ImportSummary, CountsAndTheFirstRejectedLinesInLineOrder) {
  const auto summary = [](int added, int alreadyStored, std::vector<RejectedLine> fromText,
                          std::size_t rejectedCount, std::vector<RejectedLine> conflicts) {
    DrawMerge merge;
    merge.added = added;
    merge.alreadyStored = alreadyStored;
    merge.conflicts = std::move(conflicts);
    DrawTextImport parsed;
    parsed.rejected = std::move(fromText);
    parsed.rejectedCount = rejectedCount;
    return importSummary(merge, parsed);
  };
  EXPECT_EQ(summary(3, 0, {}, 0, {}), "3 draws added, 0 already stored, 0 rejected");
  EXPECT_EQ(summary(0, 2, {{9, "b"}}, 1, {{4, "a"}}),
            "0 draws added, 2 already stored, 2 rejected\nline 4: a\nline 9: b");
  std::vector<RejectedLine> many;
  for (int line = 1; line <= 12; ++line) many.push_back({line, "bad"});
  // Lines beyond those kept with their reasons are counted all the same.
  const auto text = summary(0, 0, many, 5000, {});
  EXPECT_EQ(text.substr(0, text.find('\n')), "0 draws added, 0 already stored, 5000 rejected");
  EXPECT_NE(text.find("\nline 10: bad\n... and 4990 more rejected lines"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("line 11"), std::string::npos);
}

class ImportDrawsTest : public test::DrawTest {
 protected:
  ImportDrawsTest() { platform.fixClock(encodeDate(2023, 6, 20) + 0.5); }

  // Imports the text through the file dialog; the message the user gets.
  std::string import(const std::string& text) {
    home.writeBytes("draws.csv", text);
    platform.queueFile(home.file("draws.csv").string());
    const auto before = platform.messages().size();
    importDrawsFromText(context());
    EXPECT_EQ(platform.messages().size(), before + 1);
    return platform.messages().empty() ? "" : platform.messages().back();
  }
  std::vector<DrawRecord> stored() {
    reader.invalidate();
    return reader.load(currentDrawFile(context()))->records;
  }
};

TEST_F(ImportDrawsTest, ExportedDrawsImportIntoAnEmptyFileAsTheyWere) {
  const auto history =
      test::generateHistory(encodeDate(2023, 4, 20), encodeDate(2023, 6, 10), true, 5);
  std::string text;
  // The export's own lines, with its CR LF line ends.
  for (const auto& record : history) text += exportLine(record) + "\r\n";
  home.writeDraws("Vuduro.dat", {});
  EXPECT_EQ(import(text),
            std::to_string(history.size()) + " draws added, 0 already stored, 0 rejected");
  const auto records = stored();
  ASSERT_EQ(records.size(), history.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i].date, history[i].date) << i;
    EXPECT_EQ(records[i].numbers, history[i].numbers) << i;
    EXPECT_EQ(records[i].isMidday(), history[i].isMidday()) << i;
  }
  // A first history shows its latest draw, and the first-start hint is gone.
  EXPECT_EQ(form.Datum1, history.back().date);
  EXPECT_EQ(form.Chart1.hint(), "");
}

TEST_F(ImportDrawsTest, ANewestFirstFileImportsAsItWasWithAndWithoutAMiddayColumn) {
  const auto history =
      test::generateHistory(encodeDate(2023, 4, 20), encodeDate(2023, 6, 10), true, 7);
  for (bool column : {false, true}) {
    // What a results page copied into a sheet gives: the newest draw first.
    std::string text = column ? "Date,Draw" : "Date";
    for (int n = 1; n <= 20; ++n) text += ",N" + std::to_string(n);
    text += "\r\n";
    for (auto record = history.rbegin(); record != history.rend(); ++record) {
      text += formatIsoDate(record->date);
      if (column) text += record->isMidday() ? ",Midday" : ",Evening";
      for (auto n : record->numbers) text += "," + std::to_string(n);
      text += "\r\n";
    }
    home.writeDraws("Vuduro.dat", {});
    EXPECT_EQ(import(text),
              std::to_string(history.size()) + " draws added, 0 already stored, 0 rejected");
    const auto records = stored();
    ASSERT_EQ(records.size(), history.size()) << column;
    for (std::size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(records[i].date, history[i].date) << i;
      EXPECT_EQ(records[i].numbers, history[i].numbers) << i;
      EXPECT_EQ(records[i].isMidday(), history[i].isMidday()) << i << " column " << column;
    }
  }
}

TEST_F(ImportDrawsTest, AnExportOfADateWithOnlyItsEveningDrawIsAlreadyStored) {
  const DayCount d = encodeDate(2023, 5, 2);
  // The midday draw of the 3rd was deleted; the export writes no midday flag.
  const std::vector<DrawRecord> records = {test::makeDraw(d, kNumbersA, true),
                                           test::makeDraw(d, kNumbersB, false),
                                           test::makeDraw(d + 1, kNumbersC, false)};
  home.writeDraws("Vuduro.dat", records);
  std::string text;
  for (const auto& record : records) text += exportLine(record) + "\r\n";
  EXPECT_EQ(import(text), "0 draws added, 3 already stored, 0 rejected");
  EXPECT_EQ(stored(), records);
}

TEST_F(ImportDrawsTest, AUtf16FileWithOldMacLineEndsIsRead) {
  std::string text = "\xFF\xFE";
  for (char c : csvLine("2023-05-02", kNumbersA) + csvLine("2023-05-02", kNumbersB)) {
    text += c == '\n' ? '\r' : c;
    text += '\0';
  }
  EXPECT_EQ(import(text), "2 draws added, 0 already stored, 0 rejected");
  ASSERT_EQ(stored().size(), 2u);
  EXPECT_TRUE(stored()[0].isMidday());
  EXPECT_FALSE(form.WorkProgress.visible());
}

TEST_F(ImportDrawsTest, WithoutADrawFileTheImportCreatesIt) {
  EXPECT_EQ(import(csvLine("2023-05-02", kNumbersA)),
            "1 draws added, 0 already stored, 0 rejected\n"
            "1 draw was stored as the midday draw of its date: the file holds one line for that "
            "date and does not say which draw it is.");
  ASSERT_EQ(stored().size(), 1u);
  EXPECT_TRUE(stored()[0].isMidday());
}

TEST_F(ImportDrawsTest, NothingAddedWritesNothing) {
  home.writeDraws("Vuduro.dat", {test::makeDraw(encodeDate(2023, 5, 2), kNumbersA, true),
                                 test::makeDraw(encodeDate(2023, 5, 2), kNumbersB, false)});
  const auto written = std::filesystem::last_write_time(home.file("Vuduro.dat"));
  const std::string text = csvLine("2023-05-02", kNumbersA) + csvLine("2023-05-02", kNumbersA) +
                           csvLine("2023-05-02", kNumbersC) + csvLine("2099-01-01", kNumbersB);
  EXPECT_EQ(import(text),
            "0 draws added, 1 already stored, 3 rejected\n"
            "line 2: repeats line 1\n"
            // The second draw of the date is the evening draw: stored with other numbers.
            "line 3: 02.05.2023 is stored with other numbers; the stored draw is kept\n"
            "line 4: the date 01.01.2099 lies outside 29.04.1996 to 20.06.2023");
  EXPECT_EQ(std::filesystem::last_write_time(home.file("Vuduro.dat")), written);
  EXPECT_FALSE(std::filesystem::exists(home.file("Vuduro.dat~")));
}

TEST_F(ImportDrawsTest, ARefusedFileSaysWhyAndWritesNothing) {
  EXPECT_NE(import(csvLine("02/05/2023", kNumbersA)).find("yyyy-mm-dd"), std::string::npos);
  EXPECT_EQ(import(""), "The file holds no line with a date and 20 numbers: it is empty.");
  EXPECT_FALSE(std::filesystem::exists(home.file("Vuduro.dat")));
}

TEST_F(ImportDrawsTest, ACancelledDialogChangesNothing) {
  platform.queueFile(std::nullopt);
  importDrawsFromText(context());
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_FALSE(std::filesystem::exists(home.file("Vuduro.dat")));
}

TEST_F(ImportDrawsTest, NoImportWhileAnUpdateRunAppendsToTheFile) {
  form.SpeedButton8.setVisible(true);  // "Stop reading" shows while a run goes
  platform.queueFile(home.file("draws.csv").string());
  home.writeBytes("draws.csv", csvLine("2023-05-02", kNumbersA));
  importDrawsFromText(context());
  EXPECT_FALSE(platform.lastFileRequest().has_value());
  EXPECT_FALSE(std::filesystem::exists(home.file("Vuduro.dat")));
}

TEST_F(ImportDrawsTest, AFolderIsRefusedAsFile) {
  platform.queueFile(home.path().string());
  EXPECT_THROW(importDrawsFromText(context()), DrawFileError);
}

}  // namespace
}  // namespace numora
