#include "import/update_run.h"

#include "draws/draw_caption.h"
#include "draws/lottery.h"
#include "evaluation/evaluation_report.h"
#include "import/month_request.h"
#include "import/page_scan.h"

namespace numora {
namespace {

constexpr int kEveningHour = 19;

// Buttons and cursor of a running update, put back however the run ends.
class RunningState {
 public:
  RunningState(Form& form, Platform& platform) : form_(form), platform_(platform) {
    form_.BitBtn1.setEnabled(false);
    form_.SpeedButton10.setEnabled(false);
    form_.SpeedButton8.setVisible(true);
    platform_.setWaitCursor(true);
  }
  ~RunningState() { end(); }
  void end() {
    form_.BitBtn1.setEnabled(true);
    form_.SpeedButton10.setEnabled(true);
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
  explicit UpdateRun(UpdateContext context)
      : c_(context), form_(context.form), lottery_(lottery(form_.RadioGroup1.itemIndex())) {}

  void run() {
    // Without a results site or with a proxy port that is no number nothing is touched.
    (void)monthRequest(form_, day());
    const DayCount picked = day();
    try {
      walk();
    } catch (...) {
      // The failed day is due again: the next run starts right after the last stored draw.
      (void)form_.DateTimePicker1.setDate(last_ ? last_->date : picked);
      throw;
    }
  }

 private:
  void walk() {
    RunningState running(form_, c_.platform);
    const auto path = currentDrawFile(DrawContext{form_, c_.platform, c_.reader});
    DrawFileAppender appender(path, c_.reader);  // creates a missing file
    const auto history = c_.reader.load(path);
    if (!history->records.empty()) last_ = history->records.back();
    // A record repeats the meaningless bytes of the last one; zeros in an empty file.
    if (last_) {
      template_.extra = last_->extra;
      template_.reserved = last_->reserved;
    }
    bool eveningDue = last_ && last_->isMidday();
    if (!last_) {
      // Nothing stored yet: the whole history is due, from the earliest date the picker takes.
      if (!form_.DateTimePicker1.setDate(lottery_.firstDrawDate)) {
        (void)form_.DateTimePicker1.setDate(form_.DateTimePicker1.minDate());
      }
    } else if (!eveningDue) {
      advance();
    }
    int lastMonth = 0;
    const bool daily = form_.RadioGroup1.itemIndex() == kDailyKeno;

    while (isDue(day()) && form_.SpeedButton8.visible()) {
      const DayCount today = day();
      const int month = decodeDate(today).month;
      if (month != lastMonth) {
        lastMonth = month;
        fetchMonth(form_, c_.platform, c_.http, today);
      }
      c_.platform.processEvents();
      const std::string_view page = form_.Memo1.text();
      if (daily && !page.empty()) {
        if (!locateDraw(page, today, DrawSought::First)) {
          eveningDue = !eveningDue;
        } else if (eveningDue) {
          eveningDue = false;
          take(appender, page, today, DrawSought::Evening, false);
        } else {
          eveningDue = true;
          take(appender, page, today, DrawSought::First, true);
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
    running.end();
    // A window that closed during the run shows nothing more.
    if (form_.closing) return;
    form_.Label35.setCaption(form_.Label29.caption());
    form_.sortieren = true;
    SpeedButton5Click(DrawContext{form_, c_.platform, c_.reader});
    auswertungClick(form_, c_.platform);
  }

  DayCount day() const { return form_.DateTimePicker1.date(); }

  bool isDue(DayCount date) {
    const DayCount today = c_.platform.today();
    return date < today || (date == today && c_.platform.currentHour() >= kEveningHour);
  }

  // The next day, never before the lottery's first draw date.
  void advance() {
    (void)form_.DateTimePicker1.setDate(day() + 1);
    if (day() < lottery_.firstDrawDate) {
      (void)form_.DateTimePicker1.setDate(lottery_.firstDrawDate);
    }
  }

  void take(DrawFileAppender& appender, std::string_view page, DayCount date, DrawSought which,
            bool midday) {
    form_.Datum1 = date;
    form_.Zahl5.fill(0);
    const auto rest = locateDraw(page, date, which);
    if (!rest) return;
    const ReadNumbers read = readNumbers(*rest);
    // Only a whole draw of 20 distinct numbers 1..70 reaches the draw file.
    if (read.result != ReadNumbers::Result::Numbers || !isValidDraw(read.numbers)) return;

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
    last_ = record;
    form_.aktDatum = date;
    c_.platform.repaint();
  }

  UpdateContext c_;
  Form& form_;
  const Lottery& lottery_;
  std::optional<DrawRecord> last_;
  DrawRecord template_;
};

}  // namespace

void ZentorClick(UpdateContext context, UpdateTrigger trigger) {
  // One run at a time: a click or an activation during a run does not start another.
  if (context.form.SpeedButton8.visible()) return;
  try {
    UpdateRun(context).run();
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

void SpeedButton8Click(Form& form) {
  form.SpeedButton8.setVisible(false);
}

}  // namespace numora
