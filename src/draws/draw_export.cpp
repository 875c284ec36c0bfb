#include "draws/draw_export.h"

#include <algorithm>
#include <filesystem>

#include "common/text_file.h"
#include "common/translatable.h"

namespace numora {

std::string exportLine(const DrawRecord& record) {
  std::string line = formatDate(record.date);
  for (const auto number : record.numbers) line += "," + std::to_string(number);
  return line + ";";
}

std::vector<std::string> exportLines(const std::vector<DrawRecord>& records, DayCount start,
                                     DayCount end) {
  start = std::min(start, end);
  std::vector<std::string> lines;
  for (const DrawRecord& record : records) {
    if (record.date >= start && record.date <= end) lines.push_back(exportLine(record));
  }
  return lines;
}

void exportDraws(DrawContext context) {
  Form& form = context.form;
  const std::string proposed = (std::filesystem::path(form.Home) / "Zahlen.txt").string();
  const auto target = context.platform.saveFileDialog(
      {std::string(NUMORA_TRANSLATABLE("Numora", "Textdatei")) + "|*.txt", "txt", proposed});
  if (!target) return;
  // Read first: a missing draw file is reported and no export file is made.
  const auto history = context.reader.load(currentDrawFile(context));
  form.aktDatum = form.DateTimePicker1.date();
  const DayCount end = dateOnly(form.aktDatum);
  const DayCount start = std::min(dateOnly(form.DateTimePicker2.date()), end);
  const auto lines = exportLines(history->records, start, end);
  writeTextLines(*target, lines);
  // The range comes from two pickers on two tabs: say what went into which file.
  context.platform.showMessage(exportSummary(lines.size(), start, end, *target));
}

PatternText exportSummary(std::size_t draws, DayCount start, DayCount end,
                          const std::string& path) {
  const char* pattern = draws == 1
                            ? NUMORA_TRANSLATABLE("Numora", "%1 draw from %2 to %3 written to %4")
                            : NUMORA_TRANSLATABLE("Numora", "%1 draws from %2 to %3 written to %4");
  return PatternText(pattern, {wholeNumber(static_cast<long long>(draws)), formatDate(start),
                               formatDate(end), path});
}

}  // namespace numora
