#include "app/qt/chart_image.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <stdexcept>

#include "app/qt/statistics_chart_view.h"
#include "common/translatable.h"

namespace numora {

void saveChartImageFile(const Chart& chart, const QString& path, ImageSize size) {
  StatisticsChartView view;
  view.setAttribute(Qt::WA_DontShowOnScreen);
  view.resize(size.width, size.height);
  view.showChart(chart);
  view.show();  // lays the chart out at its size

  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    {
      QFile probe(path);
      if (!probe.open(QIODevice::WriteOnly)) {
        throw std::runtime_error(
            fillPattern(NUMORA_TRANSLATABLE("Numora", "Cannot write %1: %2"),
                        {path.toStdString(), probe.errorString().toStdString()}));
      }
    }
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(size.width, size.height));
    svg.setViewBox(QRect(0, 0, size.width, size.height));
    svg.setTitle(QStringLiteral("Numora Canada chart"));
    QPainter painter(&svg);
    view.render(&painter);
    return;
  }
  QImage image(size.width, size.height, QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    view.render(&painter);
  }
  if (!image.save(path, "PNG")) {
    throw std::runtime_error(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "Cannot write %1"), {path.toStdString()}));
  }
}

}  // namespace numora
