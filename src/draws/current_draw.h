// The current draw and the operations that move it: show by date, the steps to the previous and
// next draw, and the lottery switch. Each ends with the full check of the tip list.
#pragma once

#include "common/translatable.h"
#include "draws/draw_caption.h"
#include "draws/draw_file.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

// What show by date and the statistics say when the lottery has no draw file yet.
constexpr const char* kNoDrawFileMessage =
    NUMORA_TRANSLATABLE("Numora", "First read the data of draws");

struct DrawContext {
  Form& form;
  Platform& platform;
  DrawFileReader& reader;
};

// True while a draw is current; false after a switch to a lottery without stored draws.
bool hasCurrentDraw(const Form& form);

// The draw file of the selected lottery.
std::filesystem::path currentDrawFile(DrawContext context);

// Makes a record the current draw: Datum1, Zahl[1..20], Position, the caption and the cross sum.
// Zahl5 is left to the caller.
void showRecord(DrawContext context, const DrawRecord& record, std::size_t index, CaptionGap gap);

// Makes the first draw on or after the picked date current (the last draw when none is).
void showDrawByDate(DrawContext context);
void stepToPreviousDraw(DrawContext context);
void stepToNextDraw(DrawContext context);
// Selects the other lottery: its draw file, its picker limits and its latest draw; without a
// stored draw no draw is current (empty caption, no numbers, empty hit list).
void switchLottery(DrawContext context);

}  // namespace numora
