// Paints a laid-out document: its pages on a printer, into a PDF file or on an image. Positions
// are the layout's points, scaled to the device's resolution; nothing is placed here.
#pragma once

#include <QString>

#include "form/print_document.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace numora {

// One page, with the painter's device at `dotsPerInch`.
void paintPage(QPainter& painter, const PrintPage& page, double dotsPerInch);

// Every page on the device, a new page before each but the first.
void paintDocument(QPagedPaintDevice& device, const PrintDocument& document);

// The document as a PDF file in its paper size, written whole (atomic_file.h); throws
// FileAccessError when the file cannot be written.
void writePdfFile(const PrintDocument& document, const QString& path);

// The paper a printer is set up for: US Letter for Letter paper, A4 for any other.
PaperSize printerPaper(const QPrinter& printer);

}  // namespace numora
