// The "Sweep" part of the "Database" tab as data: its option rows read into a grid, its result
// shown in the list and the verdict panel, a setting copied into the options, the CSV file.
#pragma once

#include <string>
#include <vector>

#include "backtest/sweep_run.h"
#include "form/form.h"

namespace numora {

// The option rows that are filled, checked against the form; throws SweepGridError.
std::vector<SweepOption> readSweepOptions(const Form& form);

// Sets the option row of the control (or the first empty row) to "NAME VALUES"; empty values
// empty that row. Throws SweepGridError when the values do not read or every row is taken.
void setSweepRow(Form& form, const std::string& control, const std::string& values);

// The finished settings into the result list (best return first) and the verdict panel.
void showSweepResult(Form& form, const SweepResult& result);

// "Sweep: 3 of 24 settings, about 12 s left".
std::string sweepProgressText(const SweepProgress& progress);

// The result table as CSV: a column per option, then the figures of each setting.
std::string sweepCsv(const SweepResult& result);

}  // namespace numora
