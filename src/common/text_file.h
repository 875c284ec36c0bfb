// Writing a text file whole: lines ended by CR LF, written beside the target and renamed over
// it, so a failed write never leaves a half file in place of an older one.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace numora {

// Throws std::runtime_error with the system's error text; the scratch file is removed.
void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace numora
