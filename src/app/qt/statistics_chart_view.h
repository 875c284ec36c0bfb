// The statistics chart Chart1 on screen: flat bars without chart title or value labels, each bar
// in its own colour or its series' colour (with a legend for the prime colouring), the value
// axis over the model's range with room below the smallest and above the largest bar, titled
// with what the bars count, and the bars' x values as category labels under the model's bottom
// title; a hint across the plot while there is nothing to chart. The chart control of the form
// model is the truth; this view only draws it.
#pragma once

#include <QChartView>
#include <QString>
#include <cstdint>
#include <vector>

#include "form/controls.h"

class QCategoryAxis;
class QLabel;
class QChart;
class QValueAxis;

namespace numora {

class StatisticsChartView : public QChartView {
  Q_OBJECT

 public:
  // The series' own colours, for bars that bring none.
  static constexpr std::uint32_t kSeriesColours[2] = {0xFF0000, 0x4169E1};

  explicit StatisticsChartView(QWidget* parent = nullptr);

  // Draws the active series of the model with its axes and title.
  void showChart(const Chart& chart);

  QValueAxis* valueAxis() const { return valueAxis_; }
  QCategoryAxis* categoryAxis() const { return categoryAxis_; }
  // The bottom title as the model holds it (the axis shows it as rich text).
  const QString& bottomTitle() const { return title_; }
  // How many bars lie between two labels of the category axis at the current size.
  int labelStep() const { return labelStep_; }
  // The model's hint across the plot area, hidden while the model has none.
  QLabel* hintLabel() const { return hint_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Labels every n-th bar, n chosen so the labels stay apart at the plot area's width.
  void relabel();

  QChart* chart_;
  QCategoryAxis* categoryAxis_;
  QValueAxis* valueAxis_;
  QLabel* hint_;
  std::vector<double> xValues_;
  QString title_;
  int labelStep_ = 0;
};

}  // namespace numora
