// "answer choice RESULT [OP ...]": the reply to the next number-choice dialog. The line is
// checked when it is read, so a typing mistake stops the script there and not inside a handler
// much later; the steps run on TForm6 while the dialog is open.
//
//   RESULT  ok | abort | retry | cancel   (the button, or the close box, that ends the dialog)
//   +N      the user ticks box N (1..70); the weight rule applies
//   -N      the user unticks box N
//   N=W     box N gets the weight text W, verbatim (may be empty)
//   random  a click on the random button
//   tick    one step of the random pick's timer
//   date=dd.mm.yyyy   the draw-entry date field
//   midday=1|0        the draw-entry midday choice
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/number_choice_form.h"
#include "form/scripted_platform.h"

namespace numora {

// The result and the steps of the rest of the line after "choice"; throws ScriptError.
ScriptedPlatform::ChoiceAnswer parseChoiceAnswer(std::string_view text);

// Carries out one step that parseChoiceAnswer accepted.
void applyChoiceStep(TForm6& dialog, std::string_view step);

// The steps in their order, then the dialog closes, which ends a running random pick.
void applyChoiceSteps(TForm6& dialog, const std::vector<std::string>& steps);

}  // namespace numora
