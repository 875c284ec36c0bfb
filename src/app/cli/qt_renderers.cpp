#include "app/cli/qt_renderers.h"

#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/qt/chart_image.h"
#include "app/qt/document_painter.h"

namespace numora {

namespace {

// The chart view is a widget, so the painters need a QApplication; on the offscreen platform
// it needs no display.
// Qt's notes about the offscreen platform ("does not support propagateSizeHints") would land on
// standard error among the script's output; only its errors pass.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

void ensureApplication() {
  if (QCoreApplication::instance()) return;
  qInstallMessageHandler(dropQtNotes);
  static int argc = 3;
  static char name[] = "numora-cli";
  static char platformOption[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, platformOption, platform, nullptr};
  static std::unique_ptr<QApplication> application = std::make_unique<QApplication>(argc, argv);
}

}  // namespace

CliRenderers offscreenQtRenderers() {
  CliRenderers renderers;
  renderers.pdf = [](const PrintDocument& document, const std::string& path) {
    ensureApplication();
    writePdfFile(document, QString::fromStdString(path));
  };
  renderers.chart = [](const Chart& chart, const std::string& path, ImageSize size) {
    ensureApplication();
    saveChartImageFile(chart, QString::fromStdString(path), size);
  };
  return renderers;
}

}  // namespace numora
