// Scoring one tip against the current draw Zahl[1..20]. Zettelcheck reads the tip text exactly
// as the tip list holds it; the number-set overloads are the fast path for callers that score
// tips of distinct numbers millions of times and get the same counts.
#pragma once

#include <array>
#include <string_view>

#include "evaluation/number_set.h"
#include "evaluation/tip_text.h"
#include "form/form.h"

namespace numora {

// Leaves the hits of the tip text in form.Gewinn; compares at most numbers-per-tip (UpDown18)
// numbers, counts a repeated number twice.
void Zettelcheck(Form& form, std::string_view tipText);

// The hits of read tip numbers on a draw: every equality with one of Zahl[1..20] counts.
int countHits(const TipNumbers& tip, const std::array<int, 21>& zahl);

// The draw Zahl[1..20] as a set (numbers outside 1..70 left out).
NumberSet drawSet(const std::array<int, 21>& zahl);

// Scores many tips against one draw with the hits countHits gives: a draw of 20 distinct
// numbers 1..70 is looked up as a set, a damaged draw is compared number by number.
class DrawMatcher {
 public:
  explicit DrawMatcher(const std::array<int, 21>& zahl);
  int hits(const TipNumbers& tip) const;

 private:
  const std::array<int, 21>& zahl_;
  NumberSet set_;
  bool distinct_;
};

}  // namespace numora
