// Deleting and entering draws, and the atomic rewrite under both: which records stay, where an
// entered draw goes, what the dialog offers and refuses, and a failed rewrite losing nothing.
#include "draws/draw_maintenance.h"

#include <sys/stat.h>

#include <functional>

#include "draws/draw_rewrite.h"
#include "generator/zahlenwahl.h"
#include "support/draw_test_fixture.h"

namespace numora {
namespace {

const DayCount kDay = encodeDate(2023, 5, 3);

// A record told apart by its first number, so a list of them reads as a list of tags.
DrawRecord draw(DayCount date, int tag, bool midday = false) {
  std::vector<int> numbers = {tag};
  for (int n = 51; n <= 69; ++n) numbers.push_back(n);
  return test::makeDraw(date, numbers, midday);
}

std::vector<int> tags(const std::vector<DrawRecord>& records) {
  std::vector<int> result;
  for (const auto& r : records) result.push_back(r.numbers[0]);
  return result;
}

TEST(RecordsWithoutDraw, RemovesTheShownDrawRepeatsAndOutOfOrderRecords) {
  struct Case {
    const char* name;
    std::vector<DrawRecord> records;
    DayCount shown;
    std::optional<bool> midday;
    std::vector<int> kept;
  };
  const Case cases[] = {
      {"Atlantic: the shown draw only",
       {draw(kDay, 1), draw(kDay + 1, 2), draw(kDay + 2, 3)},
       kDay + 1,
       std::nullopt,
       {1, 3}},
      {"Atlantic: repeats appended after newer draws go too",
       {draw(kDay, 1), draw(kDay + 1, 2), draw(kDay + 2, 3), draw(kDay + 1, 4), draw(kDay + 2, 5)},
       kDay,
       std::nullopt,
       {2, 3}},
      {"Atlantic: a repeat of the date before it goes",
       {draw(kDay, 1), draw(kDay, 2), draw(kDay + 1, 3)},
       kDay + 1,
       std::nullopt,
       {1}},
      {"Daily: the shown midday draw goes, its evening draw stays",
       {draw(kDay, 1, true), draw(kDay, 2), draw(kDay + 1, 3, true), draw(kDay + 1, 4)},
       kDay,
       true,
       {2, 3, 4}},
      {"Daily: the shown evening draw goes, its midday draw stays",
       {draw(kDay, 1, true), draw(kDay, 2), draw(kDay + 1, 3, true), draw(kDay + 1, 4)},
       kDay + 1,
       false,
       {1, 2, 3}},
      {"Daily: repeated midday and evening of a date go",
       {draw(kDay, 1, true), draw(kDay, 2), draw(kDay, 3, true), draw(kDay, 4),
        draw(kDay + 1, 5, true)},
       kDay + 1,
       true,
       {1, 2}},
      {"Daily: evening draws of other dates all stay",
       {draw(kDay, 1, true), draw(kDay, 2), draw(kDay + 1, 3, true), draw(kDay + 1, 4),
        draw(kDay + 2, 5, true), draw(kDay + 2, 6)},
       kDay + 1,
       true,
       {1, 2, 4, 5, 6}},
      // A sound date far ahead once made every later draw count as out of order: deleting one
      // draw took all of them.
      {"Atlantic: a date after today stays and hides nothing",
       {draw(kDay, 1), draw(encodeDate(2099, 12, 31), 2), draw(kDay + 1, 3), draw(kDay + 2, 4)},
       kDay + 1,
       std::nullopt,
       {1, 2, 4}},
      {"Atlantic: the zeros of a power loss stay where they are",
       {draw(kDay, 1), DrawRecord{}, draw(kDay + 1, 3)},
       kDay,
       std::nullopt,
       {0, 3}},
      {"Daily: part of a day after a draw stays",
       {draw(kDay, 1, true), draw(kDay + 0.5, 2), draw(kDay, 3), draw(kDay + 1, 4, true)},
       kDay + 1,
       true,
       {1, 2, 3}},
  };
  const DayCount today = kDay + 30;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Lottery& itsLottery = lottery(c.midday ? kDailyKeno : kKenoAtlantic);
    EXPECT_EQ(tags(recordsWithoutDraw(c.records, c.shown, c.midday, itsLottery, today)), c.kept);
  }
}

TEST(RecordsWithDraw, ReplacesItsDateAndFlagAndKeepsTheOrder) {
  struct Case {
    const char* name;
    std::vector<DrawRecord> records;
    DrawRecord entered;
    bool daily;
    std::vector<int> result;
  };
  const Case cases[] = {
      {"after the last: appended", {draw(kDay, 1)}, draw(kDay + 1, 9), false, {1, 9}},
      {"into an empty file", {}, draw(kDay, 9), false, {9}},
      {"Atlantic: replaces the draw of its date",
       {draw(kDay, 1), draw(kDay + 1, 2), draw(kDay + 2, 3)},
       draw(kDay + 1, 9),
       false,
       {1, 9, 3}},
      {"between two draws: inserted",
       {draw(kDay, 1), draw(kDay + 2, 3)},
       draw(kDay + 1, 9),
       false,
       {1, 9, 3}},
      {"before the first", {draw(kDay, 1)}, draw(kDay - 1, 9), false, {9, 1}},
      {"Daily: a midday draw replaces only the midday draw",
       {draw(kDay, 1, true), draw(kDay, 2), draw(kDay + 1, 3, true)},
       draw(kDay, 9, true),
       true,
       {9, 2, 3}},
      {"Daily: an evening draw replaces only the evening draw",
       {draw(kDay, 1, true), draw(kDay, 2), draw(kDay + 1, 3, true)},
       draw(kDay, 9),
       true,
       {1, 9, 3}},
      {"Daily: a missing midday draw goes before the evening draw",
       {draw(kDay, 2), draw(kDay + 1, 3, true)},
       draw(kDay, 9, true),
       true,
       {9, 2, 3}},
      {"Daily: the evening after a last midday draw is appended",
       {draw(kDay, 1, true)},
       draw(kDay, 9),
       true,
       {1, 9}},
      // A sound date far ahead once took the entered draw in front of the draws behind it.
      {"Atlantic: a date after today decides no place and is kept",
       {draw(kDay, 1), draw(encodeDate(2099, 12, 31), 2), draw(kDay + 1, 3)},
       draw(kDay + 2, 9),
       false,
       {1, 2, 3, 9}},
      {"Atlantic: zeros of the entered date are kept, not replaced",
       {draw(kDay, 1), DrawRecord{}},
       draw(kDay + 1, 9),
       false,
       {1, 0, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(tags(recordsWithDraw(c.records, c.entered,
                                   lottery(c.daily ? kDailyKeno : kKenoAtlantic), kDay + 30)),
              c.result);
  }
}

TEST(ProposeNextDraw, IsTheDrawDueAfterTheLastOne) {
  const DayCount today = kDay + 30;
  const Lottery& atlantic = lottery(kKenoAtlantic);
  const Lottery& daily = lottery(kDailyKeno);
  EXPECT_EQ(proposeNextDraw({draw(kDay, 1)}, atlantic, today).date, kDay + 1);
  const auto afterMidday = proposeNextDraw({draw(kDay, 1, true)}, daily, today);
  EXPECT_EQ(afterMidday.date, kDay);
  EXPECT_FALSE(afterMidday.midday);
  const auto afterEvening = proposeNextDraw({draw(kDay, 1, true), draw(kDay, 2)}, daily, today);
  EXPECT_EQ(afterEvening.date, kDay + 1);
  EXPECT_TRUE(afterEvening.midday);
  EXPECT_EQ(proposeNextDraw({}, daily, today + 0.75).date, today);
  // A damaged date after today at the end proposes no day after it.
  EXPECT_EQ(
      proposeNextDraw({draw(kDay, 1), draw(encodeDate(2099, 12, 31), 2)}, atlantic, today).date,
      kDay + 1);
  EXPECT_EQ(proposeNextDraw({draw(kDay, 1), DrawRecord{}}, atlantic, today).date, kDay + 1);
}

class DrawMaintenanceTest : public test::DrawTest {
 protected:
  void SetUp() override {
    form.DateTimePicker1.setMinDate(encodeDate(1996, 4, 29));
    form.DateTimePicker2.setMinDate(encodeDate(1996, 4, 29));
    (void)form.DateTimePicker2.setDate(kDay - 30);
    form1Dialog.useRandom(&form.random);
    platform.applyChoiceSteps = [this](const std::vector<std::string>& steps) {
      for (const auto& step : steps) {
        if (step.starts_with("date=")) {
          form1Dialog.setEntryDate(*parseDate(step.substr(5)));
        } else if (step.starts_with("midday=")) {
          form1Dialog.setMiddayChosen(step == "midday=1");
        } else {
          form1Dialog.setChecked(std::stoi(step.substr(1)), step[0] == '+');
        }
      }
    };
  }
  void write(const std::vector<DrawRecord>& records, bool daily) {
    form.RadioGroup1.setItemIndex(daily ? 1 : 0);
    form.ZahlenFile = daily ? "Vuduro.dat" : "Kenoal.dat";
    home.writeDraws(form.ZahlenFile, records);
  }
  std::vector<DrawRecord> stored() {
    reader.invalidate();
    return reader.load(home.file(form.ZahlenFile))->records;
  }
  void show(DayCount date) {
    ASSERT_TRUE(form.DateTimePicker1.setDate(date));
    showDrawByDate(context());
  }
  // Ticks 20 numbers: the tag and 51..69.
  static std::vector<std::string> twenty(int tag, std::vector<std::string> more = {}) {
    std::vector<std::string> steps = {"+" + std::to_string(tag)};
    for (int n = 51; n <= 69; ++n) steps.push_back("+" + std::to_string(n));
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
  }
  void enter(std::vector<std::vector<std::string>> answers) {
    for (auto& steps : answers) platform.queueChoice({ModalResult::Ok, std::move(steps)});
    enterDraw(context(), form1Dialog);
  }
  NumberChoiceModel form1Dialog;
};

TEST_F(DrawMaintenanceTest, DeleteOnAtlanticRemovesTheShownDrawAndShowsTheNext) {
  write({draw(kDay, 1), draw(kDay + 1, 2), draw(kDay + 2, 3)}, false);
  show(kDay + 1);
  deleteShownDraw(context());
  EXPECT_EQ(tags(stored()), (std::vector<int>{1, 3}));
  EXPECT_EQ(form.Datum1, kDay + 2);
  EXPECT_FALSE(std::filesystem::exists(home.file("Keno.da~")));
  EXPECT_FALSE(platform.waitCursor());
}

TEST_F(DrawMaintenanceTest, DeleteOnDailyKenoKeepsTheOtherDrawOfTheDate) {
  write({draw(kDay, 1, true), draw(kDay, 2), draw(kDay + 1, 3, true)}, true);
  show(kDay);
  stepToNextDraw(context());  // the evening draw; Zahl5 still holds the midday flag
  deleteShownDraw(context());
  EXPECT_EQ(tags(stored()), (std::vector<int>{1, 3}));
}

TEST_F(DrawMaintenanceTest, DeleteWithoutADrawFileChangesNothing) {
  form.ZahlenFile = "Kenoal.dat";
  EXPECT_THROW(deleteShownDraw(context()), DrawFileError);
  EXPECT_FALSE(std::filesystem::exists(home.file("Kenoal.dat")));
  EXPECT_FALSE(platform.waitCursor());
}

TEST_F(DrawMaintenanceTest, AFailingRewriteLeavesTheDrawFileAsItWas) {
  write({draw(kDay, 1), draw(kDay + 1, 2)}, false);
  const std::string before = home.readBytes("Kenoal.dat");
  show(kDay);
  // A folder where the scratch file would go: it cannot be created.
  std::filesystem::create_directory(home.file("Keno.da~"));
  EXPECT_THROW(deleteShownDraw(context()), DrawFileError);
  EXPECT_EQ(home.readBytes("Kenoal.dat"), before);
  EXPECT_TRUE(std::filesystem::is_directory(home.file("Keno.da~"))) << "not ours to remove";
}

TEST_F(DrawMaintenanceTest, AFailingRenameRemovesTheScratchFileAndKeepsTheDrawFile) {
  write({draw(kDay, 1)}, false);
  const std::string before = home.readBytes("Kenoal.dat");
  // Renaming a file over a folder fails.
  const auto target = home.file("folder");
  std::filesystem::create_directory(target);
  EXPECT_THROW(rewriteDrawFile(target, home.file("scratch~"), {draw(kDay, 2)}, reader),
               DrawFileError);
  EXPECT_FALSE(std::filesystem::exists(home.file("scratch~")));
  EXPECT_EQ(home.readBytes("Kenoal.dat"), before);
}

// A draw file its user made read-only: the update run was refused, but a delete, an entry or an
// import renamed a new file over it.
TEST_F(DrawMaintenanceTest, EveryWriterRefusesAReadOnlyDrawFile) {
  const std::pair<const char*, std::function<void()>> writers[] = {
      {"delete", [this] { deleteShownDraw(context()); }},
      {"entry of a later draw", [this] { enter({twenty(9, {"date=06.05.2023"})}); }},
      {"entry of an earlier draw", [this] { enter({twenty(9, {"date=02.05.2023"})}); }},
      {"rewrite (import, undo)",
       [this] { rewriteDrawFile(home.file("Kenoal.dat"), home.file("Kenoal.dat~"), {}, reader); }},
      {"appender (update run)",
       [this] { DrawFileAppender appender(home.file("Kenoal.dat"), reader); }},
  };
  for (const auto& [name, writeIt] : writers) {
    SCOPED_TRACE(name);
    write({draw(kDay, 1), draw(kDay + 1, 2)}, false);
    const std::string before = home.readBytes("Kenoal.dat");
    std::filesystem::permissions(home.file("Kenoal.dat"), std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::group_read |
                                                              std::filesystem::perms::others_read);
    show(kDay);
    try {
      writeIt();
      ADD_FAILURE() << "not refused";
    } catch (const DrawFileError& error) {
      EXPECT_EQ(std::string(error.what()),
                "Cannot open file \"" + home.file("Kenoal.dat").string() + "\": Permission denied");
    }
    EXPECT_EQ(home.readBytes("Kenoal.dat"), before);
    EXPECT_EQ(std::filesystem::status(home.file("Kenoal.dat")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                  std::filesystem::perms::others_read);
    std::filesystem::permissions(home.file("Kenoal.dat"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
  }
}

TEST_F(DrawMaintenanceTest, EntryAppendsReplacesAndInserts) {
  struct Case {
    const char* name;
    std::string date;
    std::vector<int> result;
  };
  const Case cases[] = {
      {"the proposed day after the last draw: appended", "", {1, 3, 9}},
      {"the date of a stored draw: replaced", "date=04.05.2023", {1, 9}},
      {"between two draws: inserted", "date=04.05.2023", {1, 9, 3}},
  };
  const std::vector<std::vector<DrawRecord>> files = {
      {draw(kDay, 1), draw(kDay + 1, 3)},
      {draw(kDay, 1), draw(kDay + 1, 3)},
      {draw(kDay, 1), draw(kDay + 2, 3)},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    write(files[i], false);
    show(kDay);
    enter({twenty(9, cases[i].date.empty() ? std::vector<std::string>{}
                                           : std::vector<std::string>{cases[i].date})});
    EXPECT_EQ(tags(stored()), cases[i].result);
    EXPECT_EQ(form.Position, 1) << "one step on from the shown draw";
  }
  EXPECT_FALSE(std::filesystem::exists(home.file("Kenoal.dat~")));
}

TEST_F(DrawMaintenanceTest, EntryOpensInDrawEntryModeAndLeavesItAfterwards) {
  write({draw(kDay, 1, true)}, true);
  show(kDay);
  bool checked = false;
  platform.applyChoiceSteps = [&](const std::vector<std::string>&) {
    checked = true;
    EXPECT_EQ(form1Dialog.caption(), "numbers and confirm with OK");
    EXPECT_EQ(form1Dialog.entryDate(), kDay);
    EXPECT_FALSE(form1Dialog.middayChosen()) << "the evening after a midday draw";
    EXPECT_TRUE(form1Dialog.MiddayVisible);
    EXPECT_TRUE(form1Dialog.DateTimePicker1Visible);
    EXPECT_FALSE(form1Dialog.BitBtn3.visible);
    EXPECT_FALSE(form1Dialog.BitBtn4.visible);
    EXPECT_FALSE(form1Dialog.valueListsVisible);
    EXPECT_EQ(form1Dialog.tipLimit, 20);
    EXPECT_TRUE(form1Dialog.checkedNumbers().empty());
  };
  platform.queueChoice({ModalResult::Abort, {}});
  const std::string before = home.readBytes("Vuduro.dat");
  enterDraw(context(), form1Dialog);
  EXPECT_TRUE(checked);
  EXPECT_EQ(home.readBytes("Vuduro.dat"), before);
  EXPECT_EQ(form1Dialog.caption(), "Select figures for calculation");
  EXPECT_TRUE(form1Dialog.BitBtn3.visible);
  EXPECT_TRUE(form1Dialog.valueListsVisible);
  EXPECT_FALSE(form1Dialog.DateTimePicker1Visible);
  EXPECT_FALSE(form1Dialog.MiddayVisible);
}

TEST_F(DrawMaintenanceTest, EntryWithOtherThanTwentyNumbersIsAskedAgain) {
  write({draw(kDay, 1)}, false);
  show(kDay);
  enter({{"+1", "+2", "+3"}, {"-1", "-2", "-3"}, twenty(9)});
  EXPECT_EQ(platform.messages(),
            (std::vector<std::string>{"A draw has 20 numbers, but 3 are ticked.",
                                      "A draw has 20 numbers, but 0 are ticked."}));
  EXPECT_EQ(tags(stored()), (std::vector<int>{1, 9}));
}

TEST_F(DrawMaintenanceTest, EntryRefusedTwiceAndThenCancelledStoresNothing) {
  write({draw(kDay, 1)}, false);
  show(kDay);
  const std::string before = home.readBytes("Kenoal.dat");
  enter({twenty(9, {"+70"}), {"-70", "date=20.10.2001"}});  // 21 numbers, then too early
  EXPECT_EQ(platform.messages().size(), 2u);
  EXPECT_EQ(platform.messages()[1], "The draw date must lie between 22.10.2001 and today.");
  EXPECT_EQ(home.readBytes("Kenoal.dat"), before);
}

TEST_F(DrawMaintenanceTest, DailyKenoEntryCarriesTheMiddayFlagAndKeepsMiddayFirst) {
  write({draw(kDay, 2), draw(kDay + 1, 3, true)}, true);
  show(kDay);
  enter({twenty(9, {"date=03.05.2023", "midday=1"})});
  const auto records = stored();
  EXPECT_EQ(tags(records), (std::vector<int>{9, 2, 3}));
  EXPECT_TRUE(records[0].isMidday());
  EXPECT_FALSE(records[1].isMidday());
  // The next entry proposes the evening of the last midday draw and replaces nothing else.
  enter({twenty(8)});
  EXPECT_EQ(tags(stored()), (std::vector<int>{9, 2, 3, 8}));
  EXPECT_FALSE(stored().back().isMidday());
  EXPECT_EQ(stored().back().date, kDay + 1);
}

TEST_F(DrawMaintenanceTest, EnteredRecordRepeatsTheLastRecordsExtraBytes) {
  auto last = draw(kDay, 1);
  last.extra = {0, 4, 3, 2, 1};
  last.reserved = {7, 7, 7, 7, 7, 7, 7};
  write({last}, false);
  show(kDay);
  enter({twenty(9)});
  const auto entered = stored().back();
  EXPECT_EQ(entered.extra, last.extra);
  EXPECT_EQ(entered.reserved, last.reserved);
  EXPECT_EQ(entered.numbers[0], 9);
  EXPECT_EQ(entered.numbers[19], 69) << "ascending";
}

}  // namespace
}  // namespace numora
