// "Import from Text" on any bytes: the reading of a draw text or CSV file for both lotteries and
// its merge into a stored history in memory. Every accepted draw is a whole draw of a date the
// lottery had, and the merge keeps every stored record as it was, in its order.
#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "draws/draw_merge.h"
#include "draws/draw_text_import.h"
#include "draws/lottery.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace numora;
using fuzz::require;

// A few stored draws in May 2023 (the dates of the seed files), midday and evening for Daily
// Keno, so imports meet draws that are already stored.
std::vector<DrawRecord> storedHistory(bool daily) {
  std::vector<DrawRecord> records;
  for (int day = 1; day <= 10; ++day) {
    for (int midday = daily ? 1 : 0; midday >= 0; --midday) {
      DrawRecord record;
      record.date = encodeDate(2023, 5, day);
      for (int i = 0; i < 20; ++i) {
        record.numbers[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(1 + (day * 7 + midday * 3 + i * 3) % 70);
      }
      record.extra[0] = static_cast<std::uint8_t>(midday);
      record.reserved[2] = 0x5A;  // bytes without meaning must survive the merge
      records.push_back(record);
    }
  }
  return records;
}

std::pair<DayCount, int> keyOf(const DrawRecord& record) {
  return {record.date, record.isMidday() ? 0 : 1};
}

void checkImport(const DrawTextImport& import, const DrawImportRules& rules) {
  if (!import.refusal.empty()) require(import.draws.empty(), "a refused file gave draws");
  std::map<std::pair<DayCount, bool>, int> seen;
  for (const auto& draw : import.draws) {
    require(fuzz::isWholeDraw(draw.numbers), "an accepted draw is no 20 distinct numbers 1..70");
    require(fuzz::isDayWithin(draw.date, rules.firstDrawDate, rules.today),
            "an accepted draw has a date the lottery had no draw on");
    require(rules.twoDrawsPerDate || !draw.midday, "a midday draw for a lottery without one");
    require(draw.line >= 1, "an accepted draw has no line number");
    require(++seen[{draw.date, draw.midday}] == 1, "the file's draw of one date taken twice");
  }
  for (const auto& line : import.rejected) {
    require(line.line >= 1 && !line.reason.empty(), "a rejected line without number or reason");
  }
}

void checkMerge(const std::vector<DrawRecord>& stored, const DrawTextImport& import,
                const DrawMerge& merge) {
  require(merge.records.size() == stored.size() + static_cast<std::size_t>(merge.added),
          "the merged history lost or gained records");
  require(merge.added + merge.alreadyStored + static_cast<int>(merge.conflicts.size()) ==
              static_cast<int>(import.draws.size()),
          "an imported draw was neither added, already stored nor reported");
  // Every stored record, byte for byte and in its order.
  std::size_t next = 0;
  for (const auto& record : merge.records) {
    if (next < stored.size() && record.encode() == stored[next].encode()) ++next;
  }
  require(next == stored.size(), "the merge changed, dropped or moved a stored draw");
  for (std::size_t i = 1; i < merge.records.size(); ++i) {
    require(keyOf(merge.records[i - 1]) < keyOf(merge.records[i]),
            "the merged history is out of order or holds a draw twice");
  }
  for (const auto& record : merge.records) {
    require(fuzz::isWholeDraw(record.numbers), "the merged history holds no whole draw");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::asText(data, size);
  for (const int index : {kKenoAtlantic, kDailyKeno}) {
    const Lottery& chosen = lottery(index);
    const DrawImportRules rules{chosen.firstDrawDate, dateOnly(fuzz::fuzzNow()),
                                chosen.drawsPerDate == 2};
    const DrawTextImport import = parseDrawText(text, rules);
    checkImport(import, rules);
    const std::vector<DrawRecord> stored = storedHistory(rules.twoDrawsPerDate);
    checkMerge(stored, import, mergeImportedDraws(stored, import.draws, rules));
  }
  return 0;
}
