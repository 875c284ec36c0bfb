#include <QDateEdit>
#include <QFrame>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"
#include "app/qt/print_menu.h"
#include "app/qt/statistics_chart_view.h"

namespace numora {
namespace {

constexpr int kPanelHeight = 36;

// The number distribution's button shows a picture only: bars in the prime colours.
QIcon distributionIcon() {
  QPixmap picture(20, 20);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  const QColor red(0xFF, 0, 0);
  const QColor green(0, 0x80, 0);
  const int heights[] = {12, 17, 8, 14, 10};
  for (int i = 0; i < 5; ++i) {
    painter.fillRect(QRect(1 + i * 4, 19 - heights[i], 3, heights[i]), i % 2 ? green : red);
  }
  painter.setPen(Qt::black);
  painter.drawLine(0, 19, 19, 19);
  return QIcon(picture);
}

}  // namespace

void buildChartPage(QWidget* page, PageBuilder& build) {
  Form& form = build.form();

  // The row of flat buttons, each running its statistic; then the statistics start date.
  auto* row = new QFrame(page);
  row->setObjectName(QStringLiteral("Panel16"));
  row->setFrameShape(QFrame::StyledPanel);
  row->setFrameShadow(QFrame::Raised);
  build.fixHeight(row, kPanelHeight);
  QToolButton* distribution =
      build.speedButton(row, form.SpeedButton2, QRect(4, 3, 30, 30), nullptr);
  distribution->setIcon(distributionIcon());
  distribution->setIconSize(QSize(20, 20));
  build.speedButton(row, form.SpeedButton9, QRect(38, 3, 84, 30), nullptr);
  build.speedButton(row, form.SpeedButton1, QRect(126, 3, 60, 30), nullptr);
  build.speedButton(row, form.SpeedButton3, QRect(190, 3, 60, 30), nullptr);
  build.speedButton(row, form.SpeedButton17, QRect(254, 3, 60, 30), nullptr);
  build.speedButton(row, form.SpeedButton19, QRect(318, 3, 70, 30), nullptr);
  build.datePicker(row, form.DateTimePicker2, QRect(400, 6, 120, 24));
  addSaveChartButton(build, row, QRect(526, 3, 30, 30));

  // The chart fills the page below the row, whatever the window's size.
  StatisticsChartView* chart = build.chart(page, form.Chart1);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(row);
  layout->addWidget(chart, 1);
}

}  // namespace numora
