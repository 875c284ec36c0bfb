// "set NAME VALUE" on a control, as a user would change it: an up-down takes a position (and
// clamps it), a check box 1 or 0, a date picker a date (and may refuse it), a combo box, radio
// group or page control an item index, an edit its text. Running the control's change handler
// is left to the caller.
#pragma once

#include <string_view>

#include "form/controls.h"

namespace numora {

enum class SetOutcome { Done, Refused };

// Throws ScriptError for a control that scripts cannot set and for a malformed value.
SetOutcome setControl(Control& control, std::string_view value);

}  // namespace numora
