// The "Odds" tab through numora-cli: print Odds for the lottery and tip size set, and the tab
// filled when it is shown and when its choice of sizes changes.
#include <gtest/gtest.h>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

TEST(CliOdds, PrintsOneLinePerRowForTheSettingsOfNow) {
  TempHome home;
  expectTranscript(home, R"(set RadioGroup1 0
set UpDown18 4
print Odds
= Odds: Keno Atlantic: the chance of each hit count for one tip and its prize per unit stake
= Odds: Numbers | Hits | Chance | Prize | Share of return
= Odds: 4 | 4 | 1 in 189.2 | 75 | 68.0 %
= Odds: 4 | 3 | 1 in 16.1 | 3 | 32.0 %
= Odds: 4 | 2 | 1 in 3.94 | - | -
= Odds: 4 | 1 | 1 in 2.34 | - | -
= Odds: 4 | 0 | 1 in 3.98 | - | -
= Odds: 4 numbers per tip: on average a stake of 1 returns 0.58; the chance of winning anything is 1 in 14.8.
)");
}

TEST(CliOdds, TheTabIsFilledWhenShownAndWhenAllSizesAreAsked) {
  TempHome home;
  expectTranscript(home, R"(set UpDown18 2
set PageControl1 3
print OddsMemo.length
= OddsMemo.length: 0
set PageControl1 4
print OddsMemo.text
= OddsMemo.text: 2 numbers per tip: on average a stake of 1 returns 0.55; the chance of winning anything is 1 in 12.7.
set OddsAllSizesCheckBox 1
print OddsMemo.length
= OddsMemo.length: 921
print OddsTitle.caption
= OddsTitle.caption: Daily Keno: the chance of each hit count for one tip and its prize per unit stake
)");
}

}  // namespace
}  // namespace numora::test
