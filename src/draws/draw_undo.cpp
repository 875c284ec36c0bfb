#include "draws/draw_undo.h"

#include <algorithm>

#include "draws/damaged_records.h"
#include "draws/draw_maintenance.h"
#include "draws/draw_rewrite.h"
#include "draws/lottery.h"

namespace numora {
namespace {

// FNV-1a over the records' bytes: tells whether the file still is what the deletion left.
std::uint64_t fingerprint(const std::vector<DrawRecord>& records) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const DrawRecord& record : records) {
    for (const auto byte : record.encode()) {
      hash = (hash ^ byte) * 1099511628211ull;
    }
  }
  return hash;
}

// Compared as stored: a date that is no number equals itself here.
bool sameRecord(const DrawRecord& a, const DrawRecord& b) {
  return a.encode() == b.encode();
}

}  // namespace

void DrawDeletionHistory::beforeDelete(DrawContext context) {
  pendingFile_.reset();
  pendingBefore_.reset();
  try {
    const auto path = currentDrawFile(context);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
    pendingBefore_ = context.reader.load(path);
    pendingTornTail_ = readTornTail(path);
    pendingFile_ = path;
    pendingShownDate_ = context.form.Datum1;
  } catch (const DrawFileError&) {
    // The deletion itself reports the file that cannot be read.
  }
}

void DrawDeletionHistory::afterDelete(DrawContext context) {
  if (!pendingFile_ || !pendingBefore_) return;
  const auto before = std::move(pendingBefore_);
  const auto file = *pendingFile_;
  pendingFile_.reset();
  std::shared_ptr<const DrawHistory> after;
  try {
    after = context.reader.load(file);
  } catch (const DrawFileError&) {
    return;
  }
  // A deletion keeps the order of the records it leaves: what is missing is what it took.
  Deletion deletion;
  deletion.file = file;
  deletion.dailyKeno = context.form.lotteryIndex() == kDailyKeno;
  deletion.shownDate = pendingShownDate_;
  deletion.tornTail = std::move(pendingTornTail_);
  const auto& was = before->records;
  const auto& is = after->records;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < was.size(); ++i) {
    if (kept < is.size() && sameRecord(is[kept], was[i])) {
      ++kept;
    } else {
      deletion.removed.emplace_back(i, was[i]);
    }
  }
  if ((deletion.removed.empty() && deletion.tornTail.empty()) || kept != is.size()) return;
  deletion.recordsAfter = is.size();
  deletion.fingerprintAfter = fingerprint(is);
  deletions_.push_back(std::move(deletion));
  if (deletions_.size() > kSteps) deletions_.pop_front();
}

bool DrawDeletionHistory::undo(DrawContext context) {
  Form& form = context.form;
  if (deletions_.empty()) {
    form.StatusBar1.setPanel(1, kNothingToUndo);
    return false;
  }
  const Deletion& deletion = deletions_.back();
  std::vector<DayCount> keptNewer;  // dates whose deleted draw stays out
  std::vector<DrawRecord> current;
  std::error_code error;
  if (std::filesystem::exists(deletion.file, error)) {
    current = context.reader.load(deletion.file)->records;
  }
  std::vector<DrawRecord> restored;
  std::string_view tail;
  if (current.size() == deletion.recordsAfter &&
      fingerprint(current) == deletion.fingerprintAfter) {
    tail = deletion.tornTail;
    // Unchanged since the deletion: every record goes back to its old place.
    restored.reserve(current.size() + deletion.removed.size());
    std::size_t next = 0;
    for (const auto& [index, record] : deletion.removed) {
      while (restored.size() < index && next < current.size()) restored.push_back(current[next++]);
      restored.push_back(record);
    }
    restored.insert(restored.end(), current.begin() + static_cast<std::ptrdiff_t>(next),
                    current.end());
  } else {
    // Changed since: the sound draws the deletion took go back in their dates' places, none
    // where a draw of its date and time of day is stored now (an update fetched it again, or
    // the player entered another), so none is stored twice and no newer draw is replaced.
    std::vector<DrawRecord> before = current;
    const Lottery& itsLottery = lottery(deletion.dailyKeno ? kDailyKeno : kKenoAtlantic);
    for (const auto& removed : deletion.removed) {
      const DrawRecord& record = removed.second;
      if (!hasDrawDate(record, itsLottery, context.platform.today())) continue;
      // Looked up in the file as found, not among the draws this undo puts back.
      const auto stored = std::find_if(current.begin(), current.end(), [&](const DrawRecord& r) {
        return r.date == record.date && (!deletion.dailyKeno || r.isMidday() == record.isMidday());
      });
      if (stored == current.end()) {
        before = recordsWithDraw(before, record, itsLottery, context.platform.today());
      } else if (stored->numbers != record.numbers) {
        keptNewer.push_back(record.date);
      }
    }
    restored = std::move(before);
  }
  std::filesystem::path scratch = deletion.file;
  scratch += "~";
  rewriteDrawFile(deletion.file, scratch, restored, context.reader, tail);
  const DayCount shownDate = deletion.shownDate;
  const bool shown = deletion.file == currentDrawFile(context);
  deletions_.pop_back();
  if (shown) {
    (void)form.DateTimePicker1.setDate(shownDate);
    showDrawByDate(context);
  }
  for (const DayCount date : keptNewer) {
    context.platform.showMessage(fillPattern(
        NUMORA_TRANSLATABLE("Numora",
                            "The deleted draw of %1 was not brought back, because a draw of that "
                            "date is stored now."),
        {formatDate(date)}));
  }
  return true;
}

}  // namespace numora
