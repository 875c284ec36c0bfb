// "Import from Text": draws from a text or CSV file chosen by the user are read, validated and
// merged into the selected lottery's draw file, and the user gets one summary of what was
// added, what was already stored and which lines were rejected and why.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "draws/current_draw.h"
#include "draws/draw_merge.h"
#include "draws/draw_text_import.h"

namespace numora {

// Larger files are no draw history: refused before they are read.
constexpr std::uintmax_t kMaxImportFileSize = 64u << 20;
// The summary names this many rejected lines and counts the rest.
constexpr std::size_t kRejectedLinesShown = 10;

// "N draws added, M already stored, K rejected", the draws taken as midday draws because the
// file does not say, then the first rejected lines with their reasons, in line order. Rejected
// lines come from the text and from the merge (conflicts with stored draws).
std::string importSummary(const DrawMerge& merge, const DrawTextImport& parsed);

// Throws DrawFileError with a message for the user when the file is missing, no regular file or
// too large to be a draw history.
void checkImportFile(const std::filesystem::path& path);

// Asks for the file, imports it into the selected lottery's draw file and shows the summary.
// Nothing is written when nothing is added; the draw file is replaced in one atomic step.
void importDrawsFromText(DrawContext context);

}  // namespace numora
