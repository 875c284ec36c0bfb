#include "app/qt/statistics_chart_view.h"

#include "app/qt/view_translation.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLegend>
#include <QLocale>
#include <QResizeEvent>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>
#include <map>

#include "app/qt/chart_scale.h"
#include "stats/statistics_chart.h"

namespace numora {
namespace {

// Above this many bars the bars touch: there is no room for gaps.
constexpr std::size_t kManyBars = 100;

QFont pixelFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QColor rgb(std::uint32_t value) {
  return QColor::fromRgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// An axis title is shown as rich text: blanks are kept as they are, markup is not read.
QString richTitle(const QString& title) {
  return title.toHtmlEscaped().replace(QLatin1Char(' '), QChar(QChar::Nbsp));
}

QString xLabel(double x) {
  return QString::number(x, 'g', 10);
}

// The legend text of a bar colour; empty for a colour that means nothing of its own.
QString legendText(std::uint32_t colour) {
  if (colour == kPrimeRed) return viewText(kPrimeLegend);
  if (colour == kOtherGreen) return viewText(kOtherLegend);
  return {};
}

// One stacked series whose sets hold the bars of one colour each (zero elsewhere), so every bar
// shows in its own colour.
QStackedBarSeries* barSeries(const ChartSeries& model, std::uint32_t ownColour) {
  auto* series = new QStackedBarSeries;
  const std::size_t count = model.bars.size();
  std::map<std::uint32_t, QBarSet*> sets;
  std::vector<QBarSet*> ordered;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t colour = model.bars[i].colour.value_or(ownColour);
    QBarSet*& set = sets[colour];
    if (!set) {
      set = new QBarSet(legendText(colour));
      set->setColor(rgb(colour));
      // Without a pen a bar keeps the colour of its neighbour set as its outline.
      set->setPen(Qt::NoPen);
      for (std::size_t j = 0; j < count; ++j) set->append(0.0);
      ordered.push_back(set);
    }
    set->replace(static_cast<qsizetype>(i), model.bars[i].y);
  }
  series->append(QList<QBarSet*>(ordered.begin(), ordered.end()));
  series->setBarWidth(count > kManyBars ? 1.0 : 0.8);
  series->setLabelsVisible(false);
  return series;
}

}  // namespace

StatisticsChartView::StatisticsChartView(QWidget* parent)
    : QChartView(parent),
      chart_(new QChart),
      categoryAxis_(new QCategoryAxis),
      valueAxis_(new QValueAxis),
      hint_(new QLabel(this)) {
  hint_->setWordWrap(true);
  hint_->setAlignment(Qt::AlignCenter);
  hint_->setFont(pixelFont(13, true));
  hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
  hint_->hide();

  // The legend shows only while the bars' colours mean something (the prime colouring).
  chart_->legend()->hide();
  chart_->legend()->setAlignment(Qt::AlignTop);
  chart_->legend()->setFont(pixelFont(10));
  chart_->legend()->setMarkerShape(QLegend::MarkerShapeRectangle);
  chart_->setTitle(QString());
  chart_->setBackgroundRoundness(0);
  chart_->setMargins(QMargins(2, 4, 8, 2));
  chart_->layout()->setContentsMargins(0, 0, 0, 0);

  categoryAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  categoryAxis_->setLabelsFont(pixelFont(8));
  categoryAxis_->setTruncateLabels(false);
  categoryAxis_->setGridLineVisible(false);
  categoryAxis_->setTitleFont(pixelFont(11, true));
  categoryAxis_->setRange(-0.5, 0.5);
  chart_->addAxis(categoryAxis_, Qt::AlignBottom);

  valueAxis_->setLabelsFont(pixelFont(10));
  valueAxis_->setTitleFont(pixelFont(10));
  valueAxis_->setLabelFormat(QStringLiteral("%.0f"));
  // Axis labels group thousands as the user's locale does, as every other number of the window.
  chart_->setLocalizeNumbers(true);
  valueAxis_->setTickType(QValueAxis::TicksDynamic);
  valueAxis_->setTickAnchor(0);
  valueAxis_->setRange(0, 1);
  chart_->addAxis(valueAxis_, Qt::AlignLeft);

  // Setting a chart only releases the view's own first one: delete it, or it leaks.
  QChart* initial = chart();
  setChart(chart_);
  delete initial;
  setRenderHint(QPainter::Antialiasing, false);
  // A wider or narrower plot area fits more or fewer labels.
  connect(chart_, &QChart::plotAreaChanged, this, [this] { relabel(); });
}

void StatisticsChartView::showChart(const Chart& chart) {
  chart_->removeAllSeries();
  xValues_.clear();
  bool coloursMeanSomething = false;
  bool coloursWithoutMeaning = false;
  for (int number : {1, 2}) {
    const ChartSeries& model = chart.series(number);
    if (!model.active || model.bars.empty()) continue;
    QStackedBarSeries* series = barSeries(model, kSeriesColours[number - 1]);
    for (const QBarSet* set : series->barSets()) {
      (set->label().isEmpty() ? coloursWithoutMeaning : coloursMeanSomething) = true;
    }
    chart_->addSeries(series);
    series->attachAxis(categoryAxis_);
    series->attachAxis(valueAxis_);
    connect(series, &QStackedBarSeries::hovered, this,
            [this](bool entered, int index, QBarSet* set) {
              if (!entered || index < 0 || static_cast<std::size_t>(index) >= xValues_.size()) {
                QToolTip::hideText();
                return;
              }
              QToolTip::showText(QCursor::pos(), xLabel(xValues_[index]) + QStringLiteral(": ") +
                                                     QLocale().toString(set->at(index), 'f', 0));
            });
    if (xValues_.size() < model.bars.size()) {
      xValues_.clear();
      for (const ChartBar& bar : model.bars) xValues_.push_back(bar.x);
    }
  }
  const double bars = static_cast<double>(std::max<std::size_t>(xValues_.size(), 1));
  categoryAxis_->setRange(-0.5, bars - 0.5);

  chart_->legend()->setVisible(coloursMeanSomething && !coloursWithoutMeaning);

  const ValueAxisView axis = paddedValueAxis(shownValueRange(chart));
  valueAxis_->setRange(axis.min, axis.max);
  valueAxis_->setTickInterval(axis.interval);
  valueAxis_->setTitleText(viewText(chart.leftTitle()));

  hint_->setText(viewText(chart.hint()));
  hint_->setVisible(!chart.hint().empty());

  title_ = viewText(chart.shownBottomTitle());
  categoryAxis_->setTitleText(richTitle(title_));
  labelStep_ = 0;
  relabel();
}

void StatisticsChartView::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  // The hint keeps a margin to the axes and wraps within the plot's width.
  const int margin = std::min(width(), height()) / 8;
  hint_->setGeometry(rect().adjusted(margin, margin, -margin, -margin));
}

void StatisticsChartView::relabel() {
  const double width = chart_->plotArea().width();
  const double pixelsPerBar = xValues_.empty() ? width : width / xValues_.size();
  double labelWidth = 0;
  const QFontMetricsF metrics(categoryAxis_->labelsFont());
  for (double x : xValues_) labelWidth = std::max(labelWidth, metrics.horizontalAdvance(xLabel(x)));
  const int step = numora::labelStep(pixelsPerBar, labelWidth);
  if (step == labelStep_) return;
  labelStep_ = step;

  for (const QString& label : categoryAxis_->categoriesLabels()) categoryAxis_->remove(label);
  for (std::size_t i = 0; i < xValues_.size(); ++i) {
    const double x = xValues_[i];
    // Whole x values are labelled at multiples of the step, so the labels read 5, 10, 15, ...
    const bool whole = x == std::floor(x);
    const auto position = whole ? static_cast<long long>(x) : static_cast<long long>(i);
    if (position % step != 0) continue;
    categoryAxis_->append(xLabel(x), static_cast<double>(i));
  }
}

}  // namespace numora
