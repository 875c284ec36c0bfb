// The statistics chart as a file: the chart view draws the model at the asked size, into a PNG
// image or an SVG drawing (by the file's extension). Needs a QApplication.
#pragma once

#include <QString>

#include "form/controls.h"
#include "form/print_document.h"

namespace numora {

// Throws std::runtime_error when the file cannot be written.
void saveChartImageFile(const Chart& chart, const QString& path, ImageSize size);

}  // namespace numora
