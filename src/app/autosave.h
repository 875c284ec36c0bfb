// Saving the player's state as it changes, in the window and in numora-cli alike: after every
// handler and script command the tip list ("tipps.txt" in Home) and the settings are compared
// with what was last written, and what changed is written at once (the tip list through a
// scratch file and a rename, the settings store flushed), so a crash or a kill loses nothing.
// Each part is written on its own: a settings file that cannot be written costs no tips. A
// failure is told once, not after every click, and the part is tried again after the next one.
#pragma once

#include <string>
#include <vector>

#include "app/settings_store.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

class Autosave {
 public:
  // What the start loaded is what is on the disk; nothing is saved before this.
  void start(Form& form, Platform& platform);
  // Writes the parts that changed since they were last written.
  void saveChanges(Form& form, Platform& platform, SettingsStore& store);

 private:
  void report(Platform& platform, std::string& reported, const std::string& failure);

  bool started_ = false;
  std::vector<std::string> savedTips_;
  MemorySettingsStore savedSettings_;
  std::string tipsFailure_;
  std::string settingsFailure_;
};

}  // namespace numora
