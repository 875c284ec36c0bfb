// Home: the folder where the program keeps its files (draw files, tip list, sound, reports).
#pragma once

#include <string>

namespace numora {

// The program's folder when it is writable, otherwise the per-user application data folder
// (created when missing); always with a trailing "/".
std::string determineHome(const std::string& programFolder);

// A folder name with a trailing "/" added when missing.
std::string withTrailingSeparator(std::string folder);

}  // namespace numora
