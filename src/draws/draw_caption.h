// The text of a draw as the window shows it: "Fri 05.05.23", a gap, " (Midday) " for a midday
// draw, then each number after two blanks.
#pragma once

#include <string>

#include "common/day_date.h"
#include "draws/draw_record.h"

namespace numora {

enum class CaptionGap { Normal = 2, Wide = 3 };

std::string drawCaption(const DrawRecord& record, CaptionGap gap, const WeekdayNames& shortNames);
std::string crossSumCaption(const DrawRecord& record);

}  // namespace numora
