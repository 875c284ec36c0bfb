#include "generator/last_draws.h"

#include "draws/lottery.h"
#include "evaluation/komplettcheck.h"

namespace numora {
namespace {

LastDrawNumbers currentNumbers(const Form& form) {
  LastDrawNumbers numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = form.Zahl[i + 1];
  return numbers;
}

// What show by date does once it found the record at index.
void showDrawAt(const CalculationContext& context, std::size_t index) {
  Form& form = context.form;
  const auto history = context.reader.load(currentDrawFile(context.draws()));
  const auto& records = history->records;
  if (index >= records.size()) {
    showDrawByDate(context.draws());
    return;
  }
  const DrawRecord& record = records[index];
  form.aktDatum = form.DateTimePicker1.date();
  const bool wide = index == 0 && records.size() > 1;
  showRecord(context.draws(), record, index, wide ? CaptionGap::Wide : CaptionGap::Normal);
  for (std::size_t i = 0; i < record.extra.size(); ++i) form.Zahl5[i + 1] = record.extra[i];
  if (!form.DateTimePicker1.setDate(form.Datum1)) {
    (void)form.DateTimePicker1.setDate(lottery(form.lotteryIndex()).firstDrawDate);
  }
  form.Label35.setCaption(form.Label29.caption());
  Komplettcheck(form, context.platform);
}

}  // namespace

PickedDraw rememberPickedDraw(const CalculationContext& context) {
  const Form& form = context.form;
  if (form.lotteryIndex() != kDailyKeno) return {};
  if (form.Datum1 != form.DateTimePicker1.date() || form.Position < 0) return {};
  const auto history = context.reader.load(currentDrawFile(context.draws()));
  const auto index = static_cast<std::size_t>(form.Position);
  // Only a draw that really is the record at Position, as the draw steps left it.
  if (index >= history->records.size() || history->records[index].date != form.Datum1) return {};
  return PickedDraw{index};
}

void showPickedDraw(const CalculationContext& context, const PickedDraw& picked) {
  if (picked.position) {
    showDrawAt(context, *picked.position);
  } else {
    showDrawByDate(context.draws());
  }
}

LastDraws readLastDraws(const CalculationContext& context, const PickedDraw& picked) {
  Form& form = context.form;
  const DayCount pickedDate = form.DateTimePicker1.date();
  LastDraws last;
  showPickedDraw(context, picked);
  last.draws[0] = currentNumbers(form);
  stepToPreviousDraw(context.draws());
  last.draws[1] = currentNumbers(form);
  stepToPreviousDraw(context.draws());
  last.draws[2] = currentNumbers(form);
  // A refused date leaves the picker where it is; the draw for that date is shown.
  (void)form.DateTimePicker1.setDate(pickedDate);
  showPickedDraw(context, picked);
  return last;
}

}  // namespace numora
