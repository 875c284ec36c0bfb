#include "import/update_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>

#include "draws/lottery.h"
#include "form/scripted_platform.h"
#include "import/month_request.h"
#include "support/draw_fixtures.h"
#include "support/results_pages.h"
#include "support/results_site.h"
#include "support/temp_home.h"

namespace numora {
namespace {

DayCount at(int year, int month, int day, int hour, int minute) {
  return encodeDate(year, month, day) + (hour * 60 + minute) / 1440.0;
}

class UpdateRunTest : public ::testing::Test {
 protected:
  void useLottery(int index) {
    form.Home = home.home();
    form.RadioGroup1.setItemIndex(index);
    form.ZahlenFile = lottery(index).drawFile;
    const DayCount first = lottery(index).firstDrawDate;
    form.DateTimePicker1.setMinDate(first);
    form.DateTimePicker2.setMinDate(first);
    form.ResultsSiteEdit.setText("https://results.test");
    form.sortieren = true;
    daily = index == kDailyKeno;
  }
  // The site lists these draws; the draw file holds those up to and including the stored one.
  void history(DayCount from, DayCount to, std::size_t stored) {
    draws = test::generateHistory(from, to, daily);
    site.publish(daily, draws);
    home.writeDraws(lottery(form.RadioGroup1.itemIndex()).drawFile,
                    std::vector<DrawRecord>(draws.begin(), draws.begin() + stored));
  }
  // As the activation does: show the latest stored draw, then update.
  void showAndRun(DayCount now, UpdateTrigger trigger = UpdateTrigger::Button) {
    platform.fixClock(now);
    (void)form.DateTimePicker1.setDate(platform.today());
    showDrawByDate(DrawContext{form, platform, reader});
    run(trigger);
  }
  void run(UpdateTrigger trigger = UpdateTrigger::Button) {
    runUpdate(UpdateContext{form, platform, reader, site, state}, trigger);
  }
  std::vector<DrawRecord> stored() {
    return reader.load(drawFilePath(form.Home, form.ZahlenFile))->records;
  }
  std::vector<DrawRecord> drawsUpTo(DayCount last, bool withLastEvening = true) {
    std::vector<DrawRecord> upTo;
    for (const auto& draw : draws) {
      if (draw.date < last || (draw.date == last && (withLastEvening || draw.isMidday()))) {
        upTo.push_back(draw);
      }
    }
    return upTo;
  }
  void expectIdle() {
    EXPECT_FALSE(form.SpeedButton8.visible());
    EXPECT_TRUE(form.BitBtn1.enabled());
    EXPECT_TRUE(form.SpeedButton10.enabled());
    EXPECT_TRUE(form.SpeedButton10.visible());
    EXPECT_FALSE(form.StopUpdateButton.visible());
    EXPECT_FALSE(form.WorkProgress.visible());
    EXPECT_TRUE(form.ImportButton.enabled());
    EXPECT_FALSE(platform.waitCursor());
  }

  test::TempHome home;
  Form form;
  ScriptedPlatform platform;
  DrawFileReader reader;
  test::FakeResultsSite site;
  UpdateRunState state;
  std::vector<DrawRecord> draws;
  bool daily = false;
};

TEST_F(UpdateRunTest, FillsAnEmptyFileMonthByMonthAndEndsWithTheReport) {
  useLottery(kKenoAtlantic);
  draws = test::generateHistory(encodeDate(2001, 10, 22), encodeDate(2001, 12, 5), false);
  site.publish(false, draws);
  platform.fixClock(at(2001, 12, 5, 20, 0));
  form.ListBox1.setLines({"01,02,03"});
  run();
  EXPECT_EQ(stored(), draws);
  EXPECT_EQ(site.requests().size(), 3u);
  // Written into an empty file: the bytes without meaning are zeros.
  for (const auto& record : stored()) {
    EXPECT_EQ(record.extra, (std::array<std::uint8_t, 5>{}));
    EXPECT_EQ(record.reserved, (std::array<std::uint8_t, 7>{}));
  }
  EXPECT_EQ(form.Datum1, encodeDate(2001, 12, 5));
  EXPECT_EQ(form.ListBox2.count(), 1u);
  ASSERT_EQ(platform.messages().size(), 1u);
  // The report says what the run added, then prices the tips against the newest draw.
  const std::string added = "45 draws added, 22.10.2001 \u2013 05.12.2001";
  EXPECT_EQ(platform.messages()[0].rfind(added + "\n\nyou have \n", 0), 0u)
      << platform.messages()[0];
  EXPECT_EQ(form.WorkProgress.caption(), added);
  EXPECT_EQ(form.StatusBar1.panel(1), "Not guarantee the accuracy of the figures!");
  EXPECT_EQ(form.Memo1.text(), test::monthPage(false, 2001, 12, draws));
  expectIdle();
}

TEST_F(UpdateRunTest, DailyKenoStartsWithTheDueEveningDrawAndRepeatsTheLastRecordsBytes) {
  useLottery(kDailyKeno);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 12), 19);  // ends with 10.05. midday
  auto withBytes = test::generateHistory(encodeDate(2023, 5, 1), encodeDate(2023, 5, 10), true);
  withBytes.resize(19);
  for (std::size_t i = 0; i < withBytes.size(); ++i) withBytes[i] = draws[i];
  withBytes.back().extra = {1, 4, 3, 2, 1};
  withBytes.back().reserved = {9, 9, 9, 9, 9, 9, 9};
  home.writeDraws("Vuduro.dat", withBytes);
  showAndRun(at(2023, 5, 12, 21, 30));
  const auto records = stored();
  ASSERT_EQ(records.size(), 24u);
  EXPECT_EQ(records[19].date, encodeDate(2023, 5, 10));
  EXPECT_FALSE(records[19].isMidday());
  for (std::size_t i = 19; i < records.size(); ++i) {
    EXPECT_EQ(records[i].numbers, draws[i].numbers) << i;
    EXPECT_EQ(records[i].isMidday(), draws[i].isMidday()) << i;
    EXPECT_EQ(records[i].extra[1], 4) << i;
    EXPECT_EQ(records[i].reserved[0], 9) << i;
  }
}

TEST_F(UpdateRunTest, TodaysDrawsOnlyFromSevenInTheEvening) {
  struct Case {
    int hour;
    int minute;
    std::size_t records;
    std::size_t requests;
  };
  const Case cases[] = {{18, 59, 18, 0}, {19, 0, 20, 1}, {23, 59, 20, 1}};
  useLottery(kDailyKeno);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hour * 100 + c.minute);
    site = test::FakeResultsSite();
    history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 10), 18);  // up to 09.05. evening
    showAndRun(at(2023, 5, 10, c.hour, c.minute));
    EXPECT_EQ(stored().size(), c.records);
    EXPECT_EQ(site.requests().size(), c.requests);
    EXPECT_EQ(form.Datum1, encodeDate(2023, 5, c.records == 18 ? 9 : 10));
  }
}

TEST_F(UpdateRunTest, OneRequestPerCalendarMonth) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 5, 20), encodeDate(2023, 6, 2), 10);  // up to 29.05.
  showAndRun(at(2023, 6, 3, 8, 0));
  EXPECT_EQ(stored(), draws);
  EXPECT_EQ(site.requestsFor(2023, 5), 1);
  EXPECT_EQ(site.requestsFor(2023, 6), 1);
  EXPECT_EQ(site.requests().size(), 2u);
}

TEST_F(UpdateRunTest, DatesMissingFromThePageAreSkipped) {
  useLottery(kDailyKeno);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 8), 4);  // up to 02.05. evening
  std::vector<DrawRecord> listed;
  for (const auto& draw : draws) {
    if (draw.date != encodeDate(2023, 5, 5)) listed.push_back(draw);
  }
  site.setPage("dailykeno-numbers", 2023, 5, test::monthPage(true, 2023, 5, listed));
  showAndRun(at(2023, 5, 9, 8, 0));
  EXPECT_EQ(stored(), listed);
}

// A due draw that the page should hold but does not give ends the run as a failed request
// does: the draws before it stay, nothing is stored behind the hole, the picker waits on that
// day, and the next run, given a sound page, completes the file exactly.
TEST_F(UpdateRunTest, ADueDrawThePageDoesNotGiveEndsTheRunAndTheNextRunFetchesItAgain) {
  struct Case {
    const char* name;
    bool daily;
    std::function<std::string(std::string)> spoil;
    int failingDay;  // of May 2023
    std::string message;
    bool middayKept = false;  // the evening draw failed: its midday draw is stored
  };
  // Replaces the first occurrence of from after the marker.
  const auto after = [](std::string page, const std::string& marker, const std::string& from,
                        const std::string& to) {
    const auto cell = page.find(from, page.find(marker) + marker.size());
    return page.replace(cell, from.size(), to);
  };
  const auto cutAfter = [](std::string page, const std::string& marker, std::size_t keep) {
    return page.substr(0, page.find(marker) + keep);
  };
  const std::string again =
      "; the draws before it are kept and the next update fetches that day again.";
  const Case cases[] = {
      {"a tag in the first cell", true,
       [&](std::string p) { return after(p, "(2023-05-04) M&nbsp;", "<tr><td>", "<tr><td><b>"); },
       4,
       "The midday draw of 04.05.2023 on the results page is not 20 different numbers from 1 to "
       "70. The update stopped at 04.05.2023" +
           again},
      {"a 71 among 21 cells", true,
       [&](std::string p) {
         return after(p, "(2023-05-04) E&nbsp;", "</td><td>", "</td><td>71</td><td>");
       },
       4,
       "The evening draw of 04.05.2023 on the results page is not 20 different numbers from 1 to "
       "70. The update stopped at 04.05.2023" +
           again,
       true},
      {"the evening row missing", true,
       [&](std::string p) {
         const auto row = p.find("<tr class=\"date\"><td colspan=\"20\">Thu (2023-05-04) E");
         return p.erase(row, p.find("</tr>\n<tr class", row + 60) + 6 - row);
       },
       4,
       "The results page does not list the evening draw of 04.05.2023. The update stopped at "
       "04.05.2023" +
           again,
       true},
      {"a number 0", false,
       [&](std::string p) { return after(p, "(2023-05-04)", "</td><td>", "</td><td>0 </td><td>"); },
       4, ""},
      {"19 numbers", false,
       [&](std::string p) {
         const auto row = p.find("<tr><td>", p.find("(2023-05-04)"));
         return p.erase(row + 4, p.find("</td>", row) + 5 - row - 4);
       },
       4, ""},
      {"a date row without its numbers row", false,
       [&](std::string p) {
         const auto row = p.find("<tr><td>", p.find("(2023-05-04)"));
         return p.erase(row, p.find("</tr>", row) + 6 - row);
       },
       4,
       "The draw of 04.05.2023 on the results page is not 20 different numbers from 1 to 70. The "
       "update stopped at 04.05.2023" +
           again},
      {"a page cut inside a cell", false,
       [&](std::string p) { return cutAfter(p, "(2023-05-04)", 60); }, 1,
       "The results page for May 2023 arrived incomplete. The update stopped at 01.05.2023" +
           again},
      {"an empty page", false, [](std::string) { return std::string(); }, 1,
       "The results page for May 2023 lists none of the month's draws. The update stopped at "
       "01.05.2023" +
           again},
      {"a page without the month's draws", false,
       [&](std::string p) { return cutAfter(p, "(2023-05-01)", 0) + "</table></body></html>"; }, 1,
       "The results page for May 2023 lists none of the month's draws. The update stopped at "
       "01.05.2023" +
           again},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    site = test::FakeResultsSite();
    useLottery(c.daily ? kDailyKeno : kKenoAtlantic);
    history(encodeDate(2023, 4, 30), encodeDate(2023, 5, 6), c.daily ? 2 : 1);  // 30.04.
    const std::string ig = c.daily ? "dailykeno-numbers" : "Keno Atlantic";
    site.setPage(ig, 2023, 5, c.spoil(test::monthPage(c.daily, 2023, 5, draws)));
    try {
      showAndRun(at(2023, 5, 7, 8, 0));
      ADD_FAILURE() << "the run must end with the fault";
    } catch (const std::exception& error) {
      if (!c.message.empty()) {
        EXPECT_EQ(std::string(error.what()), c.message);
      }
    }
    EXPECT_EQ(stored(), c.middayKept ? drawsUpTo(encodeDate(2023, 5, c.failingDay), false)
                                     : drawsUpTo(encodeDate(2023, 5, c.failingDay - 1)));
    EXPECT_EQ(form.DateTimePicker1.date(), encodeDate(2023, 5, c.failingDay));
    expectIdle();

    site.publish(c.daily, draws);
    showAndRun(at(2023, 5, 7, 8, 0));
    EXPECT_EQ(stored(), draws);
  }
}

// A damaged end of the draw file (zeros after a power loss, an impossible date, one out of
// order) is reported; the run goes on after the last sound draw and stores no draw twice.
TEST_F(UpdateRunTest, ADamagedTailIsReportedAndTheRunGoesOnAfterTheLastSoundDraw) {
  struct Case {
    const char* name;
    bool daily;
    DayCount date;  // of the damaged record; NaN for the zero bytes of a power loss
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {"zero bytes", false, 0},
      {"01.01.2000", false, encodeDate(2000, 1, 1)},
      {"not a number", false, nan},
      {"1e300", false, 1e300},
      {"-1e300", false, -1e300},
      {"before the draw in front", false, encodeDate(2023, 5, 2)},
      {"a fraction of a day", false, encodeDate(2023, 5, 6) + 0.5},
      {"zeros after a midday draw", true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    site = test::FakeResultsSite();
    const std::size_t before = platform.messages().size();
    useLottery(c.daily ? kDailyKeno : kKenoAtlantic);
    history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 8), c.daily ? 9 : 5);  // 05.05. (midday)
    std::vector<DrawRecord> file(draws.begin(), draws.begin() + (c.daily ? 9 : 5));
    DrawRecord damaged;
    if (c.date != 0)
      damaged = test::makeDraw(
          c.date, {3, 9, 12, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56});
    file.push_back(damaged);
    home.writeDraws(lottery(form.RadioGroup1.itemIndex()).drawFile, file);
    showAndRun(at(2023, 5, 9, 8, 0));

    file.insert(file.end(), draws.begin() + (c.daily ? 9 : 5), draws.end());
    EXPECT_EQ(stored().size(), file.size());
    for (std::size_t i = 0; i < file.size() && i < stored().size(); ++i) {
      // Compared as bytes: NaN is not equal to itself.
      EXPECT_EQ(stored()[i].encode(), file[i].encode()) << i;
    }
    EXPECT_EQ(site.requests().size(), 1u) << "only May is fetched";
    ASSERT_EQ(platform.messages().size(), before + 2);
    const std::string records = c.daily ? "10" : "6";
    const std::string keep = c.daily ? "9" : "5";
    EXPECT_EQ(platform.messages()[before],
              "The draw file " + std::string(c.daily ? "Vuduro.dat" : "Kenoal.dat") +
                  " holds a damaged record (record " + records + " of " + records +
                  "): an impossible date, numbers that are no draw, or a date out of order. The "
                  "update goes on after the last sound draw and never stores a draw twice. To "
                  "remove it, close the program, keep a copy of the file and shorten it to its "
                  "first " +
                  keep + " records (" + std::to_string(std::stoi(keep) * 40) + " bytes).");
    EXPECT_NE(platform.messages()[before + 1].find(" added, "), std::string::npos);
  }
}

// A run that finds no new draw has nothing to report: no box the user must close.
TEST_F(UpdateRunTest, ARunThatAddsNothingShowsNoReport) {
  useLottery(kKenoAtlantic);
  draws = test::generateHistory(encodeDate(2001, 10, 22), encodeDate(2001, 12, 5), false);
  site.publish(false, draws);
  platform.fixClock(at(2001, 12, 5, 20, 0));
  form.ListBox1.setLines({"01,02,03"});
  run();
  ASSERT_EQ(platform.messages().size(), 1u);
  // The site has published today's draw already: a second run finds nothing new.
  run();
  EXPECT_EQ(stored(), draws);
  EXPECT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(form.WorkProgress.caption(), "No new draws");
}

TEST_F(UpdateRunTest, StopReadingEndsTheRunAfterTheCurrentPass) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 31), 1);
  platform.onProcessEvents = [&] {
    if (form.aktDatum == encodeDate(2023, 5, 10)) requestUpdateStop(form);
  };
  form.ListBox1.setLines({"01,02"});
  showAndRun(at(2023, 6, 1, 8, 0));
  EXPECT_EQ(stored(), drawsUpTo(encodeDate(2023, 5, 11)));
  EXPECT_EQ(form.Datum1, encodeDate(2023, 5, 11));
  EXPECT_EQ(platform.messages().size(), 1u) << "the report still ends the run";
  expectIdle();
}

TEST_F(UpdateRunTest, TheProgressBarCountsTheMonthsAndNamesTheDayBeingRead) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 4, 1), encodeDate(2023, 6, 10), 29);  // up to 29.04.: 30.04. due
  std::vector<std::string> seen;
  platform.onProcessEvents = [&] {
    EXPECT_TRUE(form.WorkProgress.visible());
    EXPECT_EQ(form.WorkProgress.maximum(), 3);  // April, May, June
    // The update button of the "Keno-Tips" tab is a stop button meanwhile.
    EXPECT_FALSE(form.SpeedButton10.visible());
    EXPECT_TRUE(form.StopUpdateButton.visible());
    EXPECT_FALSE(form.ImportButton.enabled());
    seen.push_back(std::to_string(form.WorkProgress.position()) + " " +
                   form.WorkProgress.caption());
  };
  showAndRun(at(2023, 6, 10, 20, 0));
  EXPECT_EQ(stored(), draws);
  ASSERT_EQ(seen.size(), 42u);  // 30.04. to 10.06.
  EXPECT_EQ(seen.front(), "1 Update: 1 of 3 months, reading 30.04.2023");
  EXPECT_EQ(seen[1], "2 Update: 2 of 3 months, reading 01.05.2023");
  EXPECT_EQ(seen.back(), "3 Update: 3 of 3 months, reading 10.06.2023");
  expectIdle();
}

TEST_F(UpdateRunTest, AFailedRequestEndsTheRunAndKeepsWhatWasStored) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 4, 1), encodeDate(2023, 6, 10), 1);
  site.failMonth(2023, 5, "Connection timed out after 5001 milliseconds");
  try {
    showAndRun(at(2023, 6, 10, 20, 0));
    FAIL() << "no error";
  } catch (const HttpError& error) {
    EXPECT_STREQ(error.what(), "Connection timed out after 5001 milliseconds");
  }
  EXPECT_EQ(stored(), drawsUpTo(encodeDate(2023, 4, 30)));
  EXPECT_TRUE(platform.messages().empty()) << "no end steps after a failure";
  expectIdle();
  // The picker shows the day that failed; the next click fetches it again.
  EXPECT_EQ(form.DateTimePicker1.date(), encodeDate(2023, 5, 1));
  site = test::FakeResultsSite();
  site.publish(false, draws);
  run();
  EXPECT_EQ(stored(), draws);
}

TEST_F(UpdateRunTest, ADrawIsNeverStoredTwice) {
  useLottery(kDailyKeno);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 13), 24);  // up to 12.05. evening
  platform.fixClock(at(2023, 5, 13, 20, 0));
  ASSERT_TRUE(form.DateTimePicker1.setDate(encodeDate(2023, 5, 2)));
  run();
  EXPECT_EQ(stored(), draws);
}

TEST_F(UpdateRunTest, ASecondRunNeverStartsWhileOneIsGoingOn) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 6, 5), 1);
  int nested = 0;
  platform.onProcessEvents = [&] {
    ++nested;
    run();  // a click on the update button while the run goes on
  };
  showAndRun(at(2023, 6, 5, 20, 0));
  EXPECT_GT(nested, 0);
  EXPECT_EQ(site.requests().size(), 2u);
  EXPECT_EQ(stored(), draws);
}

TEST_F(UpdateRunTest, ADrawFileReplacedOrWrittenByAnotherProgramMidRunIsLeftAsThatMadeIt) {
  struct Interference {
    const char* name;
    std::function<void()> act;
  };
  const Interference cases[] = {
      // Another copy deletes a draw: its rewrite is renamed over the file this run opened.
      {"renamed over",
       [this] {
         home.writeDraws("rewrite.dat", {draws[0], draws[2]});
         std::filesystem::rename(home.file("rewrite.dat"), home.file("Kenoal.dat"));
       }},
      // Another copy's own update appends the draw this run is about to append.
      {"appended to",
       [this] {
         const std::string bytes = home.readBytes("Kenoal.dat");
         const auto record = draws[bytes.size() / DrawRecord::kSize].encode();
         home.writeBytes("Kenoal.dat", bytes + std::string(record.begin(), record.end()));
       }},
  };
  for (const Interference& c : cases) {
    SCOPED_TRACE(c.name);
    home.writeDraws("Kenoal.dat", {});
    useLottery(kKenoAtlantic);
    history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 20), 5);
    std::string madeByTheOther;
    int events = 0;
    platform.onProcessEvents = [&] {
      if (++events != 4) return;
      c.act();
      madeByTheOther = home.readBytes("Kenoal.dat");
    };
    try {
      showAndRun(at(2023, 5, 20, 20, 0));
      ADD_FAILURE() << "the run went on";
    } catch (const DrawFileError& error) {
      EXPECT_EQ(std::string(error.what()),
                "\"" + home.file("Kenoal.dat").string() +
                    "\" was replaced or changed by another program while the update ran, so the "
                    "update stopped without writing to it. Start the update again.");
    }
    ASSERT_NE(madeByTheOther, "");
    EXPECT_EQ(home.readBytes("Kenoal.dat"), madeByTheOther);
    expectIdle();
    platform.onProcessEvents = nullptr;
  }
}

TEST_F(UpdateRunTest, WithoutAResultsSiteTheUserIsToldWhereToSetIt) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 5), 1);
  form.ResultsSiteEdit.setText("  ");
  EXPECT_THROW(showAndRun(at(2023, 5, 6, 8, 0)), NoResultsSiteError);
  showAndRun(at(2023, 5, 6, 8, 0), UpdateTrigger::Activation);
  EXPECT_EQ(form.StatusBar1.panel(1),
            "Please enter the address of the results site on the Internet-Options tab.");
  EXPECT_TRUE(site.requests().empty());
  expectIdle();
}

TEST_F(UpdateRunTest, WithoutAResultsSiteAHomeWithoutDrawsStaysAsItWas) {
  useLottery(kDailyKeno);
  form.ResultsSiteEdit.setText("");
  platform.fixClock(at(2023, 5, 6, 8, 0));
  ASSERT_TRUE(form.DateTimePicker1.setDate(encodeDate(2023, 5, 6)));
  EXPECT_THROW(run(), NoResultsSiteError);
  EXPECT_FALSE(std::filesystem::exists(home.file("Vuduro.dat")));
  EXPECT_EQ(form.DateTimePicker1.date(), encodeDate(2023, 5, 6));
  // A failed request into a new file also gives the picked date back.
  form.ResultsSiteEdit.setText("https://results.test");
  site.failMonth(1996, 4, "Could not connect");
  EXPECT_THROW(run(), HttpError);
  EXPECT_EQ(form.DateTimePicker1.date(), encodeDate(2023, 5, 6));
}

TEST_F(UpdateRunTest, AtActivationAFailureIsShownOncePerProgramRun) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 5), 1);
  site.failMonth(2023, 5, "Could not resolve host: results.test");
  EXPECT_THROW(showAndRun(at(2023, 5, 6, 8, 0), UpdateTrigger::Activation), HttpError);
  form.StatusBar1.setPanel(1, "");
  EXPECT_NO_THROW(showAndRun(at(2023, 5, 6, 8, 0), UpdateTrigger::Activation));
  EXPECT_EQ(form.StatusBar1.panel(1), "Could not resolve host: results.test");
  // A click on the button still shows every failure.
  EXPECT_THROW(showAndRun(at(2023, 5, 6, 8, 0)), HttpError);
}

TEST_F(UpdateRunTest, AProxyPortThatIsNoNumberEndsTheRunBeforeAnythingIsSent) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 5), 1);
  form.ProxyPortEdit.setText("80a");
  try {
    showAndRun(at(2023, 5, 6, 8, 0));
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "'80a' is not a valid integer value");
  }
  EXPECT_TRUE(site.requests().empty());
  expectIdle();
}

TEST_F(UpdateRunTest, FetchingAMonthKeepsThePageAndTellsTheStatus) {
  useLottery(kKenoAtlantic);
  site.setPage("Keno Atlantic", 2023, 5, "<html>May</html>");
  form.Memo1.setText("old page");
  fetchMonth(form, platform, site, kKenoAtlantic, encodeDate(2023, 5, 7), [] { return false; });
  EXPECT_EQ(form.Memo1.text(), "<html>May</html>");
  EXPECT_EQ(form.StatusBar1.panel(0), "2023-05-07  HTTP/1.1 200 OK");
  EXPECT_EQ(form.StatusBar1.panel(1), "Not guarantee the accuracy of the figures!");
  // A failed request leaves the page text as it was.
  site.failMonth(2023, 6, "The requested URL returned error: 500");
  EXPECT_THROW(
      fetchMonth(form, platform, site, kKenoAtlantic, encodeDate(2023, 6, 1), [] { return false; }),
      HttpError);
  EXPECT_EQ(form.Memo1.text(), "<html>May</html>");
  EXPECT_EQ(form.StatusBar1.panel(0), "");
}

TEST_F(UpdateRunTest, TheRunKeepsItsLotteryAndDayWhateverTheWindowDoesMeanwhile) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 6, 19), 10);
  site.publish(true,
               test::generateHistory(encodeDate(2023, 5, 1), encodeDate(2023, 6, 19), true, 77));
  int events = 0;
  platform.onProcessEvents = [&] {
    // The user switches to Daily Keno and picks another date while the run goes on.
    if (++events == 3) {
      form.RadioGroup1.setItemIndex(kDailyKeno);
      form.ZahlenFile = "Vuduro.dat";
      (void)form.DateTimePicker1.setDate(encodeDate(2023, 6, 1));
    }
  };
  showAndRun(at(2023, 6, 20, 8, 0));
  EXPECT_EQ(reader.load(home.file("Kenoal.dat"))->records, draws);
  for (const auto& request : site.requests()) EXPECT_EQ(request.ig, "Keno Atlantic");
}

TEST_F(UpdateRunTest, APickedDateAfterTheLastStoredDrawLeavesNoGap) {
  useLottery(kKenoAtlantic);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 6, 9), 1);
  platform.fixClock(at(2023, 6, 10, 8, 0));
  ASSERT_TRUE(form.DateTimePicker1.setDate(encodeDate(2023, 6, 1)));
  run();
  EXPECT_EQ(stored(), draws);
}

TEST_F(UpdateRunTest, TodaysEveningDrawNotOutYetEndsTheRunQuietly) {
  useLottery(kDailyKeno);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 4), 6);      // up to 03.05. evening
  std::vector<DrawRecord> listed(draws.begin(), draws.end() - 1);  // 04.05. midday only
  site.setPage("dailykeno-numbers", 2023, 5, test::monthPage(true, 2023, 5, listed));
  showAndRun(at(2023, 5, 4, 19, 30));
  EXPECT_EQ(stored(), listed);
  // The next run starts with the evening draw.
  site.publish(true, draws);
  showAndRun(at(2023, 5, 4, 23, 0));
  EXPECT_EQ(stored(), draws);
}

TEST_F(UpdateRunTest, AFirstDailyKenoRunStartsAtItsFirstDrawDateDespiteThePickersLimit) {
  useLottery(kDailyKeno);
  form.DateTimePicker1.setMinDate(encodeDate(2001, 10, 22));  // the limit at start-up
  platform.fixClock(at(2023, 5, 6, 8, 0));
  site.failMonth(1996, 4, "stop here");
  EXPECT_THROW(run(), HttpError);
  ASSERT_EQ(site.requests().size(), 1u);
  EXPECT_EQ(site.requests()[0].year, 1996);
  EXPECT_EQ(site.requests()[0].month, 4);
}

TEST_F(UpdateRunTest, AfterAFailedDailyKenoRunTheLatestDrawIsStillShown) {
  useLottery(kDailyKeno);
  history(encodeDate(2023, 5, 25), encodeDate(2023, 6, 5), 14);  // up to 31.05. evening
  site.failMonth(2023, 6, "offline");
  EXPECT_THROW(showAndRun(at(2023, 6, 6, 8, 0)), HttpError);
  showDrawByDate(DrawContext{form, platform, reader});
  EXPECT_EQ(form.Position, 13);
  EXPECT_EQ(form.Label29.caption().find("Midday"), std::string::npos);
}

TEST_F(UpdateRunTest, EachDrawIsShownWhileTheRunTakesIt) {
  useLottery(kDailyKeno);
  history(encodeDate(2023, 5, 1), encodeDate(2023, 5, 2), 0);
  home.writeDraws("Vuduro.dat", {draws[0]});  // 01.05. midday
  std::vector<std::string> captions;
  platform.onProcessEvents = [&] {
    if (captions.empty() || captions.back() != form.Label29.caption()) {
      captions.push_back(form.Label29.caption());
    }
  };
  form.sortieren = false;
  showAndRun(at(2023, 5, 3, 8, 0));
  ASSERT_GE(captions.size(), 3u);
  // Taken: 01.05. evening, then 02.05. midday; the caption has three blanks after the date.
  EXPECT_EQ(captions[1].rfind("Mon 01.05.23     " + std::to_string(draws[1].numbers[0]) + "  ", 0),
            0u)
      << captions[1];
  EXPECT_EQ(captions[2].rfind("Tue 02.05.23    (Midday)   ", 0), 0u) << captions[2];
  EXPECT_TRUE(form.sortieren) << "the run leaves scoring on";
}

// "Stop reading" and closing the window end a request that waits on a silent site within a
// second; the draws stored before stay, and a stop still ends with the run's end steps.
TEST(UpdateRunAgainstASite, AStopOrTheClosingWindowEndsAWaitingRequestWithinASecond) {
  test::ResultsSite site;
  site.stall(8);
  const auto client = makeCurlHttpClient();
  DrawFileReader fixtureReader;
  std::vector<DrawRecord> april;
  for (const auto& record :
       fixtureReader.load(test::testData("kenoatlantic-2023-04-20_2023-06-10.dat"))->records) {
    if (record.date < encodeDate(2023, 5, 1)) april.push_back(record);
  }
  for (const bool closing : {false, true}) {
    SCOPED_TRACE(closing ? "closing" : "stop");
    test::TempHome home;
    home.writeDraws("Kenoal.dat", april);
    Form form;
    ScriptedPlatform platform;
    DrawFileReader reader;
    UpdateRunState state;
    form.Home = home.home();
    form.RadioGroup1.setItemIndex(kKenoAtlantic);
    form.ZahlenFile = "Kenoal.dat";
    form.ResultsSiteEdit.setText(site.url());
    form.AnyCertificateCheckBox.setChecked(true);
    form.sortieren = true;
    platform.fixClock(encodeDate(2023, 6, 11) + 20.0 / 24);
    (void)form.DateTimePicker1.setDate(encodeDate(2023, 4, 30));
    std::optional<std::chrono::steady_clock::time_point> stopped;
    const auto start = std::chrono::steady_clock::now();
    platform.onProcessEvents = [&] {
      if (stopped || std::chrono::steady_clock::now() - start < std::chrono::milliseconds(300)) {
        return;
      }
      stopped = std::chrono::steady_clock::now();
      if (closing) form.closing = true;
      requestUpdateStop(form);
    };
    runUpdate(UpdateContext{form, platform, reader, *client, state}, UpdateTrigger::Button);
    ASSERT_TRUE(stopped.has_value());
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - *stopped).count(),
              1.2);
    EXPECT_EQ(reader.load(home.file("Kenoal.dat"))->records, april);
    // Nothing was added before the stop: no report, the progress text says so.
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(form.WorkProgress.caption(), "No new draws");
    EXPECT_FALSE(form.SpeedButton8.visible());
  }
}

TEST(MonthRequest, FieldsHeadersProxyAndCertificate) {
  Form form;
  form.ResultsSiteEdit.setText("https://results.test:8443/");
  form.RadioGroup1.setItemIndex(kDailyKeno);
  HttpRequest request = monthRequest(form, kDailyKeno, encodeDate(2023, 5, 5));
  EXPECT_EQ(request.url, "https://results.test:8443/canada/keno-results");
  const std::vector<std::pair<std::string, std::string>> expected = {{"data_r", "2023"},
                                                                     {"tryb", "xmiesiac"},
                                                                     {"data_m", "5"},
                                                                     {"ig", "dailykeno-numbers"},
                                                                     {"sb", "\" Search \""}};
  ASSERT_EQ(request.fields.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(request.fields[i].name, expected[i].first);
    EXPECT_EQ(request.fields[i].value, expected[i].second);
  }
  EXPECT_EQ(request.fields[4].value.size(), 10u);
  EXPECT_EQ(request.headers,
            (std::vector<std::string>{"Accept: text/html, */*",
                                      "User-Agent: Mozilla/3.0 (compatible; Indy Library)"}));
  EXPECT_EQ(request.proxyHost, "");
  EXPECT_TRUE(request.verifyCertificate);
  EXPECT_EQ(request.connectTimeoutMs, 5000);
  EXPECT_EQ(request.readTimeoutMs, 5000);
  EXPECT_EQ(request.maxRedirects, 15);

  form.RadioGroup1.setItemIndex(kKenoAtlantic);
  form.ResultsSiteEdit.setText("results.test");
  form.ProxyHostEdit.setText("proxy.local");
  form.ProxyPortEdit.setText("3128");
  form.AnyCertificateCheckBox.setChecked(true);
  request = monthRequest(form, kKenoAtlantic, encodeDate(2023, 12, 31));
  EXPECT_EQ(request.url, "https://results.test/canada/keno-results");
  EXPECT_EQ(request.fields[0].value, "2023");
  EXPECT_EQ(request.fields[2].value, "12");
  EXPECT_EQ(request.fields[3].value, "Keno Atlantic");
  EXPECT_EQ(request.proxyHost, "proxy.local");
  EXPECT_EQ(request.proxyPort, 3128);
  EXPECT_FALSE(request.verifyCertificate);

  // Draws come over TLS only.
  form.ResultsSiteEdit.setText("http://results.test");
  EXPECT_THROW(monthRequest(form, kKenoAtlantic, encodeDate(2023, 12, 31)), std::runtime_error);
}

}  // namespace
}  // namespace numora
