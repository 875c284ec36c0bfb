#include "app/autosave.h"

#include <exception>

#include "app/settings_persistence.h"

namespace numora {

void Autosave::start(Form& form, Platform& platform) {
  started_ = true;
  savedTips_ = form.ListBox1.lines();
  savedSettings_ = MemorySettingsStore();
  writeSettingValues(form, platform.today(), savedSettings_);
}

void Autosave::saveChanges(Form& form, Platform& platform, SettingsStore& store) {
  if (!started_) return;
  if (form.ListBox1.lines() != savedTips_) {
    try {
      saveTipList(form);
      savedTips_ = form.ListBox1.lines();
      tipsFailure_.clear();
    } catch (const std::exception& error) {
      report(platform, tipsFailure_, tipListFailure(error));
    }
  }
  MemorySettingsStore current;
  writeSettingValues(form, platform.today(), current);
  if (current == savedSettings_) return;
  try {
    writeSettingValues(form, platform.today(), store);
    store.flush();
    savedSettings_ = std::move(current);
    settingsFailure_.clear();
  } catch (const std::exception& error) {
    report(platform, settingsFailure_, settingsFailure(error));
  }
}

void Autosave::report(Platform& platform, std::string& reported, const std::string& failure) {
  if (failure == reported) return;
  reported = failure;
  platform.showMessage(failure);
}

}  // namespace numora
