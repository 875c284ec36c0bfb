// The statistics window: the draws from the start date on the "Chart" tab (DateTimePicker2) up
// to the picked date (DateTimePicker1), read in one pass over the draw history in memory.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "draws/current_draw.h"

namespace numora {

struct StatisticsWindow {
  // The walked records of the history (damaged records left out), in file order.
  std::shared_ptr<const DrawHistory> history;
  DayCount start = 0;
  DayCount end = 0;
  bool includesStart = false;

  bool contains(const DrawRecord& record) const {
    return (includesStart ? record.date >= start : record.date > start) && record.date <= end;
  }
};

// Sets up the window for a statistic: a start after the picked date falls back to one year
// before it (to the picker's lower limit when that is earlier), aktDatum takes the start. With
// no draw file the user is told to read the draws first and nothing is returned.
std::optional<StatisticsWindow> openStatisticsWindow(DrawContext context, bool includesStart);

}  // namespace numora
