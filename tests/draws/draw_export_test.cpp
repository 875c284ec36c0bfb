// The export of draws to text: the line format, the range and the written file.
#include "draws/draw_export.h"

#include "support/draw_test_fixture.h"

namespace numora {
namespace {

const DayCount kDay = encodeDate(2023, 5, 5);

TEST(DrawExport, LineHasTheDateTheNumbersInStoredOrderAndASemicolon) {
  const auto record = test::makeDraw(
      kDay, {3, 9, 12, 70, 1, 2, 4, 5, 6, 7, 8, 10, 11, 13, 14, 15, 16, 17, 18, 19}, true);
  EXPECT_EQ(exportLine(record), "05.05.2023,3,9,12,70,1,2,4,5,6,7,8,10,11,13,14,15,16,17,18,19;");
}

TEST(DrawExport, RangeRunsFromTheStartToThePickedDateBothIncluded) {
  std::vector<DrawRecord> records;
  for (int d = 0; d < 5; ++d) records.push_back(test::makeDraw(kDay + d, {d + 1}));
  records.push_back(test::makeDraw(kDay + 1, {9}));  // out of order: tested on its own
  const auto datesOf = [](const std::vector<std::string>& lines) {
    std::vector<std::string> dates;
    for (const auto& line : lines) dates.push_back(line.substr(0, 13));
    return dates;
  };
  EXPECT_EQ(datesOf(exportLines(records, kDay + 1, kDay + 3)),
            (std::vector<std::string>{"06.05.2023,2,", "07.05.2023,3,", "08.05.2023,4,",
                                      "06.05.2023,9,"}));
  EXPECT_EQ(datesOf(exportLines(records, kDay + 4, kDay + 2)),
            (std::vector<std::string>{"07.05.2023,3,"}))
      << "a start after the picked date: the picked date's draws";
  EXPECT_TRUE(exportLines(records, kDay + 10, kDay + 20).empty());
}

class DrawExportFileTest : public test::DrawTest {};

TEST_F(DrawExportFileTest, WritesTheChosenFileWithCrLfAndEvenWhenTheRangeIsEmpty) {
  home.writeDraws("Vuduro.dat", {test::makeDraw(kDay, {1, 2}, true), test::makeDraw(kDay, {3})});
  form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
  ASSERT_TRUE(form.DateTimePicker1.setDate(kDay));
  ASSERT_TRUE(form.DateTimePicker2.setDate(kDay));
  platform.queueFile(home.file("out.txt").string());
  exportDraws(context());
  const std::string zeros = ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
  EXPECT_EQ(home.readBytes("out.txt"),
            "05.05.2023,1,2,0" + zeros + ";\r\n05.05.2023,3,0,0" + zeros + ";\r\n");
  ASSERT_TRUE(platform.lastFileRequest());
  EXPECT_EQ(platform.lastFileRequest()->filter, "Textdatei|*.txt");
  EXPECT_EQ(platform.lastFileRequest()->defaultExtension, "txt");
  EXPECT_EQ(platform.lastFileRequest()->proposedName, home.file("Zahlen.txt").string());
  EXPECT_EQ(form.aktDatum, kDay);

  ASSERT_TRUE(form.DateTimePicker1.setDate(kDay + 40));
  ASSERT_TRUE(form.DateTimePicker2.setDate(kDay + 30));
  platform.queueFile(home.file("empty.txt").string());
  exportDraws(context());
  EXPECT_EQ(home.readBytes("empty.txt"), "");
  // The range comes from two pickers on two tabs: the summary says what went where.
  EXPECT_EQ(
      platform.messages(),
      (std::vector<std::string>{
          "2 draws from 05.05.2023 to 05.05.2023 written to " + home.file("out.txt").string(),
          "0 draws from 04.06.2023 to 14.06.2023 written to " + home.file("empty.txt").string()}));
}

TEST(DrawExport, SummaryCountsTheDrawsOfTheRange) {
  EXPECT_EQ(exportSummary(1, kDay, kDay + 1, "/h/Zahlen.txt").written(),
            "1 draw from 05.05.2023 to 06.05.2023 written to /h/Zahlen.txt");
  // The count stays a value the window writes as the user's locale does; a "%" in a file name
  // is no placeholder.
  const PatternText many = exportSummary(1234, kDay - 3, kDay, "x%1.txt");
  EXPECT_EQ(many.written(), "1234 draws from 02.05.2023 to 05.05.2023 written to x%1.txt");
  EXPECT_EQ(many.written({" ", ",", true}),
            "1 234 draws from 02.05.2023 to 05.05.2023 written to x%1.txt");
}

TEST_F(DrawExportFileTest, CancelWritesNothingAndAMissingDrawFileMakesNoExport) {
  platform.queueFile(std::nullopt);
  exportDraws(context());
  platform.queueFile(home.file("out.txt").string());
  EXPECT_THROW(exportDraws(context()), DrawFileError);
  EXPECT_FALSE(std::filesystem::exists(home.file("out.txt")));
}

}  // namespace
}  // namespace numora
