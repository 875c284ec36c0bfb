// The draw history of a calculation as number sets, built once when the calculation starts, so
// the two database filters test a candidate with one popcount per draw instead of reading the
// draw file and parsing a tip text for every draw. They count hits as the tip matching does.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "draws/damaged_records.h"
#include "draws/draw_file.h"
#include "evaluation/number_set.h"

namespace numora {

class DrawHistorySets {
 public:
  DrawHistorySets() = default;
  // Only the records the walk steps on (damaged_records.h): the filters read the same history
  // as the statistics and the back-tests, so a damaged record (a repeat out of order, a date
  // after today) rejects no candidate.
  DrawHistorySets(std::shared_ptr<const DrawHistory> history, const DrawWalk& walk);

  struct Scan {
    bool passed = true;  // no draw of the window reached the threshold
    // The record scored last (its index in the history): the rejecting one or the window's last.
    std::optional<std::size_t> draw;
    int hits = 0;  // its hits
  };

  // Walks the draws after start and not after end in file order and scores the tip numbers on
  // each, as the tip matching does (a number a draw holds twice is two hits); stops at the first
  // draw with at least threshold hits.
  Scan scan(std::span<const int> tipNumbers, DayCount start, DayCount end, int threshold) const;

  const DrawHistory* history() const { return history_.get(); }
  bool empty() const { return !history_; }

 private:
  // The walked draws are counted 0.. in file order; records_ maps them to the history's records.
  int hitsOf(std::size_t draw, const NumberSet& tip, std::span<const int> tipNumbers) const;
  Scan scanRange(std::size_t first, std::size_t last, const NumberSet& tip,
                 std::span<const int> tipNumbers, int threshold) const;

  std::shared_ptr<const DrawHistory> history_;
  std::vector<std::size_t> records_;
  std::vector<NumberSet> sets_;
  std::vector<DayCount> dates_;         // never going back, so a window is found by bisection
  std::vector<bool> repeats_;           // the draw holds some number 1..70 twice
  std::vector<std::size_t> repeating_;  // those draws, in file order
};

}  // namespace numora
