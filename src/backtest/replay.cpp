#include "backtest/replay.h"

#include <algorithm>
#include <filesystem>

#include "common/day_date.h"
#include "common/translatable.h"
#include "draws/current_draw.h"
#include "draws/lottery.h"
#include "evaluation/komplettcheck.h"

namespace numora {
namespace {

// Lifts the look-ahead limit however the calculation ends.
class RecordLimit {
 public:
  RecordLimit(DrawFileReader& reader, std::size_t count) : reader_(reader) {
    reader_.limitRecords(count);
  }
  ~RecordLimit() { reader_.limitRecords(std::nullopt); }
  RecordLimit(const RecordLimit&) = delete;
  RecordLimit& operator=(const RecordLimit&) = delete;

 private:
  DrawFileReader& reader_;
};

}  // namespace

void Replay::prepareRead() {
  if (context_.mode == ReplayMode::Literal) context_.calculation.reader.invalidate();
}

bool Replay::showChosenDraw() {
  Form& form = context_.form();
  chosen_ = dateOnly(form.DateTimePicker1.date());
  cycles_ = 0;
  drawsAfter_ = 0;
  finishedList_ = form.ListBox1.lines();
  lastCycleStart_ = -1;
  prepareRead();
  const auto path = currentDrawFile(context_.draws());
  std::error_code error;
  const bool hadFile = std::filesystem::exists(path, error);
  showDrawByDate(context_.draws());
  if (hadFile) {
    const auto history = context_.calculation.reader.load(path);
    firstPosition_ = form.Position;
    // The records after the chosen draw that the steps pass over: damaged ones and earlier
    // dates appended after newer draws.
    const auto walk = context_.calculation.reader.walk(history, lottery(form.lotteryIndex()),
                                                       context_.platform().today());
    skipped_ = history->records.empty()
                   ? 0
                   : walk->passedOver(firstPosition_, history->records.size() - 1);
    const auto later = static_cast<int>(history->records.size()) - 1 - form.Position;
    drawsAfter_ = std::max<std::int64_t>(later - static_cast<std::int64_t>(skipped_), 0);
    progress_.emplace(form.WorkProgress, std::max(later, 1), "Back-test: 0 cycles");
  }
  return hadFile;  // without the file, show by date has said so
}

bool Replay::startsNewCycle() {
  const int position = context_.form().Position;
  if (position <= lastCycleStart_) return false;
  lastCycleStart_ = position;
  return true;
}

bool Replay::runsCycles() const {
  return chosen_ != context_.platform().today();
}

bool Replay::forward() {
  // A window closed meanwhile ends the replay as the end of the history would.
  if (context_.form().closing) return false;
  const int before = context_.form().Position;
  prepareRead();
  stepToNextDraw(context_.draws());
  return context_.form().Position != before;
}

void Replay::back() {
  prepareRead();
  stepToPreviousDraw(context_.draws());
}

void Replay::cycleCounted() {
  ++cycles_;
  Form& form = context_.form();
  finishedList_ = form.ListBox1.lines();
  const std::vector<std::string> values{formatDate(form.Datum1), std::to_string(cycles_)};
  form.ReplayProgress.setCaption(
      fillPattern(NUMORA_TRANSLATABLE("Numora", "%1  %2 cycles"), values));
  if (progress_) {
    progress_->show(form.Position - firstPosition_,
                    fillPattern(NUMORA_TRANSLATABLE("Numora", "Back-test: %1, %2 cycles"), values));
  }
  context_.platform().repaint();
}

void Replay::calculate() {
  Form& form = context_.form();
  prepareRead();
  RecordLimit limit(context_.calculation.reader, static_cast<std::size_t>(form.Position) + 1);
  // The start/stop button's click: the calculation runs to its end (or to a stop request of
  // the user) before it returns. The test's own calculations explain nothing.
  CalculationContext inner = context_.calculation;
  inner.explainsShortfall = false;
  startOrStopCalculation(inner, context_.state);
  // The calculation put the normal cursor back; the test goes on.
  context_.platform().setWaitCursor(true);
}

void Replay::restoreFinishedList() {
  context_.form().ListBox1.setLines(finishedList_);
  Komplettcheck(context_.form(), context_.platform());
}

void Replay::finish() {
  progress_.reset();
  context_.form().ReplayProgress.setCaption("");
}

}  // namespace numora
