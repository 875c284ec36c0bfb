// A form on a temporary Home with a scripted platform, for the draw operations.
#pragma once

#include <gtest/gtest.h>

#include "draws/current_draw.h"
#include "form/scripted_platform.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora::test {

class DrawTest : public ::testing::Test {
 protected:
  DrawTest() {
    form.Home = home.home();
    form.ZahlenFile = "VuduRO.dat";
    form.RadioGroup1.setItemIndex(1);
    form.sortieren = true;
    platform.fixClock(encodeDate(2023, 6, 20) + 0.5);
  }
  DrawContext context() { return DrawContext{form, platform, reader}; }

  TempHome home;
  Form form;
  ScriptedPlatform platform;
  DrawFileReader reader;
};

}  // namespace numora::test
