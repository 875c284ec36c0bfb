// Finding the records of a draw file that cannot be a draw of its lottery: an impossible date
// (zeros left by a power loss, not a number, before the lottery's first draw, after today), a
// date out of order, or numbers that are not 20 distinct numbers 1..70. The update run starts
// after the last sound record and tells the user about the others. The walk over the history
// (the draw steps, show by date, the statistics and the back-tests) passes over every record the
// date picker could not show and every earlier date appended after newer draws.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "draws/draw_record.h"
#include "draws/lottery.h"

namespace numora {

struct DrawFileCheck {
  std::vector<std::size_t> damaged;      // 0-based indices, in file order
  std::optional<std::size_t> lastSound;  // the last record that is a sound draw
};

// A record is sound when its date is a whole day from the lottery's first draw date up to
// today, its numbers are 20 distinct numbers 1..70 and it comes after the sound record before
// it (for Daily Keno an evening draw may follow the midday draw of its date).
DrawFileCheck checkDrawRecords(const std::vector<DrawRecord>& records, const Lottery& lottery,
                               DayCount today);

// Whether a record may follow the record before it: a later date, or for Daily Keno the evening
// draw after the midday draw of the same date.
bool comesAfter(const DrawRecord& record, const DrawRecord& before, const Lottery& lottery);

// Whether a record's date can be a stored draw's: a whole day from the lottery's first draw date
// up to today. A date after today or part of a day counts as damage, like an impossible one.
bool hasDrawDate(const DrawRecord& record, const Lottery& lottery, DayCount today);

// The records a walk over the history steps on: each with a draw date (hasDrawDate) that comes
// after the walked record before it. Their dates rise strictly, so no walk goes round in
// circles, and a damaged record (a date in the future, part of a day, out of order) hides no
// draw after it.
struct DrawWalk {
  std::vector<std::size_t> indices;  // 0-based, ascending

  // How many records in (after, until] are passed over (after = -1 for the first record).
  std::size_t passedOver(std::ptrdiff_t after, std::size_t until) const;
};

DrawWalk walkDrawRecords(const std::vector<DrawRecord>& records, const Lottery& lottery,
                         DayCount today);

// What the user is told about the damaged records of a file: which they are and how to remove
// them.
std::string damagedRecordsMessage(const std::string& fileName, const DrawFileCheck& check,
                                  std::size_t recordCount);

}  // namespace numora
