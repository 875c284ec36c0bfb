#include "backtest/sweep_grid.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "common/text.h"
#include "common/translatable.h"

namespace numora {
namespace {

// The largest grid a sweep takes; more is a typing mistake, not a plan.
constexpr std::size_t kMostValues = 1000;
constexpr const char* kTooManyValues = NUMORA_TRANSLATABLE("Numora", "Too many values in %1");

// Controls a sweep may not vary: the lottery (every run reads the one history loaded before the
// sweep starts) and the sweep's own settings, which are read once before the runs.
constexpr std::array<std::string_view, 4> kFixedDuringASweep{"RadioGroup1", "SweepTest",
                                                             "SweepRepeats", "SweepThreads"};

// A value named twice is one setting, not two runs of the same.
void addOnce(std::vector<int>& values, int value, const std::string& text) {
  if (std::find(values.begin(), values.end(), value) != values.end()) return;
  if (values.size() == kMostValues) throw SweepGridError(fillPattern(kTooManyValues, {text}));
  values.push_back(value);
}

int readNumber(std::string_view text) {
  const auto number = parseStrictInt(trim(text));
  if (!number) {
    throw SweepGridError(fillPattern(NUMORA_TRANSLATABLE("Numora", "\"%1\" is no whole number"),
                                     {std::string(text)}));
  }
  return *number;
}

// The range "from..to" or "from..to/step".
std::vector<int> readRange(std::string_view text, std::size_t dots) {
  std::string_view rest = text.substr(dots + 2);
  int step = 1;
  if (const auto slash = rest.find('/'); slash != std::string_view::npos) {
    step = readNumber(rest.substr(slash + 1));
    rest = rest.substr(0, slash);
  }
  const int from = readNumber(text.substr(0, dots));
  const int to = readNumber(rest);
  if (step <= 0) {
    throw SweepGridError(NUMORA_TRANSLATABLE("Numora", "The step of a range must be at least 1"));
  }
  if (to < from) {
    throw SweepGridError(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "The range %1 is empty"), {std::string(text)}));
  }
  std::vector<int> values;
  for (long long value = from; value <= to; value += step) {
    addOnce(values, static_cast<int>(value), std::string(text));
  }
  return values;
}

}  // namespace

std::vector<int> parseSweepValues(std::string_view text) {
  const std::string whole(trim(text));
  if (whole.empty()) throw SweepGridError(NUMORA_TRANSLATABLE("Numora", "No values given"));
  if (const auto dots = whole.find(".."); dots != std::string::npos) {
    return readRange(whole, dots);
  }
  std::vector<int> values;
  std::size_t start = 0;
  for (;;) {
    const auto comma = whole.find(',', start);
    addOnce(values, readNumber(std::string_view(whole).substr(start, comma - start)), whole);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return values;
}

std::optional<SweepOption> parseSweepRow(std::string_view row) {
  const std::string text(trim(row));
  if (text.empty()) return std::nullopt;
  const auto space = text.find_first_of(" \t");
  if (space == std::string::npos) {
    throw SweepGridError(fillPattern(
        NUMORA_TRANSLATABLE("Numora", "\"%1\": a control name and its values are needed"), {text}));
  }
  return SweepOption{text.substr(0, space), parseSweepValues(text.substr(space + 1))};
}

void checkSweepOption(const Form& form, const SweepOption& option) {
  const Control* control = form.registry.find(option.control);
  if (!control) {
    throw SweepGridError(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "No control is named %1"), {option.control}));
  }
  if (std::find(kFixedDuringASweep.begin(), kFixedDuringASweep.end(), option.control) !=
      kFixedDuringASweep.end()) {
    throw SweepGridError(fillPattern(
        NUMORA_TRANSLATABLE("Numora",
                            "A sweep cannot vary %1: every run uses the lottery and the sweep "
                            "settings chosen before the sweep starts"),
        {option.control}));
  }
  int lowest = 0;
  int highest = 0;
  if (const auto* upDown = dynamic_cast<const UpDown*>(control)) {
    lowest = upDown->min();
    highest = upDown->max();
  } else if (dynamic_cast<const CheckBox*>(control)) {
    highest = 1;
  } else if (const auto* combo = dynamic_cast<const ComboBox*>(control)) {
    highest = static_cast<int>(combo->items().size()) - 1;
  } else if (const auto* radio = dynamic_cast<const RadioGroup*>(control)) {
    highest = static_cast<int>(radio->items().size()) - 1;
  } else {
    throw SweepGridError(fillPattern(
        NUMORA_TRANSLATABLE("Numora", "%1 takes no number a sweep could vary"), {option.control}));
  }
  if (option.values.empty()) {
    throw SweepGridError(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "%1: no values given"), {option.control}));
  }
  for (const int value : option.values) {
    if (value < lowest || value > highest) {
      throw SweepGridError(fillPattern(NUMORA_TRANSLATABLE("Numora", "%1 takes %2..%3, not %4"),
                                       {option.control, std::to_string(lowest),
                                        std::to_string(highest), std::to_string(value)}));
    }
  }
}

std::int64_t sweepSettingCount(const std::vector<SweepOption>& options) {
  constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
  std::int64_t count = 1;
  for (const SweepOption& option : options) {
    const auto values = static_cast<std::int64_t>(option.values.size());
    count = values != 0 && count > kMost / values ? kMost : count * values;
  }
  return count;
}

std::optional<PatternText> sweepSizeRefusal(const std::vector<SweepOption>& options, int repeats) {
  const std::int64_t settings = sweepSettingCount(options);
  const std::int64_t repetitions = std::max(repeats, 1);
  if (settings <= kMostSweepRuns / repetitions) return std::nullopt;
  const std::int64_t runs = settings > std::numeric_limits<std::int64_t>::max() / repetitions
                                ? std::numeric_limits<std::int64_t>::max()
                                : settings * repetitions;
  return PatternText(
      NUMORA_TRANSLATABLE("Numora",
                          "The sweep would make %1 runs (%2 settings \u00d7 %3 repetitions); it "
                          "makes at most %4. Give fewer values or repetitions."),
      {wholeNumber(runs), wholeNumber(settings), wholeNumber(repetitions),
       wholeNumber(kMostSweepRuns)});
}

std::optional<PatternText> sweepLuckyRefusal(std::int64_t lucky, int repeats) {
  const std::int64_t highest = kHighestLuckyNumber - std::max(repeats, 1) + 1;
  if (lucky >= 1 && lucky <= highest) return std::nullopt;
  return PatternText(
      NUMORA_TRANSLATABLE("Numora",
                          "With %1 repetitions the sweep's lucky number must lie in 1..%2"),
      {wholeNumber(std::max(repeats, 1)), wholeNumber(highest)});
}

std::vector<SweepSetting> sweepSettings(const std::vector<SweepOption>& options) {
  std::vector<SweepSetting> settings{SweepSetting{}};
  for (const SweepOption& option : options) {
    std::vector<SweepSetting> grown;
    for (const SweepSetting& setting : settings) {
      for (const int value : option.values) {
        SweepSetting next = setting;
        next.values.push_back(value);
        grown.push_back(std::move(next));
      }
    }
    settings = std::move(grown);
  }
  return settings;
}

void applySweepSetting(Form& form, const std::vector<SweepOption>& options,
                       const SweepSetting& setting) {
  for (std::size_t i = 0; i < options.size() && i < setting.values.size(); ++i) {
    Control* control = form.registry.find(options[i].control);
    const int value = setting.values[i];
    if (auto* upDown = dynamic_cast<UpDown*>(control)) {
      upDown->setPosition(value);
    } else if (auto* check = dynamic_cast<CheckBox*>(control)) {
      check->setChecked(value != 0);
    } else if (auto* combo = dynamic_cast<ComboBox*>(control)) {
      combo->setItemIndex(value);
    } else if (auto* radio = dynamic_cast<RadioGroup*>(control)) {
      radio->setItemIndex(value);
    }
  }
}

std::string sweepSettingLabel(const std::vector<SweepOption>& options,
                              const SweepSetting& setting) {
  std::string label;
  for (std::size_t i = 0; i < options.size() && i < setting.values.size(); ++i) {
    if (!label.empty()) label += ' ';
    label += options[i].control + "=" + std::to_string(setting.values[i]);
  }
  return label.empty() ? "as the options are" : label;
}

}  // namespace numora
