#include "app/qt/chart_image.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <stdexcept>

#include "app/qt/statistics_chart_view.h"
#include "common/atomic_file.h"
#include "common/translatable.h"

namespace numora {

void saveChartImageFile(const Chart& chart, const QString& path, ImageSize size) {
  StatisticsChartView view;
  view.setAttribute(Qt::WA_DontShowOnScreen);
  view.resize(size.width, size.height);
  view.showChart(chart);
  view.show();  // lays the chart out at its size

  // Drawn into memory and written whole: a full disk leaves no half file, and a pipe or a
  // device in the file's place is refused instead of written to.
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(size.width, size.height));
    svg.setViewBox(QRect(0, 0, size.width, size.height));
    svg.setTitle(QStringLiteral("Numora Canada chart"));
    QPainter painter(&svg);
    view.render(&painter);
  } else {
    QImage image(size.width, size.height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      view.render(&painter);
    }
    if (!image.save(&file, "PNG")) {
      throw std::runtime_error(
          fillPattern(NUMORA_TRANSLATABLE("Numora", "Cannot write %1"), {path.toStdString()}));
    }
  }
  writeFileAtomically(path.toStdString(), std::string_view(file.data().constData(),
                                                           static_cast<std::size_t>(file.size())));
}

}  // namespace numora
