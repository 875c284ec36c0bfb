// The page layout of the printouts: whole playslips per page, the heading on every page, the
// report lines kept in order across pages, and the tips a printout covers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/print_layout.h"
#include "app/printouts.h"
#include "form/form.h"

namespace numora {
namespace {

std::vector<std::vector<int>> tipsOfCount(int count) {
  std::vector<std::vector<int>> tips;
  for (int i = 0; i < count; ++i) tips.push_back({1 + i % 70, 70 - i % 60, 35});
  return tips;
}

bool pageHolds(const PrintPage& page, const std::string& text) {
  for (const auto& placed : page.texts) {
    if (placed.text.find(text) != std::string::npos) return true;
  }
  return false;
}

TEST(PrintLayout, TipSlipsFillWholePagesAndNeverCrossAPageEdge) {
  for (const PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
    const int perPage = tipsPerPage(paper);
    ASSERT_GE(perPage, 6);
    const PageBox sheet = paperPage(paper);
    for (const int count : {0, 1, perPage - 1, perPage, perPage + 1, 3 * perPage, 120}) {
      SCOPED_TRACE("tips " + std::to_string(count));
      const TipPrintout printout{"Daily Keno", "Thursday 15.06.2023 (midday)", 2,
                                 tipsOfCount(count)};
      const PrintDocument document = layoutTipSlips(printout, paper);
      const int pages = count == 0 ? 1 : (count + perPage - 1) / perPage;
      ASSERT_EQ(document.pages.size(), static_cast<std::size_t>(pages));
      EXPECT_EQ(document.pageHeight, sheet.height);

      std::size_t grids = 0;
      for (std::size_t p = 0; p < document.pages.size(); ++p) {
        const PrintPage& page = document.pages[p];
        EXPECT_TRUE(pageHolds(page, "Daily Keno"));
        EXPECT_TRUE(pageHolds(page, "For the draw of Thursday 15.06.2023 (midday)"));
        EXPECT_TRUE(pageHolds(page, "Total cost: " + std::to_string(2 * count)));
        EXPECT_TRUE(
            pageHolds(page, "Page " + std::to_string(p + 1) + " of " + std::to_string(pages)));
        for (const PlacedGrid& grid : page.grids) {
          // Inside the half-inch margins, and clear of the footer.
          EXPECT_GE(grid.box.y, 36);
          EXPECT_LE(grid.box.y + grid.box.height, sheet.height - 36 - 18);
          EXPECT_GE(grid.box.x, 36);
          EXPECT_LE(grid.box.x + grid.box.width, sheet.width - 36 + 1e-9);
          EXPECT_EQ(grid.marked, printout.tips[grids]);
          ++grids;
        }
      }
      EXPECT_EQ(grids, static_cast<std::size_t>(count));
    }
  }
}

TEST(PrintLayout, SlipsOnOnePageDoNotOverlap) {
  const PrintDocument document =
      layoutTipSlips({"Keno Atlantic", "Friday 16.06.2023", 1, tipsOfCount(9)}, PaperSize::A4);
  const auto& grids = document.pages.front().grids;
  for (std::size_t a = 0; a < grids.size(); ++a) {
    for (std::size_t b = a + 1; b < grids.size(); ++b) {
      const PageBox& one = grids[a].box;
      const PageBox& two = grids[b].box;
      const bool apart = one.x + one.width <= two.x || two.x + two.width <= one.x ||
                         one.y + one.height <= two.y || two.y + two.height <= one.y;
      EXPECT_TRUE(apart) << a << " and " << b;
    }
  }
}

TEST(PrintLayout, ReportLinesKeepTheirOrderWrappedAndTabsExpanded) {
  const int width = reportLineWidth(PaperSize::A4);
  ASSERT_GE(width, 80);
  std::vector<std::string> lines;
  for (int i = 0; i < 150; ++i) lines.push_back("line " + std::to_string(i));
  lines.push_back(std::string(static_cast<std::size_t>(width) + 5, 'x'));
  lines.push_back("3x\t40");
  lines.push_back("");

  const PrintDocument document = layoutTextReport("Back-test report", lines, PaperSize::A4);
  ASSERT_GE(document.pages.size(), 2u);
  std::vector<std::string> printed;
  for (const PrintPage& page : document.pages) {
    ASSERT_TRUE(pageHolds(page, "Back-test report"));
    for (const auto& text : page.texts) {
      if (text.fixedWidth) printed.push_back(text.text);
    }
  }
  ASSERT_EQ(printed.size(), lines.size() + 1);  // the long line takes two
  for (int i = 0; i < 150; ++i) EXPECT_EQ(printed[static_cast<std::size_t>(i)], lines[i]);
  EXPECT_EQ(printed[150], std::string(static_cast<std::size_t>(width), 'x'));
  EXPECT_EQ(printed[151], "xxxxx");
  EXPECT_EQ(printed[152], "3x      40");
  EXPECT_EQ(printed[153], "");
}

TEST(PrintLayout, AnEmptyReportIsOnePageWithItsTitle) {
  const PrintDocument document = layoutTextReport("Evaluation", {}, PaperSize::Letter);
  ASSERT_EQ(document.pages.size(), 1u);
  EXPECT_EQ(document.pageWidth, 612);
  EXPECT_TRUE(pageHolds(document.pages[0], "Evaluation"));
}

TEST(PrintedTips, TheTicketsOfTotalTipsAreCoveredAndOnlyNumbersOfTheSlipMarked) {
  Form form;
  for (const char* tip : {"1,2,3", "4,5", "6,70", "7,71,8", "9", "10", "11", "12"}) {
    form.ListBox1.add(tip);
  }
  form.UpDown8.setPosition(2);  // tips per ticket
  form.UpDown9.setPosition(5);  // total tips: three tickets of two
  const auto tips = printedTips(form);
  ASSERT_EQ(tips.size(), 6u);
  EXPECT_EQ(tips[0], (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(tips[2], (std::vector<int>{6, 70}));
  EXPECT_EQ(tips[3], (std::vector<int>{7, 8}));

  form.UpDown9.setPosition(120);
  EXPECT_EQ(printedTips(form).size(), 8u);
}

}  // namespace
}  // namespace numora
