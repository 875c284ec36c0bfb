#include "generator/draw_history_sets.h"

#include <algorithm>

namespace numora {

DrawHistorySets::DrawHistorySets(std::shared_ptr<const DrawHistory> history, const DrawWalk& walk)
    : history_(std::move(history)), records_(walk.indices) {
  const auto& records = history_->records;
  sets_.reserve(records_.size());
  dates_.reserve(records_.size());
  repeats_.reserve(records_.size());
  for (const std::size_t index : records_) {
    NumberSet set;
    int inRange = 0;
    for (const auto number : records[index].numbers) {
      if (number >= 1 && number <= NumberSet::kHighest) ++inRange;
      set.add(number);
    }
    repeats_.push_back(set.size() != inRange);
    if (repeats_.back()) repeating_.push_back(sets_.size());
    sets_.push_back(set);
    dates_.push_back(records[index].date);
  }
}

int DrawHistorySets::hitsOf(std::size_t draw, const NumberSet& tip,
                            std::span<const int> tipNumbers) const {
  if (!repeats_[draw]) return sets_[draw].common(tip);
  // Number by number, as the tip matching compares: a number held twice is two hits.
  int hits = 0;
  for (const int number : tipNumbers) {
    for (const auto drawn : history_->records[records_[draw]].numbers) hits += drawn == number;
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
    int threshold) const {
  Scan result;
  for (std::size_t i = first; i < last; ++i) {
    const int hits = repeats_[i] ? hitsOf(i, tip, tipNumbers) : sets_[i].common(tip);
    result.draw = records_[i];
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
      if (hits >= threshold) return Scan{false, records_[*it], hits};
    }
    return Scan{true, records_[last - 1], hitsOf(last - 1, tip, tipNumbers)};
  }
  return scanRange(first, last, tip, tipNumbers, threshold);
}

}  // namespace numora
