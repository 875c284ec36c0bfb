// Reading draws from a text or CSV file: the program's own export ("dd.mm.yyyy,n1,...,n20;")
// and the layouts spreadsheet programs write (a line of names or none; comma, semicolon or tab;
// dates dd.mm.yyyy, yyyy-mm-dd, "May 3, 2023" or with slashes, two-digit years, a time of day
// after the date; a midday/evening column or none; a row number in front). The text may be
// UTF-8 or UTF-16 with its byte-order mark, with CR, LF or CR LF line ends. The layout is learnt
// from the file; every line is validated on its own and a bad line is rejected with its number
// and the reason, never repaired. The text is read line by line, twice (the layout, then the
// draws), so memory stays bounded whatever the file holds. Nothing here writes a file.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/day_date.h"
#include "common/text_line_reader.h"

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
  // The only draw of its date in a Daily Keno file that does not say which draw a line is:
  // taken as the midday draw.
  bool middayAssumed = false;
};

struct RejectedLine {
  int line = 0;
  std::string reason;
};

// So many rejected lines are kept with their reasons; the rest are only counted.
constexpr std::size_t kRejectedLinesKept = 1000;

struct DrawTextImport {
  std::vector<ImportedDraw> draws;     // in file order
  std::vector<RejectedLine> rejected;  // the first kRejectedLinesKept, in line order
  std::size_t rejectedCount = 0;       // every rejected line
  // Set when the file as a whole cannot be read (dates of unknown order, no draw layout): what
  // the first line that failed holds and what was expected. draws is then empty.
  std::string refusal;
};

// Told the share of the work done, 0..1, now and then.
using ImportProgress = std::function<void(double)>;

// The draws of a text held in memory: its bytes as a file holds them.
DrawTextImport parseDrawText(std::string_view bytes, const DrawImportRules& rules);

// The same from any source of bytes (an open file); the source is read twice.
DrawTextImport parseDrawSource(ByteSource& source, const DrawImportRules& rules,
                               const ImportProgress& progress = {});

}  // namespace numora
