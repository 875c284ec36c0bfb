#include "import/update_run.h"

#include "common/translatable.h"

#include <algorithm>
#include <optional>

#include "draws/damaged_records.h"
#include "draws/draw_caption.h"
#include "draws/lottery.h"
#include "evaluation/evaluation_report.h"
#include "form/progress_display.h"
#include "import/month_request.h"
#include "import/page_scan.h"
#include "import/results_page_check.h"

namespace numora {
namespace {

constexpr int kEveningHour = 19;

// Buttons and cursor of a running update, put back however the run ends.
class RunningState {
 public:
  RunningState(Form& form, Platform& platform) : form_(form), platform_(platform) {
    form_.BitBtn1.setEnabled(false);
    form_.ImportButton.setEnabled(false);
    // On the "Keno-Tips" tab the update button turns into a stop button for the run.
    form_.SpeedButton10.setVisible(false);
    form_.StopUpdateButton.setVisible(true);
    form_.SpeedButton8.setVisible(true);
    platform_.setWaitCursor(true);
  }
  ~RunningState() { end(); }
  void end() {
    form_.BitBtn1.setEnabled(true);
    form_.ImportButton.setEnabled(true);
    form_.SpeedButton10.setVisible(true);
    form_.StopUpdateButton.setVisible(false);
    form_.SpeedButton8.setVisible(false);
    platform_.setWaitCursor(false);
  }

 private:
  Form& form_;
  Platform& platform_;
};

// A draw comes after the last stored one: a later date, or the evening after a stored midday.
bool isLaterThan(const DrawRecord& candidate, const std::optional<DrawRecord>& last) {
  if (!last) return true;
  if (candidate.date != last->date) return candidate.date > last->date;
  return last->isMidday() && !candidate.isMidday();
}

class UpdateRun {
 public:
  UpdateRun(UpdateContext context, UpdateTrigger trigger)
      : c_(context),
        trigger_(trigger),
        form_(context.form),
        lotteryIndex_(form_.lotteryIndex() == kKenoAtlantic ? kKenoAtlantic : kDailyKeno),
        lottery_(lottery(lotteryIndex_)) {}

  void run() {
    const DayCount picked = form_.DateTimePicker1.date();
    // Without a results site or with a proxy port that is no number nothing is touched.
    (void)monthRequest(form_, lotteryIndex_, picked);
    try {
      walk();
    } catch (...) {
      // The picker stays on the day that failed (the picked date when the run never got past
      // it), so show by date still finds the latest stored draw; the next run takes its start
      // from the file and fetches that day again.
      (void)form_.DateTimePicker1.setDate(std::max(picked, day_));
      throw;
    }
  }

 private:
  // The run keeps the lottery and the day it started with, whatever the user changes in the
  // window meanwhile; the picker only shows the day in progress.
  void walk() {
    RunningState running(form_, c_.platform);
    const auto path = currentDrawFile(DrawContext{form_, c_.platform, c_.reader});
    DrawFileAppender appender(path, c_.reader);  // creates a missing file
    const auto history = c_.reader.load(path);
    startAfterSoundDraws(history->records, path.filename().string());
    bool eveningDue = last_ && last_->isMidday();
    day_ = firstDay(eveningDue);
    showDay();
    int lastMonth = 0;
    const bool daily = lotteryIndex_ == kDailyKeno;
    const int monthsDue = countMonthsDue();
    int monthsFetched = 0;
    std::optional<ProgressDisplay> progress;
    if (monthsDue > 0) progress.emplace(form_.WorkProgress, monthsDue, progressText(0, monthsDue));

    while (isDue(day_) && !stopRequested()) {
      const DayCount today = day_;
      const int month = decodeDate(today).month;
      if (month != lastMonth) {
        lastMonth = month;
        try {
          fetchMonth(form_, c_.platform, c_.http, lotteryIndex_, today,
                     [this] { return stopRequested(); });
        } catch (const RequestCancelled&) {
          break;  // stopped while the page was loading: the run ends as after a pass
        }
        checkMonthPage(today);
        ++monthsFetched;
      }
      if (progress) progress->show(monthsFetched, progressText(monthsFetched, monthsDue));
      c_.platform.processEvents();
      const std::string_view page = form_.Memo1.text();
      if (daily) {
        if (!locateDraw(page, today, DrawSought::First)) {
          eveningDue = !eveningDue;
        } else if (eveningDue) {
          eveningDue = false;
          take(appender, page, today, DrawSought::Evening, false);
        } else {
          eveningDue = true;
          take(appender, page, today, DrawSought::Midday, true);
        }
      } else {
        eveningDue = false;
        if (locateDraw(page, today, DrawSought::First)) {
          take(appender, page, today, DrawSought::First, false);
        }
      }
      if (!daily || !eveningDue) advance();
    }

    appender.close();
    // The progress text ends with what the run added, also when no month was due.
    const PatternText summary = addedSummary();
    if (progress) progress->show(monthsDue, summary);
    progress.reset();
    form_.WorkProgress.setCaption(summary);
    running.end();
    // A window that closed during the run shows nothing more.
    if (form_.closing) return;
    form_.Label35.setCaption(form_.Label29.caption());
    form_.sortieren = true;
    showDrawByDate(DrawContext{form_, c_.platform, c_.reader});
    // A run that found nothing new has nothing to report: a failure is reported by its caller.
    if (added_ == 0) return;
    c_.platform.showMessage(summary + "\n\n" + evaluationReport(form_, stakePerTip(form_)));
  }

  // "12 draws added, 01.12.2026 – 06.12.2026": what the run stored, first and last date.
  PatternText addedSummary() const {
    if (added_ == 0) return NUMORA_TRANSLATABLE("Numora", "No new draws");
    if (added_ == 1) {
      return PatternText(NUMORA_TRANSLATABLE("Numora", "1 draw added, %1"),
                         {formatDate(firstAdded_)});
    }
    return PatternText(NUMORA_TRANSLATABLE("Numora", "%1 draws added, %2 \u2013 %3"),
                       {wholeNumber(added_), formatDate(firstAdded_), formatDate(last_->date)});
  }

  // The last sound draw of the file is where the run goes on; damaged records (zeros after a
  // power loss, an impossible date, one out of order) are reported, never taken as the last draw.
  void startAfterSoundDraws(const std::vector<DrawRecord>& records, const std::string& fileName) {
    const DrawFileCheck check = checkDrawRecords(records, lottery_, c_.platform.today());
    if (check.lastSound) last_ = records[*check.lastSound];
    // A record repeats the meaningless bytes of the last sound one; zeros without one.
    if (last_) {
      template_.extra = last_->extra;
      template_.reserved = last_->reserved;
    }
    if (check.damaged.empty()) return;
    const std::string message = damagedRecordsMessage(fileName, check, records.size());
    // At activation the user is told once per program run; later the hint line says it.
    if (trigger_ == UpdateTrigger::Activation && c_.state.damageShown) {
      form_.StatusBar1.setPanel(1, message);
      return;
    }
    c_.state.damageShown = true;
    c_.platform.showMessage(message);
  }

  // The day after the last sound draw (its date when the evening draw of a stored midday draw is
  // due). Starting earlier would only fetch draws that are stored already; starting later would
  // leave a gap no later run fills. An empty file has its lottery's whole history due.
  DayCount firstDay(bool eveningDue) const {
    if (!last_) return lottery_.firstDrawDate;
    return std::max(eveningDue ? last_->date : last_->date + 1, lottery_.firstDrawDate);
  }

  // Calendar months from the first day due to the last; 0 when no day is due.
  int countMonthsDue() {
    const DayCount today = c_.platform.today();
    const DayCount last = isDue(today) ? today : today - 1;
    if (day_ > last) return 0;
    const CivilDate from = decodeDate(day_);
    const CivilDate to = decodeDate(last);
    return (to.year - from.year) * 12 + to.month - from.month + 1;
  }

  PatternText progressText(int fetched, int due) const {
    return PatternText(NUMORA_TRANSLATABLE("Numora", "Update: %1 of %2 months, reading %3"),
                       {wholeNumber(fetched), wholeNumber(due), formatDate(day_)});
  }

  bool stopRequested() const { return !form_.SpeedButton8.visible() || form_.closing; }

  // A page cut off in transfer, or one without any draw of a month whose days before today are
  // due, cannot say which draws exist: the run ends before it stores anything behind a hole.
  void checkMonthPage(DayCount day) const {
    const std::string_view page = form_.Memo1.text();
    const CivilDate date = decodeDate(day);
    // Today's draws may simply not be out yet.
    if (day < c_.platform.today() && !listsMonth(page, date.year, date.month)) {
      throw ResultsPageError(emptyMonthMessage(day));
    }
    if (!page.empty() && !isCompletePage(page)) throw ResultsPageError(incompletePageMessage(day));
  }

  void showDay() { (void)form_.DateTimePicker1.setDate(day_); }

  bool isDue(DayCount date) {
    const DayCount today = c_.platform.today();
    return date < today || (date == today && c_.platform.currentHour() >= kEveningHour);
  }

  void advance() {
    day_ = std::max(day_ + 1, lottery_.firstDrawDate);
    showDay();
  }

  // The date is on the page: the draw sought must be there and readable, or the run ends.
  void take(DrawFileAppender& appender, std::string_view page, DayCount date, DrawSought which,
            bool midday) {
    form_.Datum1 = date;
    form_.Zahl5.fill(0);
    const std::string drawName = which == DrawSought::First ? NUMORA_TRANSLATABLE("Numora", "draw")
                                 : which == DrawSought::Midday
                                     ? NUMORA_TRANSLATABLE("Numora", "midday draw")
                                     : NUMORA_TRANSLATABLE("Numora", "evening draw");
    const auto rest = locateDraw(page, date, which);
    if (!rest || rest->empty()) {
      // Today's evening draw may not be out yet; nothing after it is due.
      if (which == DrawSought::Evening && date == c_.platform.today()) return;
      throw ResultsPageError(missingDrawMessage(date, drawName));
    }
    const ReadNumbers read = readNumbers(*rest);
    // Only a whole draw of 20 distinct numbers 1..70 from its own row reaches the draw file.
    if (read.result != ReadNumbers::Result::Numbers || !isValidDraw(read.numbers)) {
      throw ResultsPageError(rejectedDrawMessage(date, drawName));
    }

    DrawRecord record = template_;
    record.date = date;
    for (std::size_t i = 0; i < read.numbers.size(); ++i) {
      record.numbers[i] = static_cast<std::uint8_t>(read.numbers[i]);
    }
    record.extra[0] = midday ? 1 : 0;
    // A draw is stored once: never one that is not later than the last stored draw.
    if (!isLaterThan(record, last_)) return;

    form_.Label29.setCaption(drawCaption(record, CaptionGap::Wide, c_.platform.shortDayNames()));
    form_.Label35.setCaption(form_.Label29.caption());
    form_.Label13.setCaption(crossSumCaption(record));
    appender.append(record);
    if (added_++ == 0) firstAdded_ = date;
    last_ = record;
    form_.aktDatum = date;
    c_.platform.repaint();
  }

  UpdateContext c_;
  const UpdateTrigger trigger_;
  Form& form_;
  const int lotteryIndex_;
  const Lottery& lottery_;
  DayCount day_ = 0;
  std::optional<DrawRecord> last_;
  DrawRecord template_;
  int added_ = 0;
  DayCount firstAdded_ = 0;
};

}  // namespace

void runUpdate(UpdateContext context, UpdateTrigger trigger) {
  // One run at a time: a click or an activation during a run does not start another.
  if (context.form.SpeedButton8.visible()) return;
  try {
    UpdateRun(context, trigger).run();
  } catch (const std::exception& error) {
    if (trigger == UpdateTrigger::Button) throw;
    const bool missingSite = dynamic_cast<const NoResultsSiteError*>(&error) != nullptr;
    if (missingSite || context.state.activationFailureShown) {
      context.form.StatusBar1.setPanel(1, error.what());
      return;
    }
    context.state.activationFailureShown = true;
    throw;
  }
}

void requestUpdateStop(Form& form) {
  form.SpeedButton8.setVisible(false);
}

}  // namespace numora
