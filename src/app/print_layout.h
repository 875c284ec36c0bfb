// Page layout of the printouts: the tip list as playslips (a grid of 1..70 per tip, whole tips
// only on a page) under a heading with the lottery, the draw the tips are meant for and their
// cost, and the text reports in a typewriter font, wrapped and cut into pages. Plain data that
// every front end paints as it is.
#pragma once

#include <string>
#include <vector>

#include "form/print_document.h"

namespace numora {

struct TipPrintout {
  std::string lottery;  // "Keno Atlantic"
  std::string drawFor;  // the draw the tips are meant for, as the heading shows it
  int stakePerTip = 1;
  std::vector<std::vector<int>> tips;  // each tip's numbers in the list's order
};

// The paper's size in points.
PageBox paperPage(PaperSize paper);

// How many playslips fit on one page of the paper.
int tipsPerPage(PaperSize paper);

// One page per tipsPerPage tips (one page for an empty list), each with the heading and a
// page footer.
PrintDocument layoutTipSlips(const TipPrintout& printout, PaperSize paper);

// Lines of a fixed-width report: tabs expanded, over-long lines wrapped, cut into pages that
// each repeat the title and carry a page footer.
PrintDocument layoutTextReport(const std::string& title, const std::vector<std::string>& lines,
                               PaperSize paper);

// The number of characters a fixed-width report line holds on the paper.
int reportLineWidth(PaperSize paper);

}  // namespace numora
