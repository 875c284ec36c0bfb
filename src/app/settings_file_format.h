// The text of the settings file: the INI layout earlier versions wrote through Qt's QSettings
// ("[SOFTWARE]", then "Veltrin\VuduRo\UpDown18=int:6"), read and written here so that a file
// of either reads the same in both. Only text values are kept; a line that is no key and
// value, or a value that is a list, is passed over.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace numora {

// Keys with "/" between their parts ("SOFTWARE/Veltrin/VuduRo/UpDown18"), values as UTF-8.
using SettingsValues = std::map<std::string, std::string>;

SettingsValues parseSettingsText(std::string_view text);

// The first part of a key is its section; a key of one part goes under "[General]".
std::string settingsText(const SettingsValues& values);

}  // namespace numora
