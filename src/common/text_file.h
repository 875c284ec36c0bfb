// Writing a text file whole: lines ended by CR LF, written to "NAME~" beside the target and
// renamed over it (atomic_file.h), so a failed write never leaves a half file in place of an
// older one and a pipe in either place is refused.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace numora {

// Throws FileAccessError (a std::runtime_error) with the system's error text.
void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace numora
