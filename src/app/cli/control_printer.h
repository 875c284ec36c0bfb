// What "print" shows of a control, worked out from its kind alone, so every control that a
// feature adds to the form's registry can be printed without a change here.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "form/controls.h"

namespace numora {

// The lines of "print NAME": one "NAME: VALUE" line, or for lists and the status bar
// "NAME.count: N" followed by "NAME[i]: VALUE" per line or panel; a memo its length; a chart
// its series and axes (chart_printer.h).
void printControl(std::ostream& out, const Control& control);

// The value of "NAME.PROPERTY"; nothing when the control has no such property.
std::optional<std::string> controlProperty(const Control& control, std::string_view property);

// The value of "NAME[i]": a line of a list box or a status panel. Throws ScriptError when the
// control has no items or the index is out of range.
std::string controlItem(const Control& control, std::size_t index);

}  // namespace numora
