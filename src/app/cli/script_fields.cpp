#include "app/cli/script_fields.h"

#include <charconv>
#include <cstdint>
#include <span>

#include "app/cli/script_error.h"
#include "app/cli/script_values.h"
#include "app/cli/text_escape.h"
#include "app/sweep_page.h"
#include "common/text.h"

namespace numora {
namespace {

std::string formatReal(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Zahl[1..20] as twenty integers separated by blanks, for scoring tips against a draw that is
// in no file.
void setNumbers(std::array<int, 21>& zahl, std::string_view text) {
  std::array<int, 21> numbers{};
  std::size_t count = 0;
  while (!text.empty()) {
    const auto blank = text.find(' ');
    const std::string_view item = text.substr(0, blank);
    if (!item.empty()) {
      if (++count > 20) throw ScriptError("expected 20 numbers");
      numbers[count] = static_cast<int>(parseIntegerValue(item, INT32_MIN, INT32_MAX));
    }
    text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
  }
  if (count != 20) throw ScriptError("expected 20 numbers, got " + std::to_string(count));
  zahl = numbers;
}

std::vector<ScriptField> makeFields() {
  auto integer = [](auto member) {
    return [member](const Form& form) { return std::to_string(form.*member); };
  };
  auto text = [](auto member) {
    return [member](const Form& form) { return escapeText(form.*member); };
  };
  auto date = [](auto member) {
    return [member](const Form& form) { return formatDate(form.*member); };
  };
  return {
      {"Datum1", date(&Form::Datum1), {}},
      {"Zahl", [](const Form& f) { return formatNumberList(std::span(f.Zahl).subspan(1)); },
       [](Form& f, std::string_view v) { setNumbers(f.Zahl, v); }},
      {"Zahl5", [](const Form& f) { return formatNumberList(std::span(f.Zahl5).subspan(1)); }, {}},
      {"Position", integer(&Form::Position), {}},
      {"aktDatum", date(&Form::aktDatum), {}},
      {"Gewinn", [](const Form& f) { return std::to_string(f.Gewinn); }, {}},
      {"Statistik", [](const Form& f) { return formatNumberList(f.Statistik); }, {}},
      {"sortieren", [](const Form& f) { return formatFlag(f.sortieren); },
       [](Form& f, std::string_view v) { f.sortieren = parseFlagValue(v); }},
      {"Home", text(&Form::Home), {}},
      {"ZahlenFile", text(&Form::ZahlenFile), {}},
      {"SoundName", text(&Form::SoundName), {}},
      {"LaufMax", integer(&Form::LaufMax), {}},
      {"groesse", integer(&Form::groesse), {}},
      // The seed as the user sees it (signed); any 32-bit pattern can be set.
      {"RandSeed", [](const Form& f) { return std::to_string(f.random.seed()); },
       [](Form& f, std::string_view v) {
         f.random.setSeed(parseIntegerValue(v, INT32_MIN, UINT32_MAX));
       }},
      {"System", integer(&Form::System), {}},
      {"Preis", [](const Form& f) { return formatReal(f.Preis); }, {}},
      {"Neuerschein", integer(&Form::Neuerschein), {}},
      {"Plus5", [](const Form& f) { return formatFlag(f.Plus5); }, {}},
      {"Land", integer(&Form::Land), {}},
      {"TippTop", integer(&Form::TippTop), {}},
      {"TippLeft", integer(&Form::TippLeft), {}},
      // The sweep's option rows: "set SweepVary NAME VALUES" fills the row of that control (or
      // the first empty one); no values empty it.
      {"SweepVary",
       [](const Form& f) {
         std::string rows;
         for (const Edit* row : {&f.SweepVary1, &f.SweepVary2, &f.SweepVary3}) {
           if (row->text().empty()) continue;
           rows += (rows.empty() ? "" : "; ") + row->text();
         }
         return escapeText(rows);
       },
       [](Form& f, std::string_view v) {
         const auto blank = v.find(' ');
         const std::string name(v.substr(0, blank));
         const std::string values(blank == std::string_view::npos ? std::string_view()
                                                                  : trim(v.substr(blank + 1)));
         if (name.empty()) throw ScriptError("expected SweepVary NAME VALUES");
         try {
           setSweepRow(f, name, values);
         } catch (const SweepGridError& error) {
           throw ScriptError(error.what());
         }
       }},
  };
}

}  // namespace

const std::vector<ScriptField>& scriptFields() {
  static const std::vector<ScriptField> fields = makeFields();
  return fields;
}

const ScriptField* findScriptField(std::string_view name) {
  for (const auto& field : scriptFields()) {
    if (field.name == name) return &field;
  }
  return nullptr;
}

}  // namespace numora
