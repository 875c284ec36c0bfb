// The ticket sheet "Tipp.txt" in Home: a heading with today's date, then the tip list cut into
// tickets of tips-per-ticket tips, each ticket closed by a line holding one blank. It is
// written fresh each time and handed to the desktop's open action.
#pragma once

#include <string>
#include <vector>

#include "common/day_date.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

constexpr const char* kTicketSheetFile = "Tipp.txt";

// The sheet's lines: tickets for ceil(total tips / tips per ticket), places past the end of the
// list skipped, each ticket still closed.
std::vector<std::string> ticketSheetLines(const std::vector<std::string>& tips, int totalTips,
                                          int tipsPerTicket, DayCount today,
                                          const WeekdayNames& longDayNames);

// Writes Home + "Tipp.txt" and opens it.
void writeTicketSheet(Form& form, Platform& platform);

}  // namespace numora
