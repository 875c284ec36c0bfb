// The twelve filters a candidate tip must pass, in their order. Each reads its options from the
// form when it runs, so a change made during a calculation applies to the next candidate. The
// in-memory tests come first; the two database filters run only for candidates that passed
// filters 1 to 7.
#pragma once

#include <array>
#include <string>

#include "form/form.h"
#include "generator/candidate.h"
#include "generator/comparison_table.h"
#include "generator/draw_history_sets.h"
#include "generator/generator_options.h"

namespace numora {

constexpr int kFilterCount = 12;
// Filter numbers 1..12 in the order they run; 0 = the candidate passed them all.
enum TipFilter : int {
  kMatchesFilter = 1,
  kConsecutivePairFilter,
  kNoRunsOfThreeFilter,
  kCrossSumFilter,
  kLastDrawFilter,
  kSecondLastDrawFilter,
  kThirdLastDrawFilter,
  kHistoryFilter,
  kRecentDrawsFilter,
  kEvenFilter,
  kOddFilter,
  kPrimesFilter,
};

// The filter in words, for the user's summary of rejections.
const char* filterName(int filter);

// The last, second-last and third-last draw as counts: [d][n] = how often draw d holds n.
using LastDrawCounts = std::array<std::array<int, 71>, 3>;
LastDrawCounts countLastDraws(const std::array<std::array<int, 20>, 3>& lastDraws);

// How many of tipp[1..numbersPerTip] are in the prime set (1 counts as prime); slots past the
// tip are empty.
int primzahlen(const Candidate& candidate, int numbersPerTip);

class TipFilters {
 public:
  TipFilters(Form& form, const ComparisonTable& table, const LastDrawCounts& lastDraws,
             const DrawHistorySets& history);

  // The first filter the candidate for tip tipNumber fails, 0 when it passes all.
  int firstFailing(const Candidate& candidate, int tipNumber);

  // The history filter: false when the tip had at least threshold hits in a draw of the
  // statistics window (after its start, up to the picked date).
  bool Secheroderfuenfer(const Candidate& candidate, int threshold);
  // The recent-draws filter: the same over the weeks that recentDraws draws span before the
  // picked date.
  bool Dreiodervier(const Candidate& candidate, int threshold, int recentDraws);

 private:
  bool failsMatches(const Candidate& candidate, int tipNumber,
                    const GeneratorOptions& options) const;
  bool passesScan(const Candidate& candidate, DayCount start, int threshold);

  Form& form_;
  const ComparisonTable& table_;
  const LastDrawCounts& lastDraws_;
  const DrawHistorySets& history_;
  bool statisticsChartEmptied_ = false;
};

}  // namespace numora
