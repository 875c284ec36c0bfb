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
    // A NaN date or one going back makes the file unordered: then every draw is looked at.
    if (i > 0 && !(records[i].date >= records[i - 1].date)) ascending_ = false;
    if (records[i].date != records[i].date) ascending_ = false;
  }
}

int DrawHistorySets::hitsOf(std::size_t index, const NumberSet& tip,
                            std::span<const int> tipNumbers) const {
  if (!repeats_[index]) return sets_[index].common(tip);
  int hits = 0;
  for (const int number : tipNumbers) {
    for (const auto drawn : history_->records[index].numbers) hits += drawn == number;
  }
  return hits;
}

DrawHistorySets::Scan DrawHistorySets::scan(std::span<const int> tipNumbers, DayCount start,
                                            DayCount end, int threshold) const {
  Scan result;
  if (!history_) return result;
  NumberSet tip;
  for (const int number : tipNumbers) tip.add(number);

  std::size_t first = 0;
  std::size_t last = dates_.size();
  if (ascending_) {
    first = static_cast<std::size_t>(std::upper_bound(dates_.begin(), dates_.end(), start) -
                                     dates_.begin());
    last = static_cast<std::size_t>(std::upper_bound(dates_.begin(), dates_.end(), end) -
                                    dates_.begin());
  }
  for (std::size_t i = first; i < last; ++i) {
    if (!ascending_ && !(dates_[i] > start && dates_[i] <= end)) continue;
    const int hits = hitsOf(i, tip, tipNumbers);
    result.draw = i;
    result.hits = hits;
    if (hits >= threshold) {
      result.passed = false;
      return result;
    }
  }
  return result;
}

}  // namespace numora
