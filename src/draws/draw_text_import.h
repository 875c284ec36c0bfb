// Reading draws from a text or CSV file: the program's own export ("dd.mm.yyyy,n1,...,n20;")
// and the common CSV layouts (header or none; comma, semicolon or tab; dates dd.mm.yyyy,
// yyyy-mm-dd, "May 3, 2023" or with slashes; an optional midday/evening column). The layout is
// detected from the file; every line is validated on its own and a bad line is rejected with its
// number and the reason, never repaired. Text in, draws out: nothing here touches a file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/day_date.h"

namespace numora {

struct DrawImportRules {
  DayCount firstDrawDate = 0;    // the lottery's first draw
  DayCount today = 0;            // no draw of a later date is taken
  bool twoDrawsPerDate = false;  // Daily Keno: a midday and an evening draw
};

struct ImportedDraw {
  int line = 0;  // 1-based line number in the file
  DayCount date = 0;
  bool midday = false;
  std::array<std::uint8_t, 20> numbers{};  // in the order of the file
};

struct RejectedLine {
  int line = 0;
  std::string reason;
};

struct DrawTextImport {
  std::vector<ImportedDraw> draws;  // in file order
  std::vector<RejectedLine> rejected;
  // Set when the file as a whole cannot be read (dates of unknown order, no draw layout);
  // draws is then empty.
  std::string refusal;
};

DrawTextImport parseDrawText(std::string_view text, const DrawImportRules& rules);

}  // namespace numora
