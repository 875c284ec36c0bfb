// The grid of a sweep: up to three options of the form, each with the values it takes, and the
// settings that are every combination of them. An option is a control by its name (an up-down,
// a check box, a drop-down or radio choice); its values are a list "5,6,7" or a range "5..9",
// optionally with a step "4..10/2".
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/pattern_text.h"
#include "form/form.h"

namespace numora {

constexpr std::size_t kMostSweepOptions = 3;
// The most runs (settings times repetitions) one sweep makes: a grid beyond it would take days
// and its memory before the first setting finished.
constexpr std::int64_t kMostSweepRuns = 10000;
// The lucky numbers the back-tests' random generator takes.
constexpr std::int64_t kHighestLuckyNumber = 99999999;

// A grid the form cannot take: an unknown control, a value out of its range, a value list that
// does not read.
class SweepGridError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SweepOption {
  std::string control;
  std::vector<int> values;
};

// One point of the grid: the value of each option, in the options' order.
struct SweepSetting {
  std::vector<int> values;
};

// "5,6,7", "5..9" or "4..10/2" as the values they name, in that order, each once ("3,3,3" is
// the one value 3); throws SweepGridError.
std::vector<int> parseSweepValues(std::string_view text);

// An option row "NAME VALUES" ("UpDown6 5..9"); nothing for an empty row.
std::optional<SweepOption> parseSweepRow(std::string_view row);

// Throws SweepGridError when the form has no such control, the control takes no number, the
// sweep may not vary it (the lottery: every run reads the history loaded before the sweep) or a
// value lies outside what it takes.
void checkSweepOption(const Form& form, const SweepOption& option);

// How many settings the grid has, counted without making them.
std::int64_t sweepSettingCount(const std::vector<SweepOption>& options);

// Nothing when the grid times the repetitions is at most kMostSweepRuns runs, otherwise the
// message that refuses it, naming the count.
std::optional<PatternText> sweepSizeRefusal(const std::vector<SweepOption>& options, int repeats);

// Nothing when the lucky numbers of the repetitions, lucky .. lucky+repeats-1, all lie in
// 1..kHighestLuckyNumber, otherwise the message that refuses them.
std::optional<PatternText> sweepLuckyRefusal(std::int64_t lucky, int repeats);

// Every combination, the first option varying slowest.
std::vector<SweepSetting> sweepSettings(const std::vector<SweepOption>& options);

// Sets the options' controls of the form to the setting's values.
void applySweepSetting(Form& form, const std::vector<SweepOption>& options,
                       const SweepSetting& setting);

// "UpDown6=7 CheckBox18=1": the setting as one readable label.
std::string sweepSettingLabel(const std::vector<SweepOption>& options, const SweepSetting& setting);

}  // namespace numora
