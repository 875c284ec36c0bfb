// Tip files (".hlt"): the tip list saved to and loaded from a file the user picks, one tip text
// a line with CR LF. Written as UTF-8 without a byte-order mark (plain ASCII for tip texts, so
// older files read the same); read honouring a UTF-8 or UTF-16 byte-order mark.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "draws/current_draw.h"

namespace numora {

// The lines of a tip file's bytes, decoded as tipps.txt is; LF or CR LF end a line.
std::vector<std::string> decodeTextLines(std::string_view bytes);

// The lines of a file; throws std::runtime_error with the system's error text when it cannot be
// read.
std::vector<std::string> readTextLines(const std::filesystem::path& path);
// "yyyymmdd.hlt" of the day after the picked date.
std::string proposedTipFileName(DayCount pickedDate);

// Save the tip list to a file the user picks.
void saveTipFile(Form& form, Platform& platform);
// Load a tip file in place of the tip list; the draw of the picked date is shown again in any
// case, which scores the list. A file that cannot be read leaves the list as it was.
void loadTipFile(DrawContext context);

}  // namespace numora
