// The analysis report of the back-tests: "Analyse.txt" in Home, one report line a text line,
// each ended by CR LF, the whole file replaced by every test (a scratch file renamed over it; a
// pipe in its place is refused) and then handed to the desktop's "open" action.
#pragma once

#include <string>
#include <vector>

#include "backtest/backtest_totals.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

constexpr const char* kAnalysisFileName = "Analyse.txt";

// "Current setting brought", the 21 lines 00x..20x, then "at " N and the draws word.
std::vector<std::string> hitCountReport(const BacktestTotals& totals, const std::string& draws);

// A report of a history with records the replay passed over says how many; a sound history's
// report stays as it was.
void noteSkippedRecords(std::vector<std::string>& lines, std::size_t skipped);

// Puts the lines into the hidden memo, writes the file and opens it without waiting; throws
// FileAccessError (naming the file and the system's error, nothing opened) when the file
// cannot be written.
void writeAndOpenAnalysis(Form& form, Platform& platform, const std::vector<std::string>& lines);

}  // namespace numora
