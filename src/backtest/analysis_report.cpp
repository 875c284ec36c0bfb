#include "backtest/analysis_report.h"

#include "common/atomic_file.h"
#include "common/text.h"

namespace numora {

std::vector<std::string> hitCountReport(const BacktestTotals& totals, const std::string& draws) {
  std::vector<std::string> lines{"Current setting brought"};
  for (std::size_t i = 0; i < totals.hits.size(); ++i) {
    lines.push_back((i < 10 ? "0" : "") + std::to_string(i) + "x         => \t" +
                    std::to_string(totals.hits[i]));
  }
  lines.push_back("at " + std::to_string(totals.cycles) + draws);
  return lines;
}

void noteSkippedRecords(std::vector<std::string>& lines, std::size_t skipped) {
  if (skipped == 0) return;
  lines.push_back(std::to_string(skipped) +
                  (skipped == 1 ? " damaged record was" : " damaged records were") +
                  " skipped (an impossible date or a date out of order)");
}

void writeAndOpenAnalysis(Form& form, Platform& platform, const std::vector<std::string>& lines) {
  const std::string text = joinLinesCrLf(lines);
  form.Memo1.setText(text);
  const std::string path = form.Home + kAnalysisFileName;
  // A pipe in the report's place is refused at once instead of waiting for a reader.
  writeFileAtomically(path, text);
  platform.shellOpen(path);
}

}  // namespace numora
