// Draw maintenance through numora-cli on the Daily Keno fixture history: deleting the shown draw
// keeps the other draw of its date, an entry puts a draw back in its place, the export writes
// the chosen range.
#include <gtest/gtest.h>

#include <string>

#include "cli_process.h"
#include "fixture_draws.h"
#include "transcript.h"

namespace numora::test {
namespace {

class CliDrawMaintenance : public ::testing::Test {
 protected:
  void SetUp() override { copyFixture(home, kDailyKenoFixture, "Vuduro.dat"); }
  TempHome home;
  const std::vector<FixtureDraw> draws = readFixtureDraws(kDailyKenoFixture);
};

TEST_F(CliDrawMaintenance, DeleteThenEntryPutsTheMiddayDrawBackInItsPlace) {
  const int day = fixtureDay(2023, 5, 5);
  std::size_t midday = 0;
  while (!(draws[midday].day == day && draws[midday].midday)) ++midday;
  std::vector<FixtureDraw> without = draws;
  without.erase(without.begin() + static_cast<long>(midday));

  // The evening draw of that date stays and is shown.
  std::string evening = "Fri 05.05.23  ";
  for (const int n : draws[midday + 1].numbers) evening += "  " + std::to_string(n);
  std::string ticks;
  for (int n = 1; n <= 19; ++n) ticks += " +" + std::to_string(n);
  expectTranscript(home,
                   "set DateTimePicker1 05.05.2023\n"
                   "call SpeedButton5Click\n"
                   "call BitBtn4Click\n"
                   "print Label29\n"
                   "= Label29: " +
                       evening + "\n");
  EXPECT_EQ(home.readBytes("Vuduro.dat"), recordBytes(without));

  expectTranscript(home,
                   "answer choice ok date=05.05.2023 midday=1" + ticks +
                       "\n"
                       "answer choice ok +20\n"
                       "call BitBtn8Click\n"
                       "= message: A draw has 20 numbers, but 19 are ticked.\n"
                       "set DateTimePicker1 05.05.2023\n"
                       "call SpeedButton5Click\n"
                       "print Label29\n"
                       "= Label29: Fri 05.05.23   (Midday)   1  2  3  4  5  6  7  8  9  10  11  "
                       "12  13  14  15  16  17  18  19  20\n");
  const std::string after = home.readBytes("Vuduro.dat");
  ASSERT_EQ(after.size(), fixtureBytes(kDailyKenoFixture).size());
  EXPECT_EQ(after.substr(0, midday * 40), recordBytes(draws).substr(0, midday * 40));
  EXPECT_EQ(after.substr((midday + 1) * 40), recordBytes(draws).substr((midday + 1) * 40));
  EXPECT_FALSE(std::filesystem::exists(home.file("Vuduro.dat~")));
  EXPECT_FALSE(std::filesystem::exists(home.file("Keno.da~")));
}

TEST_F(CliDrawMaintenance, ExportWritesTheDrawsFromTheStartDateToThePickedDate) {
  std::string expected;
  for (const FixtureDraw& draw : draws) {
    if (draw.day < fixtureDay(2023, 6, 9)) continue;
    expected += fixtureDate(draw.day);
    for (const int n : draw.numbers) expected += "," + std::to_string(n);
    expected += ";\r\n";
  }
  expectTranscript(home,
                   "set DateTimePicker2 09.06.2023\n"
                   "set DateTimePicker1 10.06.2023\n"
                   "answer file " +
                       home.file("out.txt").string() +
                       "\n"
                       "call BitBtn3Click\n"
                       "= message: 4 draws from 09.06.2023 to 10.06.2023 written to " +
                       home.file("out.txt").string() + "\n");
  EXPECT_EQ(home.readBytes("out.txt"), expected);
}

}  // namespace
}  // namespace numora::test
