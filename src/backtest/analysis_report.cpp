#include "backtest/analysis_report.h"

#include <fstream>

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

bool writeAndOpenAnalysis(Form& form, Platform& platform, const std::vector<std::string>& lines) {
  const std::string text = joinLinesCrLf(lines);
  form.Memo1.setText(text);
  const std::string path = form.Home + kAnalysisFileName;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    // A full disk shows only when the buffer is written out.
    if (!file) return false;
  }
  platform.shellOpen(path);
  return true;
}

}  // namespace numora
