// Scoring one tip against a draw's 20 numbers. Zettelcheck reads the tip text exactly
// as the tip list holds it; the number-set overloads are the fast path for callers that score
// tips of distinct numbers millions of times and get the same counts.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "evaluation/number_set.h"
#include "evaluation/tip_text.h"
#include "form/form.h"

namespace numora {

// The 20 numbers of a draw in drawing order.
using DrawNumbers = std::span<const int, 20>;
// The current draw Zahl[1..20] as its 20 numbers.
DrawNumbers drawNumbersOf(const std::array<int, 21>& zahl);

// The hits of the tip text on the current draw: compares at most numbers-per-tip (UpDown18)
// numbers, counts a repeated number twice.
int tipHits(const Form& form, std::string_view tipText);
// The tip check: tipHits left in form.Gewinn, where the callers read it.
void Zettelcheck(Form& form, std::string_view tipText);

// The hits of read tip numbers on a draw: every equality with one of its numbers counts.
int countHits(const TipNumbers& tip, DrawNumbers draw);

// The draw as a set (numbers outside 1..70 left out).
NumberSet drawSet(DrawNumbers draw);

// Scores many tips against one draw with the hits countHits gives: a draw of 20 distinct
// numbers 1..70 is looked up as a set, a damaged draw is compared number by number.
class DrawMatcher {
 public:
  explicit DrawMatcher(DrawNumbers draw);
  int hits(const TipNumbers& tip) const;

 private:
  std::array<int, 20> numbers_;
  NumberSet set_;
  bool distinct_;
};

}  // namespace numora
