#include "app/cli/choice_answer.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "app/cli/script_error.h"
#include "app/cli/text_escape.h"

namespace numora {
namespace {

constexpr std::array<std::pair<std::string_view, ModalResult>, 4> kResults = {{
    {"ok", ModalResult::Ok},
    {"abort", ModalResult::Abort},
    {"retry", ModalResult::Retry},
    {"cancel", ModalResult::Cancel},
}};

std::vector<std::string_view> blankSeparated(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const auto blank = text.find(' ');
    if (blank != 0) words.push_back(text.substr(0, blank));
    if (blank == std::string_view::npos) break;
    text.remove_prefix(blank + 1);
  }
  return words;
}

// Plain digits only: "+5" and "-5" are steps of their own, not box numbers.
int boxNumber(std::string_view digits, std::string_view step) {
  int number = 0;
  const bool plain =
      !digits.empty() && digits.size() <= 2 &&
      std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (plain) {
    for (const char c : digits) number = number * 10 + (c - '0');
  }
  if (!plain || number < 1 || number > NumberChoiceDialog::kNumbers) {
    throw ScriptError("expected a box number from 1 to 70 in '" + escapeText(step) + "'");
  }
  return number;
}

struct Step {
  enum class Kind { Tick, Untick, Weight, Random, Timer, Date, Midday };
  Step(Kind kind, int number = 0, std::string_view weight = {})
      : kind(kind), number(number), weight(weight) {}
  Kind kind;
  int number;
  std::string_view weight;
  DayCount date = 0;
};

// The draw-entry fields: "date=dd.mm.yyyy" and "midday=1|0".
std::optional<Step> parseEntryStep(std::string_view step) {
  if (step.starts_with("date=")) {
    const auto date = parseDate(step.substr(5));
    if (!date) throw ScriptError("expected date=dd.mm.yyyy, got '" + escapeText(step) + "'");
    Step parsed(Step::Kind::Date);
    parsed.date = *date;
    return parsed;
  }
  if (step.starts_with("midday=")) {
    const auto flag = step.substr(7);
    if (flag != "0" && flag != "1") {
      throw ScriptError("expected midday=1 or midday=0, got '" + escapeText(step) + "'");
    }
    return Step(Step::Kind::Midday, flag == "1" ? 1 : 0);
  }
  return std::nullopt;
}

Step parseStep(std::string_view step) {
  if (step == "random") return {Step::Kind::Random};
  if (step == "tick") return {Step::Kind::Timer};
  if (auto entry = parseEntryStep(step)) return *entry;
  if (step.starts_with('+')) return {Step::Kind::Tick, boxNumber(step.substr(1), step)};
  if (step.starts_with('-')) return {Step::Kind::Untick, boxNumber(step.substr(1), step)};
  const auto equals = step.find('=');
  if (equals != std::string_view::npos) {
    return {Step::Kind::Weight, boxNumber(step.substr(0, equals), step), step.substr(equals + 1)};
  }
  throw ScriptError("expected +N, -N, N=WEIGHT, random, tick, date= or midday=, got '" +
                    escapeText(step) + "'");
}

}  // namespace

ScriptedPlatform::ChoiceAnswer parseChoiceAnswer(std::string_view text) {
  const auto words = blankSeparated(text);
  const std::string_view result = words.empty() ? std::string_view() : words.front();
  const auto known = std::find_if(kResults.begin(), kResults.end(),
                                  [&](const auto& entry) { return entry.first == result; });
  if (known == kResults.end()) {
    throw ScriptError("expected ok, abort, retry or cancel, got '" + escapeText(result) + "'");
  }
  ScriptedPlatform::ChoiceAnswer answer;
  answer.result = known->second;
  for (std::size_t i = 1; i < words.size(); ++i) {
    (void)parseStep(words[i]);
    answer.steps.emplace_back(words[i]);
  }
  return answer;
}

void applyChoiceStep(TForm6& dialog, std::string_view text) {
  const Step step = parseStep(text);
  switch (step.kind) {
    case Step::Kind::Tick:
      dialog.setChecked(step.number, true);
      break;
    case Step::Kind::Untick:
      dialog.setChecked(step.number, false);
      break;
    case Step::Kind::Weight:
      dialog.setWeight(step.number, std::string(step.weight));
      break;
    case Step::Kind::Random:
      dialog.BitBtn4Click();
      break;
    case Step::Kind::Timer:
      dialog.Timer1Timer();
      break;
    case Step::Kind::Date:
      dialog.setEntryDate(step.date);
      break;
    case Step::Kind::Midday:
      dialog.setMiddayChosen(step.number == 1);
      break;
  }
}

void applyChoiceSteps(TForm6& dialog, const std::vector<std::string>& steps) {
  for (const auto& step : steps) applyChoiceStep(dialog, step);
  dialog.FormClose();
}

}  // namespace numora
