#include "app/cli/control_setter.h"

#include <cstdint>
#include <string>

#include "app/cli/script_error.h"
#include "app/cli/script_values.h"

namespace numora {
namespace {

// -1 selects nothing; anything past the items is a mistake in the script.
int parseItemIndex(std::string_view value, std::size_t items) {
  return static_cast<int>(parseIntegerValue(value, -1, static_cast<std::int64_t>(items) - 1));
}

}  // namespace

SetOutcome setControl(Control& control, std::string_view value) {
  if (auto* c = dynamic_cast<UpDown*>(&control)) {
    c->setPosition(static_cast<int>(parseIntegerValue(value, INT32_MIN, INT32_MAX)));
  } else if (auto* c = dynamic_cast<CheckBox*>(&control)) {
    c->setChecked(parseFlagValue(value));
  } else if (auto* c = dynamic_cast<DatePicker*>(&control)) {
    if (!c->setDate(parseDateValue(value))) return SetOutcome::Refused;
  } else if (auto* c = dynamic_cast<ComboBox*>(&control)) {
    c->setItemIndex(parseItemIndex(value, c->items().size()));
  } else if (auto* c = dynamic_cast<RadioGroup*>(&control)) {
    c->setItemIndex(parseItemIndex(value, c->items().size()));
  } else if (auto* c = dynamic_cast<PageControl*>(&control)) {
    c->setActivePage(static_cast<int>(parseIntegerValue(value, 0, c->pages().size() - 1)));
  } else if (auto* c = dynamic_cast<Edit*>(&control)) {
    c->setText(std::string(value));
  } else if (dynamic_cast<ListBox*>(&control)) {
    throw ScriptError(control.name() + " is a list: use add, clear or select");
  } else {
    throw ScriptError(control.name() + " cannot be set");
  }
  return SetOutcome::Done;
}

}  // namespace numora
