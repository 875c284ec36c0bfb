// The "Odds" tab: the odds of the selected lottery for the numbers per tip, or for every tip
// size, written into its grid and memo.
#pragma once

#include <string>
#include <vector>

#include "evaluation/odds.h"
#include "form/form.h"

namespace numora {

// The tables the tab shows: the numbers per tip, or every size 2..10 when asked.
std::vector<OddsTable> requestedOddsTables(const Form& form);

// Fills the title, grid and memo of the "Odds" tab from the lottery and the tip size; the
// numbers stay values the window writes in the user's locale.
void showOdds(Form& form);

// The tab as lines of text in the plain number format: the title, the column titles, one line
// per grid row, one summary line per tip size.
std::vector<std::string> oddsLines(const Form& form);

}  // namespace numora
