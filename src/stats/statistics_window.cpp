#include "stats/statistics_window.h"

#include <filesystem>

#include "draws/lottery.h"

namespace numora {
namespace {
constexpr DayCount kFallbackDays = 365;
}

std::optional<StatisticsWindow> openStatisticsWindow(DrawContext context, bool includesStart) {
  Form& form = context.form;
  const auto path = currentDrawFile(context);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    context.platform.showMessage(kNoDrawFileMessage);
    return std::nullopt;
  }
  const DayCount end = form.DateTimePicker1.date();
  if (end < form.DateTimePicker2.date()) {
    // A year back, but never before the first date the picker takes.
    if (!form.DateTimePicker2.setDate(end - kFallbackDays)) {
      (void)form.DateTimePicker2.setDate(form.DateTimePicker2.minDate());
    }
  }
  StatisticsWindow window;
  window.start = form.DateTimePicker2.date();
  window.end = end;
  window.includesStart = includesStart;
  form.aktDatum = window.start;
  window.history = context.reader.load(path);
  // Damaged records and earlier dates appended after newer draws are no draws of the window:
  // the statistics see the records the draw steps walk.
  const auto walk =
      context.reader.walk(window.history, lottery(form.lotteryIndex()), context.platform.today());
  if (walk->indices.size() != window.history->records.size()) {
    auto walked = std::make_shared<DrawHistory>();
    walked->records.reserve(walk->indices.size());
    for (const std::size_t i : walk->indices) walked->records.push_back(window.history->records[i]);
    window.history = std::move(walked);
  }
  return window;
}

}  // namespace numora
