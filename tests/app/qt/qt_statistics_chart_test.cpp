// The statistics chart on the "Chart" tab: the buttons above it and on the "Database" tab run
// their statistics, and the chart draws what the form model's Chart1 holds: the bars with their
// colours, the value axis fixed or automatic, readable category labels and the bottom title.

// First: the fixture includes the scripted platform before any Qt header.
#include "window_fixture.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/qt/chart_scale.h"
#include "app/qt/statistics_chart_view.h"

namespace numora {
namespace {

using test::Window;

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x008000;

QColor rgb(std::uint32_t value) {
  return QColor::fromRgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// The title as the axis shows it, rich text read back as plain text.
QString shownTitle(StatisticsChartView* view) {
  return QTextDocumentFragment::fromHtml(view->categoryAxis()->titleText())
      .toPlainText()
      .replace(QChar(QChar::Nbsp), QLatin1Char(' '));
}

QStackedBarSeries* barSeries(StatisticsChartView* view) {
  const auto series = view->chart()->series();
  return series.size() == 1 ? qobject_cast<QStackedBarSeries*>(series.front()) : nullptr;
}

// Every bar of the model is drawn once, with its height, in its colour (the set that holds it).
void compareBars(StatisticsChartView* view, const ChartSeries& model, std::uint32_t ownColour) {
  QStackedBarSeries* series = barSeries(view);
  QVERIFY(series);
  const auto sets = series->barSets();
  QVERIFY(!sets.isEmpty());
  for (QBarSet* set : sets) QCOMPARE(set->count(), static_cast<qsizetype>(model.bars.size()));
  for (std::size_t i = 0; i < model.bars.size(); ++i) {
    const ChartBar& bar = model.bars[i];
    double height = 0;
    for (QBarSet* set : sets) {
      const double value = set->at(static_cast<qsizetype>(i));
      height += value;
      if (value != 0) QCOMPARE(set->color(), rgb(bar.colour.value_or(ownColour)));
    }
    QCOMPARE(height, bar.y);
  }
}

// The texts of the legend's entries; empty while the legend is hidden.
QStringList legendTexts(StatisticsChartView* view) {
  QStringList texts;
  if (!view->chart()->legend()->isVisible()) return texts;
  for (const QLegendMarker* marker : view->chart()->legend()->markers()) texts << marker->label();
  return texts;
}

// The shown value axis holds the model's range with room to spare: every bar above the
// shown minimum has a height, and the top tick's label lies below the top edge.
void expectPaddedAxis(StatisticsChartView* view, const Chart& chart) {
  const ValueRange model = shownValueRange(chart);
  QValueAxis* axis = view->valueAxis();
  QVERIFY(axis->min() >= 0);
  QVERIFY(axis->min() < model.min || model.min == 0);
  const double topTick = std::floor(axis->max() / axis->tickInterval()) * axis->tickInterval();
  QVERIFY(topTick >= model.max);
  QVERIFY(axis->max() - topTick >= axis->tickInterval() / 2);
}

// The colour painted in the middle of bar `index`.
QColor paintedBar(StatisticsChartView* view, int index, double height) {
  QStackedBarSeries* series = barSeries(view);
  const QPointF scene = view->chart()->mapToPosition(QPointF(index, height / 2), series);
  const QPoint point = view->mapFromScene(scene);
  return view->grab().toImage().pixelColor(point);
}

// The labels stand under the bars whose x they show, and do not run into each other.
void compareLabels(StatisticsChartView* view, const ChartSeries& model) {
  QCategoryAxis* axis = view->categoryAxis();
  const QStringList labels = axis->categoriesLabels();
  QVERIFY(!labels.isEmpty());
  const QFontMetricsF metrics(axis->labelsFont());
  const double pixelsPerBar = view->chart()->plotArea().width() / model.bars.size();
  double previous = -1e9;
  for (const QString& label : labels) {
    const double position = axis->endValue(label);
    const auto index = static_cast<std::size_t>(position);
    QVERIFY(index < model.bars.size());
    QCOMPARE(label, QString::number(model.bars[index].x));
    QVERIFY2((position - previous) * pixelsPerBar >= metrics.horizontalAdvance(label),
             qPrintable(label));
    previous = position;
  }
}

}  // namespace

class StatisticsChartTest : public QObject {
  Q_OBJECT

 private slots:
  void buttonsRunTheirStatistic_data();
  void buttonsRunTheirStatistic();
  void numberDistributionIsDrawnAsTheModelHoldsIt();
  void leastDrawnNumberHasABar();
  void crossSumsAndPairsAreDrawnAsTheModelHoldsThem();
  void chartRedrawsOnlyWhenTheModelChanged();
  void axisRangesAndLabelSteps_data();
  void axisRangesAndLabelSteps();
  void shownRangeLeavesRoomAroundTheBars_data();
  void shownRangeLeavesRoomAroundTheBars();
};

void StatisticsChartTest::buttonsRunTheirStatistic_data() {
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("titleStart");
  QTest::addColumn<QString>("titleEnd");
  const QString overdue =
      QStringLiteral("Which number is overdue, as was not since as many draws held?");
  QTest::newRow("number distribution") << "TabSheet5"
                                       << "SpeedButton2"
                                       << "number distribution     draw: 3"
                                       << "";
  QTest::newRow("cross sums") << "TabSheet5"
                              << "SpeedButton9"
                              << "Cross-sum distribution     Draws: 2"
                              << "";
  QTest::newRow("pairs") << "TabSheet5"
                         << "SpeedButton1"
                         << "at 2 draws was found "
                         << " pairs !";
  QTest::newRow("three") << "TabSheet5"
                         << "SpeedButton3"
                         << "at 2 draws was found  "
                         << " three!";
  QTest::newRow("four") << "TabSheet5"
                        << "SpeedButton17"
                        << "at 2  draws was found "
                        << " four!";
  QTest::newRow("pending") << "TabSheet5"
                           << "SpeedButton19" << overdue << "";
  QTest::newRow("pairs seeking") << "TabSheet2"
                                 << "Button2"
                                 << "at 2 draws was found "
                                 << " pairs !";
  QTest::newRow("three search") << "TabSheet2"
                                << "Button3"
                                << "at 2 draws was found  "
                                << " three!";
  QTest::newRow("four search") << "TabSheet2"
                               << "Button4"
                               << "at 2  draws was found "
                               << " four!";
  QTest::newRow("pending search") << "TabSheet2"
                                  << "Button5" << overdue << "";
}

void StatisticsChartTest::buttonsRunTheirStatistic() {
  QFETCH(QString, page);
  QFETCH(QString, button);
  QFETCH(QString, titleStart);
  QFETCH(QString, titleEnd);
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  // The statistics window: from the first draw's date (excluded by all but the number
  // distribution) to the last draw's date.
  QVERIFY(window.form().DateTimePicker2.setDate(encodeDate(2023, 5, 4)));
  window.form().Chart1.setBottomTitle("before");
  window.view->refresh();
  auto* chart = window.widget<StatisticsChartView>("Chart1");
  QCOMPARE(shownTitle(chart), QStringLiteral("before"));

  window.showPage(qPrintable(page));
  const auto messages = window.platform.messages();
  QTest::mouseClick(window.widget(qPrintable(button)), Qt::LeftButton);
  const QString title = QString::fromStdString(window.form().Chart1.bottomTitle());
  QVERIFY2(title.startsWith(titleStart), qPrintable(title));
  QVERIFY2(title.endsWith(titleEnd), qPrintable(title));
  QCOMPARE(shownTitle(chart), title);
  // The searches show their result on the "Chart" tab; the distributions are started there.
  QCOMPARE(window.widget<QTabWidget>("PageControl1")->currentWidget(), window.widget("TabSheet5"));
  QCOMPARE(window.platform.messages(), messages);
}

void StatisticsChartTest::numberDistributionIsDrawnAsTheModelHoldsIt() {
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  window.showPage("TabSheet5");
  auto* button = window.widget<QToolButton>("SpeedButton2");
  QVERIFY(!button->icon().isNull());
  QTest::mouseClick(button, Qt::LeftButton);
  auto* view = window.widget<StatisticsChartView>("Chart1");
  const Chart& chart = window.form().Chart1;
  const ChartSeries& bars = chart.series(2);
  QCOMPARE(bars.bars.size(), std::size_t{70});

  // Flat bars, without chart title or value labels; a legend says what the colours mean.
  QVERIFY(view->chart()->title().isEmpty());
  QVERIFY(!barSeries(view)->isLabelsVisible());
  compareBars(view, bars, StatisticsChartView::kSeriesColours[1]);
  QCOMPARE(bars.bars[1].colour, std::optional<std::uint32_t>(kRed));    // 2
  QCOMPARE(bars.bars[3].colour, std::optional<std::uint32_t>(kGreen));  // 4
  QCOMPARE(legendTexts(view), (QStringList{"prime numbers and 1", "other numbers"}));
  QCOMPARE(view->valueAxis()->titleText(), QStringLiteral("draws"));

  // The model's value axis stays fixed to the smallest and the largest count; the chart shows
  // room below and above it.
  QVERIFY(!chart.leftAxis().automatic);
  QVERIFY(chart.leftAxis().min < chart.leftAxis().max);
  expectPaddedAxis(view, chart);
  QCOMPARE(shownTitle(view), QString::fromStdString(chart.bottomTitle()));
  compareLabels(view, bars);

  // What is painted: the tallest red bar red, the tallest green bar green.
  int red = -1;
  int green = -1;
  for (int i = 0; i < 70; ++i) {
    int& tallest = bars.bars[i].colour == kRed ? red : green;
    if (tallest < 0 || bars.bars[i].y > bars.bars[tallest].y) tallest = i;
  }
  QVERIFY(bars.bars[red].y > chart.leftAxis().min && bars.bars[green].y > chart.leftAxis().min);
  QCOMPARE(paintedBar(view, red, bars.bars[red].y), rgb(kRed));
  QCOMPARE(paintedBar(view, green, bars.bars[green].y), rgb(kGreen));
  // The overdue numbers count draws since; their colours have the legend too.
  QTest::mouseClick(window.widget("SpeedButton19"), Qt::LeftButton);
  QCOMPARE(view->valueAxis()->titleText(), QStringLiteral("draws since last drawn"));
  QCOMPARE(legendTexts(view), (QStringList{"prime numbers and 1", "other numbers"}));
  expectPaddedAxis(view, chart);
}

void StatisticsChartTest::leastDrawnNumberHasABar() {
  // Five weeks of Daily Keno: every number drawn at least once.
  Window window(test::generateHistory(encodeDate(2023, 4, 1), encodeDate(2023, 5, 5), true, 3));
  QVERIFY(window.show());
  window.showPage("TabSheet5");
  QTest::mouseClick(window.widget("SpeedButton2"), Qt::LeftButton);
  auto* view = window.widget<StatisticsChartView>("Chart1");
  const Chart& chart = window.form().Chart1;
  const auto& bars = chart.series(2).bars;
  const auto least = std::min_element(
      bars.begin(), bars.end(), [](const ChartBar& a, const ChartBar& b) { return a.y < b.y; });
  QVERIFY(least->y > 0);
  // The model keeps the smallest count as the axis minimum, for the generator and numora-cli.
  QCOMPARE(least->y, chart.leftAxis().min);
  expectPaddedAxis(view, chart);
  // Painted, in its colour: a bar of height zero showed nothing here.
  const int index = static_cast<int>(least - bars.begin());
  const double shownMin = view->valueAxis()->min();
  QCOMPARE(paintedBar(view, index, shownMin + least->y), rgb(*least->colour));
}

void StatisticsChartTest::crossSumsAndPairsAreDrawnAsTheModelHoldsThem() {
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  QVERIFY(window.form().DateTimePicker2.setDate(encodeDate(2023, 5, 3)));
  window.showPage("TabSheet5");
  auto* view = window.widget<StatisticsChartView>("Chart1");
  const Chart& chart = window.form().Chart1;

  // Cross sums: hundreds of bars in the series' own colour, the value axis from 0 to the
  // tallest bar, a label only every few bars.
  QTest::mouseClick(window.widget("SpeedButton9"), Qt::LeftButton);
  const ChartSeries& sums = chart.series(2);
  QVERIFY(sums.bars.size() > 100);
  QVERIFY(chart.leftAxis().automatic);
  compareBars(view, sums, StatisticsChartView::kSeriesColours[1]);
  QCOMPARE(view->valueAxis()->min(), 0.0);
  QCOMPARE(view->valueAxis()->max(), 1.5);
  QCOMPARE(view->valueAxis()->titleText(), QStringLiteral("draws"));
  // Bars in the series' own colour need no legend.
  QVERIFY(legendTexts(view).isEmpty());
  QVERIFY(view->labelStep() > 1);
  compareLabels(view, sums);

  // Pairs: 69 bars, the value axis fixed.
  QTest::mouseClick(window.widget("SpeedButton1"), Qt::LeftButton);
  const ChartSeries& pairs = chart.series(2);
  QCOMPARE(pairs.bars.size(), std::size_t{69});
  compareBars(view, pairs, StatisticsChartView::kSeriesColours[1]);
  QVERIFY(!chart.leftAxis().automatic);
  expectPaddedAxis(view, chart);
  compareLabels(view, pairs);

  // An empty window: the fixed range 0..0 still shows the zero line and one tick above it.
  QVERIFY(window.form().DateTimePicker2.setDate(encodeDate(2023, 5, 5)));
  QTest::mouseClick(window.widget("SpeedButton3"), Qt::LeftButton);
  QCOMPARE(chart.leftAxis().min, 0.0);
  QCOMPARE(chart.leftAxis().max, 0.0);
  QCOMPARE(view->valueAxis()->min(), 0.0);
  QCOMPARE(view->valueAxis()->max(), 1.5);
}

void StatisticsChartTest::chartRedrawsOnlyWhenTheModelChanged() {
  Window window(test::dailyKenoDraws());
  QVERIFY(window.show());
  auto* view = window.widget<StatisticsChartView>("Chart1");
  QStackedBarSeries* drawn = barSeries(view);
  QVERIFY(drawn);

  // Another control changes: the chart keeps what it drew.
  window.form().Label13.setCaption("cross sum: 1");
  window.view->refresh();
  QCOMPARE(barSeries(view), drawn);

  // The model's bars change: the chart shows the new ones, series 1 only while active.
  Chart& chart = window.form().Chart1;
  chart.clearSeries(2);
  chart.addBar(2, 10, 4, 0x0000FF);
  chart.addBar(2, 11, 6);
  chart.addBar(1, 10, 9);
  chart.setSeriesActive(1, false);
  chart.setLeftAxisAutomatic();
  window.view->refresh();
  QStackedBarSeries* redrawn = barSeries(view);
  QVERIFY(redrawn);
  compareBars(view, chart.series(2), StatisticsChartView::kSeriesColours[1]);
  QCOMPARE(view->valueAxis()->max(), 6.5);
  QCOMPARE(view->categoryAxis()->categoriesLabels(), (QStringList{"10", "11"}));

  chart.setSeriesActive(1, true);
  window.view->refresh();
  QCOMPARE(view->chart()->series().size(), 2);
  QCOMPARE(view->valueAxis()->max(), 9.5);
}

void StatisticsChartTest::axisRangesAndLabelSteps_data() {
  QTest::addColumn<double>("span");
  QTest::addColumn<double>("interval");
  QTest::addColumn<double>("pixelsPerBar");
  QTest::addColumn<double>("labelWidth");
  QTest::addColumn<int>("step");
  QTest::newRow("small counts") << 1.0 << 1.0 << 8.0 << 4.0 << 1;
  QTest::newRow("ten") << 10.0 << 1.0 << 7.0 << 10.0 << 2;
  QTest::newRow("thirteen") << 13.0 << 2.0 << 7.0 << 30.0 << 5;
  QTest::newRow("eighty") << 80.0 << 10.0 << 1.0 << 16.0 << 20;
  QTest::newRow("thousands") << 4500.0 << 500.0 << 0.5 << 20.0 << 50;
}

void StatisticsChartTest::axisRangesAndLabelSteps() {
  QFETCH(double, span);
  QFETCH(double, interval);
  QFETCH(double, pixelsPerBar);
  QFETCH(double, labelWidth);
  QFETCH(int, step);
  QCOMPARE(tickInterval(span), interval);
  QCOMPARE(labelStep(pixelsPerBar, labelWidth), step);

  // The value range: fixed as the model has it, automatic from 0 to the tallest active bar.
  ControlRegistry registry;
  Chart chart(&registry, "Chart1");
  chart.addBar(2, 1, span);
  chart.addBar(1, 1, span * 3);
  chart.setSeriesActive(1, false);
  QCOMPARE(shownValueRange(chart), (ValueRange{0, span}));
  chart.setLeftAxisMaximum(span + 7);
  chart.setLeftAxisMinimum(7);
  chart.setLeftAxisFixed();
  QCOMPARE(shownValueRange(chart), (ValueRange{7, span + 7}));
  chart.setLeftAxisMinimum(span + 7);
  QCOMPARE(shownValueRange(chart), (ValueRange{span + 7, span + 7}));
}

void StatisticsChartTest::shownRangeLeavesRoomAroundTheBars_data() {
  QTest::addColumn<double>("min");
  QTest::addColumn<double>("max");
  QTest::addColumn<double>("shownMin");
  QTest::addColumn<double>("shownMax");
  QTest::addColumn<double>("interval");
  // The overdue chart whose top label "16" was cut off.
  QTest::newRow("overdue 1..16") << 1.0 << 16.0 << 0.0 << 17.0 << 2.0;
  QTest::newRow("counts 30..54") << 30.0 << 54.0 << 25.0 << 57.5 << 5.0;
  QTest::newRow("a maximum between ticks") << 31.0 << 53.0 << 25.0 << 57.5 << 5.0;
  QTest::newRow("a year of counts") << 208.0 << 260.0 << 200.0 << 265.0 << 10.0;
  QTest::newRow("all equal") << 5.0 << 5.0 << 4.0 << 5.5 << 1.0;
  QTest::newRow("nothing counted") << 0.0 << 0.0 << 0.0 << 1.5 << 1.0;
  QTest::newRow("automatic from 0") << 0.0 << 3.0 << 0.0 << 3.5 << 1.0;
}

void StatisticsChartTest::shownRangeLeavesRoomAroundTheBars() {
  QFETCH(double, min);
  QFETCH(double, max);
  QFETCH(double, shownMin);
  QFETCH(double, shownMax);
  QFETCH(double, interval);
  QCOMPARE(paddedValueAxis(ValueRange{min, max}), (ValueAxisView{shownMin, shownMax, interval}));
}

}  // namespace numora

QTEST_MAIN(numora::StatisticsChartTest)
#include "qt_statistics_chart_test.moc"
