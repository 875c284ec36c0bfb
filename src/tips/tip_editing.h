// Editing the selected tip with the number-choice dialog.
#pragma once

#include "form/form.h"
#include "form/number_choice_dialog.h"
#include "form/platform.h"

namespace numora {

void editSelectedTip(Form& form, Platform& platform, NumberChoiceDialog& dialog);

}  // namespace numora
