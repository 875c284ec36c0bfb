#include "draws/damaged_records.h"

#include <cmath>

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

bool comesAfter(const DrawRecord& record, const DrawRecord& before, const Lottery& lottery) {
  if (record.date != before.date) return record.date > before.date;
  return lottery.drawsPerDate == 2 && before.isMidday() && !record.isMidday();
}

}  // namespace

DrawFileCheck checkDrawRecords(const std::vector<DrawRecord>& records, const Lottery& lottery,
                               DayCount today) {
  DrawFileCheck check;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const DrawRecord& record = records[i];
    // Comparisons with NaN are false, so a date that is no number fails the first test.
    const bool soundDate = record.date >= lottery.firstDrawDate && record.date <= today &&
                           record.date == std::floor(record.date);
    const bool sound = soundDate && hasValidNumbers(record) &&
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
  if (count > kNamedRecords) which += " and " + std::to_string(count - kNamedRecords) + " more";
  std::string text = "The draw file " + fileName + " holds " +
                     (count == 1 ? "a damaged record (record "
                                 : std::to_string(count) + " damaged records (records ") +
                     which + " of " + std::to_string(recordCount) +
                     "): an impossible date, numbers that are no draw, or a date out of order. ";
  text += "The update goes on after the last sound draw and never stores a draw twice. ";
  const bool allAtTheEnd = check.damaged.front() == recordCount - count;
  if (allAtTheEnd) {
    const std::size_t keep = recordCount - count;
    text += "To remove " + std::string(count == 1 ? "it" : "them") +
            ", close the program, keep a copy of the file and shorten it to its first " +
            std::to_string(keep) + " records (" + std::to_string(keep * DrawRecord::kSize) +
            " bytes).";
  } else {
    text +=
        "To remove them, close the program, keep a copy of the file and cut each damaged "
        "record out of it (record N is the 40 bytes from byte 40 x (N - 1) on).";
  }
  return text;
}

}  // namespace numora
