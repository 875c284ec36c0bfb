#include "draws/draw_merge.h"

#include <algorithm>
#include <map>
#include <utility>

#include "common/translatable.h"
#include "draws/damaged_records.h"
#include "draws/lottery.h"

namespace numora {
namespace {

// Date order, and within a date the midday draw first.
using DrawKey = std::pair<DayCount, int>;

DrawKey keyOf(DayCount date, bool midday) {
  return {date, midday ? 0 : 1};
}

DrawKey keyOf(const DrawRecord& record) {
  return keyOf(record.date, record.isMidday());
}

std::array<std::uint8_t, 20> sorted(std::array<std::uint8_t, 20> numbers) {
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

std::string conflictText(const ImportedDraw& draw) {
  return fillPattern(
      draw.midday
          ? NUMORA_TRANSLATABLE("Numora",
                                "%1 (Midday) is stored with other numbers; the stored draw is kept")
          : NUMORA_TRANSLATABLE("Numora",
                                "%1 is stored with other numbers; the stored draw is kept"),
      {formatDate(draw.date)});
}

}  // namespace

DrawMerge mergeImportedDraws(const std::vector<DrawRecord>& stored,
                             const std::vector<ImportedDraw>& imported,
                             const DrawImportRules& rules) {
  DrawMerge merge;
  std::map<DrawKey, std::size_t> storedByKey;
  // The numbers of every stored draw of a date, whatever its midday flag: the export carries no
  // flag, so a date's lone evening draw comes back as a line taken for the midday draw.
  std::multimap<DayCount, std::array<std::uint8_t, 20>> storedNumbers;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    storedByKey.emplace(keyOf(stored[i]), i);
    storedNumbers.emplace(stored[i].date, sorted(stored[i].numbers));
  }

  // The bytes without meaning repeat the last stored record's, as every writer of the file does.
  DrawRecord pattern;
  if (!stored.empty()) pattern = stored.back();

  std::vector<DrawRecord> fresh;
  for (const auto& draw : imported) {
    const auto numbers = sorted(draw.numbers);
    const auto [first, last] = storedNumbers.equal_range(draw.date);
    if (std::any_of(first, last, [&](const auto& entry) { return entry.second == numbers; })) {
      ++merge.alreadyStored;
      continue;
    }
    if (storedByKey.contains(keyOf(draw.date, draw.midday))) {
      merge.conflicts.push_back({draw.line, conflictText(draw)});
      continue;
    }
    if (draw.middayAssumed) ++merge.assumedMidday;
    DrawRecord record = pattern;
    record.date = draw.date;
    record.numbers = draw.numbers;
    record.extra[0] = draw.midday ? 1 : 0;
    fresh.push_back(record);
  }
  std::stable_sort(fresh.begin(), fresh.end(),
                   [](const DrawRecord& a, const DrawRecord& b) { return keyOf(a) < keyOf(b); });
  merge.added = static_cast<int>(fresh.size());

  // Each stored record keeps its place; a new draw goes before the first walked stored record
  // that comes after it.
  const Lottery itsLottery{"", "", rules.firstDrawDate, rules.twoDrawsPerDate ? 2 : 1};
  const DrawWalk walk = walkDrawRecords(stored, itsLottery, rules.today);
  auto walked = walk.indices.begin();
  merge.records.reserve(stored.size() + fresh.size());
  auto next = fresh.begin();
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const DrawRecord& record = stored[i];
    if (walked != walk.indices.end() && *walked == i) {
      ++walked;
      while (next != fresh.end() && keyOf(*next) < keyOf(record)) merge.records.push_back(*next++);
    }
    merge.records.push_back(record);
  }
  merge.records.insert(merge.records.end(), next, fresh.end());
  return merge;
}

}  // namespace numora
