// The odds as the user reads them: "1 in 9.05", prizes, shares of the return and the plain
// sentence about the expected return.
#pragma once

#include <string>
#include <vector>

#include "common/pattern_text.h"
#include "evaluation/odds.h"

namespace numora {

// The cells of a grid row as a line of text, " | " between them.
std::string joinCells(const std::vector<std::string>& cells);
// "1 in X" for a chance; two decimals below 10, one below 1000, then whole thousands grouped
// in every format ("1 in 2,147,181"). A chance of 0 reads "never".
PatternText oneIn(const Ratio& chance);
// A share as a percentage with one decimal: "23.4 %".
PatternText percentOf(const Ratio& share);
// The name of a lottery by its index.
const char* lotteryName(int lotteryIndex);

// The cells of each row of a table: tip size, hits, chance, prize, share of the return ("-"
// for a hit count without a prize).
std::vector<std::vector<PatternText>> oddsCells(const OddsTable& table);
// "10 numbers per tip: on average a stake of 1 returns 0.49; the chance of winning anything is
// 1 in 9.05."
PatternText oddsSummary(const OddsTable& table);

}  // namespace numora
