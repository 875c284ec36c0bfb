// The historical search of the tip list ("DB search tips"): every draw of the statistics window
// becomes the shown draw in turn and the whole tip list is scored against it; each draw on which
// a tip reaches the asked number of hits is announced. The chart then shows, for each best hit
// count 0..10, on how many window draws the list reached it.
#pragma once

#include <array>

#include "draws/current_draw.h"

#include "common/translatable.h"

namespace numora {

constexpr const char* kSearchThresholdCaption =
    NUMORA_TRANSLATABLE("Numora", "Stop at conformity of x numbers");

// The draw caption the search writes: the date, two blanks, then each number after two blanks
// (no midday mark).
std::string searchCaption(const DrawRecord& record, const WeekdayNames& shortNames);

// Runs the search; returns the bar heights (window draws per best hit count 0..10).
// A stop request (Stop, Esc) or the window's close ends it after the draw in hand.
std::array<int, 11> searchTipListHistory(DrawContext context, const bool* stopRequested = nullptr);

}  // namespace numora
