#include "draws/current_draw.h"

#include <algorithm>
#include <cmath>

#include "draws/draw_caption.h"
#include "draws/first_start_hint.h"
#include "draws/lottery.h"
#include "draws/lottery_dates.h"
#include "evaluation/komplettcheck.h"

namespace numora {
namespace {

constexpr DayCount kStatisticsYear = 365;

void finishChange(DrawContext context) {
  Form& form = context.form;
  form.Label35.setCaption(form.Label29.caption());
  if (hasCurrentDraw(form)) {
    Komplettcheck(form, context.platform);
    return;
  }
  // Without a draw there is nothing to score: no hit list the evaluation report could price.
  form.Statistik.fill(0);
  form.ListBox2.clear();
  form.StatusBar1.setPanel(0, "");
}

// After a switch to another lottery nothing of the other lottery's draw stays current.
void clearCurrentDraw(Form& form) {
  form.Datum1 = 0;
  form.Zahl.fill(0);
  form.Zahl5.fill(0);
  form.Position = 0;
  form.Label29.setCaption("");
  form.Label35.setCaption("");
  form.Label13.setCaption("Summer cross");  // its caption before any draw
  form.Statistik.fill(0);
  form.ListBox2.clear();
  form.StatusBar1.setPanel(0, "");
}

// The history of the current lottery; throws when the file cannot be read.
std::shared_ptr<const DrawHistory> loadHistory(DrawContext context) {
  return context.reader.load(currentDrawFile(context));
}

}  // namespace

bool hasCurrentDraw(const Form& form) {
  // A draw holds the numbers 1..70 only: twenty zeros are no draw.
  return std::any_of(form.Zahl.begin() + 1, form.Zahl.end(), [](int n) { return n != 0; });
}

std::filesystem::path currentDrawFile(DrawContext context) {
  return context.reader.locate(context.form.Home, context.form.ZahlenFile);
}

void showRecord(DrawContext context, const DrawRecord& record, std::size_t index, CaptionGap gap) {
  Form& form = context.form;
  form.Datum1 = record.date;
  for (std::size_t i = 0; i < DrawRecord::kNumbers; ++i) form.Zahl[i + 1] = record.numbers[i];
  form.Position = static_cast<int>(index);
  form.Label29.setCaption(drawCaption(record, gap, context.platform.shortDayNames()));
  form.Label13.setCaption(crossSumCaption(record));
}

namespace {

// The end of a step: the draw at Position (the last one past the end) becomes current, and the
// picker and aktDatum follow it.
void showStepTarget(DrawContext context, const std::vector<DrawRecord>& records) {
  Form& form = context.form;
  showFirstStartHint(form, records.empty());
  if (!records.empty()) {
    const std::size_t index =
        std::min<std::size_t>(static_cast<std::size_t>(form.Position), records.size() - 1);
    showRecord(context, records[index], index, CaptionGap::Normal);
  }
  form.aktDatum = form.Datum1;
  (void)form.DateTimePicker1.setDate(form.Datum1);
  finishChange(context);
}

}  // namespace

void showDrawByDate(DrawContext context) {
  Form& form = context.form;
  const auto path = currentDrawFile(context);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    showFirstStartHint(form, true);
    context.platform.showMessage(kNoDrawFileMessage);
    return;
  }
  const auto history = loadHistory(context);
  const auto& records = history->records;
  form.aktDatum = std::round(form.DateTimePicker1.date());

  showFirstStartHint(form, records.empty());
  if (records.empty()) {
    form.Position = 0;
  } else {
    // The first record on or after the picked date; the last record when none is.
    const auto found = std::find_if(records.begin(), records.end(),
                                    [&](const DrawRecord& r) { return r.date >= form.aktDatum; });
    const std::size_t index = found == records.end()
                                  ? records.size() - 1
                                  : static_cast<std::size_t>(found - records.begin());
    const auto& record = records[index];
    const bool wide = index == 0 && records.size() > 1;
    showRecord(context, record, index, wide ? CaptionGap::Wide : CaptionGap::Normal);
    for (std::size_t i = 0; i < record.extra.size(); ++i) form.Zahl5[i + 1] = record.extra[i];
  }

  // An empty file has no draw to show: the picker goes to the first draw date.
  if (records.empty() || !form.DateTimePicker1.setDate(form.Datum1)) {
    (void)form.DateTimePicker1.setDate(lottery(form.lotteryIndex()).firstDrawDate);
  }
  finishChange(context);
}

void stepToPreviousDraw(DrawContext context) {
  Form& form = context.form;
  const auto history = loadHistory(context);
  form.Position = std::max(form.Position - 1, 0);
  showStepTarget(context, history->records);
}

void stepToNextDraw(DrawContext context) {
  Form& form = context.form;
  const auto history = loadHistory(context);
  const auto& records = history->records;
  const DayCount picked = form.DateTimePicker1.date();
  if (picked < form.DateTimePicker2.date()) {
    (void)form.DateTimePicker2.setDate(picked - kStatisticsYear);
  }
  form.Position = records.empty() ? 0 : form.Position + 1;
  showStepTarget(context, records);
}

void switchLottery(DrawContext context) {
  Form& form = context.form;
  const int index = form.lotteryIndex() == kDailyKeno ? kDailyKeno : kKenoAtlantic;
  form.ZahlenFile = lottery(index).drawFile;
  applyLotteryDates(form, index);
  (void)form.DateTimePicker1.setDate(context.platform.today());
  clearCurrentDraw(form);
  showDrawByDate(context);
}

}  // namespace numora
