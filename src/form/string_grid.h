// A read-only table of text cells under column titles, as a string grid shows it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "form/controls.h"

namespace numora {

class StringGrid : public Control {
 public:
  StringGrid(ControlRegistry* registry, std::string name, std::vector<std::string> columns)
      : Control(registry, std::move(name)), columns_(std::move(columns)) {}

  const std::vector<std::string>& columns() const { return columns_; }
  const std::vector<std::vector<std::string>>& rows() const { return rows_; }
  // Each row holds one cell per column.
  void setRows(std::vector<std::vector<std::string>> rows) {
    rows_ = std::move(rows);
    markChanged();
  }

 private:
  std::vector<std::string> columns_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace numora
