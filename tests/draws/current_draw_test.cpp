#include <cmath>

#include "draws/current_draw.h"
#include "draws/first_start_hint.h"

#include "support/draw_test_fixture.h"

namespace numora {
namespace {

const DayCount kDay1 = encodeDate(2023, 5, 3);  // a Wednesday

class CurrentDrawTest : public test::DrawTest {
 protected:
  // Daily Keno, three days: midday and evening each.
  void SetUp() override {
    records = test::generateHistory(kDay1, kDay1 + 2, true);
    records[2].extra = {1, 9, 8, 7, 6};
    home.writeDraws("Vuduro.dat", records);
    form.ListBox1.setLines({"01,02,03,04,05,06,07,08,09,10"});
  }
  void pick(DayCount date) {
    form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
    ASSERT_TRUE(form.DateTimePicker1.setDate(date));
  }
  void expectCurrent(std::size_t index) {
    const DrawRecord& record = records[index];
    EXPECT_EQ(form.Position, static_cast<int>(index));
    EXPECT_EQ(form.Datum1, record.date);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(form.Zahl[i + 1], record.numbers[i]);
    EXPECT_EQ(form.Label13.caption(), "cross sum: " + std::to_string(record.crossSum()));
    EXPECT_EQ(form.Label35.caption(), form.Label29.caption());
    EXPECT_EQ(form.DateTimePicker1.date(), record.date);
    EXPECT_EQ(form.ListBox2.count(), 1u) << "the full check ran";
  }
  std::vector<DrawRecord> records;
};

TEST_F(CurrentDrawTest, ShowByDateFindsTheFirstDrawOnOrAfterThePickedDate) {
  struct Case {
    DayCount picked;
    std::size_t index;
    const char* captionStart;
  };
  const Case cases[] = {
      {kDay1 + 1, 2, "Thu 04.05.23   (Midday)   "},  // a date with draws: its midday draw
      {kDay1 + 30, 5, "Fri 05.05.23  "},             // after the last draw: the last draw
      {kDay1 - 30, 0, "Wed 03.05.23    (Midday) "},  // first record of the file: wider gap
      {kDay1, 0, "Wed 03.05.23    (Midday) "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(formatDate(c.picked));
    pick(c.picked);
    showDrawByDate(context());
    expectCurrent(c.index);
    EXPECT_EQ(form.aktDatum, c.picked);
    EXPECT_EQ(form.Label29.caption().rfind(c.captionStart, 0), 0u) << form.Label29.caption();
  }
  EXPECT_TRUE(platform.messages().empty());
}

TEST_F(CurrentDrawTest, ShowByDateTakesTheExtraBytesIntoZahl5) {
  pick(kDay1 + 1);
  showDrawByDate(context());
  EXPECT_EQ(form.Zahl5, (std::array<int, 6>{0, 1, 9, 8, 7, 6}));
  stepToNextDraw(context());  // the steps leave Zahl5 alone
  EXPECT_EQ(form.Zahl5, (std::array<int, 6>{0, 1, 9, 8, 7, 6}));
}

TEST_F(CurrentDrawTest, StepsStopAtBothEnds) {
  pick(kDay1);
  showDrawByDate(context());
  stepToPreviousDraw(context());
  expectCurrent(0);
  EXPECT_EQ(form.aktDatum, records[0].date);
  stepToNextDraw(context());
  expectCurrent(1);
  EXPECT_EQ(form.Label29.caption().find("Midday"), std::string::npos);

  pick(kDay1 + 2);
  showDrawByDate(context());
  stepToNextDraw(context());
  expectCurrent(5);
  stepToNextDraw(context());
  expectCurrent(5);
  stepToPreviousDraw(context());
  expectCurrent(4);
  EXPECT_NE(form.Label29.caption().find(" (Midday) "), std::string::npos);
}

TEST_F(CurrentDrawTest, StepBackShowsTheCrossSumOfTheDrawItShows) {
  pick(kDay1 + 2);
  showDrawByDate(context());
  stepToPreviousDraw(context());
  EXPECT_EQ(form.Label13.caption(), "cross sum: " + std::to_string(records[3].crossSum()));
}

TEST_F(CurrentDrawTest, StepForwardMovesAStatisticsStartAfterThePickedDateAYearBack) {
  pick(kDay1 + 1);
  showDrawByDate(context());
  ASSERT_TRUE(form.DateTimePicker2.setDate(kDay1 + 100));
  stepToNextDraw(context());
  EXPECT_EQ(form.DateTimePicker2.date(), kDay1 + 1 - 365);

  // Below the picker's limit the start date keeps its value.
  ASSERT_TRUE(form.DateTimePicker2.setDate(kDay1 + 100));
  form.DateTimePicker2.setMinDate(kDay1 - 10);
  stepToNextDraw(context());
  EXPECT_EQ(form.DateTimePicker2.date(), kDay1 + 100);
}

TEST_F(CurrentDrawTest, StepsThroughTheWholeHistoryReadTheFileOnce) {
  pick(kDay1 + 2);
  showDrawByDate(context());
  for (int i = 0; i < 50; ++i) stepToPreviousDraw(context());
  for (int i = 0; i < 50; ++i) stepToNextDraw(context());
  EXPECT_EQ(reader.readsFromDisk(), 1);
}

class EmptyOrMissingFileTest : public test::DrawTest {};

TEST_F(EmptyOrMissingFileTest, MissingFileShowsTheMessageAndChangesNothing) {
  form.Label29.setCaption("before");
  form.Position = 7;
  showDrawByDate(context());
  EXPECT_EQ(platform.messages(), (std::vector<std::string>{"First read the data of draws"}));
  // The caption says what to do instead of keeping another lottery's draw.
  EXPECT_EQ(form.Label29.caption(), firstStartHint(form.lotteryIndex()));
  EXPECT_EQ(form.Position, 7);
  EXPECT_THROW(stepToPreviousDraw(context()), DrawFileError);
  EXPECT_THROW(stepToNextDraw(context()), DrawFileError);
  EXPECT_EQ(form.Position, 7);
}

TEST_F(EmptyOrMissingFileTest, EmptyFileMovesOnlyThePickerToTheFirstDrawDate) {
  home.writeDraws("Vuduro.dat", {});
  form.Label29.setCaption("before");
  form.Position = 7;
  form.Datum1 = encodeDate(2023, 5, 20);  // a draw of the other lottery was shown
  form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
  ASSERT_TRUE(form.DateTimePicker1.setDate(encodeDate(2023, 6, 1)));
  showDrawByDate(context());
  EXPECT_EQ(form.Position, 0);
  EXPECT_EQ(form.Label29.caption(), firstStartHint(form.lotteryIndex()));
  EXPECT_EQ(form.DateTimePicker1.date(), encodeDate(1996, 4, 29));
  stepToNextDraw(context());
  stepToNextDraw(context());
  EXPECT_EQ(form.Position, 0);
  EXPECT_TRUE(platform.messages().empty());
}

TEST_F(EmptyOrMissingFileTest, OnlyTheFirstRecordOfALongerFileGetsTheWideGap) {
  const auto one = test::generateHistory(encodeDate(2023, 5, 3), encodeDate(2023, 5, 3), false);
  home.writeDraws("Vuduro.dat", one);
  ASSERT_TRUE(form.DateTimePicker1.setDate(encodeDate(2023, 5, 3)));
  showDrawByDate(context());
  EXPECT_EQ(form.Label29.caption().rfind("Wed 03.05.23    " + std::to_string(one[0].numbers[0]), 0),
            0u)
      << form.Label29.caption();
}

TEST_F(EmptyOrMissingFileTest, AFolderInPlaceOfTheDrawFileIsAReadError) {
  std::filesystem::create_directory(home.file("Vuduro.dat"));
  EXPECT_THROW(stepToPreviousDraw(context()), DrawFileError);
}

TEST_F(EmptyOrMissingFileTest, ADamagedDateIsNeverShownAsADraw) {
  auto damaged = test::generateHistory(encodeDate(2023, 5, 3), encodeDate(2023, 5, 4), false);
  damaged[1].date = 1e300;
  home.writeDraws("Vuduro.dat", damaged);
  form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
  ASSERT_TRUE(form.DateTimePicker1.setDate(encodeDate(2023, 5, 4)));
  showDrawByDate(context());
  EXPECT_EQ(form.Position, 0);
  EXPECT_EQ(form.Datum1, encodeDate(2023, 5, 3));
  EXPECT_EQ(form.DateTimePicker1.date(), encodeDate(2023, 5, 3));
}

// Zeros, a date that is no number or huge, and earlier dates appended after the newest draw are
// passed over by show by date and both steps: every step reaches a later (or earlier) date.
TEST_F(EmptyOrMissingFileTest, StepsAndShowByDatePassOverDamagedRecords) {
  auto history = test::generateHistory(kDay1, kDay1 + 3, false);  // records 0..3
  std::vector<DrawRecord> records = {history[0], DrawRecord{}, history[1], history[2]};
  DrawRecord noNumber = history[3];
  noNumber.date = std::nan("");
  DrawRecord huge = history[3];
  huge.date = 1e300;
  records.insert(records.begin() + 3, noNumber);  // 0 z 1 nan 2
  records.push_back(history[0]);                  // an earlier date appended
  records.push_back(huge);
  records.push_back(history[3]);  // the newest draw, after the damage
  home.writeDraws("Vuduro.dat", records);
  form.RadioGroup1.setItemIndex(kKenoAtlantic);
  form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
  ASSERT_TRUE(form.DateTimePicker1.setDate(kDay1));
  showDrawByDate(context());
  std::vector<int> visited{form.Position};
  for (int i = 0; i < 5; ++i) {
    stepToNextDraw(context());
    visited.push_back(form.Position);
  }
  EXPECT_EQ(visited, (std::vector<int>{0, 2, 4, 7, 7, 7}));
  for (const int expected : {4, 2, 0, 0}) {
    stepToPreviousDraw(context());
    EXPECT_EQ(form.Position, expected);
  }
  ASSERT_TRUE(form.DateTimePicker1.setDate(kDay1 + 30));
  showDrawByDate(context());
  EXPECT_EQ(form.Position, 7);
  EXPECT_EQ(form.Datum1, kDay1 + 3);
}

TEST_F(EmptyOrMissingFileTest, NumbersOutsideTheGameNeverBreakTheShow) {
  auto damaged = test::generateHistory(kDay1, kDay1, false);
  damaged[0].numbers[0] = 0;
  damaged[0].numbers[1] = 255;
  damaged[0].numbers[2] = 71;
  home.writeDraws("Vuduro.dat", damaged);
  form.ListBox1.setLines({"00,71", "255"});
  ASSERT_TRUE(form.DateTimePicker1.setDate(kDay1));
  showDrawByDate(context());
  EXPECT_EQ(form.Zahl[2], 255);
  EXPECT_EQ(form.ListBox2.lines(), (std::vector<std::string>{"2", "1"}));
}

}  // namespace
}  // namespace numora
