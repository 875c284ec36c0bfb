#include "app/printouts.h"

#include "common/translatable.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/print_layout.h"
#include "backtest/analysis_report.h"
#include "draws/draw_maintenance.h"
#include "draws/lottery.h"
#include "evaluation/evaluation_report.h"
#include "evaluation/tip_text.h"
#include "tips/ticket_sheet.h"

namespace numora {

namespace {

using Layout = std::function<PrintDocument(PaperSize)>;

void deliver(Platform& platform, PrintTarget target, const std::string& proposedName,
             const Layout& layout) {
  if (target == PrintTarget::Printer) {
    const auto paper = platform.choosePrinter();
    if (paper) platform.printDocument(layout(*paper));
    return;
  }
  const auto path = platform.saveFileDialog(
      {std::string(NUMORA_TRANSLATABLE("Numora", "PDF document")) + "|*.pdf", "pdf", proposedName});
  if (path) platform.writePdf(layout(platform.defaultPaper()), *path);
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string lowerExtension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

}  // namespace

std::vector<std::vector<int>> printedTips(const Form& form) {
  const auto& lines = form.ListBox1.lines();
  const int perTicket = std::max(form.tipsPerTicket(), 1);
  const int covered = (std::max(form.totalTips(), 0) + perTicket - 1) / perTicket * perTicket;
  const auto count = std::min(lines.size(), static_cast<std::size_t>(covered));
  std::vector<std::vector<int>> tips;
  for (std::size_t i = 0; i < count; ++i) {
    const TipNumbers read = readTipNumbers(lines[i], TipNumbers::kSlots);
    std::vector<int> numbers;
    for (int k = 0; k < read.count; ++k) {
      const int number = read.values[static_cast<std::size_t>(k)];
      if (number >= 1 && number <= 70) numbers.push_back(number);
    }
    tips.push_back(std::move(numbers));
  }
  return tips;
}

std::string drawForText(DrawContext context) {
  const bool daily = context.form.lotteryIndex() == 1;
  std::vector<DrawRecord> records;
  const auto path = currentDrawFile(context);
  if (std::filesystem::exists(path)) records = context.reader.load(path)->records;
  const DayCount today = context.platform.today();
  ProposedDraw draw = proposeNextDraw(records, lottery(context.form.lotteryIndex()), today);
  if (draw.date < today) draw = {today, daily};
  const CivilDate date = decodeDate(draw.date);
  char text[64];
  std::snprintf(text, sizeof text, " %02d.%02d.%04d", date.day, date.month, date.year);
  std::string result =
      context.platform.longDayNames()[static_cast<std::size_t>(weekdayIndex(draw.date))] + text;
  if (daily) result += draw.midday ? " (midday)" : " (evening)";
  return result;
}

void printTips(DrawContext context, PrintTarget target) {
  TipPrintout printout;
  printout.lottery =
      context.form.RadioGroup1
          .items()[static_cast<std::size_t>(std::clamp(context.form.lotteryIndex(), 0, 1))];
  printout.drawFor = drawForText(context);
  printout.stakePerTip = stakePerTip(context.form);
  printout.tips = printedTips(context.form);
  deliver(context.platform, target, "Tips.pdf",
          [&printout](PaperSize paper) { return layoutTipSlips(printout, paper); });
}

void printTicketSheet(Form& form, Platform& platform, PrintTarget target) {
  const auto lines = ticketSheetLines(form.ListBox1.lines(), form.totalTips(), form.tipsPerTicket(),
                                      platform.today(), platform.longDayNames());
  deliver(platform, target, "Tipp.pdf",
          [&lines](PaperSize paper) { return layoutTextReport("Ticket sheet", lines, paper); });
}

void printEvaluation(Form& form, Platform& platform, PrintTarget target) {
  const auto lines = splitLines(evaluationReport(form, stakePerTip(form)).written());
  deliver(platform, target, "Evaluation.pdf",
          [&lines](PaperSize paper) { return layoutTextReport("Evaluation", lines, paper); });
}

void printBacktestReport(Form& form, Platform& platform, PrintTarget target) {
  std::ifstream in(std::filesystem::path(form.Home) / kAnalysisFileName, std::ios::binary);
  if (!in) {
    platform.showMessage(
        NUMORA_TRANSLATABLE("Numora", "There is no back-test report yet: run a back-test first."));
    return;
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  deliver(platform, target, "Analyse.pdf",
          [&lines](PaperSize paper) { return layoutTextReport("Back-test report", lines, paper); });
}

void saveChart(Form& form, Platform& platform) {
  const auto path =
      platform.saveFileDialog({std::string(NUMORA_TRANSLATABLE("Numora", "PNG image")) + "|*.png|" +
                                   NUMORA_TRANSLATABLE("Numora", "SVG drawing") + "|*.svg",
                               "png", "Chart.png"});
  if (!path) return;
  const std::string extension = lowerExtension(*path);
  if (extension != ".png" && extension != ".svg") {
    platform.showMessage(NUMORA_TRANSLATABLE(
        "Numora", "A chart is saved as a PNG image (.png) or an SVG drawing (.svg)."));
    return;
  }
  const auto size = platform.askImageSize({800, 500});
  if (!size) return;
  if (size->width < 100 || size->height < 100 || size->width > 10000 || size->height > 10000) {
    platform.showMessage(
        NUMORA_TRANSLATABLE("Numora", "The chart's size is 100 to 10000 pixels a side."));
    return;
  }
  platform.saveChartImage(form.Chart1, *path, *size);
}

}  // namespace numora
