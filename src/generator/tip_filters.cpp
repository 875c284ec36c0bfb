#include "generator/tip_filters.h"

#include <algorithm>

#include "common/translatable.h"
#include "generator/band_bounds.h"
#include "stats/statistics_chart.h"

namespace numora {
namespace {

constexpr DayCount kFallbackDays = 365;

constexpr const char* kFilterNames[kFilterCount] = {
    NUMORA_TRANSLATABLE("Numora", "matches with other tips"),
    NUMORA_TRANSLATABLE("Numora", "consecutive pair required"),
    NUMORA_TRANSLATABLE("Numora", "no runs of three"),
    NUMORA_TRANSLATABLE("Numora", "cross-sum bounds"),
    NUMORA_TRANSLATABLE("Numora", "hits with the last draw"),
    NUMORA_TRANSLATABLE("Numora", "hits with the second-last draw"),
    NUMORA_TRANSLATABLE("Numora", "hits with the third-last draw"),
    NUMORA_TRANSLATABLE("Numora", "hits in the database"),
    NUMORA_TRANSLATABLE("Numora", "hits in the last draws"),
    NUMORA_TRANSLATABLE("Numora", "even numbers"),
    NUMORA_TRANSLATABLE("Numora", "odd numbers"),
    NUMORA_TRANSLATABLE("Numora", "prime numbers"),
};

bool hasConsecutivePair(const Candidate& candidate) {
  for (int i = 1; i < candidate.size; ++i) {
    if (candidate.tipp[static_cast<std::size_t>(i + 1)] ==
        candidate.tipp[static_cast<std::size_t>(i)] + 1)
      return true;
  }
  return false;
}

bool hasRunOfThree(const Candidate& candidate) {
  for (int i = 1; i + 2 <= candidate.size; ++i) {
    const int n = candidate.tipp[static_cast<std::size_t>(i)];
    if (candidate.tipp[static_cast<std::size_t>(i + 1)] == n + 1 &&
        candidate.tipp[static_cast<std::size_t>(i + 2)] == n + 2)
      return true;
  }
  return false;
}

int hitsWith(const Candidate& candidate, const std::array<int, 71>& drawCounts) {
  int hits = 0;
  for (const int number : candidate.numbers()) hits += drawCounts[static_cast<std::size_t>(number)];
  return hits;
}

bool outsideRange(int hits, const GeneratorOptions::DrawRange& range) {
  return range.on && (hits > range.max || hits < range.min);
}

int countWhere(const Candidate& candidate, bool even) {
  return static_cast<int>(std::count_if(candidate.numbers().begin(), candidate.numbers().end(),
                                        [even](int n) { return (n % 2 == 0) == even; }));
}

}  // namespace

const char* filterName(int filter) {
  return filter >= 1 && filter <= kFilterCount ? kFilterNames[filter - 1] : "";
}

LastDrawCounts countLastDraws(const std::array<std::array<int, 20>, 3>& lastDraws) {
  LastDrawCounts counts{};
  for (std::size_t d = 0; d < lastDraws.size(); ++d) {
    for (const int number : lastDraws[d]) {
      if (number >= 1 && number <= 70) ++counts[d][static_cast<std::size_t>(number)];
    }
  }
  return counts;
}

int primzahlen(const Candidate& candidate, int numbersPerTip) {
  const int compared = std::clamp(numbersPerTip, 0, Candidate::kMaxSize);
  int primes = 0;
  for (int i = 1; i <= compared; ++i) {
    const int number = candidate.tipp[static_cast<std::size_t>(i)];
    primes += number != 0 && isPrimeColoured(number);
  }
  return primes;
}

TipFilters::TipFilters(Form& form, const ComparisonTable& table, const LastDrawCounts& lastDraws,
                       const DrawHistorySets& history)
    : form_(form), table_(table), lastDraws_(lastDraws), history_(history) {}

bool TipFilters::failsMatches(const Candidate& candidate, int tipNumber,
                              const GeneratorOptions& options) const {
  int highest = 0;
  int lowest = candidate.size;
  bool outsideForEvery = false;
  for (int row = 1; row < tipNumber; ++row) {
    const int shared = table_.common(row, candidate);
    highest = std::max(highest, shared);
    lowest = std::min(lowest, shared);
    if (shared > options.maxMatches || shared < options.minMatches) outsideForEvery = true;
  }
  return (options.maxMatchesOn && highest > options.maxMatches) ||
         (options.minMatchesOn && lowest < options.minMatches) ||
         (options.boundsForEveryTip && outsideForEvery);
}

int TipFilters::firstFailing(const Candidate& candidate, int tipNumber) {
  const GeneratorOptions options = readGeneratorOptions(form_);
  if (tipNumber > 1 && failsMatches(candidate, tipNumber, options)) return kMatchesFilter;
  if (options.consecutivePairRequired && !hasConsecutivePair(candidate))
    return kConsecutivePairFilter;
  if (options.noRunsOfThree && hasRunOfThree(candidate)) return kNoRunsOfThreeFilter;
  if (candidate.crossSum < options.crossSumMin || candidate.crossSum > options.crossSumMax)
    return kCrossSumFilter;
  for (int d = 0; d < 3; ++d) {
    const auto index = static_cast<std::size_t>(d);
    if (outsideRange(hitsWith(candidate, lastDraws_[index]), options.lastDrawRange[index]))
      return kLastDrawFilter + d;
  }
  if (options.historyFilterOn && !Secheroderfuenfer(candidate, options.historyHits))
    return kHistoryFilter;
  if (options.recentFilterOn && !Dreiodervier(candidate, options.recentHits, options.recentDraws))
    return kRecentDrawsFilter;
  if (options.evenOn && countWhere(candidate, true) < options.minEven) return kEvenFilter;
  if (options.oddOn && countWhere(candidate, false) < options.minOdd) return kOddFilter;
  if (options.primesOn && primzahlen(candidate, form_.numbersPerTip()) < options.minPrimes)
    return kPrimesFilter;
  return 0;
}

bool TipFilters::passesScan(const Candidate& candidate, DayCount start, int threshold) {
  // Only the numbers the tip matching compares count: at most numbers-per-tip as it is now.
  const auto compared =
      static_cast<std::size_t>(std::clamp(form_.numbersPerTip(), 0, candidate.size));
  const auto scan = history_.scan(candidate.numbers().first(compared), start,
                                  form_.DateTimePicker1.date(), threshold);
  // The scored draw is left in the current-draw fields, as scoring it there would leave it.
  if (scan.draw) {
    const DrawRecord& record = history_.history()->records[*scan.draw];
    form_.Datum1 = record.date;
    for (std::size_t i = 0; i < DrawRecord::kNumbers; ++i) form_.Zahl[i + 1] = record.numbers[i];
    form_.Gewinn = static_cast<std::uint8_t>(scan.hits);
  }
  return scan.passed;
}

bool TipFilters::Secheroderfuenfer(const Candidate& candidate, int threshold) {
  const DayCount picked = form_.DateTimePicker1.date();
  if (picked < form_.DateTimePicker2.date()) {
    // A year back, but never before the first date the picker takes.
    if (!form_.DateTimePicker2.setDate(picked - kFallbackDays)) {
      (void)form_.DateTimePicker2.setDate(form_.DateTimePicker2.minDate());
    }
  }
  // The filter leaves the statistics chart empty and untitled: emptied once, at the first
  // candidate, and only when it is not, so the window does not redraw the chart for every
  // candidate.
  if (!statisticsChartEmptied_) {
    Chart& chart = form_.Chart1;
    if (!chart.series(2).active || chart.series(1).active || !chart.series(2).bars.empty() ||
        !chart.bottomTitle().empty()) {
      startStatisticsChart(chart);
      // No title of the statistic before stays over the empty chart.
      chart.setBottomTitle("");
    }
    statisticsChartEmptied_ = true;
  }
  return passesScan(candidate, form_.DateTimePicker2.date(), threshold);
}

bool TipFilters::Dreiodervier(const Candidate& candidate, int threshold, int recentDraws) {
  // The recent draws as whole weeks of six draws, an exact half week to the even number.
  const auto weeks = roundRatio(recentDraws, 6);
  const DayCount start = form_.DateTimePicker1.date() - 7 * static_cast<DayCount>(weeks);
  return passesScan(candidate, start, threshold);
}

}  // namespace numora
