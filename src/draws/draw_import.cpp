#include "draws/draw_import.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "draws/draw_merge.h"
#include "draws/draw_rewrite.h"
#include "draws/lottery.h"
#include "form/wait_cursor.h"

namespace numora {

std::string importSummary(int added, int alreadyStored, std::vector<RejectedLine> rejected) {
  std::stable_sort(rejected.begin(), rejected.end(),
                   [](const RejectedLine& a, const RejectedLine& b) { return a.line < b.line; });
  std::string text = std::to_string(added) + " draws added, " + std::to_string(alreadyStored) +
                     " already stored, " + std::to_string(rejected.size()) + " rejected";
  const std::size_t shown = std::min(rejected.size(), kRejectedLinesShown);
  for (std::size_t i = 0; i < shown; ++i) {
    text += "\nline " + std::to_string(rejected[i].line) + ": " + rejected[i].reason;
  }
  if (rejected.size() > shown) {
    text += "\n... and " + std::to_string(rejected.size() - shown) + " more rejected lines";
  }
  return text;
}

std::string readImportFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const auto status = fs::status(path, error);
  if (error || !fs::exists(status)) throw DrawFileError("Cannot open file \"" + path + "\"");
  if (!fs::is_regular_file(status)) {
    throw DrawFileError("\"" + path + "\" is not a regular file, so it holds no draws to import");
  }
  const auto size = fs::file_size(path, error);
  if (error || size > kMaxImportFileSize) {
    throw DrawFileError("\"" + path + "\" is too large for a draw history (more than " +
                        std::to_string(kMaxImportFileSize >> 20) + " MB)");
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in && !in.eof()) throw DrawFileError("Read error in \"" + path + "\"");
  return text.str();
}

void importDrawsFromText(DrawContext context) {
  Form& form = context.form;
  Platform& platform = context.platform;
  // A running update run appends to the file this would replace: its draws would be lost.
  if (form.SpeedButton8.visible()) return;
  const auto chosen =
      platform.openFileDialog({"Text and CSV files|*.txt;*.csv|All files|*", "txt", form.Home});
  if (!chosen) return;

  std::string summary;
  {
    WaitCursor wait(platform);
    const std::string text = readImportFile(*chosen);
    const Lottery& selected = lottery(form.lotteryIndex());
    const DrawImportRules rules{selected.firstDrawDate, platform.today(),
                                selected.drawsPerDate == 2};
    const DrawTextImport parsed = parseDrawText(text, rules);
    if (!parsed.refusal.empty()) {
      summary = parsed.refusal;
    } else {
      const auto path = currentDrawFile(context);
      std::error_code error;
      std::vector<DrawRecord> stored;
      if (std::filesystem::exists(path, error)) stored = context.reader.load(path)->records;
      DrawMerge merge = mergeImportedDraws(stored, parsed.draws);
      if (merge.added > 0) {
        // The scratch file of an entry: the draw file's name with "~" appended.
        std::filesystem::path scratch = path;
        scratch += "~";
        rewriteDrawFile(path, scratch, merge.records, context.reader);
      }
      auto rejected = parsed.rejected;
      rejected.insert(rejected.end(), merge.conflicts.begin(), merge.conflicts.end());
      summary = importSummary(merge.added, merge.alreadyStored, std::move(rejected));
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
