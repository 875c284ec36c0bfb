// A second form model that holds what the first one holds: every control's value and every
// field. A sweep runs each of its back-tests on such a copy, so settings run side by side
// without sharing anything a run changes.
#pragma once

#include <functional>

#include "form/form.h"

namespace numora {

// Copies every control's value (positions and limits, ticks, texts, items chosen, list lines,
// dates), every control's caption and enabled state, and every field of `from` into `to`; the
// hints, the visibility and the charts stay.
void copyFormState(const Form& from, Form& to);
// The same, leaving the controls of `to` that `keep` names as they are.
void copyFormState(const Form& from, Form& to, const std::function<bool(const Control&)>& keep);

}  // namespace numora
