#include "app/cli/number_choice_printer.h"

#include <functional>
#include <vector>

#include "app/cli/script_error.h"
#include "app/cli/script_values.h"
#include "app/cli/text_escape.h"

namespace numora {
namespace {

struct Property {
  std::string name;
  std::function<std::string(const TForm6&)> read;
};

std::vector<Property> makeProperties() {
  std::vector<Property> table = {
      {"caption", [](const TForm6& d) { return escapeText(d.caption()); }},
      {"maxtipp", [](const TForm6& d) { return std::to_string(d.tipLimit); }},
      {"Losgeht", [](const TForm6& d) { return std::to_string(d.nextPickSlot); }},
      {"timer", [](const TForm6& d) { return formatFlag(d.timerEnabled()); }},
      {"DateTimePicker1", [](const TForm6& d) { return formatDate(d.DateTimePicker1Date); }},
      {"DateTimePicker1.visible",
       [](const TForm6& d) { return formatFlag(d.DateTimePicker1Visible); }},
      {"Midday", [](const TForm6& d) { return formatFlag(d.Midday); }},
      {"Midday.visible", [](const TForm6& d) { return formatFlag(d.MiddayVisible); }},
      {"SpeedButton1.visible", [](const TForm6& d) { return formatFlag(d.valueListsVisible); }},
  };
  const std::pair<const char*, DialogButton TForm6::*> buttons[] = {{"BitBtn1", &TForm6::BitBtn1},
                                                                    {"BitBtn2", &TForm6::BitBtn2},
                                                                    {"BitBtn3", &TForm6::BitBtn3},
                                                                    {"BitBtn4", &TForm6::BitBtn4}};
  for (const auto& entry : buttons) {
    // Named copies: clang 14, which clang-tidy runs on, cannot capture a structured binding.
    const char* name = entry.first;
    DialogButton TForm6::*button = entry.second;
    auto caption = [button](const TForm6& d) { return escapeText((d.*button).caption); };
    table.push_back({name, caption});
    table.push_back({std::string(name) + ".caption", caption});
    table.push_back({std::string(name) + ".visible",
                     [button](const TForm6& d) { return formatFlag((d.*button).visible); }});
  }
  return table;
}

const std::vector<Property>& properties() {
  static const std::vector<Property> table = makeProperties();
  return table;
}

}  // namespace

void printNumberChoice(std::ostream& out, const TForm6& dialog) {
  for (int n = 1; n <= NumberChoiceDialog::kNumbers; ++n) {
    out << kNumberChoiceName << '[' << n << "]: " << numberChoiceBox(dialog, n) << '\n';
  }
  out << kNumberChoiceName << ".caption: " << escapeText(dialog.caption()) << '\n';
}

std::optional<std::string> numberChoiceProperty(const TForm6& dialog, std::string_view property) {
  for (const auto& entry : properties()) {
    if (entry.name == property) return entry.read(dialog);
  }
  return std::nullopt;
}

std::string numberChoiceBox(const TForm6& dialog, std::size_t number) {
  if (number < 1 || number > NumberChoiceDialog::kNumbers) {
    throw ScriptError(std::string(kNumberChoiceName) + " has no box " + std::to_string(number));
  }
  const NumberBox& box = dialog.box(static_cast<int>(number));
  return formatFlag(box.checked) + " " + escapeText(box.weight);
}

}  // namespace numora
