// Home: the folder where the program keeps its files (draw files, tip list, sound, reports).
#pragma once

#include <string>

namespace numora {

// The name of the desktop entry, icon and AppStream metainfo an installation carries.
inline constexpr const char* kDesktopId = "example.veltrin.NumoraCanada";

// The program's folder when it is writable and the program is not installed, otherwise the
// per-user application data folder (created when missing); always with a trailing "/".
std::string determineHome(const std::string& programFolder);

// True for a program in <prefix>/bin beside its installed <prefix>/share/metainfo entry: such a
// folder is shared by all users and the package manager's, never the place for a user's files.
bool isInstalledProgram(const std::string& programFolder);

// A folder name with a trailing "/" added when missing.
std::string withTrailingSeparator(std::string folder);

}  // namespace numora
