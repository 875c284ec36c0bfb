// The Qt platform's printing and export: the print dialog, the PDF writer, the region's paper,
// the image-size question and the chart image.
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>

#include "app/qt/chart_image.h"
#include "app/qt/document_painter.h"
#include "app/qt/qt_platform.h"

namespace numora {

std::optional<PaperSize> QtPlatform::choosePrinter() {
  if (!printer_) {
    printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer_->setPageSize(
        QPageSize(defaultPaper() == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4));
  }
  QPrintDialog dialog(printer_.get(), dialogParent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return printerPaper(*printer_);
}

void QtPlatform::printDocument(const PrintDocument& document) {
  if (!printer_) return;
  // The layout covers the whole sheet and keeps its own margins.
  printer_->setFullPage(true);
  printer_->setDocName(QString::fromStdString(document.title));
  paintDocument(*printer_, document);
}

void QtPlatform::writePdf(const PrintDocument& document, const std::string& path) {
  writePdfFile(document, QString::fromStdString(path));
}

PaperSize QtPlatform::defaultPaper() {
  // North America prints on US Letter.
  const QLocale::Territory territory = QLocale::system().territory();
  return territory == QLocale::Canada || territory == QLocale::UnitedStates ||
                 territory == QLocale::Mexico
             ? PaperSize::Letter
             : PaperSize::A4;
}

std::optional<ImageSize> QtPlatform::askImageSize(ImageSize preset) {
  QDialog dialog(dialogParent_);
  dialog.setWindowTitle(QCoreApplication::translate("ChartSizeDialog", "Chart size"));
  auto* layout = new QFormLayout(&dialog);
  auto* width = new QSpinBox(&dialog);
  auto* height = new QSpinBox(&dialog);
  for (QSpinBox* box : {width, height}) {
    box->setRange(100, 10000);
    box->setSuffix(QStringLiteral(" px"));
  }
  width->setObjectName(QStringLiteral("ChartWidth"));
  height->setObjectName(QStringLiteral("ChartHeight"));
  width->setValue(preset.width);
  height->setValue(preset.height);
  layout->addRow(QCoreApplication::translate("ChartSizeDialog", "Width:"), width);
  layout->addRow(QCoreApplication::translate("ChartSizeDialog", "Height:"), height);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ImageSize{width->value(), height->value()};
}

void QtPlatform::saveChartImage(const Chart& chart, const std::string& path, ImageSize size) {
  saveChartImageFile(chart, QString::fromStdString(path), size);
}

}  // namespace numora
