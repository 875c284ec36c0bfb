#include "draws/draw_maintenance.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/translatable.h"
#include "draws/damaged_records.h"
#include "draws/draw_rewrite.h"
#include "draws/lottery.h"
#include "form/wait_cursor.h"

namespace numora {
namespace {

constexpr const char* kDeleteScratch = "Keno.da~";

// The place of a draw among the draws of its date: midday before evening. Keno Atlantic has
// one place a date.
int slotOf(const DrawRecord& record, bool dailyKeno) {
  return dailyKeno && !record.isMidday() ? 1 : 0;
}

bool isDailyKeno(const Form& form) {
  return form.lotteryIndex() == kDailyKeno;
}

// The midday flag of the shown draw: its record at Position when that is the shown date's
// (the steps leave Zahl5 alone), else the extra bytes show by date took.
bool shownIsMidday(const Form& form, const std::vector<DrawRecord>& records) {
  const auto index = static_cast<std::size_t>(std::max(form.Position, 0));
  if (index < records.size() && records[index].date == form.Datum1) {
    return records[index].isMidday();
  }
  return form.Zahl5[1] == 1;
}

// Shows the dialog until it is left without OK or with a draw the file can take: 20 ticked
// numbers and a date from the lottery's first draw date up to today.
ModalResult askForDraw(DrawContext context, NumberChoiceDialog& dialog) {
  const Lottery& chosen = lottery(context.form.lotteryIndex());
  while (true) {
    const ModalResult result = context.platform.showNumberChoiceDialog();
    if (result != ModalResult::Ok) return result;
    int ticked = 0;
    for (int n = 1; n <= NumberChoiceDialog::kNumbers; ++n) ticked += dialog.isChosen(n) ? 1 : 0;
    const DayCount date = dateOnly(dialog.entryDate());
    if (ticked != static_cast<int>(DrawRecord::kNumbers)) {
      context.platform.showMessage(fillPattern(
          ticked == 1 ? NUMORA_TRANSLATABLE("Numora", "A draw has 20 numbers, but %1 is ticked.")
                      : NUMORA_TRANSLATABLE("Numora", "A draw has 20 numbers, but %1 are ticked."),
          {std::to_string(ticked)}));
    } else if (date < chosen.firstDrawDate || date > context.platform.today()) {
      context.platform.showMessage(
          fillPattern(NUMORA_TRANSLATABLE("Numora", "The draw date must lie between %1 and today."),
                      {formatDate(chosen.firstDrawDate)}));
    } else {
      return result;
    }
  }
}

DrawRecord enteredRecord(const NumberChoiceDialog& dialog, const std::vector<DrawRecord>& records,
                         bool dailyKeno) {
  DrawRecord record;
  // The bytes without meaning repeat those of the last record, as every writer does.
  if (!records.empty()) record = records.back();
  record.date = dateOnly(dialog.entryDate());
  std::size_t i = 0;
  for (int n = 1; n <= NumberChoiceDialog::kNumbers; ++n) {
    if (dialog.isChosen(n) && i < DrawRecord::kNumbers) {
      record.numbers[i++] = static_cast<std::uint8_t>(n);
    }
  }
  record.extra[0] = dailyKeno && dialog.middayChosen() ? 1 : 0;
  return record;
}

}  // namespace

std::vector<DrawRecord> recordsWithoutDraw(const std::vector<DrawRecord>& records,
                                           DayCount shownDate, std::optional<bool> shownMidday,
                                           const Lottery& lottery, DayCount today) {
  const bool daily = shownMidday.has_value();
  std::vector<DrawRecord> kept;
  kept.reserve(records.size());
  DayCount latest = -std::numeric_limits<DayCount>::infinity();
  unsigned seenSlots = 0;  // the places of the latest date already met
  for (const DrawRecord& record : records) {
    if (!hasDrawDate(record, lottery, today)) {
      kept.push_back(record);
      continue;
    }
    if (record.date < latest) continue;  // dated before a record ahead of it
    if (record.date > latest) {
      latest = record.date;
      seenSlots = 0;
    }
    const unsigned slot = 1u << slotOf(record, daily);
    const bool repeat = (seenSlots & slot) != 0;
    seenSlots |= slot;
    if (repeat) continue;
    if (record.date == shownDate && (!daily || record.isMidday() == *shownMidday)) continue;
    kept.push_back(record);
  }
  return kept;
}

std::vector<DrawRecord> recordsWithDraw(const std::vector<DrawRecord>& records,
                                        const DrawRecord& entered, const Lottery& lottery,
                                        DayCount today) {
  const bool dailyKeno = lottery.drawsPerDate == 2;
  const int enteredSlot = slotOf(entered, dailyKeno);
  std::vector<DrawRecord> result;
  result.reserve(records.size() + 1);
  bool placed = false;
  for (const DrawRecord& record : records) {
    if (!hasDrawDate(record, lottery, today)) {
      result.push_back(record);
      continue;
    }
    const bool sameDate = record.date == entered.date;
    if (sameDate && slotOf(record, dailyKeno) == enteredSlot) continue;  // replaced
    const bool later =
        record.date > entered.date || (sameDate && slotOf(record, dailyKeno) > enteredSlot);
    if (!placed && later) {
      result.push_back(entered);
      placed = true;
    }
    result.push_back(record);
  }
  if (!placed) result.push_back(entered);
  return result;
}

ProposedDraw proposeNextDraw(const std::vector<DrawRecord>& records, const Lottery& lottery,
                             DayCount today) {
  const bool dailyKeno = lottery.drawsPerDate == 2;
  // The last record with a draw date: a damaged one (a date after today) proposes nothing.
  const auto found = std::find_if(records.rbegin(), records.rend(), [&](const DrawRecord& r) {
    return hasDrawDate(r, lottery, today);
  });
  if (found == records.rend()) return {dateOnly(today), dailyKeno};
  const DrawRecord& last = *found;
  if (dailyKeno && last.isMidday()) return {last.date, false};
  return {last.date + 1, dailyKeno};
}

void deleteShownDraw(DrawContext context) {
  Form& form = context.form;
  {
    WaitCursor wait(context.platform);
    const auto path = currentDrawFile(context);
    const auto history = context.reader.load(path);
    const std::optional<bool> midday =
        isDailyKeno(form) ? std::optional<bool>(shownIsMidday(form, history->records))
                          : std::nullopt;
    rewriteDrawFile(path, std::filesystem::path(form.Home) / kDeleteScratch,
                    recordsWithoutDraw(history->records, form.Datum1, midday,
                                       lottery(form.lotteryIndex()), context.platform.today()),
                    context.reader);
  }
  showDrawByDate(context);
}

void enterDraw(DrawContext context, NumberChoiceDialog& dialog) {
  Form& form = context.form;
  const bool daily = isDailyKeno(form);
  const auto path = currentDrawFile(context);
  const auto history = context.reader.load(path);
  const auto& records = history->records;
  if (!records.empty()) form.aktDatum = records.back().date;

  const Lottery& itsLottery = lottery(form.lotteryIndex());
  const ProposedDraw proposed = proposeNextDraw(records, itsLottery, context.platform.today());
  dialog.setMaxTipp(static_cast<int>(DrawRecord::kNumbers));
  dialog.useDrawEntry(true, daily);
  dialog.clearChoices();
  dialog.setEntryDate(proposed.date);
  dialog.setMiddayChosen(proposed.midday);

  // The dialog goes back to its normal mode however the entry ends.
  struct NormalModeAfterwards {
    NumberChoiceDialog& dialog;
    ~NormalModeAfterwards() { dialog.useDrawEntry(false, false); }
  } normalMode{dialog};

  if (askForDraw(context, dialog) == ModalResult::Ok) {
    const DrawRecord entered = enteredRecord(dialog, records, daily);
    const auto updated = recordsWithDraw(records, entered, itsLottery, context.platform.today());
    const bool appended = updated.size() == records.size() + 1 && updated.back() == entered;
    if (appended) {
      DrawFileAppender appender(path, context.reader);
      appender.append(entered);
      appender.close();
    } else {
      std::filesystem::path scratch = path;
      scratch += "~";
      rewriteDrawFile(path, scratch, updated, context.reader);
    }
    form.aktDatum = updated.back().date;
  }
  stepToNextDraw(context);
}

}  // namespace numora
