#include "draws/damaged_records.h"

#include <algorithm>
#include <cmath>

#include "common/day_date.h"
#include "common/translatable.h"

namespace numora {
namespace {

constexpr std::size_t kNamedRecords = 5;

bool hasValidNumbers(const DrawRecord& record) {
  std::array<bool, 71> seen{};
  for (const auto number : record.numbers) {
    if (number < 1 || number > 70 || seen[number]) return false;
    seen[number] = true;
  }
  return true;
}

}  // namespace

bool comesAfter(const DrawRecord& record, const DrawRecord& before, const Lottery& lottery) {
  if (record.date != before.date) return record.date > before.date;
  return lottery.drawsPerDate == 2 && before.isMidday() && !record.isMidday();
}

bool hasDrawDate(const DrawRecord& record, const Lottery& lottery, DayCount today) {
  // Comparisons with NaN are false, so a date that is no number fails the first test.
  return record.date >= lottery.firstDrawDate && record.date <= today &&
         record.date == std::floor(record.date);
}

DrawWalk walkDrawRecords(const std::vector<DrawRecord>& records, const Lottery& lottery,
                         DayCount today) {
  DrawWalk walk;
  walk.indices.reserve(records.size());
  const DrawRecord* last = nullptr;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const DrawRecord& record = records[i];
    if (!hasDrawDate(record, lottery, today)) continue;
    if (last && !comesAfter(record, *last, lottery)) continue;
    walk.indices.push_back(i);
    last = &record;
  }
  return walk;
}

std::size_t DrawWalk::passedOver(std::ptrdiff_t after, std::size_t until) const {
  if (static_cast<std::ptrdiff_t>(until) <= after) return 0;
  const auto first = std::upper_bound(indices.begin(), indices.end(), after,
                                      [](std::ptrdiff_t value, std::size_t index) {
                                        return value < static_cast<std::ptrdiff_t>(index);
                                      });
  const auto end = std::upper_bound(indices.begin(), indices.end(), until);
  const auto walked = static_cast<std::size_t>(end - first);
  return static_cast<std::size_t>(static_cast<std::ptrdiff_t>(until) - after) - walked;
}

DrawFileCheck checkDrawRecords(const std::vector<DrawRecord>& records, const Lottery& lottery,
                               DayCount today) {
  DrawFileCheck check;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const DrawRecord& record = records[i];
    const bool sound = hasDrawDate(record, lottery, today) && hasValidNumbers(record) &&
                       (!check.lastSound || comesAfter(record, records[*check.lastSound], lottery));
    if (sound) {
      check.lastSound = i;
    } else {
      check.damaged.push_back(i);
    }
  }
  return check;
}

std::string damagedRecordsMessage(const std::string& fileName, const DrawFileCheck& check,
                                  std::size_t recordCount) {
  const std::size_t count = check.damaged.size();
  std::string which;
  for (std::size_t i = 0; i < count && i < kNamedRecords; ++i) {
    which += (i ? ", " : "") + std::to_string(check.damaged[i] + 1);
  }
  if (count > kNamedRecords) {
    which = fillPattern(NUMORA_TRANSLATABLE("Numora", "%1 and %2 more"),
                        {which, std::to_string(count - kNamedRecords)});
  }
  const std::string total = std::to_string(recordCount);
  const std::string found =
      count == 1
          ? fillPattern(NUMORA_TRANSLATABLE("Numora",
                                            "The draw file %1 holds a damaged record (record %2 "
                                            "of %3): an impossible date, numbers that are no "
                                            "draw, or a date out of order."),
                        {fileName, which, total})
          : fillPattern(NUMORA_TRANSLATABLE("Numora",
                                            "The draw file %1 holds %2 damaged records (records "
                                            "%3 of %4): an impossible date, numbers that are no "
                                            "draw, or a date out of order."),
                        {fileName, std::to_string(count), which, total});
  std::string removal;
  const bool allAtTheEnd = check.damaged.front() == recordCount - count;
  if (allAtTheEnd) {
    const std::size_t keep = recordCount - count;
    removal = fillPattern(
        count == 1 ? NUMORA_TRANSLATABLE("Numora",
                                         "To remove it, close the program, keep a copy of the "
                                         "file and shorten it to its first %1 records (%2 bytes).")
                   : NUMORA_TRANSLATABLE("Numora",
                                         "To remove them, close the program, keep a copy of the "
                                         "file and shorten it to its first %1 records (%2 bytes)."),
        {std::to_string(keep), std::to_string(keep * DrawRecord::kSize)});
  } else {
    removal = NUMORA_TRANSLATABLE(
        "Numora",
        "To remove them, close the program, keep a copy of the file and cut each damaged record "
        "out of it (record N is the 40 bytes from byte 40 x (N - 1) on).");
  }
  return fillPattern(NUMORA_TRANSLATABLE("Numora",
                                         "%1 The update goes on after the last sound draw and "
                                         "never stores a draw twice. %2"),
                     {found, removal});
}

}  // namespace numora
