#include "backtest/analysis_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/atomic_file.h"
#include "form/scripted_platform.h"
#include "support/temp_home.h"

namespace numora::test {
namespace {

TEST(AnalysisReportTest, EveryLineEndsWithCrLfAndTheFileIsReplacedThenOpened) {
  TempHome home;
  Form form;
  form.Home = home.home();
  ScriptedPlatform platform;
  home.writeBytes("Analyse.txt", "an older and much longer report\r\n\r\n\r\n");
  writeAndOpenAnalysis(form, platform, {"a", " ", ""});
  EXPECT_EQ(home.readBytes("Analyse.txt"), "a\r\n \r\n\r\n");
  EXPECT_EQ(form.Memo1.text(), "a\r\n \r\n\r\n");
  EXPECT_EQ(platform.opened(), std::vector<std::string>{home.home() + "Analyse.txt"});
}

TEST(AnalysisReportTest, AFolderInThePlaceOfTheFileIsAFailureAndNothingOpens) {
  TempHome home;
  Form form;
  form.Home = home.home();
  ScriptedPlatform platform;
  std::filesystem::create_directory(home.file("Analyse.txt"));
  EXPECT_THROW(writeAndOpenAnalysis(form, platform, {"x"}), FileAccessError);
  EXPECT_TRUE(platform.opened().empty());
}

TEST(AnalysisReportTest, HitCountLinesHaveTwoDigitsNineBlanksAndATab) {
  BacktestTotals totals;
  totals.hits[5] = 7;
  totals.hits[20] = 1;
  totals.cycles = 150;
  const auto lines = hitCountReport(totals, " draws");
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[0], "Current setting brought");
  EXPECT_EQ(lines[1], "00x         => \t0");
  EXPECT_EQ(lines[6], "05x         => \t7");
  EXPECT_EQ(lines[21], "20x         => \t1");
  EXPECT_EQ(lines[22], "at 150 draws");
}

}  // namespace
}  // namespace numora::test
