#include "generator/draw_history_sets.h"

#include <algorithm>

namespace numora {

DrawHistorySets::DrawHistorySets(std::shared_ptr<const DrawHistory> history)
    : history_(std::move(history)) {
  const auto& records = history_->records;
  sets_.reserve(records.size());
  dates_.reserve(records.size());
  repeats_.reserve(records.size());
  int inRange = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    NumberSet set;
    inRange = 0;
    for (const auto number : records[i].numbers) {
      if (number >= 1 && number <= NumberSet::kHighest) ++inRange;
      set.add(number);
    }
    sets_.push_back(set);
    dates_.push_back(records[i].date);
    repeats_.push_back(set.size() != inRange);
    if (repeats_.back()) repeating_.push_back(i);
    // A NaN date or one going back makes the file unordered: then every draw is looked at.
    if (i > 0 && !(records[i].date >= records[i - 1].date)) ascending_ = false;
    if (records[i].date != records[i].date) ascending_ = false;
  }
}

int DrawHistorySets::hitsOf(std::size_t index, const NumberSet& tip,
                            std::span<const int> tipNumbers) const {
  if (!repeats_[index]) return sets_[index].common(tip);
  // Number by number, as the tip matching compares: a number held twice is two hits.
  int hits = 0;
  for (const int number : tipNumbers) {
    for (const auto drawn : history_->records[index].numbers) hits += drawn == number;
  }
  return hits;
}

// Compiled a second time for x86 processors with the popcount instruction, picked at start: the
// loop is the cost of the two database filters.
#if defined(__x86_64__) || defined(__i386__)
#define NUMORA_POPCOUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define NUMORA_POPCOUNT_CLONES
#endif
NUMORA_POPCOUNT_CLONES DrawHistorySets::Scan DrawHistorySets::scanRange(
    std::size_t first, std::size_t last, const NumberSet& tip, std::span<const int> tipNumbers,
    DayCount start, DayCount end, int threshold) const {
  Scan result;
  for (std::size_t i = first; i < last; ++i) {
    if (!ascending_ && !(dates_[i] > start && dates_[i] <= end)) continue;
    const int hits = repeats_[i] ? hitsOf(i, tip, tipNumbers) : sets_[i].common(tip);
    result.draw = i;
    result.hits = hits;
    if (hits >= threshold) {
      result.passed = false;
      return result;
    }
  }
  return result;
}

DrawHistorySets::Scan DrawHistorySets::scan(std::span<const int> tipNumbers, DayCount start,
                                            DayCount end, int threshold) const {
  Scan result;
  if (!history_) return result;
  NumberSet tip;
  for (const int number : tipNumbers) tip.add(number);
  if (!ascending_) return scanRange(0, dates_.size(), tip, tipNumbers, start, end, threshold);

  const auto first = static_cast<std::size_t>(
      std::upper_bound(dates_.begin(), dates_.end(), start) - dates_.begin());
  const auto last = static_cast<std::size_t>(std::upper_bound(dates_.begin(), dates_.end(), end) -
                                             dates_.begin());
  if (first >= last) return result;
  if (static_cast<int>(tipNumbers.size()) < threshold) {
    // A draw of distinct numbers cannot give more hits than the tip has numbers: only a draw
    // holding a number twice can reach the threshold. Otherwise the window's last draw is the
    // one scored last.
    const auto from = std::lower_bound(repeating_.begin(), repeating_.end(), first);
    for (auto it = from; it != repeating_.end() && *it < last; ++it) {
      const int hits = hitsOf(*it, tip, tipNumbers);
      if (hits >= threshold) return Scan{false, *it, hits};
    }
    return Scan{true, last - 1, hitsOf(last - 1, tip, tipNumbers)};
  }
  return scanRange(first, last, tip, tipNumbers, start, end, threshold);
}

}  // namespace numora
