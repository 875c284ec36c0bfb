#include "generator/pool_preparation.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "common/text.h"
#include "common/translatable.h"
#include "generator/band_bounds.h"
#include "stats/group_search.h"
#include "stats/number_distribution.h"
#include "stats/overdue_numbers.h"

namespace numora {
namespace {

// A weight typed into a value list by hand may be huge; more entries than this for one number
// change nothing a user could tell and would only exhaust the memory.
constexpr int kHighestDialogWeight = 100000;

// What a statistic gives the pool: its values as its chart shows them, the first at x = 1, and
// the range of the chart's value axis.
struct StatisticValues {
  std::vector<int> bars;
  AxisRange range;
};

// Runs a statistic as its button does (the window shows it); nothing without a draw file.
using Statistic = std::optional<StatisticValues> (*)(DrawContext);

std::optional<StatisticValues> numberDistribution(DrawContext context) {
  const auto distribution = runNumberDistribution(context);
  if (!distribution) return std::nullopt;
  const auto counts = std::span<const int>(distribution->counts).subspan(1);
  return StatisticValues{{counts.begin(), counts.end()}, fixedAxisRange(counts)};
}

std::optional<StatisticValues> overdueNumbers(DrawContext context) {
  const auto gaps = runOverdueNumbers(context);
  if (!gaps) return std::nullopt;
  const auto values = std::span<const int>(*gaps).subspan(1);
  return StatisticValues{{values.begin(), values.end()}, fixedAxisRange(values)};
}

template <GroupKind kind>
std::optional<StatisticValues> groups(DrawContext context) {
  const auto counts = runGroupSearch(context, kind);
  if (!counts) return std::nullopt;
  const auto bars = groupBars(*counts, kind);
  return StatisticValues{{bars.begin(), bars.end()}, groupValueRange(*counts, kind)};
}

class PoolBuilder {
 public:
  PoolBuilder(const CalculationContext& context, CandidatePool& pool)
      : context_(context), form_(context.form), pool_(pool) {}

  void status(const std::string& text) {
    form_.StatusBar1.setPanel(1, text);
    context_.platform.repaint();
  }

  // Runs a statistic with its status text and keeps its values; the chart tab shows it.
  void compute(const char* text, Statistic statistic) {
    status(text);
    values_ = statistic(context_.draws()).value_or(StatisticValues{});
    form_.PageControl1.setActivePage(kChartPage);
    context_.platform.repaint();
    // The statistic put the normal cursor back.
    context_.platform.setWaitCursor(true);
  }

  AxisRange range() const { return values_.range; }

  // Adds the groupSize numbers of every value of the statistic that lies in the band (the
  // lower bound exclusive or inclusive), taking only groups within 1..70.
  void addBand(std::int64_t min, std::int64_t max, bool minIncluded, int groupSize, int times,
               bool oneBlank) {
    status(bandLine(min, max, pool_.size(), oneBlank));
    for (std::size_t e = 0; e < values_.bars.size(); ++e) {
      const std::int64_t v = values_.bars[e];
      const bool above = minIncluded ? v >= min : v > min;
      if (!above || v > max) continue;
      const int first = static_cast<int>(e) + 1;
      if (first + groupSize - 1 > CandidatePool::kHighest) continue;
      for (int i = 0; i < groupSize; ++i) pool_.add(first + i, times);
    }
  }

  // A frequent group row: Min < v ≤ Max with Min = R(hi − 0.3·(hi − lo)), Max = R(hi).
  void frequentGroups(int groupSize) {
    const auto [lo, hi] = range();
    addBand(upperBandStart(lo, hi, 3, 10), hi, false, groupSize, 1, false);
  }

  // A rare group row: 0 < v ≤ R(lo + 0.3·(hi − lo)), so a group never drawn is not taken.
  void rareGroups(int groupSize, bool oneBlank) {
    const auto [lo, hi] = range();
    addBand(0, lowerBandEnd(lo, hi, 3, 10), false, groupSize, 1, oneBlank);
  }

  // An upper number band: twice for the band of X %, once more for its upper half.
  void upperNumbers(int percent, bool firstPassOneBlank) {
    const auto [lo, hi] = range();
    addBand(upperBandStart(lo, hi, percent, 100), hi, true, 1, 2, firstPassOneBlank);
    addBand(upperBandStart(lo, hi, percent, 200), hi, true, 1, 1, false);
  }

  void lowerNumbers(int percent) {
    const auto [lo, hi] = range();
    addBand(lo, lowerBandEnd(lo, hi, percent, 100), true, 1, 2, false);
    addBand(lo, lowerBandEnd(lo, hi, percent, 200), true, 1, 1, false);
  }

 private:
  const CalculationContext& context_;
  Form& form_;
  CandidatePool& pool_;
  StatisticValues values_;
};

void addDraw(CandidatePool& pool, const LastDrawNumbers& numbers) {
  for (const int number : numbers) pool.add(number);
}

void addStatistics(PoolBuilder& build, const GeneratorOptions& options) {
  struct GroupRow {
    const GeneratorOptions::GroupPreference& preference;
    int size;
    const char* frequentText;
    const char* rareText;
    Statistic statistic;
    bool rareOneBlank;
  };
  const GroupRow rows[] = {
      {options.pairs, 2, NUMORA_TRANSLATABLE("Numora", "Calculation of pair production"),
       NUMORA_TRANSLATABLE("Numora", "Calculation of pair production"), groups<GroupKind::Pairs>,
       false},
      {options.triples, 3, NUMORA_TRANSLATABLE("Numora", "Calculation of triplet formation"),
       NUMORA_TRANSLATABLE("Numora", "Berechnung der Dreiergruppenbildung"),
       groups<GroupKind::Triples>, false},
      {options.fourGroups, 4,
       NUMORA_TRANSLATABLE("Numora", "Calculation of the four group formation"),
       NUMORA_TRANSLATABLE("Numora", "Calculation of the four group formation"),
       groups<GroupKind::FourGroups>, true},
  };
  for (const GroupRow& row : rows) {
    if (row.preference.frequent) {
      build.compute(row.frequentText, row.statistic);
      build.frequentGroups(row.size);
    }
    if (row.preference.rare) {
      // The rare row reuses the values its frequent partner computed.
      if (!row.preference.frequent) build.compute(row.rareText, row.statistic);
      build.rareGroups(row.size, row.rareOneBlank);
    }
  }
  const char* const distribution =
      NUMORA_TRANSLATABLE("Numora", "Calculation of the number distribution");
  if (options.frequentNumbers.on) {
    build.compute(distribution, numberDistribution);
    build.upperNumbers(options.frequentNumbers.percent, false);
  }
  if (options.rareNumbers.on) {
    if (!options.frequentNumbers.on) build.compute(distribution, numberDistribution);
    build.lowerNumbers(options.rareNumbers.percent);
  }
  if (options.overdueNumbers.on) {
    build.compute(NUMORA_TRANSLATABLE("Numora", "Calculation of the outstanding numbers"),
                  overdueNumbers);
    build.upperNumbers(options.overdueNumbers.percent, true);
  }
}

// The numbers of the draw on the option's day and month in every year of the statistics
// window. A year without that day (29 February) is skipped.
void addDateInAllYears(const CalculationContext& context, const GeneratorOptions& options,
                       const PickedDraw& picked, CandidatePool& pool) {
  Form& form = context.form;
  const DayCount before = form.DateTimePicker1.date();
  const CivilDate day = decodeDate(options.dateInAllYears.date);
  const DayCount statisticsStart = form.DateTimePicker2.date();
  const int firstYear = decodeDate(statisticsStart).year;
  for (int year = firstYear; year <= day.year; ++year) {
    if (!isValidDate(year, day.month, day.day)) continue;
    const DayCount date = encodeDate(year, day.month, day.day);
    if (date < statisticsStart) continue;
    if (!form.DateTimePicker1.setDate(date)) continue;
    showDrawByDate(context.draws());
    for (int i = 1; i <= 20; ++i) pool.add(form.Zahl[static_cast<std::size_t>(i)]);
  }
  (void)form.DateTimePicker1.setDate(before);
  showPickedDraw(context, picked);
}

// Shows the pool in the number-choice dialog; false when the user left it without confirming.
bool editInDialog(const CalculationContext& context, CandidatePool& pool) {
  context.form.PageControl1.setActivePage(kKenoTipsPage);
  NumberChoiceModel& dialog = context.dialog;
  dialog.restoreDesign();
  const auto weights = pool.weights();
  for (int n = 1; n <= CandidatePool::kHighest; ++n) {
    dialog.setChecked(n, weights[static_cast<std::size_t>(n)] > 0);
    dialog.setWeight(n, std::to_string(weights[static_cast<std::size_t>(n)]));
  }
  context.platform.setWaitCursor(false);
  const ModalResult result = context.platform.showNumberChoiceDialog();
  if (result == ModalResult::Retry) {
    // "Calculate": the pool as the dialog shows it, ordered by number; a weight that is no
    // whole number counts as 1, every ticked number has at least one entry.
    pool.clear();
    for (int n = 1; n <= CandidatePool::kHighest; ++n) {
      if (!dialog.box(n).checked) continue;
      const auto weight = parseStrictInt(dialog.box(n).weight).value_or(1);
      pool.add(n, std::clamp(weight, 1, kHighestDialogWeight));
    }
  }
  return result == ModalResult::Retry || result == ModalResult::Ok;
}

}  // namespace

std::string bandLine(std::int64_t min, std::int64_t max, std::uint32_t poolSize, bool oneBlank) {
  return fillPattern(oneBlank ? NUMORA_TRANSLATABLE("Numora", "Min: %1 Max: %2  %3")
                              : NUMORA_TRANSLATABLE("Numora", "Min: %1  Max: %2  %3"),
                     {std::to_string(min), std::to_string(max), std::to_string(poolSize)});
}

PoolOutcome preparePool(const CalculationContext& context, const GeneratorOptions& options,
                        const LastDraws& last, const PickedDraw& picked, CandidatePool& pool) {
  pool.clear();
  if (options.lastDrawsNumbers.on) {
    for (int d = 0; d < std::min(options.lastDrawsNumbers.count, 3); ++d) {
      addDraw(pool, last.draws[static_cast<std::size_t>(d)]);
    }
  }
  PoolBuilder build(context, pool);
  addStatistics(build, options);
  if (options.adjacentNumbers) {
    build.status(NUMORA_TRANSLATABLE("Numora", "Calculation of the adjacent numbers of last draw"));
    for (const int n : last.draws[0]) {
      if (n < 1 || n > CandidatePool::kHighest) continue;
      if (n > 1) pool.add(n - 1, 4);
      if (n < CandidatePool::kHighest) pool.add(n + 1, 4);
    }
  }
  if (!options.preferredOnly) {
    for (int n = 1; n <= CandidatePool::kHighest; ++n) pool.add(n);
  }
  for (std::size_t d = 0; d < 3; ++d) {
    const auto& range = options.lastDrawRange[d];
    if (!range.on || range.max != 0) continue;
    NumberSet drawn;
    for (const int n : last.draws[d]) drawn.add(n);
    pool.removeNumbers(drawn);
  }
  if (options.dateInAllYears.on) addDateInAllYears(context, options, picked, pool);
  if (options.editList && !editInDialog(context, pool)) return PoolOutcome::Cancelled;
  return PoolOutcome::Ready;
}

}  // namespace numora
