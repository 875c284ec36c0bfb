// A draw file of any bytes: its records decoded, the damage check the update run makes, then
// show by date and steps over it as the buttons run them. The records keep their bytes, the
// check's sound records are whole draws in order, and showing a draw never writes the file.
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "draws/current_draw.h"
#include "draws/damaged_records.h"
#include "draws/draw_file.h"
#include "draws/lottery.h"
#include "form/scripted_platform.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace numora;
using fuzz::require;

constexpr std::size_t kControlBytes = 3;

bool sameBits(DayCount a, DayCount b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

void checkDecoding(std::span<const std::uint8_t> bytes, const std::vector<DrawRecord>& records) {
  require(records.size() == bytes.size() / DrawRecord::kSize, "a whole record was not decoded");
  for (std::size_t i = 0; i < records.size(); ++i) {
    const auto encoded = records[i].encode();
    require(std::memcmp(encoded.data(), bytes.data() + i * DrawRecord::kSize, encoded.size()) == 0,
            "a record does not keep its bytes");
  }
}

void checkDamage(const std::vector<DrawRecord>& records, const Lottery& chosen, DayCount today) {
  const DrawFileCheck check = checkDrawRecords(records, chosen, today);
  std::size_t damaged = 0;
  const DrawRecord* previous = nullptr;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (damaged < check.damaged.size() && check.damaged[damaged] == i) {
      ++damaged;
      continue;
    }
    const DrawRecord& record = records[i];
    require(fuzz::isWholeDraw(record.numbers), "a sound record is no whole draw");
    require(fuzz::isDayWithin(record.date, chosen.firstDrawDate, today),
            "a sound record has a date the lottery had no draw on");
    if (previous) {
      require(record.date > previous->date ||
                  (record.date == previous->date && chosen.drawsPerDate == 2 &&
                   previous->isMidday() && !record.isMidday()),
              "sound records out of order");
    }
    previous = &record;
    require(check.lastSound && *check.lastSound >= i, "the last sound record is not the last");
  }
  require(damaged == check.damaged.size(), "damaged indices out of order or out of range");
  if (!check.damaged.empty()) {
    (void)damagedRecordsMessage(chosen.drawFile, check, records.size());
  }
}

// The current draw is one of the file's records, shown with its date and numbers.
void checkShown(const Form& form, const std::vector<DrawRecord>& records) {
  if (records.empty() || !hasCurrentDraw(form)) return;
  require(form.Position >= 0 && static_cast<std::size_t>(form.Position) < records.size(),
          "the current draw is no record of the file");
  const DrawRecord& record = records[static_cast<std::size_t>(form.Position)];
  require(sameBits(form.Datum1, record.date), "the shown date is not the record's");
  for (std::size_t i = 0; i < DrawRecord::kNumbers; ++i) {
    require(form.Zahl[i + 1] == record.numbers[i], "the shown numbers are not the record's");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Three bytes choose the lottery, the steps and the picked date; the rest is the file.
  if (size < kControlBytes) return 0;
  const std::uint8_t choice = data[0];
  const int pickedOffset = data[1] | data[2] << 8;
  const std::span<const std::uint8_t> bytes(data + kControlBytes, size - kControlBytes);

  const std::vector<DrawRecord> records = decodeDrawRecords(bytes);
  checkDecoding(bytes, records);
  const DayCount now = fuzz::fuzzNow();
  const int index = choice & 1 ? kDailyKeno : kKenoAtlantic;
  const Lottery& chosen = lottery(index);
  checkDamage(records, chosen, dateOnly(now));

  const std::string file(fuzz::asText(bytes.data(), bytes.size()));
  fuzz::writeFile(fuzz::scratchFolder() / chosen.drawFile, file);
  Form form;
  ScriptedPlatform platform;
  platform.fixClock(now);
  DrawFileReader reader;
  form.Home = fuzz::scratchFolder().string() + "/";
  form.ZahlenFile = chosen.drawFile;
  form.RadioGroup1.setItemIndex(index);
  form.sortieren = true;
  form.ListBox1.setLines({"01,02,03,04,05,06,07,08,09,10", "11,22,33,44,55,66,70"});
  const DrawContext context{form, platform, reader};
  (void)form.DateTimePicker1.setDate(chosen.firstDrawDate + pickedOffset % 10000);

  showDrawByDate(context);
  checkShown(form, records);
  // Bits 1..7: a step back (0) or forward (1) each, as many as the bits up to the highest set.
  for (int bits = choice >> 1; bits > 1; bits >>= 1) {
    if (bits & 1) {
      stepToNextDraw(context);
    } else {
      stepToPreviousDraw(context);
    }
    checkShown(form, records);
  }
  require(fuzz::readFile(fuzz::scratchFolder() / chosen.drawFile) == file,
          "showing draws changed the draw file");
  return 0;
}
