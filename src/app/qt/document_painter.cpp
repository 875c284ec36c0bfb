#include "app/qt/document_painter.h"

#include <cmath>

#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <stdexcept>

#include "common/atomic_file.h"
#include "common/translatable.h"

namespace numora {

namespace {

QPageSize pageSize(PaperSize paper) {
  return QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

QRectF scaled(const PageBox& box, double factor) {
  return QRectF(box.x * factor, box.y * factor, box.width * factor, box.height * factor);
}

QFont textFont(const PlacedText& text, double dotsPerInch) {
  QFont font = text.fixedWidth ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont();
  // Sizes in device pixels, so a device of any resolution shows the layout's point sizes.
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(text.pointSize * dotsPerInch / 72.0))));
  font.setBold(text.bold);
  return font;
}

void paintGrid(QPainter& painter, const PlacedGrid& grid, double factor, double dotsPerInch) {
  const QRectF area = scaled(grid.box, factor);
  const double cellWidth = area.width() / grid.columns;
  const double cellHeight = area.height() / grid.rows;
  QFont font;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(7 * dotsPerInch / 72.0))));
  painter.setFont(font);
  QPen line(Qt::black);
  line.setWidthF(std::max(1.0, 0.5 * dotsPerInch / 72.0));
  for (int number = 1; number <= grid.columns * grid.rows; ++number) {
    const int row = (number - 1) / grid.columns;
    const int column = (number - 1) % grid.columns;
    const QRectF cell(area.left() + column * cellWidth, area.top() + row * cellHeight, cellWidth,
                      cellHeight);
    const bool marked =
        std::find(grid.marked.begin(), grid.marked.end(), number) != grid.marked.end();
    painter.setPen(line);
    painter.setBrush(marked ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    painter.drawRect(cell);
    painter.setPen(marked ? Qt::white : Qt::black);
    painter.drawText(cell, Qt::AlignCenter, QString::number(number));
  }
}

}  // namespace

void paintPage(QPainter& painter, const PrintPage& page, double dotsPerInch) {
  const double factor = dotsPerInch / 72.0;
  painter.setRenderHint(QPainter::Antialiasing);
  for (const PlacedText& text : page.texts) {
    painter.setFont(textFont(text, dotsPerInch));
    painter.setPen(Qt::black);
    painter.drawText(scaled(text.box, factor), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(text.text));
  }
  for (const PlacedGrid& grid : page.grids) paintGrid(painter, grid, factor, dotsPerInch);
}

void paintDocument(QPagedPaintDevice& device, const PrintDocument& document) {
  QPainter painter;
  if (!painter.begin(&device)) throw std::runtime_error("The printout could not be started.");
  const double dotsPerInch = device.logicalDpiY();
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    if (i > 0) device.newPage();
    paintPage(painter, document.pages[i], dotsPerInch);
  }
  painter.end();
}

void writePdfFile(const PrintDocument& document, const QString& path) {
  // Drawn into memory and written whole: a full disk leaves no half file, and a pipe or a
  // device in the file's place is refused instead of written to.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setTitle(QString::fromStdString(document.title));
    writer.setCreator(QStringLiteral("Numora Canada"));
    writer.setResolution(300);
    // The layout covers the whole sheet; its own margins keep the text off the edges.
    writer.setPageLayout(QPageLayout(pageSize(document.paper), QPageLayout::Portrait, QMarginsF()));
    paintDocument(writer, document);
  }
  writeFileAtomically(path.toStdString(), std::string_view(pdf.data().constData(),
                                                           static_cast<std::size_t>(pdf.size())));
}

PaperSize printerPaper(const QPrinter& printer) {
  return printer.pageLayout().pageSize().id() == QPageSize::Letter ? PaperSize::Letter
                                                                   : PaperSize::A4;
}

}  // namespace numora
