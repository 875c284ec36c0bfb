// A read-only table of cells under column titles, as a string grid shows it. The cells keep
// their values: the window writes their numbers in the user's locale, numora-cli reads the
// cells in the plain format.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/pattern_text.h"
#include "form/controls.h"

namespace numora {

class StringGrid : public Control {
 public:
  StringGrid(ControlRegistry* registry, std::string name, std::vector<std::string> columns)
      : Control(registry, std::move(name)), columns_(std::move(columns)) {}

  const std::vector<std::string>& columns() const { return columns_; }
  // The cells in the plain format.
  const std::vector<std::vector<std::string>>& rows() const { return rows_; }
  const std::vector<std::vector<PatternText>>& shownRows() const { return shownRows_; }
  // Each row holds one cell per column.
  void setRows(std::vector<std::vector<PatternText>> rows) {
    rows_.clear();
    for (const auto& cells : rows) {
      auto& written = rows_.emplace_back();
      for (const PatternText& cell : cells) written.push_back(cell.written());
    }
    shownRows_ = std::move(rows);
    markChanged();
  }

 private:
  std::vector<std::string> columns_;
  std::vector<std::vector<std::string>> rows_;
  std::vector<std::vector<PatternText>> shownRows_;
};

}  // namespace numora
