// Printouts as PDF files and the chart as PNG or SVG through numora-cli: pages of whole
// playslips with the tips' numbers, the paper asked for, the image at the asked size, and
// the refusals.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli_process.h"
#include "transcript.h"

namespace numora::test {
namespace {

// What a poppler tool prints for a file.
std::string popplerOutput(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// True when one line of the text holds `first` and, after it, `second` (pdftotext spaces the
// words of a line by their positions, not by the blanks between them).
bool lineHolds(const std::string& text, const std::string& first, const std::string& second) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const auto at = line.find(first);
    if (at != std::string::npos && line.find(second, at + first.size()) != std::string::npos) {
      return true;
    }
  }
  return false;
}

// A PNG's width and height from its IHDR chunk (big-endian, after the 16-byte signature/header).
std::pair<int, int> pngSize(const std::string& bytes) {
  const auto at = [&](std::size_t i) {
    return (static_cast<unsigned char>(bytes[i]) << 24) |
           (static_cast<unsigned char>(bytes[i + 1]) << 16) |
           (static_cast<unsigned char>(bytes[i + 2]) << 8) |
           static_cast<unsigned char>(bytes[i + 3]);
  };
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
  return {at(16), at(20)};
}

class CliPrint : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef NUMORA_PDFTOTEXT
    GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
#endif
    copyFixture(home, kDailyKenoFixture, "Vuduro.dat");
  }
  std::string file(const std::string& name) const {
    return home.file(name).string();
  }
#ifdef NUMORA_PDFTOTEXT
  std::string pdfText(const std::string& name) const {
    return popplerOutput(std::string(NUMORA_PDFTOTEXT) + " -layout '" + file(name) + "' -");
  }
  std::string pdfInfo(const std::string& name) const {
    return popplerOutput(std::string(NUMORA_PDFINFO) + " '" + file(name) + "'");
  }
#endif
  TempHome home;
};

#ifdef NUMORA_PDFTOTEXT
// Where the pages break is the print layout's table; here the PDF writer on each paper.
TEST_F(CliPrint, TipsPdfHasOnePagePerNineTipsWithTheirNumbersAndCost) {
  struct Case {
    int tips;
    const char* paper;
    const char* pages;
    const char* pageSize;
  };
  for (const Case& c : {Case{9, "A4", "Pages:           1", "(A4)"},
                        Case{19, "Letter", "Pages:           3", "(letter)"}}) {
    SCOPED_TRACE(std::to_string(c.tips) + " tips on " + c.paper);
    // Each case starts from an empty list: the previous case's list was saved as it changed.
    std::filesystem::remove(home.file("tipps.txt"));
    std::string script = "set UpDown8 1\nset UpDown9 120\nset ComboBox1 1\n";
    for (int i = 0; i < c.tips; ++i) {
      script += "add ListBox1 " + std::to_string(i + 1) + ",41,62," + std::to_string(70 - i) + "\n";
    }
    script += "answer paper " + std::string(c.paper) + "\nanswer file " + file("tips.pdf") +
              "\ncall PrintTipsPdfClick\n";
    const CliResult result = runScript(home, script);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");

    const std::string info = pdfInfo("tips.pdf");
    EXPECT_NE(info.find(c.pages), std::string::npos) << info;
    EXPECT_NE(info.find(c.pageSize), std::string::npos) << info;
    // -layout keeps each slip's lines together; runs of blanks come out as one.
    const std::string text = pdfText("tips.pdf");
    EXPECT_NE(text.find("Numora Canada - Daily Keno"), std::string::npos) << text;
    // The clock stands at 15.06.2023 noon, after the last stored draw: today's first draw.
    EXPECT_NE(text.find("For the draw of Thursday 15.06.2023 (midday)"), std::string::npos);
    EXPECT_NE(text.find("Stake per tip: 2"), std::string::npos);
    EXPECT_NE(text.find("Tips: " + std::to_string(c.tips)), std::string::npos);
    EXPECT_NE(text.find("Total cost: " + std::to_string(2 * c.tips)), std::string::npos);
    const std::string last = std::to_string(c.tips);
    EXPECT_NE(text.find("Tip " + last), std::string::npos);
    EXPECT_NE(text.find(last + " 41 62 " + std::to_string(71 - c.tips)), std::string::npos);
  }
}

TEST_F(CliPrint, ReportsPrintAsFixedWidthPdfs) {
  home.writeBytes("Analyse.txt", "Current setting brought\r\n03x\t17\r\n");
  const CliResult result =
      runScript(home,
                "add ListBox1 1,2,3\n"
                "answer file " +
                    file("sheet.pdf") +
                    "\ncall PrintTicketSheetPdfClick\n"
                    "answer file " +
                    file("report.pdf") +
                    "\ncall PrintBacktestPdfClick\n"
                    "answer file " +
                    file("evaluation.pdf") + "\ncall PrintEvaluationPdfClick\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(lineHolds(pdfText("sheet.pdf"), "1. Tip:", "1,2,3"));
  const std::string report = pdfText("report.pdf");
  EXPECT_NE(report.find("Back-test report"), std::string::npos);
  EXPECT_TRUE(lineHolds(report, "03x", "17")) << report;
  EXPECT_NE(pdfText("evaluation.pdf").find("you have"), std::string::npos);
}
#endif

TEST_F(CliPrint, ChartSavesAsPngAndSvgAtTheAskedSize) {
  const CliResult result =
      runScript(home,
                "call SpeedButton2Click\n"
                "answer file " +
                    file("chart.png") +
                    "\nanswer size 640x480\ncall SaveChartClick\n"
                    "answer file " +
                    file("chart.SVG") + "\nanswer size 300x200\ncall SaveChartClick\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(pngSize(fileBytes(home.file("chart.png"))), std::make_pair(640, 480));
  const std::string svg = fileBytes(home.file("chart.SVG"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("viewBox=\"0 0 300 200\""), std::string::npos);
}

TEST_F(CliPrint, RefusalsAndCancelsWriteNothing) {
  expectTranscript(home,
                   "answer file cancel\n"
                   "call PrintTipsPdfClick\n"
                   "answer file " +
                       file("chart.jpg") +
                       "\n"
                       "call SaveChartClick\n"
                       "= message: A chart is saved as a PNG image (.png) or an SVG drawing "
                       "(.svg).\n"
                       "answer file " +
                       file("chart.png") +
                       "\n"
                       "answer size 20x20\n"
                       "call SaveChartClick\n"
                       "= message: The chart's size is 100 to 10000 pixels a side.\n"
                       "answer file " +
                       file("chart.png") +
                       "\n"
                       "answer size cancel\n"
                       "call SaveChartClick\n"
                       "answer file " +
                       file("report.pdf") +
                       "\n"
                       "call PrintBacktestPdfClick\n"
                       "= message: There is no back-test report yet: run a back-test first.\n"
                       "call PrintTipsClick\n"
                       "= print dialog\n"
                       "= printed: 1 pages\n");
  for (const char* name : {"chart.jpg", "chart.png", "report.pdf"}) {
    EXPECT_FALSE(std::filesystem::exists(home.file(name))) << name;
  }
}

TEST_F(CliPrint, AnUnwritableFileIsReportedNotTakenForDone) {
  expectTranscript(home,
                   "answer file " + file("missing/tips.pdf") +
                       "\n"
                       "call PrintTipsPdfClick\n"
                       "= message: Cannot create file \"{HOME}missing/tips.pdf~\": No such file or "
                       "directory\n");
}

}  // namespace
}  // namespace numora::test
