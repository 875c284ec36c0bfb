// Undo of a draw deletion: the deleted record goes back to its place through the atomic
// rewrite, the file byte for byte as before when nothing changed it since, and never twice
// when an update stored the draw again.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "draws/draw_file.h"
#include "draws/draw_rewrite.h"
#include "support/app_fixture.h"

namespace numora::test {
namespace {

class DrawUndoTest : public AppTest {
 protected:
  const DayCount kFirst = encodeDate(2023, 6, 1);

  void start(const std::vector<DrawRecord>& records) {
    home.writeDraws("Kenoal.dat", records);
    original = home.readBytes("Kenoal.dat");
    settings.writeInteger("Radio1", kKenoAtlantic);
    create();
    form().RadioGroup1.setItemIndex(kKenoAtlantic);
    form1->RadioGroup1Click();
  }
  void deleteDrawOf(DayCount date) {
    ASSERT_TRUE(form().DateTimePicker1.setDate(date));
    form1->SpeedButton5Click();
    form1->BitBtn4Click();
  }
  std::string file() { return home.readBytes("Kenoal.dat"); }

  std::string original;
};

TEST_F(DrawUndoTest, DeletesAreUndoneNewestFirstAndTheFileComesBackByteForByte) {
  start(generateHistory(kFirst, kFirst + 9, false, 4));
  deleteDrawOf(kFirst + 4);
  const std::string afterFirst = file();
  ASSERT_EQ(afterFirst.size(), original.size() - 40);
  deleteDrawOf(kFirst);
  ASSERT_EQ(file().size(), original.size() - 80);
  form1->UndoDrawClick();
  EXPECT_EQ(file(), afterFirst);
  EXPECT_EQ(form().Datum1, kFirst) << "the draw put back is shown";
  form1->UndoDrawClick();
  EXPECT_EQ(file(), original);
  EXPECT_EQ(form().Datum1, kFirst + 4);
  form1->UndoDrawClick();
  EXPECT_EQ(file(), original);
  EXPECT_EQ(form().StatusBar1.panel(1), "Nothing to undo");
  EXPECT_TRUE(platform.messages().empty());
}

// A delete also drops the damaged records it meets; undo puts every byte back.
TEST_F(DrawUndoTest, ADeleteOnADamagedHistoryIsUndoneByteForByte) {
  auto records = generateHistory(kFirst, kFirst + 5, false, 4);
  records.insert(records.begin() + 4, records[1]);  // an earlier date out of order
  DrawRecord noNumber = records[2];
  noNumber.date = std::nan("");
  records.push_back(noNumber);
  start(records);
  deleteDrawOf(kFirst + 2);
  ASSERT_LT(file().size(), original.size() - 40);
  form1->UndoDrawClick();
  EXPECT_EQ(file(), original);
}

// The README promises the file byte for byte: the bytes of a torn record the delete dropped too.
TEST_F(DrawUndoTest, TheTornRecordADeleteDroppedComesBackWithTheUndo) {
  home.writeDraws("Kenoal.dat", generateHistory(kFirst, kFirst + 3, false, 4));
  home.writeBytes("Kenoal.dat", home.readBytes("Kenoal.dat") + std::string("\x01\x02torn", 6));
  const std::string withTail = home.readBytes("Kenoal.dat");
  settings.writeInteger("Radio1", kKenoAtlantic);
  create();
  form().RadioGroup1.setItemIndex(kKenoAtlantic);
  form1->RadioGroup1Click();
  deleteDrawOf(kFirst + 1);
  ASSERT_EQ(file().size(), 3u * 40);
  form1->UndoDrawClick();
  EXPECT_EQ(file(), withTail);
}

// The player deleted a draw and entered the right numbers for its date: the undo once put the
// deleted draw back over the entered one without a word.
TEST_F(DrawUndoTest, TheUndoKeepsADrawEnteredSinceForTheSameDate) {
  const auto history = generateHistory(kFirst, kFirst + 4, false, 4);
  start(history);
  deleteDrawOf(kFirst + 2);
  std::vector<int> numbers(20);
  std::iota(numbers.begin(), numbers.end(), 51);
  auto expected = history;
  expected[2] = makeDraw(kFirst + 2, numbers);
  ASSERT_NE(expected[2].numbers, history[2].numbers);
  {
    DrawFileReader reader;
    rewriteDrawFile(home.file("Kenoal.dat"), home.file("Kenoal.dat~"), expected, reader);
  }
  form1->UndoDrawClick();
  DrawFileReader reader;
  EXPECT_EQ(reader.load(home.file("Kenoal.dat"))->records, expected);
  EXPECT_EQ(platform.messages(),
            std::vector<std::string>{"The deleted draw of 03.06.2023 was not brought back, "
                                     "because a draw of that date is stored now."});
}

TEST_F(DrawUndoTest, AfterAnUpdateTheDrawGoesBackInItsPlaceAndNeverTwice) {
  const auto history = generateHistory(kFirst, kFirst + 6, false, 4);
  const std::vector<DrawRecord> allButLast(history.begin(), history.end() - 1);
  struct Case {
    const char* name;
    std::vector<DrawRecord> stored;
    DayCount deleted;
    std::vector<DrawRecord> storedSince;  // what an update appended after the delete
  };
  const Case cases[] = {
      {"a draw in the middle, a new draw appended", allButLast, kFirst + 2, {history[6]}},
      {"the last draw, fetched again by the update", history, kFirst + 6, {history[6]}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    start(c.stored);
    deleteDrawOf(c.deleted);
    {
      DrawFileAppender appender(home.file("Kenoal.dat"), form1->drawReader());
      for (const auto& record : c.storedSince) appender.append(record);
      appender.close();
    }
    form1->UndoDrawClick();
    DrawFileReader reader;
    EXPECT_EQ(reader.load(home.file("Kenoal.dat"))->records, history);
  }
}

}  // namespace
}  // namespace numora::test
