// Finding the records of a draw file that cannot be a draw of its lottery: an impossible date
// (zeros left by a power loss, not a number, before the lottery's first draw, after today), a
// date out of order, or numbers that are not 20 distinct numbers 1..70. The update run starts
// after the last sound record and tells the user about the others.
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

// What the user is told about the damaged records of a file: which they are and how to remove
// them.
std::string damagedRecordsMessage(const std::string& fileName, const DrawFileCheck& check,
                                  std::size_t recordCount);

}  // namespace numora
