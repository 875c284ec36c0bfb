#include "app/print_layout.h"

#include <algorithm>

namespace numora {

namespace {

constexpr double kMargin = 36;  // half an inch on every side
constexpr double kTitleHeight = 22;
constexpr double kInfoHeight = 15;
constexpr double kHeadingGap = 10;
constexpr double kFooterHeight = 18;

// A playslip: a bold "Tip n" line, a line with its numbers, then the grid of 1..70.
constexpr int kGridColumns = 7;
constexpr int kGridRows = 10;
constexpr double kCell = 17;
constexpr double kSlipCaption = 13;
constexpr double kSlipNumbers = 12;
constexpr double kSlipWidth = kGridColumns * kCell;
constexpr double kSlipHeight = kSlipCaption + kSlipNumbers + kGridRows * kCell;
constexpr double kSlipGapX = 22;
constexpr double kSlipGapY = 16;

// Reports: 9 pt typewriter lines, whose characters are 0.6 em wide.
constexpr double kReportPoint = 9;
constexpr double kReportLine = 11;
constexpr double kReportCharWidth = 0.6 * kReportPoint;

double contentWidth(const PageBox& page) {
  return page.width - 2 * kMargin;
}

// The heading's height: the title and `infoLines` lines below it.
double headingHeight(int infoLines) {
  return kTitleHeight + infoLines * kInfoHeight + kHeadingGap;
}

double bodyHeight(const PageBox& page, int infoLines) {
  return page.height - 2 * kMargin - headingHeight(infoLines) - kFooterHeight;
}

void addHeading(PrintPage& page, const PageBox& paper, const std::string& title,
                const std::vector<std::string>& info) {
  double y = kMargin;
  page.texts.push_back({{kMargin, y, contentWidth(paper), kTitleHeight}, title, false, true, 14});
  y += kTitleHeight;
  for (const auto& line : info) {
    page.texts.push_back({{kMargin, y, contentWidth(paper), kInfoHeight}, line, false, false, 10});
    y += kInfoHeight;
  }
}

void addFooters(PrintDocument& document, const PageBox& paper) {
  const auto count = document.pages.size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::string text = "Page " + std::to_string(i + 1) + " of " + std::to_string(count);
    document.pages[i].texts.push_back({{kMargin, paper.height - kMargin - kFooterHeight + 4,
                                        contentWidth(paper), kFooterHeight - 4},
                                       text,
                                       false,
                                       false,
                                       8});
  }
}

PrintDocument emptyDocument(const std::string& title, PaperSize paper) {
  const PageBox page = paperPage(paper);
  PrintDocument document;
  document.title = title;
  document.paper = paper;
  document.pageWidth = page.width;
  document.pageHeight = page.height;
  return document;
}

int slipColumns(const PageBox& page) {
  return std::max(1, static_cast<int>((contentWidth(page) + kSlipGapX) / (kSlipWidth + kSlipGapX)));
}

int slipRows(const PageBox& page) {
  return std::max(1,
                  static_cast<int>((bodyHeight(page, 2) + kSlipGapY) / (kSlipHeight + kSlipGapY)));
}

std::string numbersText(const std::vector<int>& numbers) {
  std::string text;
  for (const int number : numbers) {
    if (!text.empty()) text += ' ';
    text += std::to_string(number);
  }
  return text;
}

std::string expandTabs(const std::string& line) {
  std::string out;
  for (const char c : line) {
    if (c == '\t') {
      out.append(8 - out.size() % 8, ' ');
    } else if (c != '\r') {
      out += c;
    }
  }
  return out;
}

}  // namespace

PageBox paperPage(PaperSize paper) {
  // A4 is 210 x 297 mm, US Letter 8.5 x 11 inches.
  return paper == PaperSize::Letter ? PageBox{0, 0, 612, 792} : PageBox{0, 0, 595.28, 841.89};
}

int tipsPerPage(PaperSize paper) {
  const PageBox page = paperPage(paper);
  return slipColumns(page) * slipRows(page);
}

PrintDocument layoutTipSlips(const TipPrintout& printout, PaperSize paper) {
  PrintDocument document = emptyDocument("Numora tips - " + printout.lottery, paper);
  const PageBox page = paperPage(paper);
  const int columns = slipColumns(page);
  const int perPage = tipsPerPage(paper);
  const auto tipCount = static_cast<long long>(printout.tips.size());
  const std::vector<std::string> info = {
      "For the draw of " + printout.drawFor,
      "Stake per tip: " + std::to_string(printout.stakePerTip) +
          "    Tips: " + std::to_string(tipCount) +
          "    Total cost: " + std::to_string(printout.stakePerTip * tipCount)};
  const double top = kMargin + headingHeight(2);
  // The slips of a row share the free width evenly.
  const double gapX = columns > 1 ? (contentWidth(page) - columns * kSlipWidth) / (columns - 1) : 0;

  std::size_t next = 0;
  do {
    PrintPage sheet;
    addHeading(sheet, page, "Numora Canada - " + printout.lottery, info);
    for (int slot = 0; slot < perPage && next < printout.tips.size(); ++slot, ++next) {
      const int column = slot % columns;
      const int row = slot / columns;
      const double x = kMargin + column * (kSlipWidth + gapX);
      const double y = top + row * (kSlipHeight + kSlipGapY);
      const auto& numbers = printout.tips[next];
      sheet.texts.push_back(
          {{x, y, kSlipWidth, kSlipCaption}, "Tip " + std::to_string(next + 1), false, true, 9});
      sheet.texts.push_back(
          {{x, y + kSlipCaption, kSlipWidth, kSlipNumbers}, numbersText(numbers), false, false, 8});
      PlacedGrid grid;
      grid.box = {x, y + kSlipCaption + kSlipNumbers, kSlipWidth, kGridRows * kCell};
      grid.columns = kGridColumns;
      grid.rows = kGridRows;
      grid.marked = numbers;
      sheet.grids.push_back(std::move(grid));
    }
    document.pages.push_back(std::move(sheet));
  } while (next < printout.tips.size());
  addFooters(document, page);
  return document;
}

int reportLineWidth(PaperSize paper) {
  return static_cast<int>(contentWidth(paperPage(paper)) / kReportCharWidth);
}

PrintDocument layoutTextReport(const std::string& title, const std::vector<std::string>& lines,
                               PaperSize paper) {
  PrintDocument document = emptyDocument(title, paper);
  const PageBox page = paperPage(paper);
  const auto width = static_cast<std::size_t>(reportLineWidth(paper));
  std::vector<std::string> wrapped;
  for (const auto& line : lines) {
    const std::string expanded = expandTabs(line);
    if (expanded.empty()) wrapped.emplace_back();
    for (std::size_t at = 0; at < expanded.size(); at += width) {
      wrapped.push_back(expanded.substr(at, width));
    }
  }
  const auto perPage = static_cast<std::size_t>(std::max(1.0, bodyHeight(page, 0) / kReportLine));
  const double top = kMargin + headingHeight(0);
  std::size_t next = 0;
  do {
    PrintPage sheet;
    addHeading(sheet, page, title, {});
    for (std::size_t row = 0; row < perPage && next < wrapped.size(); ++row, ++next) {
      sheet.texts.push_back({{kMargin, top + row * kReportLine, contentWidth(page), kReportLine},
                             wrapped[next],
                             true,
                             false,
                             kReportPoint});
    }
    document.pages.push_back(std::move(sheet));
  } while (next < wrapped.size());
  addFooters(document, page);
  return document;
}

}  // namespace numora
