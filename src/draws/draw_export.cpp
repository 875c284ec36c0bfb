#include "draws/draw_export.h"

#include <algorithm>
#include <filesystem>

#include "common/text_file.h"

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
  const auto target = context.platform.saveFileDialog({"Textdatei|*.txt", "txt", proposed});
  if (!target) return;
  // Read first: a missing draw file is reported and no export file is made.
  const auto history = context.reader.load(currentDrawFile(context));
  form.aktDatum = form.DateTimePicker1.date();
  writeTextLines(*target, exportLines(history->records, dateOnly(form.DateTimePicker2.date()),
                                      dateOnly(form.aktDatum)));
}

}  // namespace numora
