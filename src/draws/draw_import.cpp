#include "draws/draw_import.h"

#include "common/translatable.h"

#include <algorithm>
#include <cmath>

#include "common/text_line_reader.h"
#include "draws/draw_rewrite.h"
#include "draws/lottery.h"
#include "form/progress_display.h"
#include "form/wait_cursor.h"

namespace numora {
namespace {

std::string assumedMiddayText(int count) {
  if (count == 1) {
    return NUMORA_TRANSLATABLE("Numora",
                               "1 draw was stored as the midday draw of its date: the file holds "
                               "one line for that date and does not say which draw it is.");
  }
  return fillPattern(NUMORA_TRANSLATABLE("Numora",
                                         "%1 draws were stored as midday draws: the file holds "
                                         "one line for each of their dates and does not say which "
                                         "draw it is."),
                     {std::to_string(count)});
}

}  // namespace

std::string importSummary(const DrawMerge& merge, const DrawTextImport& parsed) {
  std::vector<RejectedLine> rejected = parsed.rejected;
  rejected.insert(rejected.end(), merge.conflicts.begin(), merge.conflicts.end());
  std::stable_sort(rejected.begin(), rejected.end(),
                   [](const RejectedLine& a, const RejectedLine& b) { return a.line < b.line; });
  const std::size_t total = parsed.rejectedCount + merge.conflicts.size();
  std::string text = fillPattern(
      NUMORA_TRANSLATABLE("Numora", "%1 draws added, %2 already stored, %3 rejected"),
      {std::to_string(merge.added), std::to_string(merge.alreadyStored), std::to_string(total)});
  if (merge.assumedMidday > 0) text += "\n" + assumedMiddayText(merge.assumedMidday);
  const std::size_t shown = std::min(rejected.size(), kRejectedLinesShown);
  for (std::size_t i = 0; i < shown; ++i) {
    text += "\n" + fillPattern(NUMORA_TRANSLATABLE("Numora", "line %1: %2"),
                               {std::to_string(rejected[i].line), rejected[i].reason});
  }
  if (total > shown) {
    text += "\n" + fillPattern(NUMORA_TRANSLATABLE("Numora", "... and %1 more rejected lines"),
                               {std::to_string(total - shown)});
  }
  return text;
}

void checkImportFile(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const auto status = fs::status(path, error);
  const std::string name = path.string();
  if (error || !fs::exists(status)) {
    throw DrawFileError(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "Cannot open file \"%1\""), {name}));
  }
  if (!fs::is_regular_file(status)) {
    throw DrawFileError(
        fillPattern(NUMORA_TRANSLATABLE(
                        "Numora", "\"%1\" is not a regular file, so it holds no draws to import"),
                    {name}));
  }
  const auto size = fs::file_size(path, error);
  if (error || size > kMaxImportFileSize) {
    throw DrawFileError(fillPattern(
        NUMORA_TRANSLATABLE("Numora", "\"%1\" is too large for a draw history (more than %2 MB)"),
        {name, std::to_string(kMaxImportFileSize >> 20)}));
  }
}

void importDrawsFromText(DrawContext context) {
  Form& form = context.form;
  Platform& platform = context.platform;
  // A running update run appends to the file this would replace: its draws would be lost.
  if (form.SpeedButton8.visible()) return;
  const auto chosen = platform.openFileDialog(
      {std::string(NUMORA_TRANSLATABLE("Numora", "Text and CSV files")) + "|*.txt;*.csv|" +
           NUMORA_TRANSLATABLE("Numora", "All files") + "|*",
       "txt", form.Home});
  if (!chosen) return;

  std::string summary;
  {
    WaitCursor wait(platform);
    checkImportFile(*chosen);
    DrawTextImport parsed;
    {
      FileByteSource source(*chosen);
      const Lottery& selected = lottery(form.lotteryIndex());
      const DrawImportRules rules{selected.firstDrawDate, platform.today(),
                                  selected.drawsPerDate == 2};
      const char* const pattern = NUMORA_TRANSLATABLE("Numora", "Import from Text: %1%");
      ProgressDisplay progress(form.WorkProgress, 100, fillPattern(pattern, {"0"}));
      int shown = 0;
      parsed = parseDrawSource(source, rules, [&](double done) {
        const int percent = static_cast<int>(std::floor(done * 100));
        if (percent == shown) return;
        shown = percent;
        progress.show(percent, fillPattern(pattern, {std::to_string(percent)}));
        platform.repaint();
      });
    }
    if (!parsed.refusal.empty()) {
      summary = parsed.refusal;
    } else {
      const auto path = currentDrawFile(context);
      const Lottery& selected = lottery(form.lotteryIndex());
      const DrawImportRules rules{selected.firstDrawDate, platform.today(),
                                  selected.drawsPerDate == 2};
      std::error_code error;
      std::vector<DrawRecord> stored;
      if (std::filesystem::exists(path, error)) stored = context.reader.load(path)->records;
      const DrawMerge merge = mergeImportedDraws(stored, parsed.draws, rules);
      if (merge.added > 0) {
        // The scratch file of an entry: the draw file's name with "~" appended.
        std::filesystem::path scratch = path;
        scratch += "~";
        rewriteDrawFile(path, scratch, merge.records, context.reader);
      }
      summary = importSummary(merge, parsed);
      // The new draws are shown at once; a first history shows its latest draw.
      if (merge.added > 0) {
        if (stored.empty()) (void)form.DateTimePicker1.setDate(platform.today());
        showDrawByDate(context);
      }
    }
  }
  platform.showMessage(summary);
}

}  // namespace numora
