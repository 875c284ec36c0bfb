// The last back-test's report inside the window: a heading (the test, the lottery, the dates
// and the counts of cycles and comparisons) over the report's lines as Analyse.txt holds them,
// with "Open in editor" and "Save as…" beside it.
#pragma once

#include <string>
#include <vector>

#include "backtest/backtest_totals.h"
#include "common/day_date.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

// The test's name as the window shows it: "Tip success test (one calculation)".
const char* backtestName(BacktestKind kind);

// "Recurrence test (next draw) · Daily Keno · 05.05.2023 to 10.12.2026 · 1,234 cycles ·
// 1,234 comparisons"
std::string reportHeading(const BacktestTotals& totals, int lotteryIndex, DayCount from,
                          DayCount to);

// Fills ReportTitle and ReportMemo from the test's totals and the report it wrote (Memo1), and
// shows the report window.
void showBacktestReport(Form& form, const BacktestTotals& totals, int lotteryIndex, DayCount from,
                        DayCount to);

// The heading and the report's lines; nothing before the first test.
std::vector<std::string> reportLines(const Form& form);

// "Open in editor": hands Analyse.txt to the desktop's viewer.
void openReportInEditor(const Form& form, Platform& platform);
// "Save as…": writes the report, byte for byte as Analyse.txt holds it, to a file the user
// picks.
void saveReportAs(const Form& form, Platform& platform);

}  // namespace numora
