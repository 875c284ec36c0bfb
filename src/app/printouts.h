// "Print…" and "Save as PDF…" for the tip list (as playslips), the ticket sheet, the evaluation
// report and the last back-test's report, and "Save chart as…" for the statistics chart. Each
// lays its pages out here and leaves the painting to the platform.
#pragma once

#include "draws/current_draw.h"
#include "form/form.h"
#include "form/platform.h"

namespace numora {

enum class PrintTarget { Printer, Pdf };

// The tips the printouts cover: the list's tips that the tickets of total tips / tips per ticket
// hold, each read as the tip matching reads it, numbers outside 1..70 left unmarked.
std::vector<std::vector<int>> printedTips(const Form& form);

// The draw the printed tips are meant for: the one due after the last stored draw, but never
// one before today (then today's first draw).
std::string drawForText(DrawContext context);

void printTips(DrawContext context, PrintTarget target);
void printTicketSheet(Form& form, Platform& platform, PrintTarget target);
void printEvaluation(Form& form, Platform& platform, PrintTarget target);
// Analyse.txt in Home, as the last back-test wrote it; a message when there is none yet.
void printBacktestReport(Form& form, Platform& platform, PrintTarget target);

// "Save chart as…": PNG or SVG by the chosen file's extension, at a size the user picks.
void saveChart(Form& form, Platform& platform);

}  // namespace numora
