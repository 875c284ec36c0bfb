// The ticket sheet: tickets cut from the tip list, the heading, the file and its opening.
#include "tips/ticket_sheet.h"

#include "support/draw_test_fixture.h"

namespace numora {
namespace {

using Lines = std::vector<std::string>;

const WeekdayNames kLong = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                            "Thursday", "Friday", "Saturday"};
const DayCount kFriday = encodeDate(2023, 5, 5);

Lines tips(int count) {
  Lines lines;
  for (int i = 1; i <= count; ++i) lines.push_back("0" + std::to_string(i % 10) + ",70");
  return lines;
}

// The tip lines and closing blank lines after the three heading lines.
Lines body(const Lines& sheet) {
  return Lines(sheet.begin() + 3, sheet.end());
}

TEST(TicketSheet, HeadingHasTheLongDayNameAndATwoDigitYear) {
  const Lines sheet = ticketSheetLines({}, 1, 5, kFriday, kLong);
  EXPECT_EQ(sheet, (Lines{"Numora Tip from Friday 05.05.23",
                          "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~", "", " "}));
}

TEST(TicketSheet, TicketsFollowTotalTipsAndTipsPerTicket) {
  struct Case {
    const char* name;
    int listed, total, perTicket;
    Lines body;
  };
  const Case cases[] = {
      {"12 tips, 5 a ticket",
       12,
       12,
       5,
       {" 1. Tip:  01,70", " 2. Tip:  02,70", " 3. Tip:  03,70", " 4. Tip:  04,70",
        " 5. Tip:  05,70", " ", " 1. Tip:  06,70", " 2. Tip:  07,70", " 3. Tip:  08,70",
        " 4. Tip:  09,70", " 5. Tip:  00,70", " ", " 1. Tip:  01,70", " 2. Tip:  02,70", " "}},
      {"total 10 but 7 listed",
       7,
       10,
       5,
       {" 1. Tip:  01,70", " 2. Tip:  02,70", " 3. Tip:  03,70", " 4. Tip:  04,70",
        " 5. Tip:  05,70", " ", " 1. Tip:  06,70", " 2. Tip:  07,70", " "}},
      {"tips past the total not printed",
       5,
       3,
       2,
       {" 1. Tip:  01,70", " 2. Tip:  02,70", " ", " 1. Tip:  03,70", " 2. Tip:  04,70", " "}},
      {"empty list", 0, 2, 1, {" ", " "}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(body(ticketSheetLines(tips(c.listed), c.total, c.perTicket, kFriday, kLong)), c.body);
  }
}

TEST(TicketSheet, TipTextsAreTakenUnchanged) {
  const Lines sheet = ticketSheetLines({" 7,x,, "}, 1, 1, kFriday, kLong);
  EXPECT_EQ(sheet[3], " 1. Tip:   7,x,, ");
}

class TicketSheetFileTest : public test::DrawTest {};

TEST_F(TicketSheetFileTest, WritesTippTxtInHomeOverAnOlderOneAndOpensIt) {
  home.writeBytes("Tipp.txt", "an older sheet that is longer than the new one\r\n");
  form.ListBox1.setLines({"01,02"});
  form.UpDown9.setPosition(1);
  form.UpDown8.setPosition(1);
  writeTicketSheet(form, platform);  // the clock says Tuesday 20.06.2023
  EXPECT_EQ(home.readBytes("Tipp.txt"),
            "Numora Tip from Tuesday 20.06.23\r\n~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n\r\n"
            " 1. Tip:  01,02\r\n \r\n");
  EXPECT_EQ(platform.opened(), (Lines{home.file("Tipp.txt").string()}));
}

}  // namespace
}  // namespace numora
