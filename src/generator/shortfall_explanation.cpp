#include "generator/shortfall_explanation.h"

#include <algorithm>
#include <optional>

#include "common/grouped_number.h"
#include "common/translatable.h"
#include "generator/tip_filters.h"

namespace numora {
namespace {

// Each sentence names the options page that steers it.
constexpr const char* kStatistical =
    NUMORA_TRANSLATABLE("Numora", "%1 (Options \u203a statistical)");
constexpr const char* kTicket =
    NUMORA_TRANSLATABLE("Numora", "%1 (Options \u203a ticket optimization)");
constexpr const char* kMathematically =
    NUMORA_TRANSLATABLE("Numora", "%1 (Options \u203a mathematically)");

std::string n(int value) {
  return std::to_string(value);
}

std::string on(const char* page, const std::string& sentence) {
  return fillPattern(page, {sentence});
}

const char* drawName(int d) {
  static constexpr const char* kNames[] = {NUMORA_TRANSLATABLE("Numora", "the last draw"),
                                           NUMORA_TRANSLATABLE("Numora", "the second-last draw"),
                                           NUMORA_TRANSLATABLE("Numora", "the third-last draw")};
  return kNames[std::clamp(d, 0, 2)];
}

constexpr const char* kLowerEven =
    NUMORA_TRANSLATABLE("Numora", "lower the even minimum from %1 to %2");
constexpr const char* kLowerOdd =
    NUMORA_TRANSLATABLE("Numora", "lower the odd minimum from %1 to %2");
constexpr const char* kLowerPrimes =
    NUMORA_TRANSLATABLE("Numora", "lower the prime minimum from %1 to %2");
constexpr const char* kLowerHits =
    NUMORA_TRANSLATABLE("Numora", "lower the minimum hits with %1 from %2 to %3");
constexpr const char* kRaiseHits =
    NUMORA_TRANSLATABLE("Numora", "raise the maximum hits with %1 from %2 to %3");

// A pair of requirements that no tip meets, and the change that resolves it.
struct Conflict {
  std::string what;
  std::string change;
};

std::vector<Conflict> conflicts(const GeneratorOptions& o) {
  std::vector<Conflict> found;
  const int size = o.numbersPerTip;
  // A single minimum larger than the tip.
  const std::tuple<bool, int, const char*, const char*> minimums[] = {
      {o.evenOn, o.minEven,
       NUMORA_TRANSLATABLE("Numora", "at least %1 even numbers in a %2-number tip"), kLowerEven},
      {o.oddOn, o.minOdd,
       NUMORA_TRANSLATABLE("Numora", "at least %1 odd numbers in a %2-number tip"), kLowerOdd},
      {o.primesOn, o.minPrimes,
       NUMORA_TRANSLATABLE("Numora", "at least %1 prime numbers in a %2-number tip"),
       kLowerPrimes}};
  for (const auto& [on_, minimum, what, change] : minimums) {
    if (on_ && minimum > size) {
      found.push_back({on(kMathematically, fillPattern(what, {n(minimum), n(size)})),
                       on(kMathematically, fillPattern(change, {n(minimum), n(size)}))});
    }
  }
  if (o.evenOn && o.oddOn && o.minEven <= size && o.minOdd <= size && o.minEven + o.minOdd > size) {
    found.push_back(
        {on(kMathematically,
            fillPattern(
                NUMORA_TRANSLATABLE(
                    "Numora", "at least %1 even and at least %2 odd numbers in a %3-number tip"),
                {n(o.minEven), n(o.minOdd), n(size)})),
         on(kMathematically, fillPattern(kLowerOdd, {n(o.minOdd), n(size - o.minEven)}))});
  }
  // 2 is the only even prime: the primes beyond it must be odd.
  if (o.primesOn && o.evenOn && o.minPrimes <= size && o.minEven <= size &&
      o.minPrimes > size - o.minEven + 1) {
    found.push_back(
        {on(kMathematically,
            fillPattern(
                NUMORA_TRANSLATABLE("Numora",
                                    "at least %1 prime numbers and at least %2 even numbers in a "
                                    "%3-number tip (2 is the only even prime)"),
                {n(o.minPrimes), n(o.minEven), n(size)})),
         on(kMathematically,
            fillPattern(kLowerPrimes, {n(o.minPrimes), n(size - o.minEven + 1)}))});
  }
  // Matches with other tips apply from the second tip on.
  const bool fewestApplies = o.minMatchesOn || o.boundsForEveryTip;
  const bool mostApplies = o.maxMatchesOn || o.boundsForEveryTip;
  if (o.totalTips >= 2 && fewestApplies && o.minMatches > size) {
    found.push_back(
        {on(kTicket,
            fillPattern(NUMORA_TRANSLATABLE(
                            "Numora", "at least %1 matches with other tips in a %2-number tip"),
                        {n(o.minMatches), n(size)})),
         on(kTicket,
            fillPattern(NUMORA_TRANSLATABLE("Numora", "lower the minimum of matches from %1 to %2"),
                        {n(o.minMatches), n(size)}))});
  } else if (o.totalTips >= 2 && fewestApplies && mostApplies && o.minMatches > o.maxMatches) {
    found.push_back(
        {on(kTicket,
            fillPattern(
                NUMORA_TRANSLATABLE("Numora", "at least %1 and at most %2 matches with other tips"),
                {n(o.minMatches), n(o.maxMatches)})),
         on(kTicket,
            fillPattern(NUMORA_TRANSLATABLE("Numora", "raise the maximum of matches from %1 to %2"),
                        {n(o.maxMatches), n(o.minMatches)}))});
  }
  for (int d = 0; d < 3; ++d) {
    const auto& range = o.lastDrawRange[static_cast<std::size_t>(d)];
    if (!range.on) continue;
    if (range.min > size) {
      found.push_back(
          {on(kStatistical,
              fillPattern(
                  NUMORA_TRANSLATABLE("Numora", "at least %1 hits with %2 in a %3-number tip"),
                  {n(range.min), drawName(d), n(size)})),
           on(kStatistical, fillPattern(kLowerHits, {drawName(d), n(range.min), n(size)}))});
    } else if (range.min > range.max) {
      found.push_back(
          {on(kStatistical,
              fillPattern(NUMORA_TRANSLATABLE("Numora", "at least %1 and at most %2 hits with %3"),
                          {n(range.min), n(range.max), drawName(d)})),
           on(kStatistical, fillPattern(kRaiseHits, {drawName(d), n(range.max), n(range.min)}))});
    }
  }
  if (o.crossSumMin > o.crossSumMax) {
    found.push_back(
        {on(kMathematically,
            fillPattern(NUMORA_TRANSLATABLE("Numora", "a cross sum of at least %1 and at most %2"),
                        {formatGrouped(o.crossSumMin), formatGrouped(o.crossSumMax)})),
         on(kMathematically,
            fillPattern(NUMORA_TRANSLATABLE("Numora", "raise the cross-sum maximum to %1"),
                        {formatGrouped(o.crossSumMin)}))});
  }
  return found;
}

// The filter with the option that steers it.
std::string steeredFilter(int filter) {
  switch (filter) {
    case kMatchesFilter:
    case kConsecutivePairFilter:
    case kNoRunsOfThreeFilter:
      return on(kTicket, filterName(filter));
    case kCrossSumFilter:
    case kEvenFilter:
    case kOddFilter:
    case kPrimesFilter:
      return on(kMathematically, filterName(filter));
    default:
      return on(kStatistical, filterName(filter));
  }
}

// The change that lets the candidates this filter rejects through.
std::string loosening(int filter, const GeneratorOptions& o) {
  switch (filter) {
    case kMatchesFilter:
      return on(kTicket,
                fillPattern(NUMORA_TRANSLATABLE("Numora",
                                                "raise the maximum of matches with other tips "
                                                "from %1 to %2 or lower the minimum from %3 to "
                                                "%4"),
                            {n(o.maxMatches), n(o.maxMatches + 1), n(o.minMatches),
                             n(std::max(o.minMatches - 1, 0))}));
    case kConsecutivePairFilter:
      return on(kTicket, NUMORA_TRANSLATABLE("Numora", "untick \"Tip enforcing one pairing per\""));
    case kNoRunsOfThreeFilter:
      return on(kTicket,
                NUMORA_TRANSLATABLE("Numora", "untick \"no threesomes, foursomes ... pairs\""));
    case kCrossSumFilter:
      return on(kMathematically,
                fillPattern(NUMORA_TRANSLATABLE("Numora", "widen the cross sum from %1 - %2"),
                            {formatGrouped(o.crossSumMin), formatGrouped(o.crossSumMax)}));
    case kLastDrawFilter:
    case kSecondLastDrawFilter:
    case kThirdLastDrawFilter: {
      const int d = filter - kLastDrawFilter;
      const auto& range = o.lastDrawRange[static_cast<std::size_t>(d)];
      if (range.min > 0) {
        return on(kStatistical,
                  fillPattern(kLowerHits, {drawName(d), n(range.min), n(range.min - 1)}));
      }
      return on(kStatistical,
                fillPattern(kRaiseHits, {drawName(d), n(range.max), n(range.max + 1)}));
    }
    case kHistoryFilter:
      return on(
          kStatistical,
          fillPattern(
              NUMORA_TRANSLATABLE(
                  "Numora",
                  "raise the hits a tip may have had in a draw of the database from %1 to %2"),
              {n(o.historyHits), n(o.historyHits + 1)}));
    case kRecentDrawsFilter:
      return on(
          kStatistical,
          fillPattern(NUMORA_TRANSLATABLE("Numora",
                                          "raise the hits a tip may have had in the last %1 draws "
                                          "from %2 to %3"),
                      {n(o.recentDraws), n(o.recentHits), n(o.recentHits + 1)}));
    case kEvenFilter:
      return on(kMathematically,
                fillPattern(kLowerEven, {n(o.minEven), n(std::max(o.minEven - 1, 0))}));
    case kOddFilter:
      return on(kMathematically,
                fillPattern(kLowerOdd, {n(o.minOdd), n(std::max(o.minOdd - 1, 0))}));
    case kPrimesFilter:
      return on(kMathematically,
                fillPattern(kLowerPrimes, {n(o.minPrimes), n(std::max(o.minPrimes - 1, 0))}));
    default:
      return {};
  }
}

constexpr std::size_t kFiltersNamed = 3;

}  // namespace

std::vector<std::string> conflictingOptions(const GeneratorOptions& options) {
  std::vector<std::string> sentences;
  for (const Conflict& conflict : conflicts(options)) sentences.push_back(conflict.what);
  return sentences;
}

std::vector<std::string> explainShortfall(const RejectionCounts& counts,
                                          const GeneratorOptions& options, bool poolTooSmall) {
  std::vector<std::string> lines;
  const std::vector<Conflict> found = conflicts(options);
  lines.reserve(found.size());
  for (const Conflict& conflict : found) {
    lines.push_back(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "Never met together: %1."), {conflict.what}));
  }
  if (poolTooSmall) {
    lines.push_back(NUMORA_TRANSLATABLE("Numora",
                                        "The number pool holds fewer different numbers than a "
                                        "tip needs: untick \"Tip for the preferred use numbers "
                                        "only!\" (Options \u203a general)."));
  }
  std::vector<int> filters;
  for (int k = 1; k <= kFilterCount; ++k) {
    if (counts.byFilter[static_cast<std::size_t>(k)] > 0) filters.push_back(k);
  }
  std::stable_sort(filters.begin(), filters.end(), [&](int a, int b) {
    return counts.byFilter[static_cast<std::size_t>(a)] >
           counts.byFilter[static_cast<std::size_t>(b)];
  });
  for (std::size_t i = 0; i < filters.size() && i < kFiltersNamed; ++i) {
    const int filter = filters[i];
    lines.push_back(fillPattern(NUMORA_TRANSLATABLE("Numora", "%1 of %2 candidates: %3"),
                                {formatGrouped(counts.byFilter[static_cast<std::size_t>(filter)]),
                                 formatGrouped(counts.candidates), steeredFilter(filter)}));
  }
  std::optional<std::string> change;
  if (!found.empty()) {
    change = found.front().change;
  } else if (!filters.empty()) {
    change = loosening(filters.front(), options);
  }
  if (change) {
    lines.push_back(fillPattern(
        NUMORA_TRANSLATABLE("Numora", "To let most candidates through: %1."), {*change}));
  }
  return lines;
}

}  // namespace numora
