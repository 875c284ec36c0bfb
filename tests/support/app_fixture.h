// The main window on a temporary Home with an in-memory settings store: the base of the tests
// that drive TForm1's handlers, with the scripted platform or one that records more.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/daruvizo.h"
#include "app/settings_store.h"
#include "form/scripted_platform.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora::test {

template <class PlatformType>
class WindowTest : public ::testing::Test {
 protected:
  // Creates the main window as the program start does.
  TForm1& createWindow() {
    form1 = std::make_unique<TForm1>(platform, settings, home.home());
    form1->FormCreate(TForm1::kClientHeight);
    return *form1;
  }
  Form& form() { return form1->form; }

  TempHome home;
  PlatformType platform;
  MemorySettingsStore settings;
  std::unique_ptr<TForm1> form1;  // last, so it goes before what it uses
};

class AppTest : public WindowTest<ScriptedPlatform> {
 protected:
  AppTest() { platform.fixClock(encodeDate(2023, 6, 20) + 12.5 / 24); }

  TForm1& create() { return createWindow(); }
};

}  // namespace numora::test
