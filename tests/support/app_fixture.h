// TForm1 on a temporary Home with a scripted platform and an in-memory settings store.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/daruvizo.h"
#include "app/settings_store.h"
#include "form/scripted_platform.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora::test {

class AppTest : public ::testing::Test {
 protected:
  AppTest() { platform.fixClock(encodeDate(2023, 6, 20) + 12.5 / 24); }

  // Creates the main window as the program start does.
  TForm1& create() {
    form1 = std::make_unique<TForm1>(platform, settings, home.home());
    form1->FormCreate(TForm1::kClientHeight);
    return *form1;
  }
  Form& form() { return form1->form; }

  TempHome home;
  ScriptedPlatform platform;
  MemorySettingsStore settings;
  std::unique_ptr<TForm1> form1;
};

}  // namespace numora::test
