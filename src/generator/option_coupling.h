// Couplings between generator options that the up-down arrows keep: the minimum of matches
// with other tips never above the maximum, the even and odd minimums together at most six, and
// the run budget following its up-down. They react to the arrows only, never to typed values.
#pragma once

namespace numora {

struct Form;

// The even and odd minimums together may ask for at most this many numbers.
constexpr int kEvenOddLimit = 6;

// Before the maximum of matches steps: the minimum may not rise above the maximum shown now,
// and the maximum may not step below the minimum.
void coupleMatchesBeforeMaximumSteps(Form& form);
// After the minimum of matches stepped: the maximum may not fall below it.
void floorMaximumMatchesAtMinimum(Form& form);
// The even minimum may not exceed what the odd minimum leaves of the six.
void capEvenByOdd(Form& form);
// The odd minimum may not exceed what the even minimum leaves of the six.
void capOddByEven(Form& form);
// The run budget per tip, in candidates, from the budget up-down's current position.
void applyRunBudget(Form& form);

}  // namespace numora
