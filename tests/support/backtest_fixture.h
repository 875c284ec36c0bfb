// The main window over a short draw history for the back-tests: the report file read back,
// the lines of the report, and a few fixed draws to count cycles on.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/text.h"
#include "support/app_fixture.h"
#include "support/options_off.h"

namespace numora::test {

// Notes what the window would show at each repaint.
class BacktestPlatform : public ScriptedPlatform {
 public:
  std::function<void()> onRepaint;
  void repaint() override {
    if (onRepaint) onRepaint();
  }
};

class BacktestTest : public WindowTest<BacktestPlatform> {
 protected:
  static constexpr DayCount kToday = 45097;  // 20.06.2023

  BacktestTest() { platform.fixClock(kToday + 0.5); }

  // Writes the draws into the lottery's file and creates the window on today.
  TForm1& create(const std::vector<DrawRecord>& records, int lottery = 0) {
    draws = records;
    home.writeDraws(lottery == 0 ? "Kenoal.dat" : "Vuduro.dat", records);
    settings.writeInteger("Radio1", lottery);
    createWindow();
    form().RadioGroup1.setItemIndex(lottery);
    form1->RadioGroup1Click();
    form().sortieren = true;
    return *form1;
  }
  void pick(DayCount date) { ASSERT_TRUE(form().DateTimePicker1.setDate(date)); }

  // Every pool option and filter off and two tips of three numbers: any candidate passes.
  void quickTips() {
    switchOffEveryOption(form());
    form().UpDown18.setPosition(3);
    form().UpDown9.setPosition(2);
  }

  std::string report() { return home.readBytes("Analyse.txt"); }
  std::vector<std::string> reportLines() { return splitLines(report()); }
  std::int64_t total(const std::array<std::int64_t, 21>& hits) {
    std::int64_t sum = 0;
    for (auto h : hits) sum += h;
    return sum;
  }

  std::vector<DrawRecord> draws;
};

}  // namespace numora::test
