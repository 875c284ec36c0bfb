// Undo of a draw deletion: the deleted record goes back to its place through the atomic
// rewrite, the file byte for byte as before when nothing changed it since, and never twice
// when an update stored the draw again.
#include <gtest/gtest.h>

#include <cmath>

#include "draws/draw_file.h"
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
