#include "form/scripted_platform.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(ScriptedPlatform, AnswersInputBoxesFromItsQueueAndCancelsWithThePreset) {
  ScriptedPlatform platform;
  std::vector<std::string> lines;
  platform.report = [&](const std::string& line) { lines.push_back(line); };
  platform.queueInput("42");
  platform.queueInput(std::nullopt);
  EXPECT_EQ(platform.inputBox("Lucky", "Number?", "7"), "42");
  EXPECT_EQ(platform.inputBox("Lucky", "Number?", "7"), "7");
  EXPECT_EQ(platform.inputBox("Lucky", "Number?", "9"), "9");  // nothing queued
  platform.showMessage("First read the data of draws");
  EXPECT_EQ(lines.back(), "message: First read the data of draws");
  EXPECT_EQ(lines.front(), "input: Lucky");
}

TEST(ScriptedPlatform, FixedClockGivesTodayAndHour) {
  ScriptedPlatform platform;
  const DayCount day = encodeDate(2023, 5, 5);
  platform.fixClock(day + 19.0 / 24);
  EXPECT_EQ(platform.today(), day);
  EXPECT_EQ(platform.currentHour(), 19);
  platform.fixClock(day + (18 * 60 + 59) / 1440.0);
  EXPECT_EQ(platform.currentHour(), 18);
}

}  // namespace
}  // namespace numora
