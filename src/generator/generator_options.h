// Every setting that steers a tip calculation, read from the form's controls into one plain
// struct with readable names. The calculation reads it once at its start (pool options, budget,
// tip counts) and again for every candidate (filters), so a change made while it runs applies
// to the next candidate.
#pragma once

#include <array>

#include "common/day_date.h"

namespace numora {

struct Form;

// The candidates a calculation draws per tip before it gives up, from the budget up-down's
// position (UpDown7), which counts thousands.
constexpr int runBudgetFromThousands(int thousands) {
  return thousands * 1000;
}

struct GeneratorOptions {
  // ---- Tip counts and budget ----
  int numbersPerTip = 10;               // size of every calculated tip, 2..10
  int totalTips = 5;                    // the tip list is filled up to this many lines
  bool deleteBeforeCalculating = true;  // empty the tip list and start at tip 1
  int runBudgetThousands = 10;          // candidates drawn per tip before giving up, in thousands
  int runBudget() const { return runBudgetFromThousands(runBudgetThousands); }

  // ---- Pool preferences from the statistics ----
  struct Band {
    bool on = false;
    int percent = 30;  // width of the band in percent of the statistic's value range
  };
  Band frequentNumbers;  // upper band of the number distribution
  Band overdueNumbers;   // upper band of the overdue chart
  Band rareNumbers;      // lower band of the number distribution

  struct GroupPreference {
    bool frequent = false;  // upper 30 % band of the group chart
    bool rare = false;      // lower 30 % band, groups drawn at least once
  };
  GroupPreference pairs;       // n, n+1
  GroupPreference triples;     // n..n+2
  GroupPreference fourGroups;  // n..n+3

  bool adjacentNumbers = false;  // neighbours of the last draw's numbers

  struct LastDrawsNumbers {
    bool on = false;
    int count = 3;  // draws whose numbers start the pool: 1..3, 0 when no item is chosen
  };
  LastDrawsNumbers lastDrawsNumbers;

  struct DateInAllYears {
    bool on = false;
    DayCount date = 0;  // its day and month count; the year is the last one visited
  };
  DateInAllYears dateInAllYears;

  bool editList = false;       // show the pool in the number-choice dialog before drawing
  bool preferredOnly = false;  // no extra entry for every number 1..70

  // ---- Candidate filters ----
  bool historyFilterOn = true;  // reject a candidate with historyHits hits in any window draw
  int historyHits = 8;
  bool recentFilterOn = true;  // the same over the last recentDraws draws
  int recentHits = 5;
  int recentDraws = 12;

  // Hits allowed against the last, second-last and third-last draw ([0], [1], [2]).
  struct DrawRange {
    bool on = true;
    int max = 0;  // 0 with the range on also removes that draw's numbers from the pool
    int min = 0;
  };
  std::array<DrawRange, 3> lastDrawRange{};

  bool maxMatchesOn = true;  // at most maxMatches numbers shared with any listed tip
  int maxMatches = 4;
  bool minMatchesOn = true;  // at least minMatches numbers shared with any listed tip
  int minMatches = 1;
  bool boundsForEveryTip = true;  // both bounds apply even when their own boxes are off

  bool consecutivePairRequired = false;  // the candidate must hold some n, n+1
  bool noRunsOfThree = true;             // reject three consecutive numbers

  int crossSumMin = 100;  // scaled cross sum bounds; always applied
  int crossSumMax = 1200;
  bool primesOn = false;  // at least minPrimes numbers of the prime set (1 counts)
  int minPrimes = 2;
  bool evenOn = false;
  int minEven = 2;
  bool oddOn = false;
  int minOdd = 2;
};

GeneratorOptions readGeneratorOptions(const Form& form);

}  // namespace numora
