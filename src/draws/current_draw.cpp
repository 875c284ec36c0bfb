#include "draws/current_draw.h"

#include "common/translatable.h"

#include <algorithm>
#include <cmath>
#include <optional>

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
  form.Label13.setCaption(
      NUMORA_TRANSLATABLE("Numora", "Summer cross"));  // its caption before any draw
  form.Statistik.fill(0);
  form.ListBox2.clear();
  form.StatusBar1.setPanel(0, "");
}

// The history of the current lottery; throws when the file cannot be read.
std::shared_ptr<const DrawHistory> loadHistory(DrawContext context) {
  return context.reader.load(currentDrawFile(context));
}

// The records the steps and show by date land on: damaged records and earlier dates appended
// after newer draws are passed over, so a step always moves to a later or an earlier date.
std::shared_ptr<const DrawWalk> walkOf(DrawContext context,
                                       const std::shared_ptr<const DrawHistory>& history) {
  return context.reader.walk(history, lottery(context.form.lotteryIndex()),
                             context.platform.today());
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

// The end of a step: the record at target becomes current (none without a walkable record), and
// the picker and aktDatum follow it.
void showStepTarget(DrawContext context, const std::vector<DrawRecord>& records,
                    std::optional<std::size_t> target) {
  Form& form = context.form;
  showFirstStartHint(form, !target);
  if (target) {
    showRecord(context, records[*target], *target, CaptionGap::Normal);
  } else {
    form.Position = 0;
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
  const auto walk = walkOf(context, history);
  const auto& walked = walk->indices;
  form.aktDatum = std::round(form.DateTimePicker1.date());

  showFirstStartHint(form, walked.empty());
  if (walked.empty()) {
    form.Position = 0;
  } else {
    // The first walked record on or after the picked date (their dates rise); the last when
    // none is.
    const auto found = std::partition_point(walked.begin(), walked.end(), [&](std::size_t i) {
      return records[i].date < form.aktDatum;
    });
    const std::size_t index = found == walked.end() ? walked.back() : *found;
    const auto& record = records[index];
    const bool wide = index == walked.front() && walked.size() > 1;
    showRecord(context, record, index, wide ? CaptionGap::Wide : CaptionGap::Normal);
    for (std::size_t i = 0; i < record.extra.size(); ++i) form.Zahl5[i + 1] = record.extra[i];
  }

  // A file without a draw to show: the picker goes to the first draw date.
  if (walked.empty() || !form.DateTimePicker1.setDate(form.Datum1)) {
    (void)form.DateTimePicker1.setDate(lottery(form.lotteryIndex()).firstDrawDate);
  }
  finishChange(context);
}

void stepToPreviousDraw(DrawContext context) {
  Form& form = context.form;
  const auto history = loadHistory(context);
  const auto walk = walkOf(context, history);
  const auto& walked = walk->indices;
  std::optional<std::size_t> target;
  if (!walked.empty()) {
    // The last walked record before Position; the first one stays where it is.
    const auto at = std::lower_bound(walked.begin(), walked.end(),
                                     static_cast<std::size_t>(std::max(form.Position, 0)));
    target = at == walked.begin() ? walked.front() : *(at - 1);
  }
  showStepTarget(context, history->records, target);
}

void stepToNextDraw(DrawContext context) {
  Form& form = context.form;
  const auto history = loadHistory(context);
  const auto& records = history->records;
  const DayCount picked = form.DateTimePicker1.date();
  if (picked < form.DateTimePicker2.date()) {
    (void)form.DateTimePicker2.setDate(picked - kStatisticsYear);
  }
  const auto walk = walkOf(context, history);
  const auto& walked = walk->indices;
  std::optional<std::size_t> target;
  if (!walked.empty()) {
    // The first walked record after Position; the last one stays where it is.
    const auto after = std::upper_bound(walked.begin(), walked.end(),
                                        static_cast<std::size_t>(std::max(form.Position, 0)));
    target = after == walked.end() ? walked.back() : *after;
  }
  showStepTarget(context, records, target);
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
