// "Export to Text": the draws from the statistics start date to the picked date written to a
// text file the user picks, one line "dd.mm.yyyy,n1,...,n20;" a draw.
#pragma once

#include <string>
#include <vector>

#include "common/pattern_text.h"
#include "draws/current_draw.h"

namespace numora {

// "05.05.2023,3,9,12,...;" with the numbers in stored order.
std::string exportLine(const DrawRecord& record);

// The lines of the draws dated from start to end, both included; a start after the end writes
// the draws of the end date alone.
std::vector<std::string> exportLines(const std::vector<DrawRecord>& records, DayCount start,
                                     DayCount end);

// "12 draws from 01.05.2023 to 05.05.2023 written to PATH": the summary after an export.
PatternText exportSummary(std::size_t draws, DayCount start, DayCount end, const std::string& path);

// Asks for the file, writes the lines and reports the summary.
void exportDraws(DrawContext context);

}  // namespace numora
