// The couplings lower or raise an up-down's limit; the up-down itself brings its position back
// into the new range, so the calculation never reads a value outside it.
#include "generator/option_coupling.h"

#include "form/form.h"
#include "generator/generator_options.h"

namespace numora {

void coupleMatchesBeforeMaximumSteps(Form& form) {
  form.UpDown1.setMax(form.UpDown3.position());
  // The maximum's lower limit is otherwise set only when the minimum's arrows are released; until
  // then (from the start on) the maximum's down arrow could pass below the minimum.
  form.UpDown3.setMin(form.UpDown1.position());
}

void floorMaximumMatchesAtMinimum(Form& form) {
  form.UpDown3.setMin(form.UpDown1.position());
}

void capEvenByOdd(Form& form) {
  form.UpDown16.setMax(kEvenOddLimit - form.UpDown17.position());
}

void capOddByEven(Form& form) {
  form.UpDown17.setMax(kEvenOddLimit - form.UpDown16.position());
}

void applyRunBudget(Form& form) {
  // The position after the change: the new budget applies from the next candidate on.
  form.LaufMax = runBudgetFromThousands(form.UpDown7.position());
}

}  // namespace numora
