#include "generator/value_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "form/scripted_platform.h"
#include "generator/zahlenwahl.h"
#include "support/fifo_guard.h"
#include "support/temp_home.h"

namespace numora {
namespace {

class ValueListTest : public ::testing::Test {
 protected:
  ValueListTest() { platform.fixClock(encodeDate(2026, 12, 10) + 0.5); }
  std::string path(const char* name) { return home.file(name).string(); }

  test::TempHome home;
  ScriptedPlatform platform;
  NumberChoiceModel dialog;
};

TEST_F(ValueListTest, SavesWeightsOfTickedNumbersAndEmptyLinesForTheOthers) {
  dialog.clearChoices();
  dialog.setChecked(5, true);
  dialog.setWeight(5, "2");
  dialog.setChecked(9, true);
  dialog.setWeight(9, "");
  platform.queueFile(path("list.hlw"));
  dialog.saveValueList(platform);
  std::string expected;
  for (int n = 1; n <= 70; ++n)
    expected += (n == 5 ? "2" : n == 9 ? "1" : "") + std::string("\r\n");
  EXPECT_EQ(home.readBytes("list.hlw"), expected);
  EXPECT_EQ(dialog.box(9).weight, "1");
  ASSERT_TRUE(platform.lastFileRequest().has_value());
  EXPECT_EQ(platform.lastFileRequest()->proposedName, "20261210.hlw");
  EXPECT_EQ(platform.lastFileRequest()->filter, "Werteliste|*.hlw");
  EXPECT_EQ(platform.lastFileRequest()->defaultExtension, "hlw");
}

TEST_F(ValueListTest, LoadTicksTheListedNumbersWithTheirWeights) {
  // Twelve lines: line 12 reads 3, the others are empty; lines 13..70 are missing.
  home.writeBytes("short.hlw", "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n3\r\n");
  platform.queueFile(path("short.hlw"));
  dialog.loadValueList(platform);
  for (int n = 1; n <= 70; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(dialog.box(n).checked, n == 12);
    EXPECT_EQ(dialog.box(n).weight, n == 12 ? "3" : "1");
  }
}

TEST_F(ValueListTest, HandEditedLinesLoadAsUsableWeights) {
  const std::pair<const char*, const char*> cases[] = {{"7", "7"},   {"007", "7"},     {" 4 ", "4"},
                                                       {"abc", "1"}, {"2.5", "1"},     {"0", "1"},
                                                       {"-3", "1"},  {"99999", "1400"}};
  for (const auto& [line, weight] : cases) EXPECT_EQ(valueListWeight(line), weight) << line;
}

TEST_F(ValueListTest, RoundTripKeepsTicksAndWeights) {
  dialog.clearChoices();
  for (int n : {1, 17, 70}) {
    dialog.setChecked(n, true);
    dialog.setWeight(n, std::to_string(n * 2));
  }
  platform.queueFile(path("round.hlw"));
  dialog.saveValueList(platform);
  NumberChoiceModel other;
  platform.queueFile(path("round.hlw"));
  other.loadValueList(platform);
  EXPECT_EQ(other.checkedNumbers(), (std::vector<int>{1, 17, 70}));
  EXPECT_EQ(other.box(17).weight, "34");
}

TEST_F(ValueListTest, CancelChangesNothingAndAMissingFileIsAnError) {
  platform.queueFile(std::nullopt);
  dialog.loadValueList(platform);
  EXPECT_EQ(dialog.checkedNumbers().size(), 70u);
  platform.queueFile(path("missing.hlw"));
  EXPECT_THROW(dialog.loadValueList(platform), std::runtime_error);
}

// A value list is replaced whole, never truncated in place; a pipe in the list's or its scratch
// file's place, a folder and a file too large for a value list are refused at once.
TEST_F(ValueListTest, OnlyRegularFilesAreReadAndWritesReplaceTheFileWhole) {
  home.writeBytes("old.hlw", "5\r\n");
  std::filesystem::create_hard_link(home.file("old.hlw"), home.file("link.hlw"));
  dialog.clearChoices();
  dialog.setChecked(2, true);
  platform.queueFile(path("old.hlw"));
  dialog.saveValueList(platform);
  EXPECT_EQ(home.readBytes("old.hlw").substr(0, 5), "\r\n1\r\n");
  EXPECT_EQ(home.readBytes("link.hlw"), "5\r\n") << "a new file took the old one's place";

  test::makeFifo(home.file("pipe.hlw"));
  test::makeFifo(home.file("scratch.hlw~"));
  std::filesystem::create_directory(home.file("folder.hlw"));
  home.writeBytes("huge.hlw", std::string(2u << 20, '\n'));
  struct Case {
    const char* name;
    bool save;
  };
  for (const Case c : {Case{"pipe.hlw", false}, Case{"folder.hlw", false}, Case{"huge.hlw", false},
                       Case{"pipe.hlw", true}, Case{"scratch.hlw", true}}) {
    SCOPED_TRACE(std::string(c.name) + (c.save ? " saved" : " loaded"));
    platform.queueFile(path(c.name));
    bool refused = false;
    EXPECT_TRUE(test::endsWithoutBlocking(
        [&] {
          try {
            c.save ? dialog.saveValueList(platform) : dialog.loadValueList(platform);
          } catch (const std::runtime_error&) {
            refused = true;
          }
        },
        {home.file("pipe.hlw"), home.file("scratch.hlw~")}));
    EXPECT_TRUE(refused);
    EXPECT_EQ(dialog.checkedNumbers(), std::vector<int>{2});
  }
  EXPECT_FALSE(std::filesystem::exists(home.file("scratch.hlw")));
}

}  // namespace
}  // namespace numora
