// The back-test report's own window: not modal, so the main window stays usable beside it. It
// shows the heading and the report in a fixed-width font, with "Open in editor" and "Save as…".
#pragma once

#include <functional>

#include <QWidget>

#include "app/daruvizo.h"
#include "app/qt/control_binding.h"

namespace numora {

class ReportWindow : public QWidget {
  Q_OBJECT

 public:
  using Forward = std::function<void(const std::function<void()>&)>;

  // Binds the report's controls; the window shows when the model's ReportWindow is visible.
  ReportWindow(QWidget* owner, TForm1& form1, ControlBinding& binding, Forward forward);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  TForm1& form1_;
  Forward forward_;
};

}  // namespace numora
