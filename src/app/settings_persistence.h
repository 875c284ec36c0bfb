// The user's choices kept from one run to the next: the options, the tip-list settings, the
// proxy, the lottery and the statistics start date in the settings store, the tip list in
// "tipps.txt" in Home.
#pragma once

#include <exception>
#include <string>

#include "app/settings_store.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

// Reads every value into its control or field; a missing value leaves the design state.
// Returns the stored lottery index (Daily Keno when none is stored).
int loadSettings(Form& form, Platform& platform, SettingsStore& store);

// Writes every value and the tip list, as at closing; an error ends the saving of its part with
// a message, keeping what was written.
void saveSettings(Form& form, Platform& platform, SettingsStore& store);

// Every value saveSettings writes, into any store, without flushing it and without touching the
// form (a start date in the last days is stored as the earliest date).
void writeSettingValues(Form& form, DayCount today, SettingsStore& store);

// The messages of a settings store or a tip list that could not be written.
std::string settingsFailure(const std::exception& error);
std::string tipListFailure(const std::exception& error);

// The tip list file in Home: loaded when it is a regular file, rewritten whole (CR LF) through
// a scratch file and a rename; a pipe or a folder in its place or its scratch file's is refused.
// A list that is there but cannot be read is renamed to "tipps.txt~" and the player told, so
// the next save of the (empty) list does not replace it.
void loadTipList(Form& form, Platform& platform);
void saveTipList(const Form& form);

}  // namespace numora
