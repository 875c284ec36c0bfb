// The print button of the "Keno-Tips" page, whose menu prints or saves as PDF the tip list, the
// ticket sheet, the evaluation report and the back-test report, and the "Save chart as…"
// button of the chart page.
#pragma once

#include <QRect>

class QToolButton;
class QWidget;

namespace numora {

class PageBuilder;

QToolButton* addPrintMenuButton(PageBuilder& build, QWidget* parent, const QRect& rect);
QToolButton* addSaveChartButton(PageBuilder& build, QWidget* parent, const QRect& rect);

}  // namespace numora
