// The main window over a generated Daily Keno history, with every status line the calculation
// shows recorded, for the tests of the preparation and the calculation run.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "generator/calculation_run.h"
#include "support/app_fixture.h"
#include "support/options_off.h"

namespace numora::test {

// Records status panel 1 each time the window is repainted.
class RecordingPlatform : public ScriptedPlatform {
 public:
  void repaint() override {
    if (form && (statusLines.empty() || statusLines.back() != form->StatusBar1.panel(1))) {
      statusLines.push_back(form->StatusBar1.panel(1));
    }
  }
  const Form* form = nullptr;
  std::vector<std::string> statusLines;
};

class CalculationTest : public WindowTest<RecordingPlatform> {
 protected:
  static constexpr DayCount kFirstDay = 44927;  // 01.01.2023
  static constexpr DayCount kLastDay = 45097;   // 20.06.2023

  CalculationTest() { platform.fixClock(kLastDay + 0.5); }

  // Writes the history (two draws a day) and creates the window on the last day.
  TForm1& create(std::vector<DrawRecord> records = {}) {
    if (records.empty()) records = generateHistory(kFirstDay, kLastDay, true, 11);
    draws = records;
    home.writeDraws("Vuduro.dat", records);
    createWindow();
    platform.form = &form1->form;
    form1->SpeedButton5Click();
    form().sortieren = true;
    return *form1;
  }
  CalculationContext context() {
    return CalculationContext{form1->form, platform, form1->drawReader(), form1->Form6};
  }

  // Every pool option and every filter off: the pool is 1..70 once each, any tip passes.
  void allOptionsOff() { switchOffEveryOption(form()); }

  std::vector<DrawRecord> draws;
};

}  // namespace numora::test
