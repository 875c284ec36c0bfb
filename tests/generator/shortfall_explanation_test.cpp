// Why a calculation found too few tips: options that can never be met together, the filters
// that rejected most with the option that steers each, and the one change to make.
#include "generator/shortfall_explanation.h"

#include <gtest/gtest.h>

#include <functional>

#include "generator/tip_filters.h"

namespace numora::test {
namespace {

// Every filter that could conflict off, ten numbers a tip, five tips.
GeneratorOptions quietOptions() {
  GeneratorOptions options;
  for (auto& range : options.lastDrawRange) range.on = false;
  return options;
}

TEST(ShortfallExplanation, NamesOptionsThatCanNeverBeMetTogether) {
  struct Case {
    const char* name;
    std::function<void(GeneratorOptions&)> set;
    std::vector<std::string> conflicts;
  };
  const Case cases[] = {
      {"the defaults", [](GeneratorOptions&) {}, {}},
      {"six primes and six even numbers in ten",
       [](GeneratorOptions& o) {
         o.primesOn = o.evenOn = true;
         o.minPrimes = o.minEven = 6;
       },
       {"at least 6 prime numbers and at least 6 even numbers in a 10-number tip (2 is the only "
        "even prime) (Options \u203a mathematically)"}},
      {"five primes and six even numbers in ten can be met (2 and four odd primes)",
       [](GeneratorOptions& o) {
         o.primesOn = o.evenOn = true;
         o.minPrimes = 5;
         o.minEven = 6;
       },
       {}},
      {"four even and four odd numbers in six",
       [](GeneratorOptions& o) {
         o.numbersPerTip = 6;
         o.evenOn = o.oddOn = true;
         o.minEven = o.minOdd = 4;
       },
       {"at least 4 even and at least 4 odd numbers in a 6-number tip (Options \u203a "
        "mathematically)"}},
      {"more matches than numbers per tip",
       [](GeneratorOptions& o) {
         o.numbersPerTip = 4;
         o.minMatches = 5;
         o.maxMatches = 9;
       },
       {"at least 5 matches with other tips in a 4-number tip (Options \u203a ticket "
        "optimization)"}},
      {"a minimum of matches above the maximum",
       [](GeneratorOptions& o) {
         o.minMatches = 5;
         o.maxMatches = 3;
       },
       {"at least 5 and at most 3 matches with other tips (Options \u203a ticket optimization)"}},
      {"matches do not matter for a single tip",
       [](GeneratorOptions& o) {
         o.totalTips = 1;
         o.minMatches = 5;
         o.maxMatches = 3;
       },
       {}},
      {"bounds switched off and not applied to every entry",
       [](GeneratorOptions& o) {
         o.minMatches = 5;
         o.maxMatches = 3;
         o.maxMatchesOn = o.boundsForEveryTip = false;
       },
       {}},
      {"a last-draw range whose minimum is above its maximum",
       [](GeneratorOptions& o) {
         o.lastDrawRange[1] = {true, 1, 2};
       },
       {"at least 2 and at most 1 hits with the second-last draw (Options \u203a statistical)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GeneratorOptions options = quietOptions();
    c.set(options);
    EXPECT_EQ(conflictingOptions(options), c.conflicts);
  }
}

TEST(ShortfallExplanation, NamesTheFiltersThatRejectedMostAndTheChangeToMake) {
  RejectionCounts counts;
  counts.candidates = 10000;
  counts.byFilter[kSecondLastDrawFilter] = 6184;
  counts.byFilter[kCrossSumFilter] = 2000;
  counts.byFilter[kMatchesFilter] = 1000;
  counts.byFilter[kPrimesFilter] = 816;
  GeneratorOptions options;
  options.lastDrawRange[1].max = 1;  // the window's default
  EXPECT_EQ(explainShortfall(counts, options, false),
            (std::vector<std::string>{
                "6,184 of 10,000 candidates: hits with the second-last draw (Options \u203a "
                "statistical)",
                "2,000 of 10,000 candidates: cross-sum bounds (Options \u203a mathematically)",
                "1,000 of 10,000 candidates: matches with other tips (Options \u203a ticket "
                "optimization)",
                "To let most candidates through: raise the maximum hits with the second-last "
                "draw from 1 to 2 (Options \u203a statistical)."}));

  // A conflict comes first, and its change is the one to make.
  options.primesOn = options.evenOn = true;
  options.minPrimes = options.minEven = 6;
  const auto lines = explainShortfall(counts, options, false);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines.front().rfind("Never met together: at least 6 prime numbers", 0), 0u);
  EXPECT_EQ(lines.back(),
            "To let most candidates through: lower the prime minimum from 6 to 5 (Options \u203a "
            "mathematically).");
}

TEST(ShortfallExplanation, APoolTooSmallForOneTipSaysSo) {
  const auto lines = explainShortfall(RejectionCounts{}, quietOptions(), true);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("fewer different numbers than a tip needs"), std::string::npos);
}

}  // namespace
}  // namespace numora::test
