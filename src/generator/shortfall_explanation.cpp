#include "generator/shortfall_explanation.h"

#include <algorithm>
#include <optional>

#include "common/grouped_number.h"
#include "generator/tip_filters.h"

namespace numora {
namespace {

constexpr const char* kStatistical = " (Options \u203a statistical)";
constexpr const char* kTicket = " (Options \u203a ticket optimization)";
constexpr const char* kMathematically = " (Options \u203a mathematically)";
constexpr const char* kGeneral = " (Options \u203a general)";

std::string n(int value) {
  return std::to_string(value);
}

const char* drawName(int d) {
  static constexpr const char* kNames[] = {"the last draw", "the second-last draw",
                                           "the third-last draw"};
  return kNames[std::clamp(d, 0, 2)];
}

// A pair of requirements that no tip meets, and the change that resolves it.
struct Conflict {
  std::string what;
  std::string change;
};

std::vector<Conflict> conflicts(const GeneratorOptions& o) {
  std::vector<Conflict> found;
  const int size = o.numbersPerTip;
  const std::string inTip = " in a " + n(size) + "-number tip";
  // A single minimum larger than the tip.
  const std::tuple<bool, int, const char*, const char*> minimums[] = {
      {o.evenOn, o.minEven, "even numbers", "the even minimum"},
      {o.oddOn, o.minOdd, "odd numbers", "the odd minimum"},
      {o.primesOn, o.minPrimes, "prime numbers", "the prime minimum"}};
  for (const auto& [on, minimum, what, name] : minimums) {
    if (on && minimum > size) {
      found.push_back({"at least " + n(minimum) + " " + what + inTip + kMathematically,
                       std::string("lower ") + name + " from " + n(minimum) + " to " + n(size) +
                           kMathematically});
    }
  }
  if (o.evenOn && o.oddOn && o.minEven <= size && o.minOdd <= size && o.minEven + o.minOdd > size) {
    found.push_back({"at least " + n(o.minEven) + " even and at least " + n(o.minOdd) +
                         " odd numbers" + inTip + kMathematically,
                     "lower the odd minimum from " + n(o.minOdd) + " to " + n(size - o.minEven) +
                         kMathematically});
  }
  // 2 is the only even prime: the primes beyond it must be odd.
  if (o.primesOn && o.evenOn && o.minPrimes <= size && o.minEven <= size &&
      o.minPrimes > size - o.minEven + 1) {
    found.push_back({"at least " + n(o.minPrimes) + " prime numbers and at least " + n(o.minEven) +
                         " even numbers" + inTip + " (2 is the only even prime)" + kMathematically,
                     "lower the prime minimum from " + n(o.minPrimes) + " to " +
                         n(size - o.minEven + 1) + kMathematically});
  }
  // Matches with other tips apply from the second tip on.
  const bool fewestApplies = o.minMatchesOn || o.boundsForEveryTip;
  const bool mostApplies = o.maxMatchesOn || o.boundsForEveryTip;
  if (o.totalTips >= 2 && fewestApplies && o.minMatches > size) {
    found.push_back(
        {"at least " + n(o.minMatches) + " matches with other tips" + inTip + kTicket,
         "lower the minimum of matches from " + n(o.minMatches) + " to " + n(size) + kTicket});
  } else if (o.totalTips >= 2 && fewestApplies && mostApplies && o.minMatches > o.maxMatches) {
    found.push_back({"at least " + n(o.minMatches) + " and at most " + n(o.maxMatches) +
                         " matches with other tips" + kTicket,
                     "raise the maximum of matches from " + n(o.maxMatches) + " to " +
                         n(o.minMatches) + kTicket});
  }
  for (int d = 0; d < 3; ++d) {
    const auto& range = o.lastDrawRange[static_cast<std::size_t>(d)];
    if (!range.on) continue;
    if (range.min > size) {
      found.push_back(
          {"at least " + n(range.min) + " hits with " + drawName(d) + inTip + kStatistical,
           "lower the minimum hits with " + std::string(drawName(d)) + " from " + n(range.min) +
               " to " + n(size) + kStatistical});
    } else if (range.min > range.max) {
      found.push_back({"at least " + n(range.min) + " and at most " + n(range.max) + " hits with " +
                           drawName(d) + kStatistical,
                       "raise the maximum hits with " + std::string(drawName(d)) + " from " +
                           n(range.max) + " to " + n(range.min) + kStatistical});
    }
  }
  if (o.crossSumMin > o.crossSumMax) {
    found.push_back(
        {"a cross sum of at least " + formatGrouped(o.crossSumMin) + " and at most " +
             formatGrouped(o.crossSumMax) + kMathematically,
         "raise the cross-sum maximum to " + formatGrouped(o.crossSumMin) + kMathematically});
  }
  return found;
}

// The filter with the option that steers it.
std::string steeredFilter(int filter) {
  switch (filter) {
    case kMatchesFilter:
    case kConsecutivePairFilter:
    case kNoRunsOfThreeFilter:
      return filterName(filter) + std::string(kTicket);
    case kCrossSumFilter:
    case kEvenFilter:
    case kOddFilter:
    case kPrimesFilter:
      return filterName(filter) + std::string(kMathematically);
    default:
      return filterName(filter) + std::string(kStatistical);
  }
}

// The change that lets the candidates this filter rejects through.
std::string loosening(int filter, const GeneratorOptions& o) {
  switch (filter) {
    case kMatchesFilter:
      return "raise the maximum of matches with other tips from " + n(o.maxMatches) + " to " +
             n(o.maxMatches + 1) + " or lower the minimum from " + n(o.minMatches) + " to " +
             n(std::max(o.minMatches - 1, 0)) + kTicket;
    case kConsecutivePairFilter:
      return std::string("untick \"Tip enforcing one pairing per\"") + kTicket;
    case kNoRunsOfThreeFilter:
      return std::string("untick \"no threesomes, foursomes ... pairs\"") + kTicket;
    case kCrossSumFilter:
      return "widen the cross sum from " + formatGrouped(o.crossSumMin) + " - " +
             formatGrouped(o.crossSumMax) + kMathematically;
    case kLastDrawFilter:
    case kSecondLastDrawFilter:
    case kThirdLastDrawFilter: {
      const int d = filter - kLastDrawFilter;
      const auto& range = o.lastDrawRange[static_cast<std::size_t>(d)];
      if (range.min > 0) {
        return "lower the minimum hits with " + std::string(drawName(d)) + " from " + n(range.min) +
               " to " + n(range.min - 1) + kStatistical;
      }
      return "raise the maximum hits with " + std::string(drawName(d)) + " from " + n(range.max) +
             " to " + n(range.max + 1) + kStatistical;
    }
    case kHistoryFilter:
      return "raise the hits a tip may have had in a draw of the database from " +
             n(o.historyHits) + " to " + n(o.historyHits + 1) + kStatistical;
    case kRecentDrawsFilter:
      return "raise the hits a tip may have had in the last " + n(o.recentDraws) + " draws from " +
             n(o.recentHits) + " to " + n(o.recentHits + 1) + kStatistical;
    case kEvenFilter:
      return "lower the even minimum from " + n(o.minEven) + " to " +
             n(std::max(o.minEven - 1, 0)) + kMathematically;
    case kOddFilter:
      return "lower the odd minimum from " + n(o.minOdd) + " to " + n(std::max(o.minOdd - 1, 0)) +
             kMathematically;
    case kPrimesFilter:
      return "lower the prime minimum from " + n(o.minPrimes) + " to " +
             n(std::max(o.minPrimes - 1, 0)) + kMathematically;
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
    lines.push_back("Never met together: " + conflict.what + ".");
  }
  if (poolTooSmall) {
    lines.push_back(
        "The number pool holds fewer different numbers than a tip needs: untick "
        "\"Tip for the preferred use numbers only!\"" +
        std::string(kGeneral) + ".");
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
    lines.push_back(formatGrouped(counts.byFilter[static_cast<std::size_t>(filter)]) + " of " +
                    formatGrouped(counts.candidates) + " candidates: " + steeredFilter(filter));
  }
  std::optional<std::string> change;
  if (!found.empty()) {
    change = found.front().change;
  } else if (!filters.empty()) {
    change = loosening(filters.front(), options);
  }
  if (change) lines.push_back("To let most candidates through: " + *change + ".");
  return lines;
}

}  // namespace numora
