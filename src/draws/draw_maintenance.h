// Hand maintenance of the draw history: deleting the shown draw and entering a draw through the
// number-choice dialog. Both rewrite the draw file atomically (draw_rewrite.h), so no failure
// can lose a stored draw.
#pragma once

#include <optional>
#include <vector>

#include "draws/current_draw.h"
#include "draws/lottery.h"
#include "form/number_choice_dialog.h"

namespace numora {

// The records that stay when the draw of shownDate is deleted: for Keno Atlantic (no midday
// flag given) every record of that date goes, for Daily Keno only those with the shown draw's
// midday flag. Records dated before a record ahead of them, and repeats of a date and midday
// flag already seen, go too; only records with a draw date (hasDrawDate) are judged and judge
// the others, so a damaged date (zeros, a date after today) stays byte for byte and never makes
// a later draw count as out of order.
std::vector<DrawRecord> recordsWithoutDraw(const std::vector<DrawRecord>& records,
                                           DayCount shownDate, std::optional<bool> shownMidday,
                                           const Lottery& lottery, DayCount today);

// The records with an entered draw in its place: it replaces the stored draws of its date (for
// Daily Keno only the one with its midday flag) and stands before the first later draw, a
// midday draw before the evening draw of its date. Only records with a draw date (hasDrawDate)
// are replaced or decide the place; the others stay where they are.
std::vector<DrawRecord> recordsWithDraw(const std::vector<DrawRecord>& records,
                                        const DrawRecord& entered, const Lottery& lottery,
                                        DayCount today);

// The date and midday flag the entry dialog proposes: the draw due after the last stored one.
struct ProposedDraw {
  DayCount date = 0;
  bool midday = false;
};
ProposedDraw proposeNextDraw(const std::vector<DrawRecord>& records, const Lottery& lottery,
                             DayCount today);

// "delete": removes the shown draw and shows the draw of the picked date again.
void deleteShownDraw(DrawContext context);
// "insert/edit": a draw entered in the number-choice dialog is stored, then the next draw shown.
void enterDraw(DrawContext context, NumberChoiceDialog& dialog);

}  // namespace numora
