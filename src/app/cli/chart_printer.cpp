#include "app/cli/chart_printer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/cli/script_error.h"
#include "app/cli/script_values.h"
#include "app/cli/text_escape.h"

namespace numora {
namespace {

std::string formatColour(const std::optional<std::uint32_t>& colour) {
  if (!colour) return "series";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(*colour & 0xFFFFFFu));
  return buffer;
}

std::string formatBar(const ChartBar& bar) {
  return formatChartValue(bar.x) + " " + formatChartValue(bar.y) + " " + formatColour(bar.colour);
}

std::string formatAxis(const Chart::Axis& axis) {
  if (axis.automatic) return "auto";
  return formatChartValue(axis.min) + " " + formatChartValue(axis.max);
}

// "Series2[12]" -> 2 and 12; nothing for any other text.
std::optional<std::pair<int, std::size_t>> barReference(std::string_view property) {
  if (property.size() < 10 || !property.starts_with("Series") || property[7] != '[' ||
      property.back() != ']') {
    return std::nullopt;
  }
  const char series = property[6];
  if (series != '1' && series != '2') return std::nullopt;
  const std::string_view digits = property.substr(8, property.size() - 9);
  std::size_t index = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return std::pair{series - '0', index};
}

}  // namespace

std::string formatChartValue(double value) {
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<long long>(value));
  }
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

void printChart(std::ostream& out, const Chart& chart) {
  const std::string& name = chart.name();
  out << name << ".Series1.active: " << formatFlag(chart.series(1).active) << '\n';
  out << name << ".Series2.active: " << formatFlag(chart.series(2).active) << '\n';
  const auto& bars = chart.series(2).bars;
  out << name << ".Series2.count: " << bars.size() << '\n';
  for (std::size_t i = 0; i < bars.size(); ++i) {
    out << name << ".Series2[" << i << "]: " << formatBar(bars[i]) << '\n';
  }
  out << name << ".LeftAxis: " << formatAxis(chart.leftAxis()) << '\n';
  out << name << ".BottomAxis.Title: " << escapeText(chart.bottomTitle()) << '\n';
  // Shown only while the chart has one, so the usual listing stays as it was.
  if (!chart.hint().empty()) out << name << ".Hint: " << escapeText(chart.hint()) << '\n';
}

std::optional<std::string> chartProperty(const Chart& chart, std::string_view property) {
  for (int number = 1; number <= 2; ++number) {
    const std::string series = "Series" + std::to_string(number);
    if (property == series + ".active") return formatFlag(chart.series(number).active);
    if (property == series + ".count") return std::to_string(chart.series(number).bars.size());
  }
  if (property == "LeftAxis") return formatAxis(chart.leftAxis());
  if (property == "BottomAxis.Title") return escapeText(chart.bottomTitle());
  if (property == "LeftAxis.Title") return escapeText(chart.leftTitle());
  if (property == "Hint") return escapeText(chart.hint());
  if (const auto bar = barReference(property)) {
    const auto& bars = chart.series(bar->first).bars;
    if (bar->second >= bars.size()) {
      throw ScriptError(chart.name() + ".Series" + std::to_string(bar->first) + " has no bar " +
                        std::to_string(bar->second));
    }
    return formatBar(bars[bar->second]);
  }
  return std::nullopt;
}

}  // namespace numora
