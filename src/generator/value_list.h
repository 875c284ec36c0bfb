// Value list files (".hlw"): 70 lines, line n the weight of ticked number n, empty for an
// unticked number; CR LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace numora {

// The weight a value-list line loads as: its whole number, at least 1 and at most the size of
// the candidate pool; "1" for a line that is no whole number (a hand-edited "2.5", "abc").
std::string valueListWeight(std::string_view line);

// Replaces the file whole (scratch file "NAME~", sync, rename); throws std::runtime_error.
void writeValueListFile(const std::string& path, const std::vector<std::string>& lines);
// Only a regular file of sane size is read (a pipe is refused at once); throws
// std::runtime_error.
std::vector<std::string> readValueListFile(const std::string& path);

}  // namespace numora
