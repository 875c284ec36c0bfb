// The evaluation report: the tips per hit count of the last full check, priced with the prize
// table of the lottery and numbers per tip, times the stake per tip, in a message box.
#pragma once

#include <string>

#include "form/form.h"
#include "form/platform.h"

namespace numora {

// The stake per tip of the cost-per-tip choice (1, 2, 5 or 10).
int stakePerTip(const Form& form);

// The report's text for the hit list and the stake per tip; the counts and prizes stay values.
PatternText evaluationReport(const Form& form, int stakePerTip);

void showEvaluationReport(Form& form, Platform& platform);

}  // namespace numora
