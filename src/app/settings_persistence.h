// The user's choices kept from one run to the next: the options, the tip-list settings, the
// proxy, the lottery and the statistics start date in the settings store, the tip list in
// "tipps.txt" in Home.
#pragma once

#include "app/settings_store.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

// Reads every value into its control or field; a missing value leaves the design state.
// Returns the stored lottery index (Daily Keno when none is stored).
int loadSettings(Form& form, Platform& platform, SettingsStore& store);

// Writes every value; an error ends the saving with a message, keeping what was written.
void saveSettings(Form& form, Platform& platform, SettingsStore& store);

// The tip list file in Home: loaded when it exists, rewritten whole at closing (CR LF).
void loadTipList(Form& form);
void saveTipList(const Form& form);

}  // namespace numora
