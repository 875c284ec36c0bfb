// The sweep's window, opened from the "Database" tab: the back-test, up to three options with
// their values, the repetitions, "Sweep" and "Stop", the result list best return first, the
// verdict, a chart of the return per setting against chance, "Apply" and "Save as CSV".
#pragma once

#include <functional>

#include <QWidget>

#include "app/daruvizo.h"
#include "app/qt/control_binding.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace numora {

class SweepWindow : public QWidget {
  Q_OBJECT

 public:
  using Forward = std::function<void(const std::function<void()>&)>;

  SweepWindow(QWidget* owner, TForm1& form1, ControlBinding& binding, Forward forward);

  // Redraws the chart from the last sweep.
  void showChart();

 private:
  TForm1& form1_;
  Forward forward_;
  QChartView* chart_ = nullptr;
};

}  // namespace numora
