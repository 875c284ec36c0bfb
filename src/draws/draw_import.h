// "Import from Text": draws from a text or CSV file chosen by the user are read, validated and
// merged into the selected lottery's draw file, and the user gets one summary of what was
// added, what was already stored and which lines were rejected and why.
#pragma once

#include <string>
#include <vector>

#include "draws/current_draw.h"
#include "draws/draw_text_import.h"

namespace numora {

// Larger files are no draw history: refused before they are read.
constexpr std::uintmax_t kMaxImportFileSize = 64u << 20;
// The summary names this many rejected lines and counts the rest.
constexpr std::size_t kRejectedLinesShown = 10;

// "N draws added, M already stored, K rejected", then the first rejected lines with their
// reasons, in line order.
std::string importSummary(int added, int alreadyStored, std::vector<RejectedLine> rejected);

// The whole text of a file to import; throws DrawFileError with a message for the user when it
// is no regular file, too large or unreadable.
std::string readImportFile(const std::string& path);

// Asks for the file, imports it into the selected lottery's draw file and shows the summary.
// Nothing is written when nothing is added; the draw file is replaced in one atomic step.
void importDrawsFromText(DrawContext context);

}  // namespace numora
