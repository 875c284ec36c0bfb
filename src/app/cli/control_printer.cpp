#include "app/cli/control_printer.h"

#include <functional>
#include <vector>

#include "app/cli/chart_printer.h"
#include "app/cli/script_error.h"
#include "app/cli/script_values.h"
#include "app/cli/text_escape.h"

namespace numora {
namespace {

using Value = std::optional<std::string>;

template <typename Kind, typename Read>
Value ifKind(const Control& control, Read read) {
  if (const auto* typed = dynamic_cast<const Kind*>(&control)) return read(*typed);
  return std::nullopt;
}

bool isMemo(const Control& control) {
  return dynamic_cast<const Memo*>(&control) != nullptr;
}

struct Property {
  std::string_view name;
  std::function<Value(const Control&)> read;
};

const std::vector<Property>& properties() {
  static const std::vector<Property> table = {
      {"caption", [](const Control& c) -> Value { return escapeText(c.caption()); }},
      {"hint", [](const Control& c) -> Value { return escapeText(c.hint()); }},
      {"visible", [](const Control& c) -> Value { return formatFlag(c.visible()); }},
      {"enabled", [](const Control& c) -> Value { return formatFlag(c.enabled()); }},
      {"position",
       [](const Control& c) {
         return ifKind<UpDown>(c, [](const UpDown& u) { return std::to_string(u.position()); });
       }},
      {"min",
       [](const Control& c) -> Value {
         if (auto v = ifKind<UpDown>(c, [](const UpDown& u) { return std::to_string(u.min()); })) {
           return v;
         }
         return ifKind<DatePicker>(c, [](const DatePicker& d) { return formatDate(d.minDate()); });
       }},
      {"max",
       [](const Control& c) {
         return ifKind<UpDown>(c, [](const UpDown& u) { return std::to_string(u.max()); });
       }},
      {"checked",
       [](const Control& c) {
         return ifKind<CheckBox>(c, [](const CheckBox& b) { return formatFlag(b.checked()); });
       }},
      {"date",
       [](const Control& c) {
         return ifKind<DatePicker>(c, [](const DatePicker& d) { return formatDate(d.date()); });
       }},
      {"text",
       [](const Control& c) -> Value {
         if (auto v = ifKind<Edit>(c, [](const Edit& e) { return escapeText(e.text()); })) return v;
         return ifKind<ComboBox>(c, [](const ComboBox& b) { return escapeText(b.text()); });
       }},
      {"length",
       [](const Control& c) {
         return ifKind<Edit>(c, [](const Edit& e) { return std::to_string(e.text().size()); });
       }},
      {"count",
       [](const Control& c) -> Value {
         if (auto v =
                 ifKind<ListBox>(c, [](const ListBox& l) { return std::to_string(l.count()); })) {
           return v;
         }
         if (auto v = ifKind<ComboBox>(
                 c, [](const ComboBox& b) { return std::to_string(b.items().size()); })) {
           return v;
         }
         if (auto v = ifKind<RadioGroup>(
                 c, [](const RadioGroup& g) { return std::to_string(g.items().size()); })) {
           return v;
         }
         if (auto v = ifKind<PageControl>(
                 c, [](const PageControl& p) { return std::to_string(p.pages().size()); })) {
           return v;
         }
         return ifKind<StatusBar>(
             c, [](const StatusBar&) { return std::to_string(StatusBar::kPanels); });
       }},
      {"index",
       [](const Control& c) -> Value {
         if (auto v = ifKind<ListBox>(
                 c, [](const ListBox& l) { return std::to_string(l.itemIndex()); })) {
           return v;
         }
         if (auto v = ifKind<ComboBox>(
                 c, [](const ComboBox& b) { return std::to_string(b.itemIndex()); })) {
           return v;
         }
         if (auto v = ifKind<RadioGroup>(
                 c, [](const RadioGroup& g) { return std::to_string(g.itemIndex()); })) {
           return v;
         }
         return ifKind<PageControl>(
             c, [](const PageControl& p) { return std::to_string(p.activePage()); });
       }},
  };
  return table;
}

void printLine(std::ostream& out, std::string_view name, std::string_view value) {
  out << name << ": " << value << '\n';
}

// Lists and the status bar print their count, then one line per item.
bool printItems(std::ostream& out, const Control& control) {
  std::size_t count = 0;
  if (const auto* list = dynamic_cast<const ListBox*>(&control)) {
    count = list->count();
  } else if (dynamic_cast<const StatusBar*>(&control)) {
    count = StatusBar::kPanels;
  } else {
    return false;
  }
  printLine(out, control.name() + ".count", std::to_string(count));
  for (std::size_t i = 0; i < count; ++i) {
    printLine(out, control.name() + "[" + std::to_string(i) + "]", controlItem(control, i));
  }
  return true;
}

// The one value that a control shows.
std::string controlValue(const Control& control) {
  if (const auto* c = dynamic_cast<const UpDown*>(&control)) return std::to_string(c->position());
  if (const auto* c = dynamic_cast<const CheckBox*>(&control)) return formatFlag(c->checked());
  if (const auto* c = dynamic_cast<const Edit*>(&control)) return escapeText(c->text());
  if (const auto* c = dynamic_cast<const ComboBox*>(&control)) {
    return std::to_string(c->itemIndex());
  }
  if (const auto* c = dynamic_cast<const RadioGroup*>(&control)) {
    return std::to_string(c->itemIndex());
  }
  if (const auto* c = dynamic_cast<const DatePicker*>(&control)) return formatDate(c->date());
  if (const auto* c = dynamic_cast<const ProgressBar*>(&control)) {
    return std::to_string(c->position()) + "/" + std::to_string(c->maximum()) + " " +
           escapeText(c->caption());
  }
  if (const auto* c = dynamic_cast<const PageControl*>(&control)) {
    return std::to_string(c->activePage());
  }
  return escapeText(control.caption());
}

}  // namespace

void printControl(std::ostream& out, const Control& control) {
  if (printItems(out, control)) return;
  if (const auto* chart = dynamic_cast<const Chart*>(&control)) {
    printChart(out, *chart);
    return;
  }
  // A memo's text runs over many lines; scripts check its length and read the text on request.
  if (isMemo(control)) {
    printLine(out, control.name() + ".length", *controlProperty(control, "length"));
    return;
  }
  printLine(out, control.name(), controlValue(control));
}

std::optional<std::string> controlProperty(const Control& control, std::string_view property) {
  if (const auto* chart = dynamic_cast<const Chart*>(&control)) {
    if (auto value = chartProperty(*chart, property)) return value;
  }
  for (const auto& entry : properties()) {
    if (entry.name == property) return entry.read(control);
  }
  return std::nullopt;
}

std::string controlItem(const Control& control, std::size_t index) {
  if (const auto* list = dynamic_cast<const ListBox*>(&control)) {
    if (index >= list->count()) {
      throw ScriptError(control.name() + " has no line " + std::to_string(index));
    }
    return escapeText(list->line(index));
  }
  if (const auto* bar = dynamic_cast<const StatusBar*>(&control)) {
    if (index >= StatusBar::kPanels) {
      throw ScriptError(control.name() + " has no panel " + std::to_string(index));
    }
    return escapeText(bar->panel(index));
  }
  throw ScriptError(control.name() + " has no items");
}

}  // namespace numora
