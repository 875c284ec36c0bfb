// Merging imported draws into a stored history: new draws take their place in date order (the
// midday draw before the evening draw of its date), a draw whose date holds a stored draw of the
// same numbers is skipped (whatever the midday flags say), and a stored draw with other numbers
// is kept and reported. Stored records are never changed, dropped or moved relative to each
// other.
#pragma once

#include <string>
#include <vector>

#include "draws/draw_record.h"
#include "draws/draw_text_import.h"

namespace numora {

struct DrawMerge {
  std::vector<DrawRecord> records;  // the whole history after the merge
  int added = 0;
  int alreadyStored = 0;
  int assumedMidday = 0;  // added draws taken as midday draws because the file does not say
  std::vector<RejectedLine> conflicts;  // imported draws whose date holds other numbers
};

// Only the stored records a walk over the history steps on (damaged_records.h) decide where a
// new draw goes: a damaged record (a date after today, zeros) keeps its place among its
// neighbours and pushes no new draw in front of older draws.
DrawMerge mergeImportedDraws(const std::vector<DrawRecord>& stored,
                             const std::vector<ImportedDraw>& imported,
                             const DrawImportRules& rules);

}  // namespace numora
