// What "print Chart1..." shows of a bar chart, in the order the statistics fill it:
//   Chart1.Series1.active: 0|1
//   Chart1.Series2.active: 0|1
//   Chart1.Series2.count: N
//   Chart1.Series2[i]: X Y COLOUR     (COLOUR #rrggbb, or "series" for the series' own colour)
//   Chart1.LeftAxis: MIN MAX | auto
//   Chart1.BottomAxis.Title: TEXT
// Series1 is never filled, so only its state is shown. Each line is also a property of its own
// ("print Chart1.Series2[3]", "print Chart1.LeftAxis"), and so is Series1.count.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "form/controls.h"

namespace numora {

void printChart(std::ostream& out, const Chart& chart);

// Nothing when the chart has no such property.
std::optional<std::string> chartProperty(const Chart& chart, std::string_view property);

// A value as a chart shows it: an integer when whole, else the shortest exact decimal.
std::string formatChartValue(double value);

}  // namespace numora
