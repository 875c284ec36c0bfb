// A document laid out for paper: pages of placed texts and number grids, in points (1/72 inch)
// from the page's top left corner. The program lays it out; a front end only paints it on a
// printer, into a PDF file or on screen.
#pragma once

#include <string>
#include <vector>

namespace numora {

enum class PaperSize { A4, Letter };

struct PageBox {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

struct PlacedText {
  PageBox box;
  std::string text;
  bool fixedWidth = false;  // a typewriter font, for the columns of the text reports
  bool bold = false;
  double pointSize = 10;
};

// A playslip: the numbers 1..columns*rows in rows of `columns`, the marked ones filled.
struct PlacedGrid {
  PageBox box;
  int columns = 7;
  int rows = 10;
  std::vector<int> marked;
};

struct PrintPage {
  std::vector<PlacedText> texts;
  std::vector<PlacedGrid> grids;
};

struct PrintDocument {
  std::string title;  // the print job's and the PDF's title
  PaperSize paper = PaperSize::A4;
  double pageWidth = 0;
  double pageHeight = 0;
  std::vector<PrintPage> pages;
};

// The size, in pixels, of an exported chart image.
struct ImageSize {
  int width = 0;
  int height = 0;
};

}  // namespace numora
