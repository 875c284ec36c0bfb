// The numbers behind the statistics chart's axes: the value range shown for the model's left
// axis, a readable tick interval, and how many bars lie between two category labels.
#pragma once

#include "form/controls.h"

namespace numora {

struct ValueRange {
  double min = 0;
  double max = 0;
  bool operator==(const ValueRange&) const = default;
};

// The left axis as the model has it: its fixed range, or 0 to the largest bar of the active
// series.
ValueRange shownValueRange(const Chart& chart);

// At most ten steps over the span, each 1, 2 or 5 times a power of ten and never below 1: the
// values are counts.
double tickInterval(double span);

struct ValueAxisView {
  double min = 0;
  double max = 0;
  double interval = 1;
  bool operator==(const ValueAxisView&) const = default;
};

// The range the chart shows for the model's range: down to a tick at least half a step below
// its minimum (never below 0 for counts), so the smallest bar keeps a height, and half a step
// above the tick on or over its maximum, so the top label is not cut off. The model's range
// itself stays what the statistics made it.
ValueAxisView paddedValueAxis(ValueRange range);

// Every n-th bar carries a label (n = 1, 2, 5, 10, 20, 50, ...), the smallest n whose labels do
// not run into each other at the given bar width.
int labelStep(double pixelsPerBar, double labelWidth);

}  // namespace numora
