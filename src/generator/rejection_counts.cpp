#include "generator/rejection_counts.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/translatable.h"
#include "generator/tip_filters.h"

namespace numora {

std::string rejectionSummary(const RejectionCounts& counts) {
  std::string text = fillPattern(NUMORA_TRANSLATABLE("Numora", "Candidates drawn: %1"),
                                 {std::to_string(counts.candidates)});
  std::vector<int> filters;
  for (int k = 1; k <= kFilterCount; ++k) {
    if (counts.byFilter[static_cast<std::size_t>(k)] > 0) filters.push_back(k);
  }
  // The biggest first; equal counts in the filters' order.
  std::stable_sort(filters.begin(), filters.end(), [&](int a, int b) {
    return counts.byFilter[static_cast<std::size_t>(a)] >
           counts.byFilter[static_cast<std::size_t>(b)];
  });
  for (const int k : filters) {
    const auto rejected = counts.byFilter[static_cast<std::size_t>(k)];
    char share[32];
    std::snprintf(share, sizeof share, "%.1f",
                  100.0 * static_cast<double>(rejected) / static_cast<double>(counts.candidates));
    text += "\n" + fillPattern(NUMORA_TRANSLATABLE("Numora", "%1: %2 (%3 %)"),
                               {filterName(k), std::to_string(rejected), share});
  }
  return text;
}

}  // namespace numora
