#include "app/qt/pages_sweep.h"

#include <QAreaSeries>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>

namespace numora {

SweepWindow::SweepWindow(QWidget* owner, TForm1& form1, ControlBinding& binding, Forward forward)
    : QWidget(owner, Qt::Window), form1_(form1), forward_(std::move(forward)) {
  Form& form = form1_.form;
  setObjectName(QStringLiteral("SweepWindow"));
  setWindowTitle(tr("Sweep: which settings would have done best"));

  // The back-test: one calculation scored to the end, or a calculation per draw.
  auto* test = bound(binding, form.SweepTest, new QGroupBox(this));
  auto* testButtons = new QButtonGroup(test);
  auto* testRow = new QHBoxLayout(test);
  for (int id = 0; id < 2; ++id) {
    auto* button = new QRadioButton(test);
    testButtons->addButton(button, id);
    testRow->addWidget(button);
  }
  connect(testButtons, &QButtonGroup::idClicked, this,
          [this](int id) { forward_([this, id] { form1_.form.SweepTest.setItemIndex(id); }); });

  // Up to three options: a control's name and its values, "UpDown6 5..9" or "CheckBox18 0,1".
  auto* grid = new QFormLayout;
  std::vector<QLineEdit*> rows;
  for (Edit* row : {&form.SweepVary1, &form.SweepVary2, &form.SweepVary3}) {
    auto* line = bound(binding, *row, new QLineEdit(this));
    line->setPlaceholderText(tr("control and values, e.g. UpDown6 5..9 or CheckBox18 0,1"));
    connect(line, &QLineEdit::editingFinished, this, [this, line, row] {
      forward_([line, row] { row->setText(line->text().toStdString()); });
    });
    grid->addRow(tr("Vary"), line);
    rows.push_back(line);
  }
  auto* repeats = bound(binding, form.SweepRepeats, new QSpinBox(this));
  connect(repeats, &QSpinBox::valueChanged, this, [this](int value) {
    forward_([this, value] { form1_.form.SweepRepeats.setPosition(value); });
  });
  grid->addRow(tr("Lucky numbers per setting"), repeats);
  auto* threads = bound(binding, form.SweepThreads, new QSpinBox(this));
  threads->setSpecialValueText(tr("all cores"));
  connect(threads, &QSpinBox::valueChanged, this, [this](int value) {
    forward_([this, value] { form1_.form.SweepThreads.setPosition(value); });
  });
  grid->addRow(tr("Threads"), threads);

  auto* sweep = bound(binding, form.SweepButton, new QPushButton(this));
  auto* stop = bound(binding, form.SweepStopButton, new QPushButton(this));
  // Through the handler table, so the long-work guard decides as for every button.
  connect(sweep, &QPushButton::clicked, this, [this, rows] {
    // Rows still being typed count as entered.
    Form& model = form1_.form;
    Edit* edits[] = {&model.SweepVary1, &model.SweepVary2, &model.SweepVary3};
    for (std::size_t i = 0; i < rows.size(); ++i) edits[i]->setText(rows[i]->text().toStdString());
    forward_([this] { form1_.handlers().at("SweepClick")(); });
    showChart();
  });
  connect(stop, &QPushButton::clicked, this,
          [this] { forward_([this] { form1_.handlers().at("SweepStopButtonClick")(); }); });

  // The finished settings, best return first; the selected one is what "Apply" copies.
  auto* list = bound(binding, form.SweepList, new QListWidget(this));
  list->setFont(QFont(QStringLiteral("monospace")));
  connect(list, &QListWidget::currentRowChanged, this,
          [this](int row) { forward_([this, row] { form1_.form.SweepList.setItemIndex(row); }); });
  auto* verdict = bound(binding, form.SweepVerdictMemo, new QPlainTextEdit(this));
  verdict->setReadOnly(true);
  verdict->setMaximumHeight(80);

  chart_ = new QChartView(new QChart, this);
  chart_->setObjectName(QStringLiteral("SweepChart"));
  chart_->setRenderHint(QPainter::Antialiasing);
  chart_->setMinimumHeight(200);

  auto* apply = bound(binding, form.SweepApplyButton, new QPushButton(this));
  auto* save = bound(binding, form.SweepSaveButton, new QPushButton(this));
  connect(apply, &QPushButton::clicked, this,
          [this] { forward_([this] { form1_.handlers().at("SweepApplyButtonClick")(); }); });
  connect(save, &QPushButton::clicked, this,
          [this] { forward_([this] { form1_.handlers().at("SweepSaveButtonClick")(); }); });

  auto* startRow = new QHBoxLayout;
  startRow->addWidget(sweep);
  startRow->addWidget(stop);
  startRow->addStretch();
  auto* resultRow = new QHBoxLayout;
  resultRow->addWidget(apply);
  resultRow->addWidget(save);
  resultRow->addStretch();
  auto* column = new QVBoxLayout(this);
  column->addWidget(test);
  column->addLayout(grid);
  column->addLayout(startRow);
  column->addWidget(list, 1);
  column->addWidget(verdict);
  // The chart gets room for its axis labels and its four-entry legend.
  chart_->setMinimumHeight(300);
  column->addWidget(chart_, 1);
  column->addLayout(resultRow);
  resize(820, 760);
  showChart();
}

void SweepWindow::showChart() {
  auto* chart = new QChart;
  chart->setTitle(tr("Return per unit stake, best setting first"));
  const auto& sweep = form1_.lastSweep();
  auto* returns = new QScatterSeries;
  returns->setName(tr("return"));
  returns->setMarkerSize(9);
  auto* expected = new QLineSeries;
  expected->setName(tr("what chance returns"));
  auto* low = new QLineSeries;
  auto* high = new QLineSeries;
  auto* luck = new QLineSeries;
  luck->setName(tr("best of as many settings by luck (95 %)"));
  double top = 1;
  if (sweep) {
    for (std::size_t i = 0; i < sweep->cells.size(); ++i) {
      const SweepCell& cell = sweep->cells[i];
      // Places count from 1, as the result list reads.
      const auto x = static_cast<qreal>(i + 1);
      returns->append(x, cell.winnings);
      expected->append(x, cell.expected);
      low->append(x, cell.low);
      high->append(x, cell.high);
      if (sweep->luck) luck->append(x, sweep->luck->high);
      top = std::max({top, cell.winnings, cell.high});
    }
    if (sweep->luck) top = std::max(top, sweep->luck->high);
  }
  auto* band = new QAreaSeries(high, low);
  // The area series does not own its two edges: they go with it.
  high->setParent(band);
  low->setParent(band);
  band->setName(tr("90 % of chance"));
  band->setColor(QColor(120, 160, 220, 90));
  band->setBorderColor(QColor(120, 160, 220, 160));
  QPen dashed(Qt::darkRed);
  dashed.setStyle(Qt::DashLine);
  luck->setPen(dashed);
  chart->addSeries(band);
  chart->addSeries(expected);
  chart->addSeries(luck);
  chart->addSeries(returns);
  auto* xAxis = new QValueAxis;
  xAxis->setTitleText(tr("setting (place in the result list)"));
  // A label on every place, or every second, fifth, ... one: whole places only, never so many
  // that the labels shorten to "…".
  xAxis->setLabelFormat(QStringLiteral("%.0f"));
  xAxis->setTickType(QValueAxis::TicksDynamic);
  xAxis->setTickAnchor(1);
  const qsizetype count = sweep ? static_cast<qsizetype>(sweep->cells.size()) : 1;
  xAxis->setTickInterval(count <= 12 ? 1 : count <= 24 ? 2 : count <= 60 ? 5 : 10);
  xAxis->setRange(0.5, std::max<qreal>(static_cast<qreal>(count) + 0.5, 1.5));
  auto* yAxis = new QValueAxis;
  yAxis->setTitleText(tr("per unit stake"));
  yAxis->setLabelFormat(QStringLiteral("%.2f"));
  yAxis->setRange(0, top * 1.1);
  yAxis->applyNiceNumbers();
  QFont small = xAxis->labelsFont();
  small.setPixelSize(10);
  for (QValueAxis* axis : {xAxis, yAxis}) {
    axis->setLabelsFont(small);
    axis->setTitleFont(small);
  }
  chart->legend()->setFont(small);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  // Numbers as the rest of the window writes them: the user's locale.
  chart->setLocalizeNumbers(true);
  chart->addAxis(xAxis, Qt::AlignBottom);
  chart->addAxis(yAxis, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
  }
  QChart* old = chart_->chart();
  chart_->setChart(chart);
  delete old;
}

}  // namespace numora
